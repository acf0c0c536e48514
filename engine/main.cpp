// Grisk and Varnok: the program starts by loading and showing its main window.
#include <QApplication>
#include <QTimer>

#include "engine/frm_grisk.h"
#include "platform/controls.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Grisk and Varnok"));
    QApplication::setOrganizationName(QStringLiteral("Quenmoor"));
    QApplication::setQuitOnLastWindowClosed(false);

    vb::forms::setUnloadHook([](vb::Form* f) {
        if (f->Name() == QLatin1String("frmGrisk"))
            QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    });
    grisk::frmGrisk().Show();
    if (!grisk::frmGrisk().isLoaded()) return 0;
    const int rc = app.exec();
    grisk::ReleaseFrmGrisk();
    return rc;
}
