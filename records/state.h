// The records subsystem's shared state: the signed-in player's profile and
// the options it puts into force, the player list, the user's file lists,
// the opponent table, the saved-game buffer and the run table.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/vbarray.h"
#include "records/personality_record.h"
#include "records/profile_record.h"
#include "records/saved_game_record.h"

namespace grisk {

// The slowest card animation the speed window offers.
inline constexpr int kMaxAnimSpeed = 250;
// The card animation step divisor of a new profile and the speed window.
inline constexpr int kDefaultAnimSpeed = 45;

struct RecordsState {
    // Options of the profile in force.
    int SoundLevel = 0;   // 0 all sounds, 1 some, 2 none
    int SoundSet = 0;     // card sounds: 0 wood, 1 metallic
    int DeckStyle = 6;    // 1..5 number decks, 6 the built-in full deck, 7 and up the library's
    int BackStyle = 1;    // 0 the plain back in PlainColor
    int32_t PlainColor = 0x8000;
    int AnimSpeed = 45;   // card animation step divisor
    bool AutoSaveOn = false;  // the move log is kept
    int32_t NameColor = 0xFFFFFF;  // fore colour of the table's name labels
    int32_t TableColor = 0x8000;   // the table's colour without a background picture
    int NameFontSize = 10;
    int PrevBackground = 0;  // the chosen background entry; 0 none chosen yet
    int SpeedOption = 2;     // computer speed 0..5 (CompDelay)
    int HoldLeft = 720;      // place of the pile-information window, twips
    int HoldTop = 3375;
    bool OpaqueLabels = false;
    bool IntroMusic = false;  // true: the intro music is switched off
    bool SkinOn = false;
    int MenuStyle = 0;        // command list style, 0 or 1
    bool SkipWinShow = false;   // no celebration when the human wins
    bool SkipLoseShow = false;  // no end-of-game show when a computer player wins
    // The background picture is stretched over the table (else tiled at its
    // natural size); kept in the profile's word BackgroundTiled, which the
    // Stretch Background command and the right and left arrow keys set.
    bool BackgroundStretched = false;

    // The profile file and the player list.
    PlayerProfileRecord ProfileRec;  // the one profile buffer
    int CurrentProfile = 1;  // record of the signed-in player; 1 = none of their own
    bool HasProfile = false;
    QString LastPlayer;      // the name kept in record 1
    vb::Array<QString, 1> PlayerNames{{0, 0}};  // names of records 2.., from 1
    int NumPlayerNames = 0;
    int SetupPlayers = 0;    // counts before the last set-up; 0 before the first
    int SetupCenters = 0;
    bool ProfileSaveReported = false;  // the player was told the profile could not be saved

    // Opponents.
    QString OppName;         // the first opponent's name
    QString OppPicture;      // the avatar named for the first opponent
    QString AvatarFile;      // the avatar picture shown on the table
    vb::Array<QString, 2> OppTable{{0, 0}, {0, 1}};  // (row, 0 description / 1 personality name)
    int NumOpps = 0;
    int OppIndex = 0;
    PersonalityRecord PmsRecord;  // the personality file's record buffer

    // The user's files.
    vb::Array<QString, 1> AvatarFiles{{0, 0}};  // from 1
    int NumAvatars = 0;
    vb::Array<QString, 1> Backgrounds{{0, 0}};  // from 1, "GameBoard.gif" first
    int NumBackgrounds = 0;
    int BackgroundIdx = 0;   // 1..NumBackgrounds, NumBackgrounds + 1 the plain colour, 0 none yet
    int DefaultBoardIndex = 0;
    vb::Array<QString, 1> CommentFiles{{0, 0}};
    int NumCommentFiles = 0;
    vb::Array<QString, 1> ScoreFileList{{0, 0}};
    int ScoreFileCount = 0;

    // Saved games and the move log.
    SavedGameRecord SaveRecord;  // the one saved-game buffer
    int CurrentSlot = 0;
    int TurnCount = 0;       // turns since the deal
    bool EndedNetGameSave = false;  // an ended Internet game is being saved
    // The save and restore window: the titles it lists for slots 1..10, the
    // title chosen, and whether the game picked was saved during an
    // Internet game.
    vb::Array<QString, 1> SaveNames{{0, 10}};
    QString SaveName;
    bool SecureSave = false;

    long SoundResult = 0;
    // The run table: rows by role, columns by card source (side, hand,
    // hold, then the same three again). Row 4 is the loaded seat's.
    vb::Array<int, 2> BestRun{{0, 5}, {0, 5}};
    // The tab the scoreboard window opens on: 0 the scoreboard, 1 the
    // statistics, 2 the runs.
    int StatsTab = 0;
    // The idle opponent's nudges: (0) counts the nudges of the current wait.
    vb::Array<int, 1> NudgeCount{{0, 3}};
};

extern RecordsState recs;
void ResetRecordsState();

}  // namespace grisk
