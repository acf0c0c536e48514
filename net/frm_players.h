// The connection window: host or join an Internet game, the port, the
// host's address, and this machine's own addresses.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmPlayers : public vb::Form {
public:
    FrmPlayers();
    vb::Control& Option1;        // Host
    vb::Control& Option2;        // Remote
    vb::Control& txtPlayerName;
    vb::Control& Text2;          // the host's address, shown for Remote only
    vb::Control& Text3;          // the port
    vb::Control& Label5;
    vb::Control& lblSetup;
    vb::Control& Label1;         // captions of the name and port boxes
    vb::Control& Label3;
    vb::Control& cmdConnect;
    vb::Control& CmdCancel;
    vb::Control& cmdHelp;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;

    void Option1_Click();
    void Option2_Click();
    // Takes the name, the address and the port; on success the table is
    // emptied, NetPeers is 99 and the window closes.
    void cmdConnect_Click();
    void CmdCancel_Click();

    // Shows the window modally, as designed.
    void ShowModal();

private:
    bool socketsStarted_ = false;
};

FrmPlayers& frmPlayers();
void ReleaseFrmPlayers();

}  // namespace grisk
