// Start-up and shut-down of the main window and the program's own sounds.
#pragma once

#include <QString>

namespace grisk {

// The second half of start-up: the screen, the data files, the profile, the
// stored window placement and the options. False when the program cannot
// start (the data files are missing); the message has been shown then.
[[nodiscard]] bool OpenDoor();
// The human's ten pile pictures and seat 2's, the hold-pile tops shown.
void LoadPilePictures();

// The shut-down: tells Internet peers, stores the placement, display mode,
// settings and profile, deletes the temporary files and unloads every other
// window. whoClosed 0: unloads the main window at the end. Runs once.
void ExitLeft(int whoClosed);

// Writes the program's sounds 105..123 to "~105.tmp".."~123.tmp" in DataFolder.
void SetUpSounds();
// Plays the loaded opponent's farewell, deletes the temporary files and stops the music.
void CleanUpSounds();
// Closes the help window and unloads every window but the main one.
void CleanUpFontsAndForms();

// From now on the signals that ask the program to end (a desktop logging
// out, kill, Ctrl+C) close the main window as its close button does; a box
// or a window shown modally meanwhile is answered as its close button would,
// so that nothing holds the shut-down up.
void EndOnSignals();
// Writes resource resId of type resType to fileName: 0, or the error number.
[[nodiscard]] long ExtractResourceToFile(int resId, const QString& resType, const QString& fileName);

// The developer switch: the command line's first six characters, in upper
// case, are "/QORVN".
bool IsDeveloperSwitch(const QString& commandLine);
// How often the shut-down has run since the last start (it must run once).
int ExitLeftRuns();

// Closes the data files the program keeps open (saved games, move log,
// profile), releases the instance lock and lets the shut-down run again:
// the start of a fresh run, for tests and the simulator.
void ResetStartupState();

// The lock that keeps a second copy of the program from running.
[[nodiscard]] bool AcquireSingleInstanceLock();
void ReleaseSingleInstanceLock();
// Where the lock lives: the user's runtime folder.
QString SingleInstanceLockPath();

// The window placement and display mode kept in "scores.ran".
inline constexpr int kDisplayModeRecord = 14;
inline constexpr int kPlacementRecord = 15;

}  // namespace grisk
