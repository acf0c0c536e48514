// The tutorial window.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmTutorial : public vb::Form {
public:
    FrmTutorial();
    vb::Control& lblTipText;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};

FrmTutorial& frmTutorial();

}  // namespace grisk
