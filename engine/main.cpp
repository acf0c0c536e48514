// Grisk and Varnok: the program starts by loading and showing its main window.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "engine/frm_grisk.h"
#include "platform/controls.h"
#include "platform/font_setup.h"
#include "engine/startup.h"

int main(int argc, char** argv) {
    // The table's font from the program's own font set-up, when it has one.
    fonts::UseProgramFontSetup(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
    QApplication app(argc, argv);
    fonts::LoadFontsAndForgetSetup();
    QApplication::setApplicationName(QStringLiteral("Grisk and Varnok"));
    QApplication::setOrganizationName(QStringLiteral("Quenmoor"));
    QApplication::setQuitOnLastWindowClosed(false);

    vb::forms::setUnloadHook([](vb::Form* f) {
        if (f->Name() == QLatin1String("frmGrisk"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    });
    // Logging out, Ctrl+C or a closed terminal close the main window as its
    // close button does: the shut-down runs (deferred while the game is
    // busy), so no temporary file and no lock stay behind. The windows are
    // told that the session ends, and an open box is answered, so none of
    // them holds the close up.
    grisk::EndOnSignals();

    grisk::frmGrisk().Show();
    // Start-up refused: a second copy, or the data files missing or unreadable.
    if (!grisk::frmGrisk().isLoaded()) return 1;
    const int rc = app.exec();
    grisk::ReleaseFrmGrisk();
    return rc;
}
