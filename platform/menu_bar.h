// A window's menu bar, made from the form's menu controls: a menu control
// without a container is a title of the bar, one whose container is such a
// title an entry of its menu ("-" a separator line). A title without
// entries is clicked itself. The bar shows the menus' captions, and which
// are enabled and shown, as the controls hold them; a pick raises the
// control's Click through its user action.
#pragma once

#include <QPointer>
#include <functional>
#include <map>

class QAction;
class QMenuBar;
class QWidget;

namespace vb {

class Control;
class Form;

class FormMenuBar {
public:
    // run: runs a user action as an event handler of the window.
    FormMenuBar(Form& form, QWidget* window, std::function<void(const std::function<void()>&)> run);
    ~FormMenuBar();
    FormMenuBar(const FormMenuBar&) = delete;
    FormMenuBar& operator=(const FormMenuBar&) = delete;

    // True when the form has menus (the bar is shown).
    bool present() const;
    // The bar across the window's width.
    void fitWidth(int widthPx);
    // A menu control changed: its caption, state and visibility.
    void show(const Control& c);
    // Forgets a control that goes.
    void forget(const Control* c);

private:
    QPointer<QMenuBar> bar_;
    std::map<const Control*, QPointer<QAction>> actions_;
};

}  // namespace vb
