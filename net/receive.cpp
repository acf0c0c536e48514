#include "net/receive.h"

#include <cstdint>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/dispatcher.h"
#include "net/protocol.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/winsock.h"

namespace grisk {

namespace {
// Lines taken so far; a wait ends when it changes.
uint64_t linesTaken = 0;
// The longest single sleep of a wait: keeps its looks at the quit flag and
// the deadlines regular.
constexpr int kWaitSliceMs = 250;

bool live(int index) { return inet.NetPeers != 0 && inet.PartialText.inRange({index}); }

// Takes every whole line received on index, one by one. A line's handler
// may wait and so take the lines after it itself (this runs again inside
// it): the text left is read afresh for each line.
void takeLines(int index) {
    for (;;) {
        if (!live(index)) return;
        QString& pending = inet.PartialText(index);
        const qsizetype lf = pending.indexOf(QLatin1Char('\n'));
        if (lf < 0) break;
        QString line = pending.left(lf);
        pending.remove(0, lf + 1);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.size() > kMaxNetLineLength) {
            NetDropPeer(index, QStringLiteral("a line longer than any message"));
            return;
        }
        if (line.isEmpty()) continue;
        ++linesTaken;
        const QString code = line.left(2);
        if (code == QLatin1String("SY") || code == QLatin1String("PK"))
            NetProcessChat(index, line);
        else
            NetProcessMessage(index, line);
        waits::WakeAll();
    }
    if (live(index) && inet.PartialText(index).size() > kMaxNetLineLength)
        NetDropPeer(index, QStringLiteral("a line longer than any message"));
    waits::WakeAll();
}
}  // namespace

void NetDataArrival(int index) {
    vb::Winsock& s = Winsock1(index);
    const QString text = s.GetData();
    if (!text.isEmpty()) NetReceiveText(index, text);
    if (live(index) && Winsock1(index).State() == vb::Winsock::sckClosing) NetConnectionLost(index);
}

void NetReceiveText(int index, const QString& text) {
    if (!live(index)) return;
    NoteReplySettled(index);
    inet.PartialText(index) += text;
    inet.DataArrived = true;
    inet.ArrivalSlot = index;
    takeLines(index);
}

void NetConnectionLost(int index) {
    // A program that is closing says its good-bye and closes everything itself.
    if (!live(index) || eng.Quitting) return;
    // The close can be seen while an earlier line is still being handled
    // (in a pause or a box of its handler) and the lines behind it wait: a
    // peer's last lines, its good-bye among them, are taken before the close
    // counts. Only a line without its end was cut off.
    if (inet.PartialText(index).contains(QLatin1Char('\n'))) takeLines(index);
    if (!live(index)) return;
    if (!inet.PartialText(index).isEmpty()) {
        NetDropPeer(index, QStringLiteral("a line cut off when the connection closed"));
    } else {
        inet.NetState = nsGone;
        NetPeerGone(index);
    }
    waits::WakeAll();
}

void NetWaitForData(int) {
    if (inet.IsHost == 1 && eng.NumPlayers >= 3 && eng.Pturn == 1 && inet.NetAnswers < eng.NumPlayers) {
        NetWaitAllPlayers();
        return;
    }
    const uint64_t seen = linesTaken;
    while (!eng.Quitting) {
        if (inet.NetPeers == 0) {
            inet.NetState = nsGone;
            return;
        }
        if (inet.NetState == nsGone || inet.NetState == nsEndGame || linesTaken != seen) return;
        CheckNetDeadlines();
        if (linesTaken != seen || inet.NetPeers == 0) continue;
        waits::WaitEvents(kWaitSliceMs);
    }
}

void NetWaitAllPlayers() {
    while (inet.NetPeers != 0 && !eng.Quitting) {
        if (inet.NetAnswers >= eng.NumPlayers) return;
        if (inet.NetState == nsGone || inet.NetState == nsEndGame) return;
        CheckNetDeadlines();
        waits::WaitEvents(kWaitSliceMs);
    }
    if (inet.NetPeers == 0) inet.NetState = nsGone;
}

void NetWaitForOpponent(const std::function<bool()>& alsoEnd) {
    inet.MoveArrived = false;
    FrmGrisk& f = frmGrisk();
    while (!inet.MoveArrived && inet.NetPeers != 0 && !eng.Quitting && !(alsoEnd && alsoEnd())) {
        f.Label9(0).setCaption(QStringLiteral("WAITING for Opponent"));
        CheckNetDeadlines();
        if (inet.MoveArrived || inet.NetPeers == 0) break;
        waits::WaitEvents(kWaitSliceMs);
    }
    if (!eng.Quitting) f.Label9(0).setCaption(QStringLiteral(" "));
}

bool NetWaitUntil(const std::function<bool()>& done, std::initializer_list<int> alsoLeaveOn) {
    for (;;) {
        if (done()) return true;
        if (inet.NetPeers == 0 || eng.Quitting) return false;
        if (inet.NetState == nsGone || inet.NetState == nsEndGame) return false;
        for (int kind : alsoLeaveOn)
            if (inet.NetState == kind) return false;
        NetWaitForData(0);
    }
}

}  // namespace grisk
