#include "engine/player_record.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "net/state.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/avatar.h"

namespace grisk {

namespace {

// The piles and counters that a record and the loaded seat share, copied in
// the direction toRecord asks for. Position 0 of every array is left alone.
void exchangePiles(PlayerRecord& rec, bool toRecord) {
    auto copy = [toRecord](int& recValue, int& seatValue) {
        if (toRecord)
            recValue = seatValue;
        else
            seatValue = recValue;
    };
    copy(rec.RecSideShape, eng.OppSideShape);
    copy(rec.RecSideCount, eng.OppSideCount);
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= 26; ++i) copy(rec.Side(f, i), eng.OppSide(f, i));
        for (int s = 1; s <= 10; ++s) copy(rec.Slots(f, s), eng.OppSlots(f, s));
    }
    for (int p = 1; p <= 4; ++p) {
        for (int f = 0; f <= 1; ++f)
            for (int d = 1; d <= 30; ++d) copy(rec.Hold(f, p, d), eng.OppHold(f, p, d));
        // Columns 0 and 3 are the planner's own working values.
        copy(rec.HoldTable(p, 1), eng.OppHoldTable(p, 1));
        copy(rec.HoldTable(p, 2), eng.OppHoldTable(p, 2));
    }
    copy(rec.WildHand, eng.OppWildHand);
    copy(rec.WildSide, eng.OppWildSide);
    for (int c = 0; c <= 5; ++c) copy(rec.RecBestRun(1, c), recs.BestRun(4, c));
}

void loadSeatExtras(const PlayerRecord& rec) {
    if (eng.Pturn != 1) {
        if (!rec.Avatar.isEmpty()) ShowAvatar(rec.Avatar);
    } else if (!eng.PlayerAvatar.isEmpty() && eng.NumPlayers >= 3) {
        ShowAvatar(eng.PlayerAvatar);
    } else if (!rec.Avatar.isEmpty()) {
        ShowAvatar(rec.Avatar);
    }

    if (inet.NetPeers != 0) {
        // At the host the level field carries the seat's connection.
        eng.OppLevel = 0;
        if (inet.IsHost == 1) {
            for (int i = 1; i <= 3; ++i)
                if (inet.NetSlots(i).Seat == eng.Pturn - 1) {
                    eng.OppLevel = inet.NetSlots(i).SocketIndex;
                    break;
                }
        }
        return;
    }

    eng.OppLevel = rec.Level;
    for (int i = 0; i <= 16; ++i) eng.SoundFiles(i) = rec.Sounds(i);
    if (rec.CommentFile != QLatin1String("No Comments")) {
        eng.NoComments = false;
        for (int i = 1; i <= 33; ++i) eng.Comments(i) = rec.RecComments(i);
    } else {
        eng.NoComments = true;
    }
}

// A restart, an undo or a replay puts back a position of the same game: its
// counters go on.
bool keepsCounters() { return cmd.KeyRestartTurn || cmd.UndoRequested || cmd.ReplayMode; }

}  // namespace

void ExchangePlayerRecord(PlayerRecord& rec, bool toRecord) {
    if (!toRecord) eng.TurnName = rec.Name;
    exchangePiles(rec, toRecord);
    if (!toRecord) loadSeatExtras(rec);
    // Stored, the record holds the seat's cards again; loaded for the
    // seat's turn, the loaded-seat variables do until it is stored.
    const bool onTurn = eng.Pturn >= 2 && eng.Pturn <= 4 && &rec == &SeatRecord(eng.Pturn);
    eng.LiveSeat = !toRecord && onTurn ? eng.Pturn : 0;
}

void ClearPlayerRecord(PlayerRecord& rec) {
    rec.Hold.clear();
    rec.HoldTable.clear();
    rec.Slots.clear();
    if (!keepsCounters()) {
        rec.RecBestRun.clear();
        rec.WildHand = 0;
        rec.WildSide = 0;
    }
}

void ClearPlayerRecords() {
    for (int seat = 2; seat <= 4; ++seat) ClearPlayerRecord(SeatRecord(seat));
    if (keepsCounters()) return;
    eng.PlayerWildSide = 0;
    eng.PlayerWildHand = 0;
}

void ShowPlayerStatus(const PlayerRecord& rec) {
    QString counts;
    int total = 0;
    for (int c = 0; c <= 2; ++c) {
        counts += vb::Str(rec.RecBestRun(1, c)) + "-";
        total += rec.RecBestRun(1, c);
    }
    counts += " [" + vb::Str(total) + " ]";

    QString wild;
    if (eng.ScreenWidthTw >= 9601) wild = QStringLiteral("Wild: ");
    wild += vb::Str(rec.WildSide) + "/" + vb::Str(rec.WildHand);

    vb::Control& bar = frmGrisk().StatusBar1;
    bar.Panels(7).Text = counts;
    bar.Panels(6).Text.clear();
    bar.Panels(5).Text = rec.Name;
    if (inet.NetPeers == 0)
        bar.Panels(5).ToolTipText =
            eng.LevelNames.inRange({rec.Level}) ? eng.LevelNames(rec.Level) : QString();
    bar.Panels(8).Text = wild;
    bar.Panels(8).ToolTipText = rec.Name + ": Side/Hand";
}

int SeatOfPayOffRank(int rank) {
    if (eng.PlayerSlots(1, 1) == rank) return 1;
    if (eng.NumPlayers < 3) return 0;
    for (int seat = 2; seat <= std::min(eng.NumPlayers, 4); ++seat)
        if (seat != eng.Pturn && SeatRecord(seat).Slots(1, 1) == rank) return seat;
    return 0;
}

QString GetSeatPlayerName(int rank) {
    const int seat = SeatOfPayOffRank(rank);
    if (seat == 0) return QString();
    return seat == 1 ? eng.PlayerName : SeatRecord(seat).Name;
}

PlayerRecord& SeatRecord(int seat) {
    switch (seat) {
    case 2: return eng.Player2;
    case 3: return eng.Player3;
    case 4: return eng.Player4;
    default: vb::raise(vb::ErrSubscript);
    }
}

}  // namespace grisk
