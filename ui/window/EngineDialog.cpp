#include "EngineDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "ui_EngineDialog.h"

EngineDialog::EngineDialog(const OpponentSettings& settings, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::EngineDialog>()), settings(settings) {
    ui->setupUi(this);
    ui->ProgramEdit->setText(settings.enginePath);
    ui->TurnTimeBox->setRange(1, OpponentSettings::LongestTurnSeconds);
    ui->TurnTimeBox->setValue(settings.turnSeconds);
    connect(ui->BrowseButton, &QPushButton::clicked, this, &EngineDialog::Browse);
    connect(ui->ProgramEdit, &QLineEdit::textChanged, this, &EngineDialog::CheckProgram);
    CheckProgram();
}

EngineDialog::~EngineDialog() = default;

OpponentSettings EngineDialog::Chosen() const {
    OpponentSettings chosen = settings;
    chosen.useEngine = true;
    chosen.enginePath = QFileInfo(ui->ProgramEdit->text().trimmed()).absoluteFilePath();
    chosen.turnSeconds = ui->TurnTimeBox->value();
    return chosen;
}

void EngineDialog::Browse() {
    const QString start = ui->ProgramEdit->text().trimmed();
    const QString chosen = QFileDialog::getOpenFileName(
        this, tr("选择引擎程序"), start.isEmpty() ? QString() : QFileInfo(start).absolutePath());
    if (!chosen.isEmpty()) ui->ProgramEdit->setText(chosen);
}

void EngineDialog::CheckProgram() {
    const QString path = ui->ProgramEdit->text().trimmed();
    const QFileInfo program(path);
    QString problem;
    if (path.isEmpty())
        problem = tr("请选择引擎程序。");
    else if (!program.isFile())
        problem = tr("没有这个文件。");
    else if (!program.isExecutable())
        problem = tr("这个文件不能运行。");
    ui->ProblemLabel->setText(problem);
    ui->Buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}
