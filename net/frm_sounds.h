// The chat sounds window "Online Personality Sounds": the player picks up
// to three computer personalities whose sounds the chat offers; the sounds
// of newly picked ones are installed by their programs ("/SND"), those of
// dropped ones deleted.
#pragma once

#include <QString>

#include "platform/controls.h"
#include "platform/vbarray.h"

namespace grisk {

class FrmSounds : public vb::Form {
public:
    FrmSounds();
    vb::Control& lstSounds;       // one entry with a check box per personality
    vb::Control& lblSounds;       // the explanation
    vb::Control& lblDescription;  // the description of the entry clicked
    vb::Control& cmdDone;         // "Update"
    vb::Control& CmdCancel;       // "Cancel"

    vb::Array<QString, 1> NewSoundSets{{1, 3}};  // the names checked when Update was clicked
    int CheckedCount = 0;
    bool Filling = false;

    void Form_Load() override;
    void Click(vb::Control& c) override;

    void cmdDone_Click();
    void CmdCancel_Click();
    void lstSounds_Click();
    // Brings the installed chat sounds in line with NewSoundSets.
    void InstallPersonalitySounds();
};

FrmSounds& frmSounds();
bool FrmSoundsExists();
void ReleaseFrmSounds();

// Shows the chat sounds window modally; closed, its instance goes.
void ShowSoundsWindow();

// Deletes the ".pmw" sounds of personality name's own sound pack from the
// user's Sounds folder, file by file by their names; nothing for a name
// that is not an installed personality (a row of OppTable).
void RemovePersonalitySounds(const QString& name);

}  // namespace grisk
