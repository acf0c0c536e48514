#include "platform/formwindow.h"

#include <QFontMetricsF>

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/control_widgets.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/keys.h"
#include "platform/menu_bar.h"
#include "platform/msgbox.h"
#include "platform/run_files.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "platform/vberror.h"

namespace vb {

namespace {
double px(double tw) { return screen::TwipsToPixels(tw); }

QRectF rectOf(const Control& c) {
    return QRectF(px(c.leftTw()), px(c.topTw()), px(c.widthTw()), px(c.heightTw()));
}

int buttonOf(Qt::MouseButtons b) {
    int out = 0;
    if (b & Qt::LeftButton) out |= 1;
    if (b & Qt::RightButton) out |= 2;
    if (b & Qt::MiddleButton) out |= 4;
    return out;
}

int shiftOf(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= vbShiftMask;
    if (m & Qt::ControlModifier) s |= vbCtrlMask;
    if (m & Qt::AltModifier) s |= vbAltMask;
    return s;
}

int labelTextFlags(const Control& c) {
    const int flags = c.Alignment() == 1 ? Qt::AlignRight : c.Alignment() == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    // An "&" marks the access key, as on the run time's labels ("&&" is one "&").
    return flags | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

void paintShape(QPainter& p, const Control& c) {
    const QRectF r = rectOf(c);
    QRectF box = r;
    if (c.Shape() == ShapeSquare || c.Shape() == ShapeCircle || c.Shape() == ShapeRoundedSquare) {
        const double side = std::min(r.width(), r.height());
        box = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    QPainterPath path;
    switch (c.Shape()) {
    case ShapeOval:
    case ShapeCircle: path.addEllipse(box); break;
    case ShapeRoundedRectangle:
    case ShapeRoundedSquare: {
        const double radius = std::min(box.width(), box.height()) / 8;
        path.addRoundedRect(box, radius, radius);
        break;
    }
    default: path.addRect(box); break;
    }
    if (c.BackStyle() == 1) p.fillPath(path, toQColor(c.BackColor()));
    if (c.FillStyle() == 0) p.fillPath(path, toQColor(c.FillColor()));
    if (c.BorderStyle() != 0) {
        QPen pen(toQColor(c.BorderColor()), std::max(1, c.BorderWidth()));
        if (c.BorderStyle() == 2) pen.setStyle(Qt::DashLine);
        if (c.BorderStyle() == 3) pen.setStyle(Qt::DotLine);
        p.strokePath(path, pen);
    }
}

// A frame: its back colour, an etched border and the caption breaking the
// border's top line.
void paintFrame(QPainter& p, const Control& c) {
    const QRectF r = rectOf(c);
    p.fillRect(r, toQColor(c.BackColor()));
    p.setFont(ControlFont(c));
    const QFontMetricsF metrics(p.font());
    const QString caption = QString(c.Caption()).remove('&');
    const double lineY = r.top() + metrics.height() / 2;
    const QRectF box(r.left() + 0.5, lineY, r.width() - 2, r.bottom() - lineY - 1.5);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(box);
    p.setPen(Qt::white);
    p.drawRect(box.translated(1, 1));
    if (caption.isEmpty()) return;
    const QRectF text(r.left() + 8, r.top(), metrics.horizontalAdvance(caption) + 6, metrics.height());
    p.fillRect(text, toQColor(c.BackColor()));
    p.setPen(c.Enabled() ? toQColor(c.ForeColor()) : QColor(128, 128, 128));
    p.drawText(text, Qt::AlignCenter, caption);
}

void paintControl(QPainter& p, const Control& c) {
    const QRectF r = rectOf(c);
    switch (c.kind()) {
    case Kind::PictureBox:
        p.fillRect(r, toQColor(c.BackColor()));
        if (!c.Picture().isNull()) {
            p.save();
            p.setClipRect(r);
            p.drawImage(r.topLeft(), c.Picture());
            p.restore();
        }
        if (c.BorderStyle() != 0) {
            p.setPen(QColor(64, 64, 64));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        break;
    case Kind::Image:
        if (!c.Picture().isNull()) {
            if (c.Stretch())
                p.drawImage(r, c.Picture());
            else
                p.drawImage(r.topLeft(), c.Picture());
        }
        break;
    case Kind::Label: {
        if (c.BackStyle() == 1) p.fillRect(r, toQColor(c.BackColor()));
        p.setPen(toQColor(c.ForeColor()));
        p.setFont(ControlFont(c));
        p.drawText(r, labelTextFlags(c), c.Caption());
        if (c.BorderStyle() != 0) {
            p.setPen(Qt::black);
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        break;
    }
    case Kind::Shape: paintShape(p, c); break;
    case Kind::ComboBox:
    case Kind::TextBox:
    case Kind::CheckBox:
    case Kind::OptionButton:
    case Kind::HScrollBar:
    case Kind::VScrollBar:
    case Kind::Grid:
    case Kind::ListBox: break;     // its widget shows it
    case Kind::TabStrip: {         // its widget shows the tabs; the page is painted
        const QRectF page = r.adjusted(0, px(kTabRowHeightTw) - 1, -1, -1);
        p.fillRect(page, toQColor(c.BackColor()));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(page);
        break;
    }
    case Kind::Menu: break;        // the menu bar shows it
    case Kind::Frame: paintFrame(p, c); break;
    case Kind::Line:
        p.setPen(QPen(toQColor(c.BorderColor()), std::max(1, c.BorderWidth())));
        p.drawLine(QPointF(px(c.x1Tw()), px(c.y1Tw())), QPointF(px(c.x2Tw()), px(c.y2Tw())));
        break;
    case Kind::CommandButton: {
        p.setBrush(toQColor(c.BackColor()));
        p.setPen(QColor(80, 80, 80));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        p.setPen(c.Enabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.setFont(ControlFont(c));
        QRectF textRect = r;
        if (!c.Picture().isNull()) {
            // A picture button: the picture in the middle, the caption under it.
            const QSizeF size = c.Picture().size();
            const double top = c.Caption().isEmpty() ? r.center().y() - size.height() / 2 : r.top() + 3;
            p.drawImage(QPointF(r.center().x() - size.width() / 2, top), c.Picture());
            textRect.setTop(top + size.height());
        }
        p.drawText(textRect, Qt::AlignCenter, QString(c.Caption()).remove('&'));
        p.setBrush(Qt::NoBrush);
        break;
    }
    case Kind::StatusBar: {
        p.fillRect(r, QColor(212, 208, 200));
        p.setFont(ControlFont(c));
        const std::vector<QRectF> cells = StatusPanelCells(c, r);
        for (int i = 1; i <= c.PanelCount(); ++i) {
            const Panel& panel = c.Panels(i);
            const QRectF cell = cells[static_cast<std::size_t>(i - 1)];
            if (!panel.Visible || cell.isEmpty()) continue;
            p.setPen(QColor(128, 128, 128));
            p.drawRect(cell.adjusted(1, 1, -2, -2));
            double textLeft = cell.left() + 4;
            if (!panel.Picture.isNull()) {
                const QPointF at(textLeft, cell.top() + (cell.height() - panel.Picture.height()) / 2);
                p.drawImage(at, panel.Picture);
                textLeft += panel.Picture.width() + 3;
            }
            p.setPen(Qt::black);
            p.drawText(QRectF(textLeft, cell.top(), cell.right() - 4 - textLeft, cell.height()),
                       Qt::AlignVCenter | Qt::AlignLeft, panel.Text);
        }
        break;
    }
    }
}
// Runs one event handler of the form. A run-time error that no handler
// trapped is shown to the player instead of ending the program.
template <class F>
void guarded(F&& handler) {
    try {
        handler();
    } catch (const Error& e) {
        MsgBox("Error # " + Str(e.number()) + " occurred: \n" + QString::fromStdString(e.what()), vbCritical);
    } catch (const std::exception& e) {
        MsgBox("Error # " + Str(ErrInvalidCall) + " occurred: \n" + QString::fromStdString(e.what()), vbCritical);
    }
}
}  // namespace

FormWindow::FormWindow(Form* form) : QWidget(nullptr), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (Control* c : form_->controls())
        if (ControlWidget* w = widgetOf(c)) w->show(*c);
    menuBar_ = std::make_unique<FormMenuBar>(*form_, this,
                                             [this](const std::function<void()>& h) { runHandler(h); });
}

FormWindow::~FormWindow() {
    if (modalLoop_) modalLoop_->quit();
}

ControlWidget* FormWindow::widgetOf(Control* c) {
    if (!form_ || !HasOwnWidget(c->kind())) return nullptr;
    auto it = widgets_.find(c);
    if (it == widgets_.end()) {
        auto made = MakeControlWidget(*c, this, [this](const std::function<void()>& h) { runHandler(h); });
        if (!made) return nullptr;
        // Its widgets take the keys (those they leave come up to the
        // window); a press on the window's body leaves the keys with them.
        // A window that previews the keys sees theirs first.
        setFocusPolicy(Qt::NoFocus);
        if (made->widget()) made->widget()->installEventFilter(this);
        it = widgets_.emplace(c, std::move(made)).first;
    }
    return it->second.get();
}

void FormWindow::controlChanged(Control* c) {
    if (c->kind() == Kind::Menu) {
        if (menuBar_) menuBar_->show(*c);
        return;
    }
    ControlWidget* w = widgetOf(c);
    if (w) w->show(*c);
    // A tab strip's page, and what is painted on it, is the window's.
    if (!w || c->kind() == Kind::TabStrip) scheduleRepaint();
    // The widgets of the controls it contains, and of those they contain,
    // show or hide with it.
    if ((c->kind() == Kind::Frame || c->kind() == Kind::PictureBox || c->kind() == Kind::TabStrip) && form_)
        showContainedWidgets(c);
}

void FormWindow::showContainedWidgets(Control* box) {
    for (Control* inner : form_->controls()) {
        if (inner->Container() != box) continue;
        if (ControlWidget* w = widgetOf(inner)) w->show(*inner);
        showContainedWidgets(inner);
    }
}

void FormWindow::runHandler(const std::function<void()>& handler) {
    if (!form_) return;
    const QPointer<FormWindow> alive(this);
    ++dispatching_;
    guarded(handler);
    if (alive) finishDispatch();
}

void FormWindow::focusFirstWidget() {
    if (!form_) return;
    for (Control* c : form_->controls()) {
        auto it = widgets_.find(c);
        if (it == widgets_.end() || !c->shown() || !c->Enabled() || !it->second->widget()) continue;
        it->second->takeFocus();
        return;
    }
}

void FormWindow::applyGeometry() {
    if (!form_) return;
    applying_ = true;
    setWindowTitle(form_->Caption());
    // A pop-up lies above the other windows outside the window manager's
    // care: no frame, no taskbar entry, no focus of its own.
    const bool popup = form_->Popup();
    const bool frameless = form_->Borderless() || popup;
    const bool onTop = form_->StayOnTop() || popup;
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop ||
        windowFlags().testFlag(Qt::FramelessWindowHint) != frameless ||
        windowFlags().testFlag(Qt::X11BypassWindowManagerHint) != popup) {
        const bool shown = isVisible();
        Qt::WindowFlags flags = popup ? Qt::Tool | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus
                                      : Qt::WindowFlags(Qt::Window);
        if (frameless) flags |= Qt::FramelessWindowHint;
        if (onTop) flags |= Qt::WindowStaysOnTopHint;
        setWindowFlags(flags);
        setAttribute(Qt::WA_ShowWithoutActivating, popup);
        if (shown) show();
    }
    const int state = form_->WindowState();
    if (state == 1) {
        showMinimized();
    } else if (state == 2) {
        if (isVisible()) showMaximizedUnfixed();
    } else {
        if (isMaximized() || isMinimized()) showNormal();
        const QSize inner(static_cast<int>(px(form_->Width() - form_->frameWidthTw()) + 0.5),
                          static_cast<int>(px(form_->Height() - form_->frameHeightTw()) + 0.5));
        // The program sizes its windows itself: a window of a fixed size
        // shows no resize handle along its frame.
        setFixedSize(inner);
        move(static_cast<int>(px(form_->Left())), static_cast<int>(px(form_->Top())));
    }
    applying_ = false;
}

void FormWindow::showMaximizedUnfixed() {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    showMaximized();
}

void FormWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (form_ && form_->Popup()) qApp->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    // A window that previews the keys (KeyPreview) has Form_KeyDown see a
    // key of one of its widgets before the widget does; a key the handler
    // sets to 0 goes no further.
    if (e->type() == QEvent::KeyPress && watched != this && form_ && form_->KeyPreview) {
        const auto* w = qobject_cast<QWidget*>(watched);
        int code = keyCodeOf(*static_cast<QKeyEvent*>(e));
        if (w && w->window() == this && code != 0) {
            const int shift = shiftOf(*static_cast<QKeyEvent*>(e));
            Form* form = form_;
            const QPointer<FormWindow> alive(this);
            guarded([&] { form->Form_KeyDown(code, shift); });
            if (code == 0 || !alive || !form_) return true;
        }
    }
    // A shown pop-up closes when the mouse is pressed in another window of
    // the program (a pop-up menu opened from it aside) or the program loses
    // the focus; the press itself then goes where it went.
    bool away = false;
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        const auto* w = qobject_cast<QWidget*>(watched);
        away = w && w->window() != this && w->window()->windowType() != Qt::Popup;
    } else if (e->type() == QEvent::ApplicationStateChange) {
        away = static_cast<QApplicationStateChangeEvent*>(e)->applicationState() != Qt::ApplicationActive;
    }
    if (away && form_ && form_->Popup() && isVisible()) {
        Form* form = form_;
        guarded([&] { form->windowClosed(vbFormControlMenu); });
    }
    return false;
}

void FormWindow::showAsForm(bool modal) {
    // A window already shown modally is shown again, not a second time modally.
    if (modal && modalLoop_) modal = false;
    if (modal) {
        // Modality takes effect on a window that is not yet on the screen.
        if (isVisible()) hide();
        setWindowModality(Qt::ApplicationModal);
    }
    if (form_ && form_->WindowState() == 2)
        showMaximizedUnfixed();
    else
        show();
    focusFirstWidget();
    if (!modal) return;
    QEventLoop loop;
    modalLoop_ = &loop;
    // The form may be unloaded while it is shown: the window stays until
    // its modal show has returned.
    const QPointer<FormWindow> alive(this);
    ++dispatching_;
    {
        waits::BusyScope busy;
        loop.exec();
    }
    if (!alive) return;
    modalLoop_ = nullptr;
    setWindowModality(Qt::NonModal);
    finishDispatch();
}

void FormWindow::finishDispatch() {
    if (--dispatching_ == 0 && deletePending_) {
        deletePending_ = false;
        deleteLater();
    }
}

void FormWindow::hideEvent(QHideEvent* e) {
    qApp->removeEventFilter(this);
    // Hiding a window shown modally ends its modal show, as the run time does.
    if (modalLoop_) modalLoop_->quit();
    QWidget::hideEvent(e);
}

void FormWindow::scheduleRepaint() { update(); }

void FormWindow::detach() {
    form_ = nullptr;
    pressed_ = nullptr;
    active_ = nullptr;
    widgets_.clear();
    if (modalLoop_) modalLoop_->quit();
    hide();
    if (dispatching_ > 0)
        deletePending_ = true;
    else
        deleteLater();
}

void FormWindow::startBodyDrag() {
    // The window keeps the place under the mouse where the button went down.
    dragOffset_ = pressGlobal_ - pos();
    bodyDrag_ = true;
}

void FormWindow::controlGone(Control* c) {
    if (pressed_ == c) pressed_ = nullptr;
    if (active_ == c) active_ = nullptr;
    widgets_.erase(c);
    if (menuBar_) menuBar_->forget(c);
}

void FormWindow::focusControl(Control* c) {
    if (!form_) return;
    auto it = widgets_.find(c);
    if (it != widgets_.end()) {
        it->second->takeFocus();
        return;
    }
    if (c->kind() == Kind::PictureBox || c->kind() == Kind::CommandButton) active_ = c;
    setFocus();
}

void FormWindow::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (!form_) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    p.fillRect(rect(), toQColor(form_->BackColor()));
    form_->paintPicture(p, e->rect());
    p.setRenderHint(QPainter::Antialiasing, false);
    for (Control* c : form_->paintOrder()) {
        if (!c->shown()) continue;
        if (Control* box = c->Container()) {
            p.save();
            p.setClipRect(rectOf(*box), Qt::IntersectClip);
            paintControl(p, *c);
            p.restore();
        } else {
            paintControl(p, *c);
        }
    }
    run_files::Painted(form_);
}

Control* FormWindow::controlAt(QPointF pos) const {
    if (!form_) return nullptr;
    const std::vector<Control*> order = form_->paintOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Control* c = *it;
        if (!c->shown() || c->kind() == Kind::Shape || c->kind() == Kind::Line) continue;
        // A control with a widget of its own reports its own clicks; a press
        // its widget passed over is no press on it.
        if (HasOwnWidget(c->kind())) continue;
        if (rectOf(*c).contains(pos)) return c;
    }
    return nullptr;
}

