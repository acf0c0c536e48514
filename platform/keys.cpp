#include "platform/keys.h"

#include <QKeyEvent>

namespace vb {

int keyCodeOf(const QKeyEvent& e) {
    const int k = e.key();
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9) return vbKeyNumpad0 + (k - Qt::Key_0);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return vbKey0 + (k - Qt::Key_0);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return vbKeyA + (k - Qt::Key_A);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return vbKeyF1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab: return vbKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Shift: return vbKeyShift;
    case Qt::Key_Control: return vbKeyControl;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Space: return vbKeySpace;
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Insert: return vbKeyInsert;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_Asterisk: return keypad ? vbKeyMultiply : 0;
    case Qt::Key_Plus: return keypad ? vbKeyAdd : 187;
    case Qt::Key_Equal: return 187;  // the "=" key, "+" with Shift
    case Qt::Key_Minus: return keypad ? vbKeySubtract : 189;
    case Qt::Key_Period: return keypad ? vbKeyDecimal : 190;
    case Qt::Key_Slash: return keypad ? vbKeyDivide : 191;
    case Qt::Key_Comma: return 188;
    default: return 0;
    }
}

int shiftOf(const QKeyEvent& e) {
    int s = 0;
    if (e.modifiers() & Qt::ShiftModifier) s |= vbShiftMask;
    if (e.modifiers() & Qt::ControlModifier) s |= vbCtrlMask;
    if (e.modifiers() & Qt::AltModifier) s |= vbAltMask;
    return s;
}

}  // namespace vb
