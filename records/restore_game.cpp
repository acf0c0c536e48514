// A saved game put back on the table: the mirror of BuildSaveRecord.
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/open_files.h"
#include "engine/player_record.h"
#include "engine/program_sound.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/state.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_counter.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_stacks.h"
#include "table/state.h"
#include "table/status_bar.h"
#include "table/wild_counters.h"

namespace grisk {

namespace {

constexpr int kSoundRestoreSlot = 121;
constexpr int kSoundRestoreLog = 117;

// A card put back on the table counts as seen for the card counter.
void markSeen(int cardNo) {
    if (eng.Deck.inRange({2, cardNo}) && cardNo > 0) eng.Deck(2, cardNo) = 1;
}

void takeSeat(const SavedGameRecord& r, int seat, PlayerRecord& rec) {
    const int j = seat - 2;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= 26; ++i) rec.Side(f, i) = r.Side(f, i, seat);
        for (int s = 1; s <= 10; ++s) rec.Slots(f, s) = r.Slots(f, s, seat);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) rec.Hold(f, p, d) = r.SeatHold(j + 3 * f, p, d);
    }
    rec.RecSideCount = r.SeatSideCount(seat);
    rec.RecSideShape = r.SeatSideShape(seat);
    rec.WildSide = r.WildCounter(seat, 0);
    rec.WildHand = r.WildCounter(seat, 1);
    for (int p = 1; p <= 4; ++p) {
        rec.HoldTable(p, 1) = r.SeatHoldCount(j, p);
        rec.HoldTable(p, 2) = r.SeatHoldRun(j, p);
    }
    for (int s = 2; s <= 10; ++s) markSeen(rec.Slots(0, s));
}

void takeRecord(const SavedGameRecord& r) {
    eng.NoWildAce = r.NoWildAce != 0;
    eng.OppSideCount = r.OppSideCount;
    eng.SideCount = r.SideCount;
    eng.OppSideShape = r.OppSideShape;
    eng.SideShape = r.SideShape;
    eng.StockCount = r.StockCount;
    eng.UsedCount = r.UsedCount;
    eng.HandCount = r.HandCount;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= eng.TotalCards; ++i) {
            eng.Deck(f, i) = r.Deck(f, i);
            eng.Used(f, i) = r.Used(f, i);
        }
        for (int i = 1; i <= 26; ++i) eng.PlayerSide(f, i) = r.Side(f, i, 1);
        for (int s = 1; s <= 10; ++s) eng.PlayerSlots(f, s) = r.Slots(f, s, 1);
        for (int c = 1; c <= eng.NumCenters; ++c)
            for (int k = 1; k <= 12; ++k) eng.CenterPile(f, c, k) = r.CenterPile(f, c, k);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) eng.PlayerHold(f, p, d) = r.PlayerHold(f, p, d);
    }
    for (int c = 1; c <= eng.NumCenters; ++c) {
        eng.CenterCount(c) = r.CenterCount(c);
        for (int k = 1; k <= eng.CenterCount(c) && k <= 12; ++k) markSeen(eng.CenterPile(0, c, k));
    }
    for (int i = 1; i <= eng.UsedCount && i <= eng.TotalCards; ++i) markSeen(eng.Used(0, i));
    for (int s = 1; s <= 10; ++s) markSeen(eng.PlayerSlots(0, s));
    eng.PlayerWildSide = r.WildCounter(1, 0);
    eng.PlayerWildHand = r.WildCounter(1, 1);
    for (int p = 1; p <= 4; ++p) eng.PlayerHoldCount(p) = r.PlayerHoldCount(p);
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) takeSeat(r, seat, SeatRecord(seat));
    eng.Pturn = r.Pturn;
    WhosOnFirst();
}

// The counts a record must hold before anything of it is put on the table.
bool playable(const SavedGameRecord& r) {
    const bool counts = r.NumPlayers >= 2 && r.NumPlayers <= 4 && r.NumCenters >= 3 && r.NumCenters <= 4;
    const int total = 52 * r.NumPlayers;
    return counts && r.Pturn >= 1 && r.Pturn <= r.NumPlayers && r.StockCount >= 0 && r.StockCount <= total &&
           r.UsedCount >= 0 && r.UsedCount <= total && r.SideCount >= 0 && r.SideCount <= 26 &&
           r.OppSideCount >= 0 && r.OppSideCount <= 26;
}

