#include "records/frm_welcome.h"

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/menu_hint.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/move_log.h"
#include "records/profile.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "table/background.h"
#include "table/form_skin.h"
#include "table/state.h"
#include "table/status_bar.h"

namespace grisk {

namespace {

// A name the player may not take: the box is shown and the window stays.
void refuse(FrmWelcome& w, const QString& text, const QString& title) {
    vb::MsgBox(text, vb::vbExclamation, title);
    w.Command1.setEnabled(true);
}

// The record number of a known player (the first whose name matches in
// any letter case), 0 for a new one.
int knownPlayer(const QString& name) {
    for (eng.LoopIndex2 = 1; eng.LoopIndex2 <= recs.NumPlayerNames; ++eng.LoopIndex2)
        if (vb::UCase(vb::Trim(recs.PlayerNames(eng.LoopIndex2))) == vb::UCase(name)) return eng.LoopIndex2;
    return 0;
}

}  // namespace

bool FitsProfileName(const QString& name) {
    return name.size() <= kProfileNameLength && FitsStoredText(name);
}

FrmWelcome::FrmWelcome()
    : vb::Form(QStringLiteral("frmWelcome")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      Line1(addArray(vb::Kind::Line, "Line1", 0)),
      Line2(addArray(vb::Kind::Line, "Line2", 0)) {
    // The title names the window to the window manager; the window shows none.
    setCaption(QStringLiteral("Welcome to Grisk's World"));
    setBorderless(true);
    Move(0, 0, 6000, 1680);
    Label1.setCaption(QStringLiteral("Please enter your name so I can keep score:"));
    Label1.setToolTipText(QStringLiteral("Enter your player name"));
    Label1.setGeometryTw(300, 270, 5400, 330);
    Label1.setFontSize(9.75);
    Combo1.setGeometryTw(300, 780, 3900, 390);
    Combo1.setFontSize(9.75);
    Command1.setCaption(QStringLiteral("OK"));
    Command1.setToolTipText(QStringLiteral("Let's play already"));
    Command1.setGeometryTw(4500, 750, 1200, 450);
    Command1.setBackColor(kPlainControlColor);
    Command1.setDefault(true);
    DesignFormBorderLines(*this);
}

void FrmWelcome::Form_Load() {
    // The table's look: its background picture, or its colour.
    setBackColor(recs.TableColor);
    if (recs.BackgroundIdx != 0 && recs.BackgroundIdx <= recs.NumBackgrounds &&
        recs.Backgrounds.inRange({recs.BackgroundIdx})) {
        frmBackground().imgBackground.setPicture(BackgroundPicture(recs.Backgrounds(recs.BackgroundIdx)));
        TileBackground(*this, nullptr);
        Label1.setFontBold(true);
    }
    Label1.setForeColor(recs.NameColor);
    DrawFormBorderLines(*this);

    FrmGrisk& main = frmGrisk();
    Move(main.Left() + 2 * tbl.CardWidthTw, main.Top() + main.Height() / 3, Width(), Height());

    if (eng.PlayerName.isEmpty()) eng.PlayerName = vb::Trim(recs.LastPlayer);
    Combo1.AddItem(eng.PlayerName);
    Combo1.setListIndex(0);
    // A removed player's place keeps a blank name: it is not listed.
    for (int i = 1; i <= recs.NumPlayerNames; ++i)
        if (recs.PlayerNames(i) != eng.PlayerName && !vb::Trim(recs.PlayerNames(i)).isEmpty())
            Combo1.AddItem(recs.PlayerNames(i));
    Combo1.AddItem(QString());
}

void FrmWelcome::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vb::vbFormControlMenu && !eng.Quitting) cancel = 1;
}

void FrmWelcome::Click(vb::Control& c) {
    if (&c == &Combo1) Combo1_Click();
    if (&c == &Command1) Command1_Click();
}