// what: 0 down, 1 move, 2 up
void FormWindow::mouseEvent(QMouseEvent* e, int what) {
    if (!form_) return;
    lastMouseGlobal_ = e->globalPosition().toPoint();
    if (what == 0) pressGlobal_ = lastMouseGlobal_;
    if (bodyDrag_) {
        if (what == 1 && (e->buttons() & Qt::LeftButton)) {
            move(lastMouseGlobal_ - dragOffset_);
            return;
        }
        // The drag ends with the button; the release and its click go on as usual.
        bodyDrag_ = false;
    }
    const QPointF pos = e->position();
    Control* c = (what == 0 || !pressed_) ? controlAt(pos) : pressed_;
    const int button = what == 1 ? buttonOf(e->buttons()) : buttonOf(e->button());
    const int shift = shiftOf(e->modifiers());
    if (what == 1) {
        // The pointer follows the control under the mouse.
        Control* under = controlAt(pos);
        if (under && !under->MouseIcon().isNull()) {
            const QImage& icon = under->MouseIcon();
            setCursor(QCursor(QPixmap::fromImage(icon), icon.width() / 2, icon.height() / 2));
        } else {
            unsetCursor();
        }
    }
    if (!c) {
        const double unit = form_->scaleMode() == ScaleMode::Pixels ? 1.0 : screen::kTwipsPerPixel;
        Form* form = form_;
        if (what == 0) {
            formPressed_ = true;
            guarded([&] { form->FormMouseDown(button, shift, pos.x() * unit, pos.y() * unit); });
        } else if (what == 1) {
            guarded([&] { form->FormMouseMove(button, shift, pos.x() * unit, pos.y() * unit); });
        } else if (formPressed_) {
            formPressed_ = false;
            if (rect().contains(pos.toPoint())) guarded([&] { form->FormClick(); });
        }
        return;
    }
    if (what == 0) formPressed_ = false;
    if (!c->Enabled()) return;
    // A picture box reports positions in its own scale; windowless controls
    // report the position inside them in the form's scale.
    const QRectF r = rectOf(*c);
    const ScaleMode mode = c->kind() == Kind::PictureBox ? c->OwnScaleMode() : form_->scaleMode();
    const double unit = mode == ScaleMode::Pixels ? 1.0 : screen::kTwipsPerPixel;
    const double x = (pos.x() - r.left()) * unit;
    const double y = (pos.y() - r.top()) * unit;
    Form* form = form_;
    if (what == 0) {
        pressed_ = c;
        if (c->kind() == Kind::PictureBox || c->kind() == Kind::CommandButton) active_ = c;
        guarded([&] { form->MouseDown(*c, button, shift, x, y); });
    } else if (what == 1) {
        guarded([&] { form->MouseMove(*c, button, shift, x, y); });
    } else {
        const bool inside = r.contains(pos);
        pressed_ = nullptr;
        // A check box's tick turns over (and its Click runs) before the
        // button comes up: MouseUp sees the new tick.
        if (c->kind() == Kind::CheckBox) {
            const QPointer<FormWindow> alive(this);
            if (inside) guarded([&] { form->Press(*c); });
            if (alive && form_ && controlAt(pos) == c) guarded([&] { form->MouseUp(*c, button, shift, x, y); });
            return;
        }
        guarded([&] { form->MouseUp(*c, button, shift, x, y); });
        // The control may be gone after its own handler ran.
        if (inside && form_ && controlAt(pos) == c) guarded([&] { form->Press(*c); });
    }
}

