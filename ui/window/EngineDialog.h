#pragma once

#include <QDialog>
#include <memory>

#include "OpponentSettings.h"

namespace Ui {
class EngineDialog;
}

// "外部引擎…": the engine's program and the time limit per move. OK is offered only for a
// program that can be run.
class EngineDialog : public QDialog {
    Q_OBJECT

  public:
    explicit EngineDialog(const OpponentSettings& settings, QWidget* parent = nullptr);
    ~EngineDialog() override;

    // The settings with the engine chosen.
    OpponentSettings Chosen() const;

  private:
    void Browse();
    void CheckProgram();

    std::unique_ptr<Ui::EngineDialog> ui;
    OpponentSettings settings;
};
