#include "shell/saved_game_commands.h"

#include "engine/frm_grisk.h"
#include "engine/open_files.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/frm_save.h"
#include "records/record_fields.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/menu_commands.h"
#include "shell/state.h"
#include "table/animation_flow.h"

namespace grisk {

namespace {

constexpr int kAutoSaveEven = 12;
const QString kInternetMark = QStringLiteral("^^");

// A saved game or a restart asked for while another seat of a local game
// plays (a key pressed during its pauses) would save a seat whose piles
// are still loaded, or pull the table from under its turn: it waits, as
// the Game menu does.
bool anotherSeatPlays() {
    if (inet.NetPeers != 0 || (eng.Pturn <= 1 && !eng.GameBusy)) return false;
    eng.MsgText = QStringLiteral("Wait!  Let me finish my turn first!");
    vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Grisk:"));
    return true;
}

void noMoveToRestore(const QString& title) {
    vb::MsgBox(QStringLiteral("No move to restore!"), vb::vbOKOnly + vb::vbCritical, title);
}

void damagedGame(const QString& title) {
    vb::MsgBox(QStringLiteral("This saved game is empty or damaged and cannot be restored."),
               vb::vbOKOnly + vb::vbExclamation, title);
}

// Record n of the saved games when it holds a game that can be played;
// else a box (titled title) says it cannot be restored.
bool playableRecord(int n, const QString& title, SavedGameRecord& out) {
    if (ReadSavedGame(BackupFile(), n, out) && HoldsGame(out) && PlayableSavedGame(out)) return true;
    damagedGame(title);
    return false;
}

bool copyRecord(int from, int to) {
    vb::RecordFile& backup = BackupFile();
    QByteArray bytes;
    return backup.read(from, bytes) != vb::ReadStatus::Failed && backup.write(to, bytes);
}

// The name a slot is listed under: its title without the Internet mark.
QString listedTitle(const SavedGameRecord& r) {
    QString title = StoredText(r.Title);
    if (title.startsWith(kInternetMark)) title = title.mid(2);
    return title;
}

// Restores record CurrentSlot of the saved games, the Deal button put
// away. A record that cannot be restored ends the replay that asked for it
// and leaves the button as it was, and a box says so (an Internet refusal
// has already said why).
bool restore(const QString& title) {
    vb::Control& deal = frmGrisk().cmdDeal;
    const bool dealShown = deal.Visible();
    if (dealShown) deal.setVisible(false);
    if (RestoreSavedGame(kSavedGamesFile)) return true;
    cmd.ReplayMode = false;
    if (dealShown) deal.setVisible(true);
    if (!eng.SkipGameSave) damagedGame(title);
    return false;
}

// Shows the window modally; true when a slot was chosen in it. A window
// still open when its show returns chose nothing.
bool chosenInWindow(FrmSave& w) {
    w.Show(true);
    if (w.isLoaded()) {
        w.Unload();
        eng.SkipGameSave = true;
    }
    return !eng.SkipGameSave;
}

// The record number typed into a prepared position's input box: a whole
// number lowest..32767 of digits alone; 0 for any other answer.
int typedRecordNumber(const QString& answer, int lowest) {
    const QString text = answer.trimmed();
    if (text.isEmpty() || text.size() > 5) return 0;
    for (const QChar c : text)
        if (!c.isDigit() || c.unicode() > '9') return 0;
    const int n = text.toInt();
    return n >= lowest && n <= 32767 ? n : 0;
}

void notSaved(const vb::RecordFile& backup) {
    vb::MsgBox("The game could not be saved.\n" + backup.errorText(), vb::vbOKOnly + vb::vbExclamation,
               QStringLiteral("Grisk & Varnok"));
}

}  // namespace

void SaveGameCommand() {
    cmd.FlowClicked = true;
    if (eng.Pturn == 0) {
        eng.MsgText = QStringLiteral("There's no game to save!");
        vb::MsgBox(eng.MsgText, vb::vbOKOnly, QStringLiteral("Grisk & Varnok"));
        return;
    }
    if (anotherSeatPlays()) return;
    FrmSave& w = frmSave();
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        w.Text1(slot).setEnabled(true);
        SavedGameRecord r;
        ReadSavedGame(BackupFile(), slot, r);
        QString name = listedTitle(r);
        if (name.isEmpty()) name = "game " + vb::Str(slot);
        recs.SaveNames(slot) = name;
        w.Text1(slot).setText(name);
    }
    w.cmdSave.setCaption(inet.NetPeers != 0 ? QStringLiteral("NET Save") : QStringLiteral("Save"));
    w.Check1.setVisible(false);
    w.Text1(kAutoSaveSlot).setVisible(false);
    w.lblSlot(kAutoSaveSlot).setVisible(false);
    if (!chosenInWindow(w) || recs.CurrentSlot < 1 || recs.CurrentSlot > kSaveSlots) {
        eng.SkipGameSave = false;
        return;
    }
    BuildSaveRecord();
    recs.SaveRecord.Title = recs.SaveName;
    vb::RecordFile& backup = BackupFile();
    const bool saved = backup.write(recs.CurrentSlot, recs.SaveRecord.encode()) &&
                       copyRecord(kDealtGameRecord, recs.CurrentSlot + kDealCopyOffset);
    recs.EndedNetGameSave = false;
    if (!saved) notSaved(backup);
}

