// The tip of the day, frmTip: one tip at a time from "TIPOFDAY.TXT" beside
// the program, the one after the tip shown last time (also across runs).
#pragma once

#include <QStringList>
#include <memory>

#include "platform/controls.h"

namespace grisk {

class Class1;

class FrmTip : public vb::Form {
public:
    FrmTip();
    ~FrmTip() override;
    vb::Control& Label1;                 // "Advice from Grisk..."
    vb::Control& Picture1;               // the frame around the tip
    vb::Control& lblTipText;             // the tip
    vb::ControlArray& cmdNextTip;        // 0 "&Next Tip", 1 "&Previous Tip"
    vb::Control& chkLoadTipsAtStartup;   // "&Show Tips at Startup"
    vb::Control& cmdHelp;                // "&User's Manual"
    vb::Control& cmdOK;

    // The number of the tip on show, counted from 1 (0 before the first).
    int CurrentTip = 0;

    // Reads the tips of the file, one a line (a blank line is no tip), and
    // steps to the next tip. False for "" or a file that is not there.
    bool LoadTips(const QString& fileName);
    // 0: the next tip, after the last the first; any other value: the
    // previous tip, before the first the last.
    void StepTip(int direction);
    // Shows tip CurrentTip; each "~" of it starts a new paragraph after an
    // empty line. Nothing happens without tips.
    void DisplayCurrentTip();
    int TipCount() const { return static_cast<int>(tips_.size()); }

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Click(vb::Control& c) override;

private:
    QStringList tips_;
    double loadHeight_ = 0;
    std::unique_ptr<Class1> onTop_;
};

FrmTip& frmTip();
bool FrmTipExists();
void ReleaseFrmTip();

// The tips file beside the program.
inline constexpr char kTipsFileName[] = "TIPOFDAY.TXT";

}  // namespace grisk
