#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TForm2;
}

// The About dialog: a fixed-size box with the program's icon, name and home page, closed by
// its OK button, which has the focus.
class TForm2 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // The texts made here rather than in the layout, in the interface's language.
    void ShowTexts();

    std::unique_ptr<Ui::TForm2> ui;
};
