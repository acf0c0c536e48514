// What a received chat or peek line does on this machine: the history box,
// the table's label, icon and peek notice, the sounds, the slap, the log,
// and the host's relay to its other players.
#include <QPointer>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/chat_log.h"
#include "net/connection.h"
#include "net/dispatcher.h"
#include "net/frm_chat.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/sound.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/animation_flow.h"
#include "table/avatar.h"

namespace grisk {

namespace {

// The program sounds of the chat, played whatever the sound level.
void playChatSound(int n) { sound::PlayAsync(eng.DataFolder + "~" + QString::number(n) + ".tmp"); }

// A box about a web address is open: further addresses are only shown.
bool askingAboutLink = false;

// Offers to open a web address a peer sent; opened only on Yes.
void offerWebLink(const QString& from, const QString& address) {
    if (askingAboutLink) return;
    askingAboutLink = true;
    const int answer = vb::MsgBox(from + " sent a web address:\r\n" + address + "\r\n\r\nOpen it in your web browser?",
                                  vb::vbYesNo | vb::vbQuestion, QStringLiteral("Web Address"));
    askingAboutLink = false;
    if (answer == vb::vbYes) OpenWebPage(address);
}

void takePeek(const QString& line) {
    FrmGrisk& f = frmGrisk();
    const bool peeking = PeekLineSaysPeeking(line);
    f.LabelPeek.setVisible(true);
    if (peeking) {
        playChatSound(105);
        f.LabelPeek.setCaption(QStringLiteral("Opponent is PEEKING!"));
    } else {
        f.LabelPeek.setCaption(QStringLiteral("Opponent is not peeking now."));
    }
    inet.PeerPeeking = peeking;
}

// The history line of a chat text, logged and shown.
void showChatText(const ReceivedChat& chat, bool withIcon) {
    FrmGrisk& f = frmGrisk();
    QString line;
    if (chat.tagged)
        line = withIcon ? chat.speaker + "PIC <" + chat.icon + "> " + chat.text : chat.speaker + chat.text;
    else
        line = recs.OppName + ": " + chat.text;
    ChatLogWrite(line);
    AddChatHistory(line);
    playChatSound(chat.speaker == QLatin1String("GRISK: ") ? 108 : 110);
    f.Label9(2).setCaption(chat.text);
}

}  // namespace

void NetProcessChat(int slot, const QString& line) {
    FrmGrisk& f = frmGrisk();
    f.imgIcon.setVisible(false);
    if (line.startsWith(QLatin1String("PK"))) {
        takePeek(line);
        return;
    }
    const ReceivedChat chat = ReadChatLine(line, inet.PeerVersion);
    if (chat.tagged && chat.numbered) inet.ChatSpeaker = chat.speaker;
    // What waits for the player's answer or a long show runs after the
    // line has been passed on.
    enum class Then { Nothing, OfferLink, Flow } then = Then::Nothing;
    switch (chat.kind) {
    case ChatKind::System:
        AddChatHistory(chat.text);
        f.Label9(2).setCaption(chat.text);
        playChatSound(108);
        break;
    case ChatKind::WebLink:
        showChatText(chat, false);
        then = Then::OfferLink;
        break;
    case ChatKind::Flow: then = Then::Flow; break;
    case ChatKind::Sound: {
        QString label = "Sound from " + inet.ChatSpeaker + chat.soundName;
        const QString file = ChatSoundFile(chat.text);
        if (!file.isEmpty())
            sound::PlayAsync(file);
        else
            label += QStringLiteral("\r\n(You don't have this sound)");
        f.Label9(2).setCaption(label);
        break;
    }
    case ChatKind::Slap:
        AvatarSlap();
        f.Label9(2).setCaption(inet.ChatSpeaker + "sent SLAP!");
        break;
    case ChatKind::Text: {
        const QString picture = ChatIconFile(chat.icon);
        if (!picture.isEmpty()) {
            const QImage image(picture);
            if (!image.isNull()) {
                f.imgIcon.setPicture(image);
                f.imgIcon.setVisible(true);
            }
        }
        if (chat.quit && inet.IsHost != 1) inet.HostQuit = true;
        showChatText(chat, f.imgIcon.Visible());
        if (inet.IsHost != 1 && inet.PeerVersion.isEmpty() && chat.text.contains(QLatin1String(kBusyNotice))) {
            vb::MsgBox(QStringLiteral("You cannot join this game. The host is playing someone else."), vb::vbCritical,
                       QStringLiteral("Impossible"));
            NetCleanUp();
            inet.NetState = 0;
            return;
        }
        if (inet.HostQuit) {
            inet.HostQuit = false;
            Pause(0.02);
            AskSaveEndedNetGame();
        }
        break;
    }
    }
    if (chat.numbered) inet.LastChatNumber = chat.number;
    // A line without its number is only shown here, never passed on.
    if (chat.numbered && inet.IsHost == 1 && inet.NetPeers >= 2 && inet.NetPeers != 99) {
        QString relay = ChatRelayLine(NextChatNumber(), chat);
        int except = slot;
        NetSendToOthers(relay, except);
    }
    if (then == Then::OfferLink) {
        offerWebLink(chat.speaker.isEmpty() ? recs.OppName : vb::Trim(chat.speaker).chopped(1), chat.text);
    } else if (then == Then::Flow && !cmd.FlowRunning && FrmGriskExists()) {
        AnimateCardsFlow(0);
    }
}

}  // namespace grisk