void FormWindow::mousePressEvent(QMouseEvent* e) { mouseEvent(e, 0); }
void FormWindow::mouseMoveEvent(QMouseEvent* e) { mouseEvent(e, 1); }
void FormWindow::mouseReleaseEvent(QMouseEvent* e) { mouseEvent(e, 2); }

void FormWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!form_) return;
    Control* c = controlAt(e->position());
    if (c && c->Enabled()) guarded([&] { form_->DblClick(*c); });
}

void FormWindow::keyPressEvent(QKeyEvent* e) {
    if (!form_) return;
    int code = keyCodeOf(*e);
    if (code == 0) return;
    const int shift = vb::shiftOf(*e);
    Form* form = form_;
    // A key that comes up from a widget with the focus was previewed there.
    QWidget* focused = focusWidget();
    if (!(form->KeyPreview && focused && focused != this)) guarded([&] { form->Form_KeyDown(code, shift); });
    // Enter that no control took clicks the default button.
    if (code == vbKeyReturn && form_) {
        if (Control* button = form_->defaultButton()) {
            guarded([&] { UserClicks(*button); });
            return;
        }
    }
    // Then the picture or button that has the focus, unless the form's
    // handler took the key (or its window has gone meanwhile).
    if (code != 0 && form_ && active_ && active_->Visible() && active_->Enabled())
        guarded([&] { form->KeyDown(*active_, code, shift); });
}

