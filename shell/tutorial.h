// The tutorial window.
#pragma once

#include <QStringList>

#include "platform/controls.h"

namespace grisk {

class FrmTutorial : public vb::Form {
public:
    FrmTutorial();
    vb::Control& lblTipText;
    vb::Control& cmdNextTip;  // Next
    vb::Control& cmdBack;     // Back
    // Opens the tutorial: the menus are locked while it runs. Without its
    // script ("tutorial.txt" beside the program) it says so and closes at
    // once, leaving the table to the player.
    void Form_Load() override;
    // Whatever closes the tutorial: the human's cards, the table and the
    // menus are the player's again.
    void Form_Unload(int& cancel) override;
    void Click(vb::Control& c) override;
    // Next: the tutorial goes on; for now the human's cards come back.
    void cmdNextTip_Click();
    // The script's steps, one a line; false when fileName is empty or there
    // is no such file.
    bool LoadTips(const QString& fileName);
    QStringList Tips;
};

FrmTutorial& frmTutorial();

}  // namespace grisk
