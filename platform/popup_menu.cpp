#include "platform/popup_menu.h"

#include <QAction>
#include <QCursor>
#include <QFont>
#include <QMenu>
#include <QPointer>
#include <deque>

#include "platform/eventwait.h"

namespace vb {

namespace {
struct Script {
    bool on = false;
    std::deque<int> choices;
    std::vector<std::vector<PopupEntry>> shown;
};
Script& script() {
    static Script s;
    return s;
}

int showReal(const std::vector<PopupEntry>& entries, int defaultEntry) {
    // The menu lives on the heap: the program may close while it is open.
    QPointer<QMenu> menu = new QMenu();
    std::vector<QAction*> actions;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QAction* a = menu->addAction(entries[i].caption);
        a->setEnabled(entries[i].enabled);
        if (static_cast<int>(i) == defaultEntry) {
            QFont bold = a->font();
            bold.setBold(true);
            a->setFont(bold);
        }
        actions.push_back(a);
    }
    QAction* chosen = nullptr;
    {
        waits::BusyScope busy;
        chosen = menu->exec(QCursor::pos());
    }
    int index = -1;
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i] == chosen) index = static_cast<int>(i);
    delete menu.data();
    return index;
}
}  // namespace

int PopupMenu(const std::vector<PopupEntry>& entries, int defaultEntry) {
    Script& s = script();
    if (!s.on) return showReal(entries, defaultEntry);
    s.shown.push_back(entries);
    if (s.choices.empty()) return -1;
    const int choice = s.choices.front();
    s.choices.pop_front();
    if (choice < 0 || choice >= static_cast<int>(entries.size()) ||
        !entries[static_cast<std::size_t>(choice)].enabled)
        return -1;
    return choice;
}

namespace popup_script {
void enable() {
    script() = Script{};
    script().on = true;
}
void disable() { script() = Script{}; }
bool enabled() { return script().on; }
void pushChoice(int index) { script().choices.push_back(index); }
const std::vector<std::vector<PopupEntry>>& shown() { return script().shown; }
}  // namespace popup_script

}  // namespace vb
