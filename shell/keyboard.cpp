#include "shell/keyboard.h"

#include "platform/keys.h"
#include "shell/help_commands.h"
#include "table/system_info.h"

namespace grisk {

namespace {
constexpr int kKeyF8 = vb::vbKeyF1 + 7;
constexpr int kKeyF11 = vb::vbKeyF1 + 10;
}  // namespace

void HandleKeyDown(int& keyCode, int shift) {
    // The table's keys are handled here as their commands arrive.
    if (shift == 0 && keyCode == kKeyF8) {
        MenuHelpCommand(4, 0);  // Card Counter
    } else if (shift == vb::vbCtrlMask && keyCode == kKeyF11) {
        DisplayStats();
    }
}

}  // namespace grisk
