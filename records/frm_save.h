// The save and restore window frmSave: the player picks a slot of the saved
// games to save the running game into, or a saved game to restore, and
// switches the auto-save (the move log) on or off. The window only
// chooses; the command that opened it saves or restores once it has
// closed, guided by CurrentSlot, SaveName and SkipGameSave.
#pragma once

#include "platform/controls.h"

namespace grisk {

// The slots the window lists: 1..10 for games the player names, 11 the
// auto-save.
inline constexpr int kSaveSlots = 10;
inline constexpr int kAutoSaveSlot = 11;

class FrmSave : public vb::Form {
public:
    FrmSave();
    vb::ControlArray& Text1;     // 1..11: one text box a slot
    vb::ControlArray& lblSlot;   // 1..11: the slot numbers beside them
    vb::Control& Check1;         // AutoSave
    vb::Control& cmdSave;        // "Save", "NET Save" or "Restore": the window's mode
    vb::Control& Command2;       // Cancel
    vb::Control& Label1;         // the message line

    // The slot picked, 0 for none.
    int Selected = 0;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void MouseDown(vb::Control& c, int button, int shift, double x, double y) override;
    void MouseUp(vb::Control& c, int button, int shift, double x, double y) override;
    void Click(vb::Control& c) override;

    void Text1_MouseDown(int index);
    void Text1_Click(int index);
    void cmdSave_Click();
    void Command2_Click();
    void Check1_Click();
    void Check1_MouseUp();

private:
    bool saveMode() const;
    void normalColours(int index);
};

// The window, loaded as designed on first use and after each close.
FrmSave& frmSave();
void ReleaseFrmSave();

}  // namespace grisk
