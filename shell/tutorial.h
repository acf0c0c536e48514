// The tutorial window.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmTutorial : public vb::Form {
public:
    FrmTutorial();
    vb::Control& lblTipText;
    vb::Control& cmdNextTip;  // Next
    vb::Control& cmdBack;     // Back
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Click(vb::Control& c) override;
    // Next: the tutorial goes on; for now the human's cards come back.
    void cmdNextTip_Click();
};

FrmTutorial& frmTutorial();

}  // namespace grisk
