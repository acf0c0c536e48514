#include "shell/keyboard.h"

namespace grisk {

void HandleKeyDown(int&, int) {
    // The table's keys (menus, keypad moves, backgrounds) are handled here as
    // the commands arrive; no key has an action yet.
}

}  // namespace grisk
