#include "platform/popup_menu.h"

#include <QAction>
#include <QCursor>
#include <QFont>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <deque>

#include "platform/eventwait.h"

namespace vb {

namespace {
struct Script {
    bool on = false;
    std::deque<int> choices;
    std::vector<std::vector<PopupEntry>> shown;
    std::vector<QRect> beside;
};
Script& script() {
    static Script s;
    return s;
}

QPoint besidePlace(const QRect& row, QSize menu) {
    QRect screen;
    if (const QScreen* s = QGuiApplication::screenAt(row.center()))
        screen = s->availableGeometry();
    else if (const QScreen* p = QGuiApplication::primaryScreen())
        screen = p->availableGeometry();
    return PopupPlaceBeside(row, menu, screen);
}

int showReal(const std::vector<PopupEntry>& entries, int defaultEntry, const QRect& besideRow) {
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
        chosen = menu->exec(besideRow.isValid() ? besidePlace(besideRow, menu->sizeHint()) : QCursor::pos());
    }
    int index = -1;
    for (std::size_t i = 0; i < actions.size(); ++i)
        if (actions[i] == chosen) index = static_cast<int>(i);
    delete menu.data();
    return index;
}
}  // namespace

QPoint PopupPlaceBeside(const QRect& row, QSize menu, const QRect& screen) {
    QPoint at(row.right() + 1, row.top());
    if (!screen.isValid()) return at;
    const bool rightFits = at.x() + menu.width() <= screen.right() + 1;
    const bool leftFits = row.left() - menu.width() >= screen.left();
    if (rightFits || leftFits) {
        if (!rightFits) at.setX(row.left() - menu.width());
        if (at.y() + menu.height() > screen.bottom() + 1)
            at.setY(std::max(screen.top(), screen.bottom() + 1 - menu.height()));
        return at;
    }
    // No room on either side: under the row, or over it where the screen
    // ends first, as far right as the screen lets it.
    at.setX(std::clamp(row.left(), screen.left(), std::max(screen.left(), screen.right() + 1 - menu.width())));
    at.setY(row.bottom() + 1 + menu.height() <= screen.bottom() + 1 ? row.bottom() + 1 : row.top() - menu.height());
    return at;
}

int PopupMenu(const std::vector<PopupEntry>& entries, int defaultEntry, const QRect& besideRow) {
    Script& s = script();
    if (!s.on) return showReal(entries, defaultEntry, besideRow);
    s.shown.push_back(entries);
    s.beside.push_back(besideRow);
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
const std::vector<QRect>& shownBeside() { return script().beside; }
}  // namespace popup_script

}  // namespace vb
