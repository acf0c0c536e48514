// The run time's pop-up menu: a short list of captions shown at the mouse;
// the call returns when an entry was chosen or the menu was dismissed.
// Tests switch on scripting: nothing is shown, every menu is recorded and
// answered from a queue (dismissed when the queue is empty).
#pragma once

#include <QStringList>
#include <vector>

namespace vb {

struct PopupEntry {
    QString caption;
    bool enabled = true;
};

// The index of the entry chosen, or -1 when the menu was dismissed.
// defaultEntry (-1 for none) is shown in bold.
int PopupMenu(const std::vector<PopupEntry>& entries, int defaultEntry = -1);

namespace popup_script {
void enable();  // also clears the queue and the record
void disable();
bool enabled();
void pushChoice(int index);  // -1 dismisses
// The entries of every menu shown, in order.
const std::vector<std::vector<PopupEntry>>& shown();
}  // namespace popup_script

}  // namespace vb
