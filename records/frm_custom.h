// The comment editor ("Custom Comments"): the player writes twenty remarks
// for the computer opponents and keeps them as a comment file of their own,
// which any opponent seat can then take, or the first opponent at once.
// It stays open beside the table.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmCustom : public vb::Form {
public:
    FrmCustom();
    vb::Control& Label1;         // the header
    vb::Control& Label5;
    vb::Control& FileTxt;        // the name of the set, without ".cmt"
    vb::ControlArray& Text1;     // lines 1..20
    vb::Control& Label4;         // the window's status line
    vb::ControlArray& Command3;  // picture buttons: 0 new, 1 open, 2 save, 3 export
    vb::Control& Check1;         // "Set as Comment Option choice"
    vb::Control& Command1;       // "Return"
    vb::Control& GetFile;        // the File menu: new, open, save, a line, exit
    vb::ControlArray& GetGoing;
    vb::Control& MenuLine;
    vb::Control& ExitCus;
    vb::Control& HelpComments;   // the Help menu

    // A line was edited since the last new, open or save.
    bool Changed = false;

    void Form_Load() override;
    void Click(vb::Control& c) override;
    void Change(vb::Control& c) override;

    void Text1_Change(int Index);
    void Check1_Click();
    void GetGoing_Click(int Index);
    // Return: offers to save an edited set first; a save refused keeps the
    // window open with its edits.
    void Command1_Click();
    void ExitCus_Click();
    void HelpComments_Click();
    // Puts the twenty lines into force for the first opponent and keeps the
    // first opponent's comment choice in the profile.
    void UseCommentsNow();

private:
    void newSet();
    void openSet();
    // Saves the set as its comment file; false when a line, the first line
    // or the name is refused (the box or the status line says why).
    bool saveSet();
    void exportSet();
};

FrmCustom& frmCustom();
bool FrmCustomExists();
void ReleaseFrmCustom();

// Opens the comment editor beside the table (as designed when it is not
// open yet).
void ShowCommentEditor();

}  // namespace grisk
