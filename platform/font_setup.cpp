#include "platform/font_setup.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <cstdlib>

namespace fonts {

namespace {

constexpr const char* kOwnVariables[] = {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"};

bool setByUs = false;

// The set-up names its font folder below the set-up's own root; the
// table's font must be reachable there (a link whose target has gone is
// no set-up at all).
bool wholeSetup(const QString& root) {
    return QFileInfo(root + "/fonts.conf").isFile() &&
           QFileInfo(root + "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf").isFile();
}

}  // namespace

bool UseProgramFontSetup(const QString& programFolder) {
    for (const char* v : kOwnVariables)
        if (std::getenv(v)) return false;
    const QString root = QDir::cleanPath(programFolder + "/" + QLatin1String(kSetupFolderName));
    if (!wholeSetup(root)) return false;
    // The configuration is named from the root: fontconfig looks for every
    // path of it (the font folder, the cache folder) below the root.
    ::setenv("FONTCONFIG_SYSROOT", QFile::encodeName(root).constData(), 1);
    ::setenv("FONTCONFIG_FILE", "/fonts.conf", 1);
    setByUs = true;
    return true;
}

void LoadFontsAndForgetSetup() {
    if (!setByUs) return;
    QFontDatabase::families();
    ForgetProgramFontSetup();
}

void ForgetProgramFontSetup() {
    if (!setByUs) return;
    ::unsetenv("FONTCONFIG_SYSROOT");
    ::unsetenv("FONTCONFIG_FILE");
    setByUs = false;
}

}  // namespace fonts
