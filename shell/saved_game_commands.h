// The Game menu's saved-game rows: Save, Restore, Previous Turn and Restart
// Current Game. Each changes nothing when it refuses.
#pragma once

namespace grisk {

// Row 3: the save window lists slots 1..10; the running game is saved into
// the slot chosen under the title typed, with the game's deal beside it
// (record slot + 20). Refused without a game.
void SaveGameCommand();
// Row 4: the restore window lists the slots that hold a game and the
// auto-save; the game chosen comes back (the auto-save as Previous Turn
// does), its deal becoming the restart point. An empty or damaged record is
// refused with a box.
void RestoreGameCommand();
// Row 6: the start of the previous turn comes back from the auto-save
// records; refused while no turn has been saved.
void PreviousTurnCommand();
// Row 7: the game as dealt comes back (after asking, when a game is on the
// table); refused when no dealt game has been kept. An Internet host sends
// it to the other players.
void RestartGameCommand();

// Ctrl+Shift+S: the position on the table is kept as a prepared position of
// the tutorial, "Tutorial" and the number for a title, at the record number
// typed (31 to 32767: never a slot, an auto-save or the game as dealt).
// Any other answer does nothing.
void TutorialSaveCommand();
// Ctrl+Shift+R: the saved game at the record number typed (1 to 32767)
// comes back as a restore brings it; any other answer does nothing.
void TutorialRestoreCommand();

}  // namespace grisk
