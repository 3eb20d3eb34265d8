#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QPointer>
#include <functional>

#include "ColorValue.h"
#include "GlyphPictures.h"
#include "XPButtonClass.h"

namespace wuziqi {

// The program's own push button: a gradient, bevelled or XP-like face, an optional glyph and
// caption, a hover highlight on one button at a time, and clicks from the mouse, Space and
// Enter, its "&" accelerator and, through the window it sits in, Enter for a Default button
// and Escape for a Cancel button. Pressing, Space, the accelerator and what screen readers
// see come from QAbstractButton; the caption is its text.
//
// Colours keep the Windows convention of ColorValue.h. Handlers receive the button as sender:
// connect to OnClick, OnMouseEnter and OnMouseLeave.
class TXPButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(quint32 BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool BorderDraw READ BorderDraw WRITE SetBorderDraw)
    Q_PROPERTY(wuziqi::TButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(bool CanDrawFocus READ CanDrawFocus WRITE SetCanDrawFocus)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(quint32 GradientBeginColor READ GradientBeginColor WRITE SetGradientBeginColor)
    Q_PROPERTY(quint32 GradientEndColor READ GradientEndColor WRITE SetGradientEndColor)
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(wuziqi::TButtonKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(wuziqi::TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(quint32 Color READ Color WRITE SetColor)
    Q_PROPERTY(quint32 FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
    Q_PROPERTY(QAction* Action READ Action WRITE SetAction)

  public:
    explicit TXPButton(QWidget* parent = nullptr);
    ~TXPButton() override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    bool BorderDraw() const { return borderDraw_; }
    void SetBorderDraw(bool draw);
    TButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TButtonStyle style);
    bool CanDrawFocus() const { return canDrawFocus_; }
    void SetCanDrawFocus(bool draw) { canDrawFocus_ = draw; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    TColor GradientBeginColor() const { return gradientBegin_; }
    void SetGradientBeginColor(TColor color);
    TColor GradientEndColor() const { return gradientEnd_; }
    void SetGradientEndColor(TColor color);
    const QImage& Glyph() const { return glyph_.Picture(); }
    void SetGlyph(const QImage& glyph);
    TButtonKind Kind() const { return kind_; }
    void SetKind(TButtonKind kind);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    bool TabStop() const { return (focusPolicy() & Qt::TabFocus) != 0; }
    void SetTabStop(bool tabStop);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }
    QAction* Action() const { return action_; }
    void SetAction(QAction* action);

    // The kind-dependent click: bkHelp shows help, bkClose closes the window, any other kind
    // leaves its modal result on the dialog; the click handler runs as described there.
    void Click();

    // The face the button shows, whether the hover highlight is on and whether the left mouse
    // button went down on it and has not been released.
    TButtonDrawState DrawState() const;
    bool IsHot() const { return isHot_; }
    bool IsTracking() const { return isTracking_; }

    // Where the last paint put the glyph and the caption, in client pixels.
    QPoint GlyphOrigin() const { return glyphOrigin_; }
    TRect CaptionRect() const { return captionRect_; }

    // The button whose hover highlight is on, or none.
    static TXPButton* HoveredButton();

    // What shows a help context for bkHelp (the application's help system); without one,
    // a found context is dropped.
    static void SetHelpHandler(std::function<void(int)> handler);

  signals:
    void OnClick(wuziqi::TXPButton* sender);
    void OnMouseEnter(wuziqi::TXPButton* sender);
    void OnMouseLeave(wuziqi::TXPButton* sender);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Hover highlight.
    void EnterHot();
    void LeaveHot();
    void DropHot();
    void SyncHotState(bool pointedAt);

    // Keys the window routes to its buttons, and the accelerator.
    bool DialogKey(int key, Qt::KeyboardModifiers modifiers);
    bool DialogChar();
    static bool RouteDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers);
    static bool RouteDialogChar(QWidget* window, int key);
    bool HasAccelerator(int key) const;
    void WatchWindow();

    void RaiseClick();
    void ActionChanged();
    void CopyActionImage();
    void PaintFocusAtOnce();

    // Painting: the steps of one paint and the pieces it lays out.
    void LayoutGlyphAndCaption(TRect client, QPoint offset);
    void PaintFace(TCanvas canvas, TRect client);
    void PaintGlyph(QPainter& painter);
    void PaintCaption(TCanvas canvas);
    void PaintFocus(TCanvas canvas);
    QColor EraseColor() const;
    void ApplyXPRegion();

    TColor borderColor_ = RGB(160, 150, 131);
    bool borderDraw_ = true;
    TButtonStyle buttonStyle_ = bsGradient;
    bool canDrawFocus_ = true;
    bool cancel_ = false;
    bool default_ = false;
    TColor gradientBegin_ = clWhite;
    TColor gradientEnd_ = clSilver;
    TGlyphPictures glyph_;
    TButtonKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int modalResult_ = 0;
    int numGlyphs_ = 1;
    int spacing_ = 4;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    bool parentColor_ = false;
    int helpContext_ = 0;
    QPointer<QAction> action_;

    bool isHot_ = false;
    bool isTracking_ = false;
    QPoint glyphOrigin_;
    TRect captionRect_;

    QPointer<QWidget> watchedWindow_;
};

}  // namespace wuziqi
