// The sign-in window: the person at this machine says who they are, and that
// player's profile is put into force (a new player gets a new profile made
// from the options in force).
#pragma once

#include <QString>

#include "platform/controls.h"

namespace grisk {

// The longest player name the profile keeps.
inline constexpr int kProfileNameLength = 20;
// True when the profile can keep the name as it is (20 Latin-1 characters).
bool FitsProfileName(const QString& name);

// A small borderless window over the table, dragged by its body. It closes
// only through a name that signs in.
class FrmWelcome : public vb::Form {
public:
    FrmWelcome();
    vb::Control& Label1;
    // The names: the player in force first, then the other known players,
    // then an empty entry for a new name; a name may be typed too.
    vb::Control& Combo1;
    vb::Control& Command1;  // "OK", the default button
    // The bevel round the window: vertical (Line1) and horizontal (Line2).
    vb::ControlArray& Line1;
    vb::ControlArray& Line2;

    // Dresses the window (the table's background picture, or its colour)
    // over the table and fills the list.
    void Form_Load() override;
    // The player's own close (the window manager's) is refused: a name
    // closes the window. The program's unload goes through.
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Click(vb::Control& c) override;
    void MouseMove(vb::Control& c, int button, int shift, double x, double y) override;
    void FormMouseMove(int button, int shift, double x, double y) override;

    // The name picked becomes the name being signed in.
    void Combo1_Click();
    // Signs in the name in the combo box, or refuses it with a box and
    // stays. Another player's sign-in first saves the options of the player
    // in force; a known player's profile is then read and put into force, a
    // new player gets a profile record of their own at once.
    void Command1_Click();

    // Shows the window modally, as designed, until a player has signed in
    // (or the program closes).
    void ShowModal();

private:
    // Only the left button drags the window.
    void DragWindow(int button);
};

FrmWelcome& frmWelcome();
void ReleaseFrmWelcome();

}  // namespace grisk
