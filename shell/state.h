// The command subsystem's shared flags.
#pragma once

namespace grisk {

struct ShellState {
    bool DeveloperMode = false;
    bool FormLoading = false;
    bool TutorialOn = false;
    bool TutorialWait = false;  // the tutorial waits for its Next button
    bool KeyRestartTurn = false;
    bool UndoRequested = false;
    bool ReplayMode = false;
    bool RestartRequested = false;
    bool GameRestored = false;  // a saved game was put back on the table
    bool CounterUsed = false;   // the card counter was opened this game
    bool MenuLocked = false;
    // The full-window card flow: running, asked to stop by a click or key,
    // and the stop request it reads.
    bool FlowRunning = false;
    bool FlowClicked = false;
    bool FlowStop = false;

    // A new game pressed the Deal button itself (to stop the card flow); a
    // turn was restored or restarted since the deal.
    bool DealFromGameNew = false;
    bool TurnRestored = false;
    // A saved game was restored from the Game menu; an Internet host
    // restarted the game (read when the game is sent).
    bool MenuNewGame = false;
    bool GameRestarted = false;

    bool MenuOpen = false;  // the pop-up command list is open
    // The menu shown in the list (1 Game, 2 Options, 3 Internet, 4 Help; 0
    // none), the row picked in it, and whether a command row was picked.
    int MenuNum = 0;
    int MenuItem = 0;
    bool MenuPicked = false;

    // The pile slot (1..10) picked with the keypad for a keyboard move; 0
    // none.
    int KeySourceSlot = 0;
};

extern ShellState cmd;
void ResetShellState();

}  // namespace grisk
