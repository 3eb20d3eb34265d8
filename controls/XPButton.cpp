#include "XPButton.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <utility>

#include "ButtonKindTable.h"

namespace wuziqi {

namespace {

// At most one button shows the hover highlight.
TXPButton* g_hotButton = nullptr;
std::function<void(int)> g_helpHandler;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The same key event with Space for its key: Enter presses a focused button the way Space does.
QKeyEvent AsSpace(const QKeyEvent& event) {
    return QKeyEvent(event.type(), Qt::Key_Space, event.modifiers(), QStringLiteral(" "),
                     event.isAutoRepeat());
}

// The glyphs of the predefined kinds come drawn at two and three times their size as well.
QList<QImage> LargerDrawings(TButtonKind kind) {
    QList<QImage> drawings;
    for (int scale : {2, 3}) {
        QImage drawing(ButtonKindResourcePath(kind, scale));
        if (!drawing.isNull()) drawings.append(drawing);
    }
    return drawings;
}

}  // namespace

TXPButton::TXPButton(QWidget* parent) : QAbstractButton(parent) {
    setGeometry(0, 0, 25, 25);
    resize(75, 30);
    QFont buttonFont(QStringLiteral("宋体"));
    buttonFont.setPixelSize(12);
    setFont(buttonFont);
    setFocusPolicy(Qt::StrongFocus);
    // The pointer entering, moving over and leaving the button arrives as hover events.
    setAttribute(Qt::WA_Hover);
    // Every paint erases the whole client area first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, &TXPButton::Click);
}

TXPButton::~TXPButton() {
    if (g_hotButton == this) g_hotButton = nullptr;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
}

TXPButton* TXPButton::HoveredButton() {
    return g_hotButton;
}

void TXPButton::SetHelpHandler(std::function<void(int)> handler) {
    g_helpHandler = std::move(handler);
}

TButtonDrawState TXPButton::DrawState() const {
    if (!isEnabled()) return TButtonDrawState::Disabled;
    return isDown() ? TButtonDrawState::Down : TButtonDrawState::Up;
}

// --- Properties -------------------------------------------------------------------------

void TXPButton::SetBorderColor(TColor color) {
    borderColor_ = color;
    update();
}

void TXPButton::SetBorderDraw(bool draw) {
    borderDraw_ = draw;
    update();
}

void TXPButton::SetButtonStyle(TButtonStyle style) {
    buttonStyle_ = style;
    if (IsXPStyle(style)) {
        borderDraw_ = false;
        ApplyXPRegion();
    }
    update();
}

void TXPButton::SetGradientBeginColor(TColor color) {
    gradientBegin_ = color;
    update();
}

void TXPButton::SetGradientEndColor(TColor color) {
    gradientEnd_ = color;
    update();
}

void TXPButton::SetGlyph(const QImage& glyph) {
    const QImage& own = glyph_.Picture();
    if (!own.isNull() && glyph.cacheKey() == own.cacheKey()) return;
    glyph_.Set(glyph);
    // A picture of square cells side by side tells its own cell count; more than four cells
    // is taken as one picture.
    if (!glyph.isNull() && glyph.height() > 0 && glyph.width() % glyph.height() == 0) {
        const int cells = glyph.width() / glyph.height();
        numGlyphs_ = cells > 4 ? 1 : cells;
    }
    update();
}

void TXPButton::SetKind(TButtonKind kind) {
    if (kind == kind_) return;
    if (kind != bkCustom) {
        const TButtonKindEntry& entry = ButtonKindEntry(kind);
        numGlyphs_ = ButtonKindGlyphCount(kind);
        modalResult_ = entry.modalResult;
        const QImage picture(ButtonKindResourcePath(kind));
        if (picture.isNull()) {
            // A missing picture leaves the kind as it was, like a missing resource would.
            qWarning("TXPButton: no glyph picture %s", qPrintable(ButtonKindResourcePath(kind)));
            return;
        }
        glyph_.Set(picture, LargerDrawings(kind));
        SetCaption(QString::fromUtf8(entry.caption));
    }
    kind_ = kind;
    update();
}

void TXPButton::SetLayout(TButtonLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    update();
}

void TXPButton::SetMargin(int margin) {
    if (margin == margin_ || margin < -1) return;
    margin_ = margin;
    update();
}

void TXPButton::SetNumGlyphs(int count) {
    if (count == numGlyphs_ || count < 1 || count > 4) return;
    numGlyphs_ = count;
    update();
}

void TXPButton::SetSpacing(int spacing) {
    if (spacing == spacing_) return;
    spacing_ = spacing;
    update();
}

void TXPButton::SetCaption(const QString& caption) {
    // The text also makes the "&" accelerator and names the button for screen readers.
    setText(caption);
}

void TXPButton::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    update();
}

void TXPButton::SetFontColor(TColor color) {
    fontColor_ = color;
    update();
}

void TXPButton::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    update();
}

