// The program's own font set-up: used only when it is whole and the user
// chose no fontconfig set-up of their own, taken out of the environment
// again once the fonts are loaded, and, as the build lays it out, giving the
// table's font for every family the program asks for and no other font.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/controls.h"
#include "platform/font_setup.h"
#include "shell/splash_text.h"

namespace {

constexpr const char* kVariables[] = {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"};

// The fontconfig variables as the test found them, put back after each case.
class FontSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* v : kVariables) {
            if (const char* value = std::getenv(v)) saved_.emplace_back(v, value);
            ::unsetenv(v);
        }
    }
    void TearDown() override {
        fonts::ForgetProgramFontSetup();
        for (const char* v : kVariables) ::unsetenv(v);
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
    }

    // A program folder whose set-up has its configuration (or not) and its
    // font folder linked to the one given.
    QString programFolder(bool withConfig, const QString& fontFolder) {
        const QString root = dir_.path() + "/Fonts";
        QDir().mkpath(root + "/usr/share/fonts/truetype");
        if (withConfig) {
            QFile conf(root + "/fonts.conf");
            EXPECT_TRUE(conf.open(QIODevice::WriteOnly));
        }
        if (!fontFolder.isEmpty()) QFile::link(fontFolder, root + "/usr/share/fonts/truetype/dejavu");
        return dir_.path();
    }

    static QString env(const char* name) { return QString::fromLocal8Bit(std::getenv(name)); }

    QTemporaryDir dir_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

// The font folder of the build's own set-up, followed to the real folder.
QString realFontFolder() {
    return QFileInfo(QStringLiteral(GRISK_BINARY_DIR "/Fonts/usr/share/fonts/truetype/dejavu")).canonicalFilePath();
}

TEST_F(FontSetupTest, TheSetUpIsUsedOnlyWhenWholeAndTheUserChoseNone) {
    const QString fonts = realFontFolder();
    if (fonts.isEmpty()) GTEST_SKIP() << "the build found no table font and made no font set-up";
    struct Case {
        const char* what;
        bool withConfig;
        bool fontLinked;
        const char* userVariable;  // set by the user before the start, or null
        bool used;
    };
    const Case cases[] = {
        {"whole set-up", true, true, nullptr, true},
        {"the user's own configuration file", true, true, "FONTCONFIG_FILE", false},
        {"the user's own configuration folder", true, true, "FONTCONFIG_PATH", false},
        {"the user's own root", true, true, "FONTCONFIG_SYSROOT", false},
        {"no configuration", false, true, nullptr, false},
        {"the font not there", true, false, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(QDir(dir_.path()).removeRecursively());
        ASSERT_TRUE(QDir().mkpath(dir_.path()));
        const QString folder = programFolder(c.withConfig, c.fontLinked ? fonts : QString());
        if (c.userVariable) ::setenv(c.userVariable, "/the/users/own", 1);

        EXPECT_EQ(fonts::UseProgramFontSetup(folder), c.used);
        if (c.used) {
            EXPECT_EQ(env("FONTCONFIG_SYSROOT"), folder + "/Fonts");
            EXPECT_EQ(env("FONTCONFIG_FILE"), "/fonts.conf");
        } else {
            for (const char* v : kVariables)
                EXPECT_EQ(env(v), QLatin1String(c.userVariable && std::string(v) == c.userVariable ? "/the/users/own" : ""))
                    << v;
        }
        // Once the fonts are loaded the programs the game starts get the
        // user's set-up back, untouched.
        fonts::ForgetProgramFontSetup();
        for (const char* v : kVariables)
            EXPECT_EQ(env(v), QLatin1String(c.userVariable && std::string(v) == c.userVariable ? "/the/users/own" : ""))
                << v;
        if (c.userVariable) ::unsetenv(c.userVariable);
    }
}

// What fontconfig makes of the build's set-up, asked by its own tools in a
// process of their own (this one has read its set-up already).
QString askFontconfig(const QString& tool, const QStringList& args) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("FONTCONFIG_SYSROOT", GRISK_BINARY_DIR "/Fonts");
    e.insert("FONTCONFIG_FILE", "/fonts.conf");
    p.setProcessEnvironment(e);
    p.start(tool, args);
    if (!p.waitForFinished(30000)) return QStringLiteral("(no answer)");
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

TEST_F(FontSetupTest, TheBuildsSetUpGivesTheTablesFontForEveryFamilyAskedAndNoOther) {
    if (realFontFolder().isEmpty()) GTEST_SKIP() << "the build found no table font and made no font set-up";
    const QString match = QStandardPaths::findExecutable("fc-match");
    const QString list = QStandardPaths::findExecutable("fc-list");
    if (match.isEmpty() || list.isEmpty()) GTEST_SKIP() << "fontconfig's tools are not installed";

    vb::Form form("frmFonts");
    const QString tableFont = form.addControl(vb::Kind::Label, "Lbl").FontName();
    EXPECT_EQ(QString::fromLatin1(grisk::splash::kFontName), tableFont);
    // The family a control or a picture names, a family the program never
    // names, and the generic family a text without one gets.
    for (const QString& family : {tableFont, QStringLiteral("Arial"), QStringLiteral("sans-serif")}) {
        SCOPED_TRACE(family.toStdString());
        EXPECT_EQ(askFontconfig(match, {"-f", "%{family[0]}", family}), tableFont);
        EXPECT_EQ(askFontconfig(match, {"-f", "%{family[0]}", family + ":bold"}), tableFont);
    }
    // Only the font folder of the set-up is listed, and the table's font's
    // regular and bold faces are in it.
    const QStringList files = askFontconfig(list, {"-f", "%{file}\n"}).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files)
        EXPECT_EQ(QFileInfo(file).canonicalPath(), realFontFolder()) << file.toStdString();
    const QString styles = askFontconfig(list, {tableFont, "style"});
    EXPECT_TRUE(styles.contains("Book")) << styles.toStdString();
    EXPECT_TRUE(styles.contains("Bold")) << styles.toStdString();
}

}  // namespace
