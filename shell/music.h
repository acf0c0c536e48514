// The intro music.
#pragma once

#include <QString>

namespace grisk {

void PlayMP3(const QString& path);
bool IsMP3Playing();
void StopMP3();

}  // namespace grisk
