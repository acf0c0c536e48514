// The default table background "GameBoard.gif": green felt that tiles
// without seams.
#pragma once

#include <QImage>

namespace grisk_setup {

inline constexpr int kBoardWidth = 400;
inline constexpr int kBoardHeight = 300;

// The board as an 8-bit picture whose 256 colours run from dark to light
// felt green. The same picture every time.
QImage DrawGameBoard();

}  // namespace grisk_setup
