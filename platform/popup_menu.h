// The run time's pop-up menu: a short list of captions shown at the mouse;
// the call returns when an entry was chosen or the menu was dismissed.
// Tests switch on scripting: nothing is shown, every menu is recorded and
// answered from a queue (dismissed when the queue is empty).
#pragma once

#include <QRect>
#include <QStringList>
#include <vector>

namespace vb {

struct PopupEntry {
    QString caption;
    bool enabled = true;
};

// The index of the entry chosen, or -1 when the menu was dismissed.
// defaultEntry (-1 for none) is shown in bold. The menu opens at the mouse,
// or, given the screen rectangle (pixels) of the row it belongs to, beside
// that row, never over it (see PopupPlaceBeside).
int PopupMenu(const std::vector<PopupEntry>& entries, int defaultEntry = -1, const QRect& besideRow = QRect());

// Where a menu of that size opens beside a row (screen pixels) on a screen
// area: right of the row at its top, or left of it where the screen ends
// first; moved up as far as the screen's bottom needs. Where neither side
// has room it opens under the row (over it where the screen ends first).
QPoint PopupPlaceBeside(const QRect& row, QSize menu, const QRect& screen);

namespace popup_script {
void enable();  // also clears the queue and the record
void disable();
bool enabled();
void pushChoice(int index);  // -1 dismisses
// The entries of every menu shown, in order, and the row each was shown
// beside (an empty rectangle: at the mouse).
const std::vector<std::vector<PopupEntry>>& shown();
const std::vector<QRect>& shownBeside();
}  // namespace popup_script

}  // namespace vb