void FormWindow::closeEvent(QCloseEvent* e) {
    if (!form_) {
        e->accept();
        return;
    }
    // The form decides; when it unloads, detach() hides and deletes us. A
    // close that comes from the ending desktop session says so, so that no
    // window holds the session up.
    e->ignore();
    int mode = vbFormControlMenu;
#if QT_CONFIG(sessionmanager)
    if (qGuiApp && qGuiApp->isSavingSession()) mode = vbAppWindows;
#endif
    guarded([&] { form_->windowClosed(mode); });
}

int FormWindow::windowStateCode() const {
    if (isMinimized()) return 1;
    if (isMaximized()) return 2;
    return 0;
}

void FormWindow::resizeEvent(QResizeEvent*) {
    if (menuBar_) menuBar_->fitWidth(width());
    if (!form_ || applying_) return;
    guarded([&] {
        form_->windowResized(screen::PixelsToTwips(width()) + form_->frameWidthTw(),
                             screen::PixelsToTwips(height()) + form_->frameHeightTw(), windowStateCode());
    });
}

void FormWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && form_ && !applying_)
        guarded([&] {
            form_->windowResized(screen::PixelsToTwips(width()) + form_->frameWidthTw(),
                                 screen::PixelsToTwips(height()) + form_->frameHeightTw(), windowStateCode());
        });
}

