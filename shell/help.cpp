#include "shell/help.h"

namespace grisk {

void ShowHelpTopic(const QString& command, const QString& topic) {
    // No help window is open yet, so closing it has nothing to do.
    (void)command;
    (void)topic;
}

}  // namespace grisk
