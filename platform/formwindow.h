// The screen window of a Form: paints the form's controls in their z-order
// and turns mouse, key, resize and close events into the form's events.
#pragma once

#include <QFont>
#include <QRect>
#include <QRectF>

#include <QEventLoop>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace vb {

class Form;
class Control;
class ControlWidget;
class FormMenuBar;

class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(Form* form);
    ~FormWindow() override;

    void applyGeometry();
    void showAsForm(bool modal);
    void scheduleRepaint();
    // A control changed: one with a widget of its own shows it there, the
    // others are painted again.
    void controlChanged(Control* c);
    // The form was unloaded: close and go away once control is back in the loop.
    void detach();
    void controlGone(Control* c);
    // The window follows the mouse while the left button stays down.
    void startBodyDrag();
    // The control takes the keys: its widget, or the window for a control
    // the window paints.
    void focusControl(Control* c);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent*) override;
    void hideEvent(QHideEvent*) override;
    bool event(QEvent*) override;

private:
    Control* controlAt(QPointF posPx) const;
    void mouseEvent(QMouseEvent* e, int what);
    int windowStateCode() const;
    // A maximized window takes the size the window manager gives it.
    void showMaximizedUnfixed();
    // A handler running in this window has returned: the window goes now
    // when it was detached meanwhile.
    void finishDispatch();
    // Runs an event handler of the form (a user action reported by a
    // control's widget) as the window's own events run.
    void runHandler(const std::function<void()>& handler);
    // The widget of a control of a widget kind, made on first use.
    ControlWidget* widgetOf(Control* c);
    // Shows again the widgets of the controls a container holds, at every depth.
    void showContainedWidgets(Control* box);
    // The first enabled, shown control with a widget takes the keys.
    void focusFirstWidget();

    Form* form_;
    Control* pressed_ = nullptr;
    Control* active_ = nullptr;  // the picture or button last pressed: it takes the keys
    bool applying_ = false;
    int dispatching_ = 0;        // handlers running in this window
    bool deletePending_ = false; // detached while a handler ran
    QPointer<QEventLoop> modalLoop_;
    bool bodyDrag_ = false;
    bool formPressed_ = false;  // the last press was on the form itself
    QPoint dragOffset_;
    QPoint lastMouseGlobal_;  // where the last mouse event of this window happened
    QPoint pressGlobal_;      // where the last button went down  // the mouse's place in the window when the drag began
    std::map<Control*, std::unique_ptr<ControlWidget>> widgets_;
    std::unique_ptr<FormMenuBar> menuBar_;
};

// A control's rectangle on the screen, in pixels: through its window when it
// has one on the screen, else from the form's place and frame.
QRect ScreenRectPx(const Control& c);

// Where a label's caption shows, in pixels of its window: the text as the
// window paints it (the label's font, alignment and word wrap), which may
// be much smaller than the label's box. Empty for an empty caption.
QRectF CaptionRectPx(const Control& label);

// The top of a label's box, as tall as the given number of lines of its
// text: where a caption of that many lines shows, running on below a box
// too short for it.
QRectF TextLinesRectPx(const Control& label, int lines);

}  // namespace vb
