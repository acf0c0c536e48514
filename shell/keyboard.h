// The keyboard of the whole table: every key of the main window comes here.
#pragma once

namespace grisk {

void HandleKeyDown(int& keyCode, int shift);

}  // namespace grisk
