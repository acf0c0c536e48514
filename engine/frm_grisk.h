// The main window: the card table with its pile pictures, labels and status
// bar. The window's controls exist whether or not it is on the screen, so
// the engine and the tests work the same without a display.
#pragma once

#include "platform/controls.h"
#include "platform/timer.h"

namespace grisk {

class FrmGrisk : public vb::Form {
public:
    FrmGrisk();

    // Pile pictures: the human's slots 1..10 (0 a hidden template), seats
    // 2, 3 and 4 (Picture1(0) is the card that flies from the stock), and
    // the stock (0) and centre piles (1..4).
    vb::ControlArray& Picture7;
    vb::ControlArray& Picture1;
    vb::ControlArray& Picture2;
    vb::ControlArray& Picture3;
    vb::ControlArray& PicCenter;
    // Text lines of the table: 0 banner, 1 message line, 2 remark line,
    // 3 the human's name, 4..6 the names of seats 2..4.
    vb::ControlArray& Label9;
    vb::ControlArray& LblWild;
    vb::ControlArray& Label3;
    vb::Control& StatusBar1;
    vb::Control& ImgAvatar;
    vb::Control& ImgTurn1;
    vb::Control& ImgTurn2;
    vb::Control& ImgHold;
    vb::Control& cmdDeal;
    vb::Control& lblRules;
    vb::Control& lblLevel;
    vb::Control& LabelPeek;
    vb::Control& StatusMsg;     // the large notice in the middle of the table
    // Pay-off stacks: 25 card-sized shapes a seat (1..25 the human, 26..50,
    // 51..75, 76..100 seats 2..4), 0 the template. Hold-pile outlines: pile
    // p of seat s is element p + 4 (s - 1), 0 the template.
    vb::ControlArray& Stack;
    vb::ControlArray& StackHold;
    // Frames round single hold piles: 1..4 seat 2's, 5..8 the human's.
    vb::ControlArray& lblHoldCard;
    vb::Control& lblHighlight;  // marks the card picked up
    vb::Control& Label1;        // frame round the stock
    vb::Control& imgCenter;     // board behind the centre piles
    vb::Control& imgIcon;       // the emotion icon
    vb::Control& imgMenu;       // the menu picture at the top edge
    vb::Control& imgSlap;       // laid over the avatar's lower edge
    // The menu strip at the top edge: hidden at rest; it carries the rules
    // labels lblRules and lblLevel at its right end.
    vb::Control& picPanel;

    vb::Control& imgTip;        // tutorial pointers: pointing right,
    vb::Control& imgTipUp;      // and pointing up

    // The idle timer: while the human is to move it makes the waiting
    // opponent speak (Timer1_Timer, engine/turn_cycle.cpp).
    vb::Timer Timer1;
    void Timer1_Timer();

    // The pile-picture array of a seat: 1 the human, 2..4 the others.
    vb::ControlArray& seatPictures(int seat);
    // The seat whose pile pictures these are: 1 the human (Picture7), 2..4
    // (Picture1..Picture3); 0 for any other array.
    static int seatOf(const QString& pileArrayName);
    static int seatOf(const vb::ControlArray& piles) { return seatOf(piles.Name()); }

    // The window's own fields: 20 when the previous run's placement is
    // stored; the state it opens in (0 normal, 2 maximized); the title bar's
    // height in pixels.
    int PlacementSaved = 0;
    int StartWindowState = 0;
    int CaptionHeight = 0;
    // Where the left button was last released on the avatar (its own
    // coordinates); which opponent (1..NumPlayers - 1) the status bar's
    // opponent panels show; the mouse's height when the card flow first saw
    // it (0 not yet).
    int SlapX = 0;
    int SlapY = 0;
    int StatusOppIndex = 0;
    int FlowStartY = 0;

    // Start-up, shut-down, resize and keys (engine/startup.cpp).
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Form_KeyDown(int& keyCode, int shift) override;

    // The Deal button (engine/new_game.cpp).
    void Click(vb::Control& c) override;
    void cmdDeal_Click();

    // Mouse and keys on the pile pictures (engine/card_handling.cpp).
    void MouseDown(vb::Control& c, int button, int shift, double x, double y) override;
    void MouseMove(vb::Control& c, int button, int shift, double x, double y) override;
    void MouseUp(vb::Control& c, int button, int shift, double x, double y) override;
    void DblClick(vb::Control& c) override;
    void KeyDown(vb::Control& c, int& keyCode, int shift) override;

    // The table itself: the menu strip comes out at the top edge, a press
    // closes it (table/menu_strip.cpp).
    void FormMouseDown(int button, int shift, double x, double y) override;
    void FormMouseMove(int button, int shift, double x, double y) override;
};

// The captions of the human's and seat 2's hold-row frames.
inline constexpr const char* kHumanHoldCaption = "Your HOLD piles -right click to see hidden cards";
inline constexpr const char* kSeat2HoldCaption = "Grisk's HOLD piles -right click to see hidden cards";

// The main window; made on first use, as the run time's global instance.
FrmGrisk& frmGrisk();
bool FrmGriskExists();
// Drops the instance (after shut-down, and between tests).
void ReleaseFrmGrisk();

}  // namespace grisk
