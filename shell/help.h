// The help file.
#pragma once

#include <QString>

namespace grisk {

// Shows a help topic; ("Close", "Close") closes the help window.
void ShowHelpTopic(const QString& command, const QString& topic);

}  // namespace grisk
