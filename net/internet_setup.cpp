#include "net/internet_setup.h"

#include "engine/deal.h"
#include "engine/general.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"

namespace grisk {

void ShowInternetPlayerSetup() { inet.NetSetupCancelled = true; }

void ShowHostRulesWindow() { eng.SkipGameSave = true; }

double HostRulesWindowLeft(double fallback) { return fallback; }

void NetStartNewGame() { Game_New(); }

void SetupInternet() {
    if (inet.NetPeers == 0) return;
    if (vb::MsgBox(QStringLiteral("Do you want to end this Quenmoor Online Game?"), vb::vbYesNo,
                   QStringLiteral("TERMINATE Quenmoor Connection")) != vb::vbYes)
        return;
    if (SocketConnected(inet.NetSockIndex)) {
        inet.ChatCount += 1;
        NetSendToPeers(BuildChatLine(inet.ChatCount, eng.PlayerName + " Quit!^"));
        NetSendToPeers(QStringLiteral("GO"));
        Pause(0.5);
    }
    NetCleanUp();
    inet.IsHost = 0;
}

void SendRecover() {
    if (inet.NetPeers == 0) return;
}

}  // namespace grisk
