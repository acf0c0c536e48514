#include "records/frm_save.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/dialog_look.h"
#include "records/move_log.h"
#include "records/record_fields.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "engine/open_files.h"
#include "shell/state.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {

// The window's colours (&HBBGGRR): a text box as windows show one, a slot
// picked for saving as a tool tip, a game picked for restoring as a
// selection.
constexpr int32_t kWindowBack = 0xFFFFFF;
constexpr int32_t kWindowText = 0x000000;
constexpr int32_t kInfoBack = 0xE1FFFF;
constexpr int32_t kInfoText = 0x000000;
constexpr int32_t kHighlightBack = 0x6A240A;
constexpr int32_t kHighlightText = 0xFFFFFF;
constexpr int32_t kFormBack = 0xC8D0D4;

// The design, in twips.
constexpr double kMargin = 120;
constexpr double kNumberWidth = 330;
constexpr double kBoxWidth = 3000;
constexpr double kBoxHeight = 285;
constexpr double kRowStep = 330;
constexpr double kCheckWidth = 1080;
constexpr double kButtonWidth = 1300;
constexpr double kButtonHeight = 400;

const QString kSave = QStringLiteral("Save");
const QString kNetSave = QStringLiteral("NET Save");

double rowTop(int slot) { return kMargin + (slot - 1) * kRowStep; }

}  // namespace

FrmSave::FrmSave()
    : vb::Form(QStringLiteral("frmSave")),
      Text1(addArray(vb::Kind::TextBox, "Text1", 1)),
      lblSlot(addArray(vb::Kind::Label, "lblSlot", 1)),
      Check1(addControl(vb::Kind::CheckBox, "Check1")),
      cmdSave(addControl(vb::Kind::CommandButton, "cmdSave")),
      Command2(addControl(vb::Kind::CommandButton, "Command2")),
      Label1(addControl(vb::Kind::Label, "Label1")) {
    setCaption(QStringLiteral("Saved Games"));
    setBackColor(kFormBack);
    const double boxLeft = kMargin + kNumberWidth;
    for (int slot = 1; slot <= kAutoSaveSlot; ++slot) {
        vb::Control& box = Text1.ensure(slot);
        box.setGeometryTw(boxLeft, rowTop(slot), kBoxWidth, kBoxHeight);
        box.setBackColor(kWindowBack);
        box.setForeColor(kWindowText);
        box.setVisible(true);
        vb::Control& number = lblSlot.ensure(slot);
        number.setGeometryTw(kMargin, rowTop(slot) + 30, kNumberWidth - 60, kBoxHeight);
        number.setCaption(QString::number(slot));
        number.setAlignment(1);
        number.setForeColor(kWindowText);
        number.setBackStyle(0);
        number.setVisible(true);
    }
    Text1(kAutoSaveSlot).setText(QStringLiteral("autosaved game"));
    Text1(kAutoSaveSlot).setToolTipText(QStringLiteral("Click the box to the right to enable AutoSave"));
    Check1.setGeometryTw(boxLeft + kBoxWidth + 90, rowTop(kAutoSaveSlot), kCheckWidth, kBoxHeight);
    Check1.setCaption(QStringLiteral("AutoSave"));
    Check1.setToolTipText(QStringLiteral("Click here to enable AutoSave"));
    Check1.setBackColor(kFormBack);
    const double width = boxLeft + kBoxWidth + 90 + kCheckWidth + kMargin;
    const double lineTop = rowTop(kAutoSaveSlot) + kRowStep + 60;
    Label1.setGeometryTw(kMargin, lineTop, width - 2 * kMargin, kBoxHeight);
    Label1.setBackStyle(0);
    Label1.setForeColor(0x0000C0);
    Label1.setAlignment(2);
    const double buttonTop = lineTop + kBoxHeight + 90;
    cmdSave.setGeometryTw(width / 2 - kButtonWidth - 120, buttonTop, kButtonWidth, kButtonHeight);
    cmdSave.setCaption(kSave);
    cmdSave.setDefault(true);  // Enter after the title saves
    Command2.setGeometryTw(width / 2 + 120, buttonTop, kButtonWidth, kButtonHeight);
    Command2.setCaption(QStringLiteral("Cancel"));
    for (vb::Control* c : {&cmdSave, &Command2}) c->setBackColor(kFormBack);
    setWidth(width + vb::FrameWidthTw());
    setHeight(buttonTop + kButtonHeight + kMargin + vb::FrameHeightTw());
}

void FrmSave::Form_Load() {
    PlaceDialogOverTable(*this);
    Selected = 0;
    Check1.setVisible(inet.NetPeers == 0);
}

bool FrmSave::saveMode() const { return cmdSave.Caption() == kSave || cmdSave.Caption() == kNetSave; }

void FrmSave::normalColours(int index) {
    if (!Text1.exists(index)) return;
    Text1(index).setBackColor(kWindowBack);
    Text1(index).setForeColor(kWindowText);
}