bool FormWindow::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && form_) {
        auto* help = static_cast<QHelpEvent*>(e);
        Control* c = controlAt(help->pos());
        QString tip = c ? c->ToolTipText() : QString();
        if (c && c->kind() == Kind::StatusBar) {
            const int panel = StatusPanelAt(*c, help->pos().x() - rectOf(*c).left());
            if (panel > 0) tip = std::as_const(*c).Panels(panel).ToolTipText;
        }
        if (!tip.isEmpty())
            QToolTip::showText(help->globalPos(), tip, this);
        else
            QToolTip::hideText();
        return true;
    }
    if (e->type() == QEvent::Move && form_ && !applying_ && windowStateCode() == 0) {
        form_->leftTw_ = screen::PixelsToTwips(x());
        form_->topTw_ = screen::PixelsToTwips(y());
    }
    // The deferred delete that detach() asked for: Qt deletes the window
    // inside this call, so nothing of it may be touched afterwards.
    if (e->type() == QEvent::DeferredDelete) return QWidget::event(e);
    // A handler may unload the form, and with it this window, while it runs
    // (a wait inside it lets the unload through): the window goes only once
    // every handler running in it has returned.
    const QPointer<FormWindow> alive(this);
    ++dispatching_;
    const bool handled = QWidget::event(e);
    if (!alive) return handled;
    finishDispatch();
    return handled;
}

