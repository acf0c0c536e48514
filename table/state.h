// The table display's shared state: card sizes, layout steps and the
// display mode in force.
#pragma once

namespace grisk {

struct TableState {
    int CardWidthPx = 71;
    int CardHeightPx = 96;
    int CardWidthTw = 1065;
    int CardHeightTw = 1440;
    int PileStep = 80;
    int CardSpacing = 82;
    int CardHalfSpacing = 41;
    int DisplayMode = 0;  // 0 large, 1 large moved up, 2 small, 3 small moved up
    bool SmallDisplay = false;
};

extern TableState tbl;
void ResetTableState();

}  // namespace grisk
