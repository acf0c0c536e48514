// Controls that a Qt widget of their own shows on the screen (combo boxes,
// text boxes and check boxes; tab strips and grids take the same road). The
// control model keeps the state, so a form works and is tested without a
// screen; the widget, a child of the form's window, shows that state and
// hands what the player does back to the model's user actions (UserTypes,
// UserPicks, ...), which raise the form's events. A kind of its own is
// added in three places: the Kind, its state in the control model, and one
// ControlWidget class here.
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/controls.h"

namespace vb {

// Runs a user action as an event handler of the window: the window stays
// while it runs, and an error it raises is shown to the player.
using HandlerRunner = std::function<void(const std::function<void()>&)>;

class ControlWidget {
public:
    virtual ~ControlWidget();
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;

    // Shows the control as it is now: place, size, visibility, font and the
    // kind's own state. Called after every change of the control.
    void show(const Control& c);
    QWidget* widget() const { return widget_; }
    // The control takes the keys, as the first one of a window shown.
    virtual void takeFocus();

protected:
    ControlWidget(Control& c, QWidget* widget, HandlerRunner run);
    // The kind's own state into the widget. What the widget reports while
    // this runs is not the player's doing.
    virtual void showState(const Control& c) = 0;
    // Where the widget lies (pixels) for a control over rect: the whole of it.
    virtual QRect placeFor(const Control& c, const QRect& rect) const;
    // A user action on the control, unless the model is being shown.
    void act(const std::function<void(Control&)>& action);
    // The receiver of the widget's reports: they end with this object.
    QObject* context() { return &context_; }

private:
    QObject context_;
    Control* control_;
    QPointer<QWidget> widget_;
    HandlerRunner run_;
    bool showing_ = false;
};

// The font a control's caption or text is shown in.
QFont ControlFont(const Control& c);

// True for the kinds that a widget of their own shows.
bool HasOwnWidget(Kind kind);
// The widget of a control of such a kind, a child of parent; null for the
// kinds the window paints itself.
std::unique_ptr<ControlWidget> MakeControlWidget(Control& c, QWidget* parent, HandlerRunner run);

}  // namespace vb