void RestoreGameCommand() {
    eng.SkipGameSave = false;
    cmd.FlowClicked = true;
    if (anotherSeatPlays()) return;
    FrmSave& w = frmSave();
    for (int slot = 1; slot <= kAutoSaveSlot; ++slot) {
        SavedGameRecord r;
        const bool game = ReadSavedGame(BackupFile(), slot, r) && HoldsGame(r);
        w.Text1(slot).setEnabled(game);
        w.Text1(slot).setText(game ? listedTitle(r) : QString());
    }
    w.cmdSave.setCaption(QStringLiteral("Restore"));
    w.Text1(kAutoSaveSlot).setText(QStringLiteral("AutoSave"));
    const bool local = inet.NetPeers == 0;
    w.Check1.setVisible(local);
    w.Text1(kAutoSaveSlot).setVisible(local);
    w.lblSlot(kAutoSaveSlot).setVisible(local);
    if (local) w.Check1.setValue(recs.AutoSaveOn ? 1 : 0);
    if (!chosenInWindow(w)) return;

    const QString title = QStringLiteral("Restore Game");
    SavedGameRecord chosen;
    if (recs.CurrentSlot == kAutoSaveSlot) {
        if (recs.TurnCount == 0) {
            if (!cmd.DeveloperMode) {
                noMoveToRestore(QStringLiteral("Previous Turn"));
                return;
            }
            recs.TurnCount = vb::ClampToInteger(static_cast<long long>(
                vb::Fix(vb::Val(vb::InputBox(QStringLiteral("TurnCount 1 or 2?"))))));
        }
        const int slot = recs.TurnCount % 2 == 0 ? kAutoSaveEven : kAutoSaveSlot;
        if (!playableRecord(slot, title, chosen)) return;
        cmd.TurnRestored = true;
        cmd.ReplayMode = true;
        recs.CurrentSlot = slot;
        restore(title);
        return;
    }
    const int slot = recs.CurrentSlot;
    if (!playableRecord(slot, title, chosen)) return;
    // The game's own deal becomes the restart point; a game saved without
    // one restarts from where it was saved.
    SavedGameRecord deal;
    const int dealCopy = slot + kDealCopyOffset;
    const bool dealKept = ReadSavedGame(BackupFile(), dealCopy, deal) && HoldsGame(deal);
    cmd.MenuNewGame = true;
    if (!restore(title)) return;
    if (!copyRecord(dealKept ? dealCopy : slot, kDealtGameRecord)) qWarning("The restart point could not be kept");
}

void PreviousTurnCommand() {
    const QString title = QStringLiteral("Previous Turn");
    if (anotherSeatPlays()) return;
    if (recs.TurnCount == 0) {
        noMoveToRestore(title);
        return;
    }
    const int slot = recs.TurnCount % 2 == 1 ? kAutoSaveSlot : kAutoSaveEven;
    SavedGameRecord r;
    if (!playableRecord(slot, title, r)) return;
    recs.CurrentSlot = slot;
    cmd.ReplayMode = true;
    cmd.TurnRestored = true;
    restore(title);
}

void RestartGameCommand() {
    if (cmd.FlowRunning) {
        cmd.FlowClicked = true;
        AnimateCardsFlow(0);
    }
    if (anotherSeatPlays()) return;
    const QString title = QStringLiteral("Restart Game");
    SavedGameRecord dealt;
    if (!ReadSavedGame(BackupFile(), kDealtGameRecord, dealt) || !HoldsGame(dealt)) {
        noMoveToRestore(title);
        return;
    }
    if (!PlayableSavedGame(dealt)) {
        damagedGame(title);
        return;
    }
    const bool host = inet.NetPeers != 0 && inet.IsHost == 1;
    if (host) {
        if (vb::MsgBox(QStringLiteral("Start the Internet game over from the beginning?"), vb::vbOKCancel, title) ==
            vb::vbCancel)
            return;
        cmd.GameRestarted = true;
    } else if (cmd.GameRestored) {
        if (vb::MsgBox(QStringLiteral("Start this game over from the beginning?"), vb::vbOKCancel, title) ==
            vb::vbCancel)
            return;
    } else {
        vb::MsgBox(QStringLiteral("Restarting game from last session."), vb::vbOKOnly + vb::vbInformation, title);
    }
    recs.CurrentSlot = kDealtGameRecord;
    if (host) {
        MenuInternetCommand(5);
        return;
    }
    restore(title);
}

void TutorialSaveCommand() {
    const QString answer = vb::InputBox(QStringLiteral("Enter a slot number to save this game (31-)"),
                                        QStringLiteral("Tutorial Game"));
    const int n = typedRecordNumber(answer, kFirstPreparedRecord);
    if (n == 0 || anotherSeatPlays()) return;
    BuildSaveRecord();
    recs.SaveRecord.Title = "Tutorial " + vb::Str(n);
    vb::RecordFile& backup = BackupFile();
    if (!backup.write(n, recs.SaveRecord.encode())) notSaved(backup);
}

void TutorialRestoreCommand() {
    const QString answer = vb::InputBox(QStringLiteral("Enter the record number to restore a game (31-)"),
                                        QStringLiteral("Tutorial Game"));
    const int n = typedRecordNumber(answer, 1);
    if (n == 0 || anotherSeatPlays()) return;
    recs.CurrentSlot = n;
    restore(QStringLiteral("Tutorial Game"));
}

}  // namespace grisk