void FrmSave::MouseDown(vb::Control& c, int, int, double, double) {
    if (c.Name() == QLatin1String("Text1")) Text1_MouseDown(c.Index());
}

void FrmSave::MouseUp(vb::Control& c, int, int, double, double) {
    if (&c == &Check1) Check1_MouseUp();
}

void FrmSave::Click(vb::Control& c) {
    if (c.Name() == QLatin1String("Text1"))
        Text1_Click(c.Index());
    else if (&c == &cmdSave)
        cmdSave_Click();
    else if (&c == &Command2)
        Command2_Click();
    else if (&c == &Check1)
        Check1_Click();
}

void FrmSave::Text1_MouseDown(int index) {
    // A slot about to be saved into is emptied for its new title.
    if (saveMode() && inet.NetPeers == 0 && index <= kSaveSlots) Text1(index).setText(QString());
}

void FrmSave::Text1_Click(int index) {
    // The auto-save slot is never saved into: its deal copy would be the
    // first tutorial position.
    if (saveMode() && index > kSaveSlots) return;
    Label1.setCaption(QString());
    normalColours(Selected);
    vb::Control& box = Text1(index);
    if (saveMode()) {
        for (int slot = 1; slot <= kSaveSlots; ++slot)
            if (slot != index) Text1(slot).setText(recs.SaveNames(slot));
        box.setBackColor(kInfoBack);
        box.setForeColor(kInfoText);
        if (inet.NetPeers != 0) {
            const QLocale here = QLocale::system();
            const QDateTime now = QDateTime::currentDateTime();
            const QString who = inet.IsHost == 1 ? vb::Trim(eng.Player2.Name) : vb::Trim(inet.HostName);
            eng.MsgText = "NET" + QString::number(eng.NumPlayers) + "P_" +
                          here.toString(now.date(), QLocale::ShortFormat) + "_" +
                          here.toString(now.time(), QLocale::ShortFormat) + who;
            box.setText(eng.MsgText);
        } else {
            box.setText(QString::number(eng.NumPlayers) + "P_");
            box.setSelStart(static_cast<int>(box.Text().size()));
        }
    } else {
        box.setBackColor(kHighlightBack);
        box.setForeColor(kHighlightText);
        box.setLocked(true);
    }
    Selected = index;
    if (saveMode()) return;

    recs.SecureSave = false;
    if (!ReadSavedGame(BackupFile(), index, recs.SaveRecord)) return;
    if (!recs.SaveRecord.Title.startsWith(QLatin1String("^^"))) return;
    if (inet.NetPeers == 0 && !cmd.DeveloperMode) {
        vb::MsgBox(QStringLiteral("Saved Internet games can only be restored online from the Internet Menu."),
                   vb::vbInformation, QStringLiteral("Internet Game"));
        normalColours(index);
        Selected = 0;
    } else if (inet.NetPeers != 0) {
        recs.SecureSave = true;
    }
}

void FrmSave::cmdSave_Click() {
    if (Selected == 0) {
        QApplication::beep();
        Label1.setCaption(QStringLiteral("Select a game slot!"));
        return;
    }
    normalColours(Selected);
    vb::Control& box = Text1(Selected);
    if (vb::Trim(box.Text()).isEmpty()) box.setText("saved game" + vb::Str(Selected));
    eng.SkipGameSave = false;
    recs.CurrentSlot = Selected;
    recs.SaveName = vb::Trim(box.Text());
    if (cmdSave.Caption() == kNetSave && inet.NetPeers != 0) recs.SaveName = "^^" + recs.SaveName;
    Unload();
}

void FrmSave::Command2_Click() {
    if (saveMode() && Selected != 0) {
        const int answer = vb::MsgBox(QStringLiteral("Did you want to save this game?\nClick the Save button to save."),
                                      vb::vbYesNo, QStringLiteral("Save game?"));
        if (answer == vb::vbYes) return;
    }
    eng.SkipGameSave = true;
    if (inet.NetPeers != 0) recs.SecureSave = false;
    Unload();
}

void FrmSave::Form_QueryUnload(int&, int unloadMode) {
    if (unloadMode == vb::vbFormControlMenu) eng.SkipGameSave = true;
}

void FrmSave::Check1_Click() {
    const bool on = Check1.Value() == 1;
    if (on && !recs.AutoSaveOn) OpenMoveLog(true);
    if (!on) OpenMoveLog(false);
    Text1(kAutoSaveSlot).setEnabled(on);
}

void FrmSave::Check1_MouseUp() {
    // Ticked during a game: the turn so far is the first one saved.
    if (Check1.Value() == 1 && eng.Pturn != 0) {
        recs.TurnCount = 1;
        AutoSaveGame();
    }
}

FrmSave& frmSave() { return vb::DefaultInstance<FrmSave>::getLoaded(); }
void ReleaseFrmSave() { vb::DefaultInstance<FrmSave>::release(); }

}  // namespace grisk
