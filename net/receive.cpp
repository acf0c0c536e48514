#include "net/receive.h"

#include <cstdint>

#include "engine/state.h"
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
// The longest single sleep of a wait: keeps its tests of the quit flag regular.
constexpr int kWaitSliceMs = 250;
}  // namespace

void NetDataArrival(int index) { NetReceiveText(index, Winsock1(index).GetData()); }

void NetReceiveText(int index, const QString& text) {
    if (!inet.PartialText.inRange({index})) return;
    inet.PartialText(index) += text;
    for (;;) {
        QString& pending = inet.PartialText(index);
        const qsizetype lf = pending.indexOf(QLatin1Char('\n'));
        if (lf < 0) break;
        QString line = pending.left(lf);
        pending.remove(0, lf + 1);
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        ++linesTaken;
        const QString code = line.left(2);
        if (code != QLatin1String("SY") && code != QLatin1String("PK")) NetProcessMessage(index, line);
        if (inet.NetPeers == 0) {
            inet.PartialText(index).clear();
            break;
        }
    }
    if (inet.PartialText(index).size() > kMaxNetLineLength) {
        inet.PartialText(index).clear();
        NetConnectionLost(index);
    }
    waits::WakeAll();
}

void NetConnectionLost(int index) {
    // Only a running Internet game has connections to lose.
    if (inet.NetPeers < 1 || inet.NetPeers > 4) return;
    if (inet.PartialText.inRange({index})) inet.PartialText(index).clear();
    NetProcessMessage(index, QStringLiteral("GO"));
    waits::WakeAll();
}

void NetWaitForData(int) {
    const uint64_t seen = linesTaken;
    while (!eng.Quitting) {
        if (inet.NetPeers == 0) {
            inet.NetState = nsGone;
            return;
        }
        if (inet.NetState == nsGone || inet.NetState == nsEndGame || linesTaken != seen) return;
        waits::WaitEvents(kWaitSliceMs);
    }
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
