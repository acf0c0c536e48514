// The table draws every text in one font family. Asked as usual, fontconfig
// reads the whole of the system's configuration (dozens of XML files) and Qt
// then lists every font installed, before the first text can be drawn. The
// build puts a font set-up of the program's own beside it (the folder
// "Fonts": fonts.conf and the table's font folder linked in); the program
// uses it unless the user chose a fontconfig set-up of their own.
#pragma once

#include <QString>

namespace fonts {

// The folder the build makes beside the program.
inline constexpr const char* kSetupFolderName = "Fonts";

// Before the first text: fontconfig is pointed at the program's set-up when
// `programFolder` holds a whole one (its configuration, and the table's font
// reachable through it) and no FONTCONFIG_FILE, FONTCONFIG_PATH or
// FONTCONFIG_SYSROOT of the user's own is set. True when it was.
bool UseProgramFontSetup(const QString& programFolder);

// Loads the font list now (fontconfig reads its set-up once), then takes
// the program's set-up out of the environment again, so that the programs
// the game starts (a sound player, a web browser) use the user's own.
void LoadFontsAndForgetSetup();

// Takes the program's set-up out of the environment (when it was put there).
void ForgetProgramFontSetup();

}  // namespace fonts
