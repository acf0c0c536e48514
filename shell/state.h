// The command subsystem's shared flags.
#pragma once

namespace grisk {

struct ShellState {
    bool DeveloperMode = false;
    bool FormLoading = false;
    bool TutorialOn = false;
    bool KeyRestartTurn = false;
    bool UndoRequested = false;
    bool ReplayMode = false;
    bool RestartRequested = false;
    bool MenuLocked = false;
};

extern ShellState cmd;
void ResetShellState();

}  // namespace grisk