void FrmWelcome::MouseMove(vb::Control& c, int button, int, double, double) {
    if (&c == &Label1) DragWindow(button);
}

void FrmWelcome::FormMouseMove(int button, int, double, double) { DragWindow(button); }

void FrmWelcome::DragWindow(int button) {
    if (button == 1) DragByBody();
}

void FrmWelcome::Combo1_Click() { eng.PlayerName = Combo1.Text(); }

void FrmWelcome::Command1_Click() {
    Command1.setEnabled(false);
    eng.PlayerName = vb::Trim(Combo1.Text());
    const int listIndex = Combo1.ListIndex();
    const QString upper = vb::UCase(eng.PlayerName);
    if (upper == QLatin1String("GRISK") || upper == QLatin1String("VARNOK")) {
        const QString text =
            upper == QLatin1String("GRISK")
                ? QStringLiteral("There can ONLY be\nONE Grisk\nand that's me!\nEnter your real name please.")
                : QStringLiteral("Sorry dear, that name has been taken...\nEnter another name please.");
        refuse(*this, text, QStringLiteral("Impersonator Alert"));
        Combo1.setText(QString());
        return;
    }
    if (eng.PlayerName.isEmpty()) {
        refuse(*this, QStringLiteral("Please enter a name...\nI'd like to know who I'm playing with!"),
               QStringLiteral("Unknown Player"));
        return;
    }
    if (vb::Trim(eng.PlayerName) != vb::Trim(recs.LastPlayer)) {
        // The player in force keeps the options they set since their last
        // save, whether a game is under way or not.
        if (recs.HasProfile && !SavePrefs(false)) ReportProfileNotSaved();
        const bool typed = listIndex < 0 || listIndex > recs.NumPlayerNames;
        if (typed && HasBadFileNameChar(eng.PlayerName)) {
            Command1.setEnabled(true);
            return;
        }
        // The profile keeps a name of 20 Western characters; a longer or
        // other name would not be found again at the next start.
        if (typed && !FitsProfileName(eng.PlayerName)) {
            refuse(*this,
                   QStringLiteral("Please use a name of at most 20 letters of the Western alphabet.\n"
                                  "Please re-enter."),
                   QStringLiteral("Unknown Player"));
            return;
        }
    }

    Hide();
    const int found = knownPlayer(eng.PlayerName);
    if (found) {
        recs.HasProfile = true;
        if (listIndex < 0) eng.PlayerName = vb::Trim(recs.PlayerNames(found));
        if (vb::Trim(recs.LastPlayer) != vb::Trim(eng.PlayerName)) {
            recs.CurrentProfile = found + 1;
            if (recs.AutoSaveOn) OpenMoveLog(false);
            SetupGameFromPrefs(recs.CurrentProfile);
            ApplyOptions();
        }
        recs.LastPlayer = eng.PlayerName;
    } else {
        recs.LastPlayer = eng.PlayerName;
        recs.NumPlayerNames += 1;
        recs.PlayerNames.redimPreserve({{0, recs.NumPlayerNames}});
        recs.PlayerNames(recs.NumPlayerNames) = eng.PlayerName;
        recs.CurrentProfile = recs.NumPlayerNames + 1;
        // The new record is written at once from the options in force.
        recs.HasProfile = true;
        if (!SavePrefs(true)) ReportProfileNotSaved();
        eng.CpuSpeed = GetCpuMhz(true);
        ShowMenuHint(2);
    }
    frmGrisk().Label9(3).setCaption(eng.PlayerName);
    ShowHumanNameOnStatusBar();
    Unload();
}

void FrmWelcome::ShowModal() {
    if (eng.Quitting) return;
    // Made afresh for each showing.
    LoadAsDesigned();
    Show(true);
}

FrmWelcome& frmWelcome() { return vb::DefaultInstance<FrmWelcome>::get(); }
void ReleaseFrmWelcome() { vb::DefaultInstance<FrmWelcome>::release(); }

}  // namespace grisk
