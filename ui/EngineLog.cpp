#include "EngineLog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int KeptLines = 10000;
}

EngineLog::EngineLog(QWidget* parent) : QDialog(parent), text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("EngineLog"));
    setWindowTitle(tr("引擎日志"));
    text->setObjectName(QStringLiteral("EngineLogText"));
    text->setReadOnly(true);
    text->setMaximumBlockCount(KeptLines);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(520, 320);
}

void EngineLog::Append(const QString& engine, const QString& line) {
    text->appendPlainText(engine + QStringLiteral(": ") + line);
}
