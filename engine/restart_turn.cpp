#include "engine/restart_turn.h"

#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/state.h"

namespace grisk {

namespace {

void refuse(const QString& text) {
    vb::MsgBox(text, vb::vbInformation, QStringLiteral("Restart Turn"));
    // A refused request is over: a flag left standing would make the next
    // deal keep this game's wild counters and runs.
    cmd.UndoRequested = false;
    cmd.KeyRestartTurn = false;
}

}  // namespace

void RestartTurn() {
    if (inet.NetPeers != 0) {
        refuse(QStringLiteral("Restart turn cannot be used during an Internet game"));
        return;
    }
    if (!recs.AutoSaveOn) {
        refuse(QStringLiteral("The AutoSave box from the Game Menu, Restore Game option,\n"
                              "must be checked to use this option."));
        return;
    }
    if (!cmd.GameRestored) {
        refuse(QStringLiteral("Huh? No turn to restart! (?)"));
        return;
    }
    cmd.TurnRestored = true;
    if (cmd.KeyRestartTurn) {
        recs.CurrentSlot = recs.TurnCount % 2 == 1 ? 12 : 11;
        const bool restored = RestoreSavedGame(kSavedGamesFile);
        cmd.KeyRestartTurn = false;
        // A turn that could not be brought back keeps its log as it is.
        if (!restored) return;
        eng.MoveLogPos = 1;
        BuildSaveRecord();
        WriteMoveLogRecord(1);
    } else if (cmd.UndoRequested) {
        if (eng.MoveLogPos >= 2) {
            recs.CurrentSlot = eng.MoveLogPos - 1;
            const bool restored = RestoreSavedGame(kMoveLogFile);
            cmd.UndoRequested = false;
            if (restored) eng.MoveLogPos -= 1;
        } else {
            cmd.UndoRequested = false;
        }
    } else {
        cmd.UndoRequested = false;
    }
}

}  // namespace grisk
