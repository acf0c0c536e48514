// The About window, frmAbout: the program's title, version and description;
// a click on its icon shows or hides the credits.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmAbout : public vb::Form {
public:
    FrmAbout();
    vb::Control& picIcon;
    vb::Control& lblTitle;
    vb::Control& lblVersion;
    vb::Control& lblDescription;
    vb::Control& lblDisclaimer;  // "Warning: Highly addictive." and a line
    vb::Control& credit;         // the credits, shown by a click on the icon
    vb::Control& cmdOK;

    void Form_Load() override;
    void Click(vb::Control& c) override;

private:
    QString credits_;
};

FrmAbout& frmAbout();
bool FrmAboutExists();
void ReleaseFrmAbout();

}  // namespace grisk
