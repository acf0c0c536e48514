// The speed window frmSpeed: the pace of the computer players and the speed
// of the card animations, each on a scroll bar. A move of a bar takes effect
// at once; the profile keeps both when it is next saved.
#pragma once

#include <QString>

#include "platform/controls.h"

namespace grisk {

// The computer speeds 0..5 by name, and the pause between the computer's
// moves that each sets here (seconds).
inline constexpr int kSpeedSteps = 6;
QString SpeedName(int speedOption);
double SpeedWindowDelay(int speedOption);
// The card animation's step divisor for each position 0..10 of the
// animation bar; the position of a divisor, -1 when it is none of them.
inline constexpr int kAnimPositions = 11;
int AnimSpeedAt(int position);
int AnimPositionOf(int animSpeed);

class FrmSpeed : public vb::Form {
public:
    FrmSpeed();
    vb::Control& Frame1;    // "Grisk's Speed"
    vb::Control& HScroll1;  // SpeedOption 0..5
    vb::Control& Label1;    // the speed's name
    vb::Control& Frame2;    // "Card Animation Speed"
    vb::Control& VScroll1;  // the animation bar, 0..10
    vb::Control& Label4;    // "Faster"
    vb::Control& Label5;    // "Slower"
    vb::Control& lblAni;    // the animation bar's position
    vb::Control& Command1;  // "&Done"

    void Form_Load() override;
    void Change(vb::Control& c) override;
    void Click(vb::Control& c) override;
};

FrmSpeed& frmSpeed();
bool FrmSpeedExists();
void ReleaseFrmSpeed();

// Options item 0: the speed window, modally, as designed each time.
void ShowSpeedWindow();

}  // namespace grisk