void TXPButton::SetTabStop(bool tabStop) {
    // Without a tab stop the button still takes the focus when clicked.
    setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TXPButton::SetAction(QAction* action) {
    if (action == action_) return;
    if (action_) disconnect(action_, nullptr, this, nullptr);
    action_ = action;
    if (action_) {
        connect(action_, &QAction::changed, this, &TXPButton::ActionChanged);
        ActionChanged();
    }
}

void TXPButton::ActionChanged() {
    if (!action_) return;
    SetCaption(action_->text());
    setEnabled(action_->isEnabled());
    CopyActionImage();
    update();
}

void TXPButton::CopyActionImage() {
    const QIcon icon = action_->icon();
    if (!glyph_.Picture().isNull() || icon.isNull()) return;
    const QList<QSize> sizes = icon.availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
    // Magenta is the bottom-left pixel, so it becomes the transparent colour when painted.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(RawBytesColor(clFuchsia));
    QPainter painter(&picture);
    icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignCenter, QIcon::Normal);
    painter.end();
    glyph_.Set(picture);
}

// --- Hover highlight --------------------------------------------------------------------

void TXPButton::EnterHot() {
    if (!isEnabled() || isHot_) return;
    if (g_hotButton != nullptr && g_hotButton != this) g_hotButton->LeaveHot();
    isHot_ = true;
    g_hotButton = this;
    update();
}

void TXPButton::LeaveHot() {
    // While the left button is held on the button the highlight stays, wherever the pointer is.
    if (!isEnabled() || !isHot_ || isTracking_) return;
    DropHot();
}

void TXPButton::DropHot() {
    if (g_hotButton == this) g_hotButton = nullptr;
    if (!isHot_) return;
    isHot_ = false;
    update();
}

void TXPButton::SyncHotState(bool pointedAt) {
    if (!isEnabled()) return;
    // No highlight while the application has no active window.
    if ((pointedAt && QApplication::activeWindow() != nullptr) || isTracking_) {
        EnterHot();
    } else {
        LeaveHot();
    }
}

// --- Mouse ------------------------------------------------------------------------------

bool TXPButton::hitButton(const QPoint& pos) const {
    // The row just below the client area still counts as on the button.
    return pos.x() >= 0 && pos.x() < width() && pos.y() >= 0 && pos.y() <= height();
}

void TXPButton::mousePressEvent(QMouseEvent* event) {
    // A double click arrives here too, as a second press.
    QAbstractButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    isTracking_ = true;
    setFocus(Qt::MouseFocusReason);
}

void TXPButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isTracking_) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    isTracking_ = false;
    DropHot();
    QPointer<TXPButton> self(this);
    // Where the button is let go decides, not where the pointer last moved: released on the
    // button it clicks, elsewhere the press is dropped.
    const QPoint at = event->position().toPoint();
    if (hitButton(at) && !isDown()) setDown(true);
    QAbstractButton::mouseReleaseEvent(event);
    // The pointer is where the button was let go; a leave held back during the press may
    // still be on its way.
    if (self) SyncHotState(rect().contains(at));
}

void TXPButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    emit OnMouseEnter(this);
}

void TXPButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    emit OnMouseLeave(this);
}

// --- Keyboard ---------------------------------------------------------------------------

void TXPButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsEnterKey(key)) {
        // The window's routing comes first: a Default button takes Enter before the focused one.
        if (!event->isAutoRepeat()) {
            QPointer<TXPButton> self(this);
            if (RouteDialogKey(window(), key, event->modifiers())) {
                event->accept();
                return;
            }
            if (!self) return;
        }
        QKeyEvent space = AsSpace(*event);
        QAbstractButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    if (key != Qt::Key_Space) {
        // A button takes no typed characters, so a plain letter is an accelerator of the window
        // (with Alt it comes as a shortcut instead).
        const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        if (plain && !event->text().isEmpty() && RouteDialogChar(window(), key)) {
            event->accept();
            return;
        }
    }
    QAbstractButton::keyPressEvent(event);
}

void TXPButton::keyReleaseEvent(QKeyEvent* event) {
    if (!IsEnterKey(event->key())) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    QKeyEvent space = AsSpace(*event);
    QAbstractButton::keyReleaseEvent(&space);
    event->setAccepted(space.isAccepted());
}

bool TXPButton::DialogKey(int key, Qt::KeyboardModifiers modifiers) {
    if (default_ && IsEnterKey(key) && isEnabled()) {
        setDown(false);
        click();
        return true;
    }
    const bool modifierHeld =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool canFocus =
        isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus && window()->isEnabled();
    if (key == Qt::Key_Escape && cancel_ && !modifierHeld && canFocus) {
        setDown(false);
        click();
        return true;
    }
    return false;
}

