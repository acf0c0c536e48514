#include "records/frm_welcome.h"

#include <memory>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/menu_hint.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/move_log.h"
#include "records/profile.h"
#include "records/state.h"
#include "table/state.h"

namespace grisk {

bool FitsProfileName(const QString& name) {
    if (name.size() > kProfileNameLength) return false;
    for (QChar c : name)
        if (c.unicode() > 0xFF) return false;
    return true;
}

FrmWelcome::FrmWelcome()
    : vb::Form(QStringLiteral("frmWelcome")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")) {
    setCaption(QStringLiteral("Welcome"));
    Label1.setCaption(QStringLiteral("Please enter your name so I can keep score:"));
    Label1.setToolTipText(QStringLiteral("Enter your player name"));
    Command1.setCaption(QStringLiteral("OK"));
    Command1.setToolTipText(QStringLiteral("Let's play already"));
}

void FrmWelcome::Form_Load() {
    setBackColor(recs.TableColor);
    Label1.setForeColor(recs.NameColor);
    FrmGrisk& main = frmGrisk();
    Move(main.Left() + 2 * tbl.CardWidthTw, main.Top() + main.Height() / 3, Width(), Height());
    if (eng.PlayerName.isEmpty()) eng.PlayerName = vb::Trim(recs.LastPlayer);
    Combo1List = {eng.PlayerName};
    for (int i = 1; i <= recs.NumPlayerNames; ++i)
        if (recs.PlayerNames(i) != eng.PlayerName) Combo1List << recs.PlayerNames(i);
    Combo1List << QString();
}

bool FrmWelcome::SignIn(const QString& text, int listIndex) {
    Command1.setEnabled(false);
    eng.PlayerName = vb::Trim(text);
    const QString upper = vb::UCase(eng.PlayerName);
    if (upper == QLatin1String("GRISK")) {
        vb::MsgBox(QStringLiteral("There can ONLY be\nONE Grisk\nand that's me!\nEnter your real name please."),
                   vb::vbExclamation, QStringLiteral("Impersonator Alert"));
        Command1.setEnabled(true);
        return false;
    }
    if (upper == QLatin1String("VARNOK")) {
        vb::MsgBox(QStringLiteral("Sorry dear, that name has been taken...\nEnter another name please."),
                   vb::vbExclamation, QStringLiteral("Impersonator Alert"));
        Command1.setEnabled(true);
        return false;
    }
    if (eng.PlayerName.isEmpty()) {
        vb::MsgBox(QStringLiteral("Please enter a name...\nI'd like to know who I'm playing with!"),
                   vb::vbExclamation, QStringLiteral("Unknown Player"));
        Command1.setEnabled(true);
        return false;
    }
    if (vb::Trim(eng.PlayerName) != vb::Trim(recs.LastPlayer)) {
        if (!frmGrisk().cmdDeal.Visible() && !SavePrefs(false)) ReportProfileNotSaved();
        const bool typed = listIndex < 0 || listIndex > recs.NumPlayerNames;
        if (typed && HasBadFileNameChar(eng.PlayerName)) {
            Command1.setEnabled(true);
            return false;
        }
        // The profile keeps a name of 20 Western characters; a longer or
        // other name would not be found again at the next start.
        if (typed && !FitsProfileName(eng.PlayerName)) {
            vb::MsgBox(QStringLiteral("Please use a name of at most 20 letters of the Western alphabet.\n"
                                      "Please re-enter."),
                       vb::vbExclamation, QStringLiteral("Unknown Player"));
            Command1.setEnabled(true);
            return false;
        }
    }

    Hide();
    int found = 0;
    for (eng.LoopIndex2 = 1; eng.LoopIndex2 <= recs.NumPlayerNames; ++eng.LoopIndex2) {
        if (vb::UCase(vb::Trim(recs.PlayerNames(eng.LoopIndex2))) == vb::UCase(eng.PlayerName)) {
            found = eng.LoopIndex2;
            break;
        }
    }
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
        recs.HasProfile = false;
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
    Unload();
    return true;
}

void FrmWelcome::ShowModal() {
    Load();
    for (;;) {
        // A close of the program meanwhile ends the asking.
        if (eng.Quitting) return;
        // Without a screen the answers come from the test's script; when it
        // has none left the window stays as it is.
        if (vb::msgbox_script::enabled() && vb::msgbox_script::pendingInputs() == 0) return;
        int listIndex = -1;
        const QString text =
            vb::InputCombo(Label1.Caption(), QStringLiteral("Welcome to Grisk's World"), Combo1List, listIndex);
        if (SignIn(text, listIndex)) return;
    }
}

FrmWelcome& frmWelcome() {
    return vb::DefaultInstance<FrmWelcome>::get();
}

}  // namespace grisk
