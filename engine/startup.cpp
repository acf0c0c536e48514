// Start-up and shut-down of the main window, its resize and key events.
#include <QApplication>

#include "engine/frm_grisk.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "platform/random.h"

namespace grisk {

void FrmGrisk::Form_Load() {
    SetFolders();
    vb::Randomize();
}

void FrmGrisk::Form_QueryUnload(int& cancel, int) {
    // A close that arrives while a deal, a turn or a wait is running only
    // raises the quit flags; the window closes once that work has unwound.
    if (eng.GameBusy || waits::BusyDepth() > 0) {
        eng.SkipGameSave = true;
        eng.Quitting = true;
        cancel = 1;
        waits::WakeAll();
        waits::WhenIdle([] {
            // Back in the main loop nothing can be busy any more.
            eng.GameBusy = false;
            if (FrmGriskExists()) frmGrisk().Unload(1);
        });
        return;
    }
    eng.Quitting = true;
}

void FrmGrisk::Form_Unload(int& cancel) {
    if (eng.GameBusy) cancel = 1;
}

void FrmGrisk::Form_Resize() {}

void FrmGrisk::Form_KeyDown(int&, int) {}

}  // namespace grisk
