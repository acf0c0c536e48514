#include "shell/frm_rules.h"

#include <algorithm>
#include <array>

#include "engine/frm_grisk.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "net/internet_setup.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "records/dialog_look.h"
#include "shell/help.h"
#include "shell/state.h"
#include "table/form_scaling.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"

namespace grisk {

namespace {
constexpr std::array<int, 4> kSideOptions{19, 25, 14, 9};
constexpr int kForcedAce = 1;
constexpr int kForcedTwo = 2;
constexpr int kVisibleOnly = 4;
constexpr int kAllForced = 7;

// An Internet game with a peer whose version code, compared as text, is at
// or above (below) the given one.
bool peerAtLeast(const char* version) { return inet.PeerVersion >= QLatin1String(version); }
}  // namespace

int SideOptionOfButton(int index) { return kSideOptions[static_cast<std::size_t>(std::clamp(index, 0, 3))]; }

int SideButtonOf(int sideOption) {
    for (int i = 0; i < 4; ++i)
        if (kSideOptions[static_cast<std::size_t>(i)] == sideOption) return i;
    return -1;
}

FrmRules::FrmRules()
    : vb::Form(QStringLiteral("frmRules")),
      fraSide(addControl(vb::Kind::Frame, "fraSide")),
      optSide(addArray(vb::Kind::OptionButton, "optSide", 0)),
      fraForced(addControl(vb::Kind::Frame, "fraForced")),
      chkForced(addArray(vb::Kind::CheckBox, "chkForced", 1)),
      chkNoForced(addControl(vb::Kind::CheckBox, "chkNoForced")),
      fraWild(addControl(vb::Kind::Frame, "fraWild")),
      chkWild(addControl(vb::Kind::CheckBox, "chkWild")),
      fraCenter(addControl(vb::Kind::Frame, "fraCenter")),
      optCenter(addArray(vb::Kind::OptionButton, "optCenter", 0)),
      fraShuffle(addControl(vb::Kind::Frame, "fraShuffle")),
      optShuffle(addArray(vb::Kind::OptionButton, "optShuffle", 0)),
      cmdDefault(addControl(vb::Kind::CommandButton, "cmdDefault")),
      cmdSave(addControl(vb::Kind::CommandButton, "cmdSave")),
      cmdReturn(addControl(vb::Kind::CommandButton, "cmdReturn")),
      cmdHelp(addControl(vb::Kind::CommandButton, "cmdHelp")) {
    setCaption(QStringLiteral("Rules"));
    setBackColor(kDialogBackColor);
    DialogControl(fraSide, QStringLiteral("Side Piles"), 120, 120, 3120, 1260);
    const char* sizes[] = {"20 cards", "26 cards", "15 cards", "10 cards"};
    LoadElements(optSide, 0, 3);
    for (int i = 0; i <= 3; ++i)
        DialogControl(optSide(i), QString::fromLatin1(sizes[i]), 300 + (i % 2) * 1440,
                      450 + (i / 2) * 420, 1320, 300, &fraSide);
    DialogControl(fraForced, QStringLiteral("Forced Cards"), 3360, 120, 3360, 1800);
    const std::pair<int, const char*> forced[] = {
        {kForcedAce, "Forced Ace"}, {kForcedTwo, "Forced Two"}, {kVisibleOnly, "Force visible cards only (V)"}};
    int row = 0;
    for (const auto& [index, caption] : forced) {
        vb::Control& box = chkForced.ensure(index);
        box.setVisible(true);
        DialogControl(box, QString::fromLatin1(caption), 3540, 420 + 360 * row++, 3060, 300, &fraForced);
    }
    DialogControl(chkNoForced, QStringLiteral("No Forced cards"), 3540, 420 + 360 * row, 3060, 300, &fraForced);
    DialogControl(fraWild, QStringLiteral("Wild Card"), 120, 1500, 3120, 780);
    DialogControl(chkWild, QStringLiteral("Can't use Wild card as Ace"), 300, 1830, 2820, 300, &fraWild);
    DialogControl(fraCenter, QStringLiteral("Number of Center Piles"), 3360, 2040, 3360, 780);
    LoadElements(optCenter, 0, 1);
    DialogControl(optCenter(0), QStringLiteral("3 Center Piles"), 3540, 2370, 1560, 300, &fraCenter);
    DialogControl(optCenter(1), QStringLiteral("4 Center Piles"), 5100, 2370, 1560, 300, &fraCenter);
    DialogControl(fraShuffle, QStringLiteral("Setup Deck Shuffle"), 120, 2940, 6600, 780);
    LoadElements(optShuffle, 0, 1);
    DialogControl(optShuffle(0), QStringLiteral("Shuffle decks together"), 300, 3270, 3000, 300, &fraShuffle);
    DialogControl(optShuffle(1), QStringLiteral("Shuffle decks separately"), 3540, 3270, 3000, 300, &fraShuffle);
    const std::pair<vb::Control*, const char*> buttons[] = {
        {&cmdDefault, "Restore &Defaults"}, {&cmdSave, "&Apply"}, {&cmdReturn, "&Cancel"}, {&cmdHelp, "&Help"}};
    int column = 0;
    for (const auto& [button, caption] : buttons)
        DialogControl(*button, QString::fromLatin1(caption), 120 + 1680 * column++, 3960, 1560, 420);
    setWidth(6840 + vb::FrameWidthTw());
    setHeight(4500 + vb::FrameHeightTw());
}

void FrmRules::choose(vb::Control& option) {
    if (option.Value() == 1) return;
    vb::SelectOption(option);
    Click(option);
}

void FrmRules::setTick(vb::Control& box, int value) {
    if (box.Value() == value) return;
    box.setValue(value);
    Click(box);
}

void FrmRules::Form_Load() {
    PlaceDialogOverTable(*this);
    // An Internet game: beside the host's rules window, unless the peer's
    // program is too old for the dialog. Nothing of this while a connection
    // is being chosen, nor in a local game.
    if (inet.NetPeers != 0 && inet.NetPeers != 99) {
        if (peerAtLeast("52")) {
            setLeft(HostRulesWindowLeft(Left()));
        } else {
            vb::MsgBox(QStringLiteral("This feature is not available with this opponent."), vb::vbInformation,
                       QStringLiteral("Playing older version."));
            Unload();
            return;
        }
    }
    const int side = SideButtonOf(eng.SideOption);
    if (side >= 0) vb::SelectOption(optSide(side));
    vb::SelectOption(optShuffle(eng.DecksSeparate ? 1 : 0));

    // A stored value that is no set of the three rules, and the
    // visible-only rule alone, are no forced cards.
    if (eng.ForcedCards > kAllForced || eng.ForcedCards < 0 || eng.ForcedCards == kVisibleOnly)
        eng.ForcedCards = 0;
    if (eng.ForcedCards != 0) {
        for (int i : {kForcedAce, kForcedTwo, kVisibleOnly}) chkForced(i).setEnabled(true);
        CheckForcedCards();
    } else {
        chkNoForced.setValue(1);
        for (int i : {kForcedAce, kForcedTwo, kVisibleOnly}) chkForced(i).setEnabled(false);
        eng.RulesText.clear();
    }
    chkWild.setValue(eng.NoWildAce ? 1 : 0);

    if (inet.NetPeers != 0 && inet.NetPeers != 99 && inet.PeerVersion <= QLatin1String("74")) {
        vb::SelectOption(optCenter(0));
        optCenter(1).setEnabled(false);
    } else {
        vb::SelectOption(optCenter(eng.NumCenters == 4 ? 1 : 0));
    }

    WorkSide = eng.SideOption;
    WorkForced = eng.ForcedCards;
    WorkNoWildAce = eng.NoWildAce;
    WorkCenters = eng.NumCenters;
    WorkDecksSeparate = eng.DecksSeparate;
}

void FrmRules::CheckForcedCards() {
    const int bits = eng.ForcedCards;
    if (bits != kVisibleOnly) {
        chkForced(kForcedAce).setValue((bits & kForcedAce) ? 1 : 0);
        chkForced(kForcedTwo).setValue((bits & kForcedTwo) ? 1 : 0);
        chkForced(kVisibleOnly).setValue((bits & kVisibleOnly) ? 1 : 0);
    }
    WildCardRuleText();
}

void FrmRules::Click(vb::Control& c) {
    if (c.Name() == QLatin1String("chkForced"))
        chkForced_Click(c.Index());
    else if (&c == &chkNoForced)
        chkNoForced_Click();
    else if (&c == &chkWild)
        WorkNoWildAce = chkWild.Value() == 1;
    else if (c.Name() == QLatin1String("optSide"))
        WorkSide = SideOptionOfButton(c.Index());
    else if (c.Name() == QLatin1String("optShuffle"))
        WorkDecksSeparate = c.Index() != 0;
    else if (c.Name() == QLatin1String("optCenter"))
        optCenter_Click(c.Index());
    else if (&c == &cmdDefault)
        cmdDefault_Click();
    else if (&c == &cmdSave)
        cmdSave_Click();
    else if (&c == &cmdReturn)
        Unload();
    else if (&c == &cmdHelp)
        ShowHelpTopic(QStringLiteral("Contents"), QStringLiteral("Contents"));
}

void FrmRules::chkForced_Click(int index) {
    // The visible-only rule goes with a forced Ace or Two; without either
    // it is unticked too (its bit is gone with the last of them).
    const bool either = chkForced(kForcedAce).Value() == 1 || chkForced(kForcedTwo).Value() == 1;
    chkForced(kVisibleOnly).setEnabled(either);
    if (!either) chkForced(kVisibleOnly).setValue(0);
    if (chkForced(index).Value() == 1)
        WorkForced |= index;
    else
        WorkForced &= ~index;
    if (WorkForced == kVisibleOnly) WorkForced = 0;
}

void FrmRules::chkNoForced_Click() {
    if (chkNoForced.Value() == 1) {
        for (int i : {kForcedAce, kForcedTwo, kVisibleOnly}) {
            chkForced(i).setValue(0);
            chkForced(i).setEnabled(false);
        }
        WorkForced = 0;
    } else {
        chkForced(kForcedAce).setEnabled(true);
        chkForced(kForcedTwo).setEnabled(true);
    }
}

void FrmRules::optCenter_Click(int index) {
    if (index == 1) {
        WorkCenters = 4;
    } else if (eng.NumPlayers > 2) {
        vb::MsgBox(QStringLiteral("4 Center Piles are required for more than 2 players"), vb::vbExclamation,
                   QStringLiteral("Number of Centers"));
        vb::SelectOption(optCenter(1));
    } else {
        WorkCenters = 3;
    }
}

void FrmRules::cmdDefault_Click() {
    // The dialog's choices only: nothing is in force before Apply.
    choose(optSide(0));
    choose(optShuffle(0));
    choose(optCenter(0));
    setTick(chkWild, 0);
    if (WorkForced != 0) setTick(chkNoForced, 1);
}

void FrmRules::cmdSave_Click() {
    if (WorkSide != eng.SideOption || WorkDecksSeparate != eng.DecksSeparate || WorkCenters != eng.NumCenters)
        eng.RulesChanged = true;
    if (inet.NetPeers != 0) {
        eng.RulesChanged = true;
        if (FrmGriskExists()) frmGrisk().Label9(2).setCaption(QStringLiteral("\r\nStart a New game."));
    }
    if (eng.RulesChanged) {
        if (inet.NetPeers == 99) {
            vb::MsgBox(QStringLiteral("The new rules will take effect when you start a new game."),
                       vb::vbInformation);
        } else if (vb::MsgBox(QStringLiteral("Start a new game for the changed rules to take effect."),
                              vb::vbOKCancel, QStringLiteral("New Rules")) == vb::vbCancel) {
            eng.RulesChanged = false;
            return;
        }
    }
    eng.SideOption = WorkSide;
    eng.ForcedCards = WorkForced;
    eng.DecksSeparate = WorkDecksSeparate;
    eng.NoWildAce = WorkNoWildAce;
    WildCardRuleText();
    if (WorkCenters != eng.NumCenters) {
        const int previous = eng.NumCenters;
        eng.NumCenters = WorkCenters;
        SetPlayerCount(2, previous);
        RedrawTable();
        ShowOpponentNames();
        ShowRulesSummary();
    }
    Unload();
}

FrmRules& frmRules() { return vb::DefaultInstance<FrmRules>::get(); }
bool FrmRulesExists() { return vb::DefaultInstance<FrmRules>::exists(); }
void ReleaseFrmRules() { vb::DefaultInstance<FrmRules>::release(); }

void ShowRulesWindow() { ShowDialogAsDesigned(frmRules()); }

}  // namespace grisk
