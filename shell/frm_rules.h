// The house rules dialog frmRules: the pay-off pile size, the forced cards,
// the wild King as an Ace, three or four centre piles and the shuffle of
// the decks. It edits copies of the rules and puts them into force only
// with Apply; a change of the pile size, the shuffle or the centre piles
// asks for a new game first.
#pragma once

#include "platform/controls.h"

namespace grisk {

// The pay-off pile size (minus one) of each size button: 20, 26, 15 and 10
// cards.
int SideOptionOfButton(int index);
// The size button of a pile size; -1 for none.
int SideButtonOf(int sideOption);

class FrmRules : public vb::Form {
public:
    FrmRules();
    vb::Control& fraSide;     // "Side Piles"
    vb::ControlArray& optSide;  // 0..3
    vb::Control& fraForced;   // "Forced Cards"
    vb::ControlArray& chkForced;  // 1 Ace, 2 Two, 4 visible cards only
    vb::Control& chkNoForced;
    vb::Control& fraWild;     // "Wild Card"
    vb::Control& chkWild;
    vb::Control& fraCenter;   // "Number of Center Piles"
    vb::ControlArray& optCenter;  // 0 three piles, 1 four
    vb::Control& fraShuffle;  // "Setup Deck Shuffle"
    vb::ControlArray& optShuffle;  // 0 together, 1 separately
    vb::Control& cmdDefault;
    vb::Control& cmdSave;     // "&Apply"
    vb::Control& cmdReturn;   // "&Cancel"
    vb::Control& cmdHelp;

    // The working copies of the rules.
    int WorkSide = 19;
    int WorkForced = 0;
    bool WorkNoWildAce = false;
    int WorkCenters = 3;
    bool WorkDecksSeparate = false;

    void Form_Load() override;
    void Click(vb::Control& c) override;

    // Ticks the forced-card boxes for ForcedCards and rebuilds the rule text.
    void CheckForcedCards();

private:
    void chkForced_Click(int index);
    void chkNoForced_Click();
    void optCenter_Click(int index);
    void cmdDefault_Click();
    void cmdSave_Click();
    // Selects an option button or sets a check box as the program does:
    // a change raises the control's click.
    void choose(vb::Control& option);
    void setTick(vb::Control& box, int value);
};

FrmRules& frmRules();
bool FrmRulesExists();
void ReleaseFrmRules();

// Options item 4: the dialog, modally, as designed each time.
void ShowRulesWindow();

}  // namespace grisk