bool TXPButton::RouteDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers) {
    if (window == nullptr) return false;
    // A click may delete buttons of the window, so each one is looked at through a guard.
    QList<QPointer<TXPButton>> buttons;
    for (TXPButton* button : window->findChildren<TXPButton*>())
        buttons.append(button);
    for (const QPointer<TXPButton>& button : buttons) {
        if (button && button->DialogKey(key, modifiers)) return true;
    }
    return false;
}

bool TXPButton::RouteDialogChar(QWidget* window, int key) {
    if (window == nullptr) return false;
    QList<QPointer<TXPButton>> buttons;
    for (TXPButton* button : window->findChildren<TXPButton*>())
        buttons.append(button);
    for (const QPointer<TXPButton>& button : buttons) {
        if (button && button->HasAccelerator(key) && button->DialogChar()) return true;
    }
    return false;
}

bool TXPButton::HasAccelerator(int key) const {
    // The button's shortcut is the accelerator of its caption.
    const QKeySequence accelerator = shortcut();
    return !accelerator.isEmpty() && accelerator[0].key() == key;
}

bool TXPButton::DialogChar() {
    QWidget* parent = parentWidget();
    if (!isVisible() || !isEnabled() || parent == nullptr || !parent->isVisible()) return false;
    setDown(false);
    setFocus(Qt::ShortcutFocusReason);
    click();
    return true;
}

void TXPButton::WatchWindow() {
    // Enter and Escape that nobody in the window took reach the window itself; the filter
    // offers them to this button there.
    QWidget* top = window() == this ? nullptr : window();
    if (watchedWindow_ == top) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = top;
    if (top) top->installEventFilter(this);
}

bool TXPButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != watchedWindow_) return QAbstractButton::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((IsEnterKey(key->key()) || key->key() == Qt::Key_Escape) &&
            DialogKey(key->key(), key->modifiers())) {
            return true;
        }
    }
    if (event->type() == QEvent::Enter && isHot_) {
        // The pointer came into the window anew; if that is not over the button, the leave
        // it should have had went missing (some platforms send none).
        const QPointF where = static_cast<QEnterEvent*>(event)->position();
        if (!rect().contains(mapFrom(watchedWindow_, where.toPoint()))) LeaveHot();
    }
    return QAbstractButton::eventFilter(watched, event);
}

bool TXPButton::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut: {
            // The accelerator clicks at once; QAbstractButton would first show the button
            // pressed for a moment. An accelerator two controls share only moves the focus.
            auto* accelerator = static_cast<QShortcutEvent*>(event);
            if (accelerator->isAmbiguous() || accelerator->key() != shortcut()) break;
            DialogChar();
            return true;
        }
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            // The highlight comes on at the first movement over the button, but not while the
            // application has no active window.
            if (!isHot_ && QApplication::activeWindow() != nullptr) EnterHot();
            break;
        case QEvent::HoverLeave: LeaveHot(); break;
        case QEvent::ParentChange: WatchWindow(); break;
        default: break;
    }
    return QAbstractButton::event(event);
}

void TXPButton::showEvent(QShowEvent* event) {
    QAbstractButton::showEvent(event);
    WatchWindow();
}

// --- Notifications ----------------------------------------------------------------------

void TXPButton::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    PaintFocusAtOnce();
}

void TXPButton::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    PaintFocusAtOnce();
}

void TXPButton::PaintFocusAtOnce() {
    QWidget* parent = parentWidget();
    if (isVisible() && isEnabled() && TabStop() && parent && parent->isVisible()) repaint();
}

void TXPButton::changeEvent(QEvent* event) {
    QAbstractButton::changeEvent(event);
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                isTracking_ = false;
                DropHot();
            }
            SyncHotState(underMouse());
            update();
            break;
        case QEvent::FontChange:
        case QEvent::PaletteChange: update(); break;
        default: break;
    }
}

void TXPButton::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    if (IsXPStyle(buttonStyle_)) ApplyXPRegion();
}

// --- Click ------------------------------------------------------------------------------

void TXPButton::Click() {
    QPointer<TXPButton> self(this);
    QWidget* form = parentWidget() ? window() : nullptr;
    if (kind_ == bkHelp) {
        int context = 0;
        for (QWidget* w = this; w != nullptr && context == 0; w = w->parentWidget()) {
            context = w->property("HelpContext").toInt();
        }
        if (context != 0) {
            if (g_helpHandler) g_helpHandler(context);
        } else {
            RaiseClick();
        }
    } else if (kind_ == bkClose) {
        if (form) {
            form->close();
        } else {
            RaiseClick();
        }
    } else {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(form);
        if (dialog) dialog->setResult(modalResult_);
        RaiseClick();
        // A modal dialog ends once the click is handled, with the result then in force;
        // the handler may still have set it back to 0.
        if (dialog && dialog->isModal() && dialog->isVisible() && dialog->result() != 0) {
            dialog->done(dialog->result());
        }
    }
    if (self) update();
}

void TXPButton::RaiseClick() {
    if (action_) {
        action_->trigger();
    } else {
        emit OnClick(this);
    }
}

}  // namespace wuziqi
