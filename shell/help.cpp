#include "shell/help.h"

#include <memory>

#include "engine/state.h"
#include "shell/html_help.h"

namespace grisk {

namespace {
// The one help wrapper of the program, made on first use.
std::unique_ptr<HTMLHelp>& wrapper() {
    static std::unique_ptr<HTMLHelp> help;
    return help;
}
}  // namespace

void ShowHelpTopic(const QString& command, const QString& topic) {
    std::unique_ptr<HTMLHelp>& help = wrapper();
    if (!help) help = std::make_unique<HTMLHelp>();
    if (command == QLatin1String("Close")) {
        help->HHClose();
        help.reset();
        return;
    }
    help->CHMFile = eng.AppFolder + "/" + kHelpFileName;
    help->HHWindow = QStringLiteral("Size");
    if (command == QLatin1String("Keyword")) {
        help->HHKeyword = topic;
        help->HHDisplayKeyword();
    } else if (command == QLatin1String("Contents")) {
        help->HHDisplayContents();
    }
}

}  // namespace grisk
