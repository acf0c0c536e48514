// Small helpers that every part of the program calls.
#pragma once

#include <QString>

namespace vb {
class Form;
}

namespace grisk {

// Waits the given seconds, letting other events run (none while Flipping is
// set). Ends at once when the program is closing (Quitting) and never lasts
// past midnight. Every pause is scaled by waits::PauseScale().
void Pause(double seconds);

// The processor speed in MHz, 0 when it cannot be read. With setSpeed also
// sets the card animation speed AnimSpeed from it.
long GetCpuMhz(bool setSpeed);
// The animation speed for a processor speed.
int AnimSpeedForMhz(long mhz);
// The speed in a /proc/cpuinfo-style text ("cpu MHz : 2400.000"), 0 when none.
long CpuMhzFromText(const QString& cpuinfo);
// Where GetCpuMhz reads the processor speed (tests point it elsewhere).
void SetCpuInfoPath(const QString& path);

// True when the desktop has 96 logical pixels per inch horizontally.
bool IsNormalDpi();

// Opens a web address or a document with the system's default program; on
// failure shows "Unable to launch default browser". RetVal holds the result
// (above 32 on success).
void OpenWebPage(const QString& target);

// The characters that may not stand in a file name (a player's name
// becomes one).
inline constexpr char kBadFileNameChars[] = "!\"*./:<>?\\|";
// True, after a message box, when name holds a character that may not stand
// in a file name.
bool HasBadFileNameChar(const QString& name);

// True when a window of that name is loaded (case counts).
bool IsFormLoaded(const QString& formName);
// Unloads the window of that name when it is loaded.
void UnloadFormNamed(const QString& formName);

// Records first..last of the shipped message texts, each trimmed and
// followed by one blank. First greater than last gives "".
QString GetMessageText(int first, int last);

// The folder of the last file chosen in a file dialog, or DocumentsFolder.
QString GetLastFolder();
void SaveLastFolder(const QString& folder);
// The folder part of a full file name: the first Len(path) - Len(title) - 1
// characters; "" when the title is longer than that.
QString CutFileTitle(const QString& path, const QString& title);

// The shipped message texts' file.
QString MessageTextFile();

}  // namespace grisk
