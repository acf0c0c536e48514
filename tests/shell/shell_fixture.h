// The fixture of the help, tips, About and music tests: the program's own
// folder is the one the build fills for the tests (the help document, the
// tips, the message texts, the intro music), the settings store is clean,
// and no tip, About or help window is left from the test before.
#pragma once

#include <QDir>
#include <QString>

#include "engine/state.h"
#include "platform/help_viewer.h"
#include "platform/msgbox.h"
#include "platform/settings.h"
#include "shell/frm_about.h"
#include "shell/help.h"
#include "shell/tips.h"
#include "support/test_support.h"

namespace grisk_test {

// Where the build puts the program's data for the tests.
inline QString ShippedAppFolder() { return QStringLiteral(GRISK_BINARY_DIR "/tests"); }

class ShellTest : public GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        forgetWindows();
        for (const char* key : {"Tip Number", "Show Tips at Startup"})
            vb::DeleteSetting("Quenmoor", "Options10", key);
        grisk::eng.AppFolder = ShippedAppFolder();
        grisk::eng.DataFolder = tempFolder() + "/";
    }
    void TearDown() override { forgetWindows(); }

    // The help windows closed and gone, the other windows released.
    static void forgetWindows() {
        grisk::ShowHelpTopic(QStringLiteral("Close"), QStringLiteral("Close"));
        RunEventsFor(0);
        if (grisk::FrmTipExists() && grisk::frmTip().isLoaded()) grisk::frmTip().Unload();
        grisk::ReleaseFrmTip();
        grisk::ReleaseFrmAbout();
    }

    // The message boxes shown since the test began.
    static const std::vector<vb::ShownBox>& boxes() { return vb::msgbox_script::shown(); }
};

}  // namespace grisk_test
