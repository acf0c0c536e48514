// The opponent set-up: the lists of a set-up window, the check of a seat's
// comment choice, the profile record the set-up writes, and SetupOpponents,
// which runs the set-up and starts a new game with it.
#pragma once

#include <QString>
#include <functional>

#include "platform/controls.h"
#include "platform/recordfile.h"

namespace grisk {

// What the lists of a set-up window need: the personalities and the comment
// files in drop-down lists, the Done button, and the flags of unsaved
// changes (the shown panel changed; a personality picked but not saved).
class OpponentSetupForm : public vb::Form {
public:
    explicit OpponentSetupForm(const QString& name);
    vb::Control& CboOpponent;
    vb::Control& CboComment;
    vb::Control& cmdDone;
    bool ChangedSetting = false;
    bool ChangedPerson = false;
    // Selects the player-count choice index (0 one opponent .. 2 three) as
    // the player's click does; a window without one does nothing.
    virtual void SelectPlayerCount(int index) { (void)index; }
};

// The question before an edited panel is left (Index 0..2 an opponent's,
// 3 the player's, asked with ownQuestion): Yes runs save, No leaves the
// panel unsaved; the panel is clean afterwards either way.
void AskSavePanel(OpponentSetupForm& Frm, int Index, const QString& ownQuestion, vb::Control& CmdApply,
                  const std::function<void()>& save);

// Imports an avatar picture and lists the avatars again, the scroll bar on
// the last one; false when none was imported.
bool ImportAvatarToList(vb::Control& HScrollAvatar);

// Fills the window's lists: the comment choices ("Default Personality", the
// user's comment files, "No Comments") and the personalities of the
// opponent table, showing the personality at OppIndex (one that is not in
// the list becomes 0) or, in an Internet game, the Internet comment file
// chosen; clears the change flags and enables Done. In a local game it also
// selects the player count in force, which opens that count's last
// opponent panel.
void FillOpponentLists(OpponentSetupForm& Frm);

// Shows seat Seat's comment choice in the window's comment list. A comment
// file that has gone becomes "Default Personality", and the profile record
// is written at once.
void CheckCommentChoice(OpponentSetupForm& Frm, int Seat);

// The profile file while the set-up runs (the set-up's own handle on
// "Prefs.sav").
vb::RecordFile& SetupProfileFile();
// Writes ProfileRec at CurrentProfile: through the set-up's handle while it
// is open, else opened for the call. A failure is reported to the player
// once a run.
void PutSetupProfile();

// Hands back the counts a set-up window chose (players 2..4; centre piles
// 3 or 4, 0 for none chosen): SkipGameSave is set when they are the counts
// in force, and a table that shrinks to two players for a new game drops
// the cards of seats 3 and 4 first.
void ApplyChosenCounts(int PlayersChoice, int CentersChoice);

// Runs the opponent set-up (in an Internet game the Internet player set-up,
// or with RulesOnly the host's rules) and then, unless it was cancelled
// with no rule changed, lays the table out for the counts chosen and starts
// a new game. A cancelled set-up keeps the running game.
void SetupOpponents(bool RulesOnly);

}  // namespace grisk
