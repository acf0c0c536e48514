// The sign-in window: the person at this machine says who they are, and that
// player's profile is put into force (a new player gets a new profile made
// from the options in force).
#pragma once

#include <QStringList>

#include "platform/controls.h"

namespace grisk {

// The longest player name the profile keeps.
inline constexpr int kProfileNameLength = 20;
// True when the profile can keep the name as it is (20 Latin-1 characters).
bool FitsProfileName(const QString& name);

class FrmWelcome : public vb::Form {
public:
    FrmWelcome();
    vb::Control& Label1;
    vb::Control& Command1;

    // The names offered: the player in force first, then the other known
    // players, then an empty entry for a new name.
    QStringList Combo1List;

    void Form_Load() override;
    // Signs in the name chosen (listIndex its place in Combo1List, -1 typed).
    // False when the name was refused; the window then stays.
    bool SignIn(const QString& text, int listIndex);

    // Shows the window and asks until a valid name has been given.
    void ShowModal();
};

FrmWelcome& frmWelcome();

}  // namespace grisk