QRect ScreenRectPx(const Control& c) {
    const QRect inForm = rectOf(c).toAlignedRect();
    const Form* form = c.form();
    if (!form) return inForm;
    if (const FormWindow* w = form->window(); w && w->isVisible())
        return QRect(w->mapToGlobal(inForm.topLeft()), inForm.size());
    // Without a window: the inner area begins inside the frame, under the
    // title bar.
    const double frameTw = form->frameWidthTw() / 2;
    const double titleTw = form->frameHeightTw() - frameTw;
    const QPoint inner(static_cast<int>(px(form->Left() + frameTw)), static_cast<int>(px(form->Top() + titleTw)));
    return inForm.translated(inner);
}

QRectF CaptionRectPx(const Control& label) {
    if (label.Caption().isEmpty()) return QRectF();
    const QFontMetricsF metrics(ControlFont(label));
    return metrics.boundingRect(label.rectPx(), labelTextFlags(label), label.Caption());
}

namespace {

// How tall that many lines of a label's text come out: the same for every
// label of the same font, alignment and width, so measured once for each.
struct TextLinesKey {
    QString family;
    double size;
    bool bold;
    bool italic;
    int flags;
    int lines;
    double width;
    bool operator==(const TextLinesKey&) const = default;
};

double textLinesHeightPx(const Control& label, int lines, double width) {
    static std::vector<std::pair<TextLinesKey, double>> measured;
    const int flags = labelTextFlags(label);
    TextLinesKey key{label.FontName(), label.FontSize(), label.FontBold(), label.FontItalic(), flags, lines, width};
    for (const auto& [k, height] : measured)
        if (k == key) return height;
    // As tall as that many lines of text come out when the window paints
    // them.
    const QFontMetricsF metrics(ControlFont(label));
    QStringList text;
    for (int i = 0; i < std::max(1, lines); ++i) text << QStringLiteral("X");
    const QRectF painted = metrics.boundingRect(QRectF(0, 0, width, 0), flags, text.join(QLatin1Char('\n')));
    const double height =
        std::ceil(std::max(painted.height(), lines * std::max(metrics.height(), metrics.lineSpacing())));
    if (measured.size() >= 64) measured.clear();
    measured.emplace_back(std::move(key), height);
    return height;
}

}  // namespace

QRectF TextLinesRectPx(const Control& label, int lines) {
    QRectF r = label.rectPx();
    r.setHeight(textLinesHeightPx(label, lines, r.width()));
    return r;
}

}  // namespace vb
