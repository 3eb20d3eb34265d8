#pragma once

#include <QDialog>

class QPlainTextEdit;

// "引擎日志": what external engines say for the person (MESSAGE) and for their authors
// (DEBUG), and their faults, each line after the engine's name. It stays open beside the
// board and keeps the newest lines.
class EngineLog : public QDialog {
    Q_OBJECT

  public:
    explicit EngineLog(QWidget* parent = nullptr);

    void Append(const QString& engine, const QString& line);

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QPlainTextEdit* text;
};
