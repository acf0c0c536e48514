// The centre-pile rule for the human's plays, the rule messages on the
// table's message line, and the rules labels at the right of the menu strip.
#pragma once

namespace grisk {

// True when a card of rank may go onto centre pile c as it stands: the next
// rank, or a wild King, which may not start an empty pile under the
// no-wild-Ace rule. A complete pile takes nothing.
bool CardFitsCentre(int rank, int c);

// Checks the human's card in slot SourceSlot against centre pile
// TargetCenter. A refusal leaves Pturn at 99 (with rule message 1, or the
// "Rules Enforced" box for a King that may not start a pile); an allowed
// play leaves Pturn as it was. Blanks the message line (and the remark line
// in a local game) on every call.
void CheckCenterMove();

// Shows rule message code (1..4) on the message line with the refusal sound.
void ShowRuleMessage(int code);

// Rewrites the rules label (pay-off size and house rules) and the level label.
void ShowRulesSummary();

// Builds RulesText from ForcedCards and NoWildAce (ForcedCards 4 alone is
// set back to 0).
void WildCardRuleText();

}  // namespace grisk