void sizeTemplates() {
    FrmGrisk& f = frmGrisk();
    const bool large = tbl.DisplayMode < 2;
    for (vb::ControlArray* a : {&f.Picture1, &f.Picture7}) {
        vb::Control& t = (*a)(0);
        t.setGeometryTw(t.leftTw(), t.topTw(), screen::PixelsToTwips(large ? 71 : 59),
                        screen::PixelsToTwips(large ? 96 : 80));
    }
}

}  // namespace

bool RestoreSavedGame(int FileNo) {
    FrmGrisk& f = frmGrisk();
    recs.SetupPlayers = eng.NumPlayers;
    recs.SetupCenters = eng.NumCenters;
    eng.SkipGameSave = false;
    const bool restartOrUndo = cmd.KeyRestartTurn || cmd.UndoRequested || cmd.ReplayMode;

    vb::RecordFile& file = FileNo == 9 ? MoveLogFile() : BackupFile();
    QByteArray bytes;
    if (!file.isOpen() || file.read(recs.CurrentSlot, bytes) != vb::ReadStatus::Ok) return false;
    const SavedGameRecord saved = SavedGameRecord::decode(bytes);
    if (!playable(saved)) return false;

    if (!restartOrUndo) StatusBar_Clear();
    f.Label9(1).setCaption(QString());
    f.Label9(2).setCaption(QString());
    recs.SaveRecord = saved;
    eng.SideOption = saved.SideOption == 0 ? 19 : saved.SideOption;
    eng.ForcedCards = saved.ForcedCards;
    if (recs.SoundLevel != 2 && !cmd.TutorialOn)
        PlayProgramSound(FileNo == 4 && !cmd.KeyRestartTurn ? kSoundRestoreSlot : kSoundRestoreLog);
    if (saved.NumPlayers != eng.NumPlayers || saved.NumCenters != eng.NumCenters) {
        eng.NumPlayers = saved.NumPlayers;
        eng.NumCenters = saved.NumCenters;
        SetPlayerCount(eng.NumPlayers, eng.NumCenters);
    }
    eng.TotalCards = 52 * eng.NumPlayers;
    ResetTableDisplay();
    sizeTemplates();

    takeRecord(saved);
    if (cmd.UndoRequested)
        for (int s = 2; s <= 6; ++s)
            if (eng.PlayerSlots(1, s) == 0) f.Picture7(s).setVisible(false);
    if (!cmd.KeyRestartTurn) {
        const QByteArray again = saved.encode();
        if (!file.write(11, again) || !file.write(12, again)) qWarning("The restored game could not be kept");
    }

    if (inet.NetPeers == 0) {
        ShowStackShapes(true);
        RedrawTable();
    }
    cmd.GameRestored = true;
    f.ImgHold.setVisible(eng.SideCount != 1);
    ShowRulesSummary();
    if (IsFormLoaded(QStringLiteral("frmCounter"))) UpdateCardCounter();
    cmd.ReplayMode = false;
    ExchangePlayerRecord(eng.Player2, false);
    WildUpdate();
    if (!restartOrUndo && recs.AutoSaveOn) {
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    }

    const bool mine = eng.Pturn == 1;
    f.Label9(1).setCaption(mine ? QStringLiteral("It's still your turn.\n") : QStringLiteral("It's NOT your turn.\n"));
    f.ImgTurn1.setVisible(mine);
    f.ImgTurn2.setVisible(!mine);
    if (!mine && inet.NetPeers == 0) Pause(1.5);
    if (mine) {
        EnablePileRange(f.Picture7, true, 1, 10);
        eng.TurnStart = 1;
        eng.RecountHand = 0;
    } else {
        eng.RecountHand = 1;
        eng.TurnStart = 0;
        ComputerTurn();
    }
    return true;
}

}  // namespace grisk
