// The splash window shown while the program loads.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmSplash : public vb::Form {
public:
    FrmSplash();
    vb::Control& lblTitle;
    vb::Control& lblVersion;
    vb::Control& lblLegal;
    vb::Control& lblWarning;
    vb::Control& imgText;  // the lines as painted at build time
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Click(vb::Control& c) override;
    void FormMouseDown(int button, int shift, double x, double y) override;
};

FrmSplash& frmSplash();
void ReleaseFrmSplash();

// "Version major.minor.revision" of the program.
QString ProgramVersionText();

}  // namespace grisk
