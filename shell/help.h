// The help: the program's user's manual, shown by the help viewer.
#pragma once

#include <QString>

namespace grisk {

// The help file beside the program.
inline constexpr char kHelpFileName[] = "GriskAndVarnok.chm";

// command "Contents": the help at its contents; "Keyword": the help at the
// index entry of topic (its default topic when the index has none);
// "Close": every help window closes. Any other command opens nothing.
void ShowHelpTopic(const QString& command, const QString& topic);

}  // namespace grisk
