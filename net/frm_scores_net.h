// The Internet scores window: the player's Internet score files, one table
// size at a time.
#pragma once

#include "platform/controls.h"

namespace grisk {

class FrmScoresNet : public vb::Form {
public:
    FrmScoresNet();
    vb::Control& lblPlayer;
    vb::Control& Command1;  // Close
    void Form_Load() override;
    void Click(vb::Control& c) override;
};

FrmScoresNet& frmScoresNet();
bool FrmScoresNetExists();
void ReleaseFrmScoresNet();

}  // namespace grisk
