// The opponent's avatar on the table.
#pragma once

#include <QString>

namespace grisk {

// Shows a picture of the "Avatars" folder in the table's avatar image.
void ShowAvatar(const QString& fileName);

}  // namespace grisk
