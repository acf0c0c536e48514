// The tip of the day.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmTip : public vb::Form {
public:
    FrmTip();
    vb::Control& lblTipText;
    vb::Control& cmdOK;
    void Form_Load() override;
    void Click(vb::Control& c) override;
};

FrmTip& frmTip();

// The tips file's line for a tip number (counted from 0), "" when none.
QString TipText(int tipNumber);

}  // namespace grisk
