// The chat window of an Internet game.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmChat : public vb::Form {
public:
    FrmChat();
    vb::Control& Text1;     // the history box
    vb::Control& Text2;     // the input box
    vb::Control& Command1;  // the send button
    vb::ControlArray& CmdChat;  // the quick-phrase buttons 1..20; each tip holds its phrase
    // Keeps the window above the table, or lets the table cover it.
    void OnTop(bool isTop);
};

FrmChat& frmChat();
bool FrmChatExists();
void ReleaseFrmChat();

// Adds a line to the chat window's history box (on a new line), keeps the
// box's last 3700 characters once it grows beyond 4000, and puts its caret
// at the end.
void AddChatHistory(const QString& line);

}  // namespace grisk
