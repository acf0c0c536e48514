#include "engine/rules.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/program_sound.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "table/state.h"

namespace grisk {

namespace {
constexpr double kWideScreenTw = 12000;

// The rules label is short of room on a narrow screen, and with small cards
// on a screen of exactly the design width.
bool rulesLabelCramped() {
    return eng.ScreenWidthTw < kWideScreenTw || (tbl.DisplayMode >= 2 && eng.ScreenWidthTw <= kWideScreenTw);
}
}  // namespace

bool CardFitsCentre(int rank, int c) {
    const int standing = eng.CenterCount(c);
    if (standing >= kFullPile) return false;
    if (rank == kKing) return standing != 0 || !eng.NoWildAce;
    return rank == standing + 1;
}

void CheckCenterMove() {
    FrmGrisk& f = frmGrisk();
    f.Label9(1).setCaption(QStringLiteral(" "));
    if (inet.NetPeers == 0) f.Label9(2).setCaption(QStringLiteral(" "));
    const int rank = eng.PlayerSlots(1, eng.SourceSlot);
    if (CardFitsCentre(rank, eng.TargetCenter)) return;
    if (rank == kKing) {
        vb::MsgBox(QStringLiteral("Wild card can not be used as an Ace."), vb::vbOKOnly + vb::vbInformation,
                   QStringLiteral("Rules Enforced"));
        eng.Pturn = 99;
        return;
    }
    if (eng.Pturn != 0) ShowRuleMessage(1);
    eng.Pturn = 99;
}

void ShowRuleMessage(int code) {
    eng.MsgText.clear();
    switch (code) {
    case 1:
        eng.MsgText = QStringLiteral("Center piles are built up in sequence (Ace to Queen). ") +
                      (eng.Dragging == 1 ? QStringLiteral("That card cannot be played to that Center pile yet.")
                                         : QStringLiteral("That card cannot be played to any Center pile yet."));
        break;
    case 2:
        eng.MsgText = QStringLiteral("Once a card has been placed on a Hold pile, it can only be played to the "
                                     "Center piles.");
        break;
    case 3: eng.MsgText = QStringLiteral("Please stop --\n     It's NOT your turn!"); break;
    case 4: eng.MsgText = QStringLiteral("\nYour Side card can only be played to a Center pile."); break;
    default: break;
    }
    frmGrisk().Label9(1).setCaption(eng.MsgText);
    PlayProgramSound(kSoundRefused);
    eng.MsgText.clear();
}

void WildCardRuleText() {
    const bool cramped = rulesLabelCramped();
    switch (eng.ForcedCards) {
    case 0: eng.RulesText.clear(); break;
    case 1: eng.RulesText = QStringLiteral("Ace"); break;
    case 2: eng.RulesText = QStringLiteral(", Two"); break;
    case 3: eng.RulesText = cramped ? QStringLiteral("A,T") : QStringLiteral("Ace, Two"); break;
    case 4:
        eng.RulesText.clear();
        eng.ForcedCards = 0;
        break;
    case 5: eng.RulesText = QStringLiteral("Ace (V)"); break;
    case 6: eng.RulesText = QStringLiteral("Two (V)"); break;
    case 7: eng.RulesText = cramped ? QStringLiteral("A,T (V)") : QStringLiteral("Ace, Two (V)"); break;
    default: break;  // an unknown value keeps the text it had
    }
    if (eng.NoWildAce)
        eng.RulesText += eng.ScreenWidthTw >= kWideScreenTw ? QStringLiteral(" - No Wild Ace")
                                                            : QStringLiteral(", No Wild A");
}

void ShowRulesSummary() {
    WildCardRuleText();
    FrmGrisk& f = frmGrisk();
    f.lblRules.setCaption("Rules:" + vb::Str(eng.SideOption + 1) + " cards " + eng.RulesText);
    if (inet.NetPeers == 0) {
        const int level = eng.Player2.Level;
        f.lblLevel.setCaption(eng.LevelNames.inRange({level}) ? eng.LevelNames(level) : QString());
    } else {
        f.lblLevel.setCaption(eng.DecksSeparate ? QStringLiteral("Decks: separate")
                                                : QStringLiteral("Decks: together"));
    }
}

}  // namespace grisk
