#include "EngineLog.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
constexpr int KeptLines = 10000;
}

EngineLog::EngineLog(QWidget* parent) : QDialog(parent), text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("EngineLog"));
    text->setObjectName(QStringLiteral("EngineLogText"));
    text->setReadOnly(true);
    text->setMaximumBlockCount(KeptLines);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(520, 320);
    setWindowTitle(tr("引擎日志"));
}

void EngineLog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) setWindowTitle(tr("引擎日志"));
    QDialog::changeEvent(event);
}

void EngineLog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The text's cursor is carried to the end of each line appended, and showing the text
    // scrolls to its cursor: to the end of the newest line. Lines are read from their start.
    text->horizontalScrollBar()->setValue(0);
}

void EngineLog::Append(const QString& engine, const QString& line) {
    text->appendPlainText(engine + QStringLiteral(": ") + line);
}
