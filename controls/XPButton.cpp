#include "XPButton.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QTimer>
#include <utility>

#include "ButtonKindTable.h"

namespace wuziqi {

namespace {

// Shared by every button: one timer watches the highlighted button, so at most one is hot.
QTimer* g_hoverTimer = nullptr;
TXPButton* g_hoveredButton = nullptr;
int g_buttonCount = 0;
std::function<void(int)> g_helpHandler;

bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TXPButton::TXPButton(QWidget* parent) : QWidget(parent) {
    setGeometry(0, 0, 25, 25);
    resize(75, 30);
    QFont buttonFont(QStringLiteral("宋体"));
    buttonFont.setPixelSize(12);
    setFont(buttonFont);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Every paint erases the whole client area first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    if (g_hoverTimer == nullptr) {
        g_hoverTimer = new QTimer();
        g_hoverTimer->setInterval(100);
        QObject::connect(g_hoverTimer, &QTimer::timeout, &TXPButton::OnHoverTimer);
    }
    ++g_buttonCount;
}

TXPButton::~TXPButton() {
    StopHoverWatch();
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    if (--g_buttonCount == 0) {
        delete g_hoverTimer;
        g_hoverTimer = nullptr;
    }
}

TXPButton* TXPButton::HoveredButton() {
    return g_hoveredButton;
}

void TXPButton::SetHelpHandler(std::function<void(int)> handler) {
    g_helpHandler = std::move(handler);
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
        LoadXPPalette(style);
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
    if (!glyph_.isNull() && glyph.cacheKey() == glyph_.cacheKey()) return;
    glyph_ = glyph;
    // A picture of square cells side by side tells its own cell count; more than four cells
    // is taken as one picture.
    if (!glyph_.isNull() && glyph_.height() > 0 && glyph_.width() % glyph_.height() == 0) {
        const int cells = glyph_.width() / glyph_.height();
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
        glyph_ = picture;
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
    if (caption == caption_) return;
    caption_ = caption;
    UpdateAccelerator();
    update();
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
    if (!glyph_.isNull() || icon.isNull()) return;
    const QList<QSize> sizes = icon.availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
    // Magenta is the bottom-left pixel, so it becomes the transparent colour when painted.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(RawBytesColor(clFuchsia));
    QPainter painter(&picture);
    icon.paint(&painter, QRect(QPoint(0, 0), size), Qt::AlignCenter, QIcon::Normal);
    painter.end();
    glyph_ = picture;
}

// --- Hover highlight --------------------------------------------------------------------

void TXPButton::EnterHot() {
    if (!isEnabled() || isHot_) return;
    isHot_ = true;
    update();
}

void TXPButton::LeaveHot() {
    // While the left button is held on the button the highlight stays, wherever the pointer is.
    if (!isEnabled() || !isHot_ || isTracking_) return;
    isHot_ = false;
    StopHoverWatch();
    update();
}

void TXPButton::StartHoverWatch() {
    if (g_hoveredButton) g_hoveredButton->LeaveHot();
    // No highlight while the application has no active window.
    if (QApplication::activeWindow() == nullptr) return;
    g_hoverTimer->stop();
    g_hoveredButton = this;
    g_hoverTimer->start();
    EnterHot();
}

void TXPButton::StopHoverWatch() {
    if (g_hoveredButton != this) return;
    if (g_hoverTimer) g_hoverTimer->stop();
    g_hoveredButton = nullptr;
}

void TXPButton::OnHoverTimer() {
    if (g_hoveredButton) g_hoveredButton->HoverTick();
}

void TXPButton::HoverTick() {
    if (!IsUnderPointer(QCursor::pos())) LeaveHot();
}

bool TXPButton::IsUnderPointer(const QPoint& globalPos) const {
    // Disabled widgets count too: widgetAt does not skip them.
    return QApplication::widgetAt(globalPos) == this;
}

void TXPButton::SyncHotState() {
    if (!isEnabled()) return;
    if (IsUnderPointer(QCursor::pos())) {
        isHot_ = false;
        // The timer must watch a button that lights up here (after being enabled again, say),
        // or its highlight would stay on after the pointer has gone.
        if (g_hoveredButton != this) {
            StartHoverWatch();
        } else {
            EnterHot();
        }
    } else {
        isHot_ = true;
        LeaveHot();
    }
}

// --- Mouse ------------------------------------------------------------------------------

void TXPButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    drawState_ = TButtonDrawState::Down;
    isTracking_ = true;
    setFocus(Qt::MouseFocusReason);
    update();
}

void TXPButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click is just a second press.
    mousePressEvent(event);
}

void TXPButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    const QPoint global = event->globalPosition().toPoint();
    if (g_hoveredButton != this && IsUnderPointer(global)) StartHoverWatch();
    if (isTracking_) {
        const QPoint p = event->position().toPoint();
        // The row just below the client area still counts as inside.
        const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
        const TButtonDrawState state = inside ? TButtonDrawState::Down : TButtonDrawState::Up;
        if (state != drawState_) {
            drawState_ = state;
            update();
        }
    }
}

void TXPButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (!isTracking_) return;
    isTracking_ = false;
    const QPoint p = event->position().toPoint();
    const bool inside = p.x() >= 0 && p.x() < width() && p.y() >= 0 && p.y() <= height();
    drawState_ = TButtonDrawState::Up;
    isHot_ = false;
    update();
    QPointer<TXPButton> self(this);
    if (inside) {
        Click();
    } else {
        LeaveHot();
    }
    if (self) SyncHotState();
}

void TXPButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit OnMouseEnter(this);
}

void TXPButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit OnMouseLeave(this);
}

// --- Keyboard ---------------------------------------------------------------------------

void TXPButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && !IsEnterKey(key)) {
        // A button takes no typed characters, so a plain letter is an accelerator of the window
        // (with Alt it comes as a shortcut instead).
        const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        if (plain && !event->text().isEmpty() && RouteDialogChar(window(), key)) {
            event->accept();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    }
    // The window's routing comes first: a Default button takes Enter before the focused one.
    if (IsEnterKey(key) && !event->isAutoRepeat()) {
        QPointer<TXPButton> self(this);
        if (RouteDialogKey(window(), key, event->modifiers())) {
            event->accept();
            return;
        }
        if (!self) return;
    }
    if (isEnabled() && drawState_ == TButtonDrawState::Up) {
        drawState_ = TButtonDrawState::Down;
        update();
    }
    event->accept();
}

void TXPButton::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Space && !IsEnterKey(key)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    // A held key repeats its press; only the real release clicks.
    if (event->isAutoRepeat()) return;
    if (isEnabled() && drawState_ == TButtonDrawState::Down) {
        drawState_ = TButtonDrawState::Up;
        update();
        Click();
    }
}

bool TXPButton::DialogKey(int key, Qt::KeyboardModifiers modifiers) {
    if (default_ && IsEnterKey(key) && isEnabled()) {
        drawState_ = TButtonDrawState::Up;
        update();
        Click();
        return true;
    }
    const bool modifierHeld =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool canFocus =
        isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus && window()->isEnabled();
    if (key == Qt::Key_Escape && cancel_ && !modifierHeld && canFocus) {
        drawState_ = TButtonDrawState::Up;
        update();
        Click();
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
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    return !accelerator.isEmpty() && accelerator[0].key() == key;
}

bool TXPButton::DialogChar() {
    QWidget* parent = parentWidget();
    if (!isVisible() || !isEnabled() || parent == nullptr || !parent->isVisible()) return false;
    drawState_ = TButtonDrawState::Up;
    setFocus(Qt::ShortcutFocusReason);
    update();
    Click();
    return true;
}

void TXPButton::UpdateAccelerator() {
    if (acceleratorId_ != 0) releaseShortcut(acceleratorId_);
    acceleratorId_ = 0;
    const QKeySequence accelerator = QKeySequence::mnemonic(caption_);
    if (!accelerator.isEmpty()) acceleratorId_ = grabShortcut(accelerator);
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
    if (watched == watchedWindow_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((IsEnterKey(key->key()) || key->key() == Qt::Key_Escape) &&
            DialogKey(key->key(), key->modifiers())) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TXPButton::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut: {
            auto* shortcut = static_cast<QShortcutEvent*>(event);
            if (shortcut->shortcutId() == acceleratorId_ && DialogChar()) return true;
            break;
        }
        case QEvent::ParentChange: WatchWindow(); break;
        default: break;
    }
    return QWidget::event(event);
}

void TXPButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    WatchWindow();
}

// --- Notifications ----------------------------------------------------------------------

void TXPButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    PaintFocusAtOnce();
}

void TXPButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    PaintFocusAtOnce();
}

void TXPButton::PaintFocusAtOnce() {
    QWidget* parent = parentWidget();
    if (isVisible() && isEnabled() && TabStop() && parent && parent->isVisible()) repaint();
}

void TXPButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::EnabledChange:
            if (!isEnabled()) {
                isHot_ = false;
                drawState_ = TButtonDrawState::Disabled;
                StopHoverWatch();
            }
            SyncHotState();
            update();
            break;
        case QEvent::FontChange:
        case QEvent::PaletteChange: update(); break;
        default: break;
    }
}

void TXPButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
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
