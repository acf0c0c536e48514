// Key codes of the run time (the Windows virtual-key codes) from Qt's keys.
#pragma once

class QKeyEvent;

namespace vb {

enum KeyCodes : int {
    vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17,
    vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33, vbKeyPageDown = 34, vbKeyEnd = 35,
    vbKeyHome = 36, vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40,
    vbKeyInsert = 45, vbKeyDelete = 46, vbKey0 = 48, vbKeyA = 65, vbKeyNumpad0 = 96,
    vbKeyMultiply = 106, vbKeyAdd = 107, vbKeySubtract = 109, vbKeyDecimal = 110,
    vbKeyDivide = 111, vbKeyF1 = 112,
};

// Shift state bits.
enum ShiftBits : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

// 0 when the key has no code of its own.
int keyCodeOf(const QKeyEvent& e);
int shiftOf(const QKeyEvent& e);

}  // namespace vb
