// The pile-information window frmHold: the cards hidden under the top of a
// hold pile, a pay-off pile or the stock, face up, the one right under the
// top first.
#pragma once

#include <QString>
#include <memory>

#include "platform/controls.h"
#include "platform/vbarray.h"

namespace grisk {

struct PlayerRecord;
class Class1;

// A small borderless window that floats above the table. It is dragged by
// its body and remembers where it was put (HoldLeft, HoldTop).
class FrmHold : public vb::Form {
public:
    FrmHold();
    ~FrmHold() override;
    vb::ControlArray& Picture8;  // 1..10: the cards shown; 2..10 are loaded with the window
    vb::Control& lblHold;        // what the window shows, and how many cards are hidden
    vb::Control& ImgHold;        // the card back the first picture starts with
    vb::ControlArray& cmdExit;   // 0 hides the window, 1 only remembers its place
    // The bevel round the window: vertical (Line1) and horizontal (Line2)
    // lines, 0 and 1 the outer ones.
    vb::ControlArray& Line1;
    vb::ControlArray& Line2;

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Click(vb::Control& c) override;
    void MouseMove(vb::Control& c, int button, int shift, double x, double y) override;
    void FormMouseMove(int button, int shift, double x, double y) override;
    void FormClick() override;

    // The window is painted with the skin as it is first shown, not as it
    // loads with the table: a skin chosen while it is hidden is painted then too.
    void SkinWhenShown() { skinDue_ = true; }
    void PaintSkinIfDue();

private:
    // Only the left button drags the window.
    void DragWindow(int button);
    // Keeps the window's place for the next time it is filled and for the profile.
    void RememberPosition();
    std::unique_ptr<Class1> onTop_;
    bool skinDue_ = false;
};

// The window, loaded on first use (and loaded again, as designed, when it
// was unloaded).
FrmHold& frmHold();
bool FrmHoldExists();
void ReleaseFrmHold();
// True while the window is loaded and shown.
bool PileInfoShown();
// Loads the window when it is not loaded yet, and gives it the skin in
// force (SkinOn): a profile coming into force brings its skin. The
// empty-pile marks are chosen at once; a hidden window is painted when it
// is next shown.
void LoadPileInfoWithSkin();

// Fills the window for the pile picture InfoPile: 7..10 hold pile
// InfoPile - 6 of holdPiles (the human's, with the counts below the top in
// humanCounts), 1 a pay-off pile of sideLeft cards, 0 the stock.
void HoldInfo(const vb::Array<int, 3>& holdPiles, const vb::Array<int, 1>& humanCounts, int sideLeft,
              const QString& name);
// The same for another seat's hold pile: table(p, 1) counts pile p whole.
void HoldInfo(const vb::Array<int, 3>& holdPiles, const vb::Array<int, 2>& table, int sideLeft,
              const QString& name);
// The same for a pay-off pile (pile's positions 1..sideLeft) or the stock
// (the Deck, InfoPile 0).
void HoldInfo(const vb::Array<int, 2>& pile, const vb::Array<int, 2>& unused, int sideLeft, const QString& name);

// A right press on a pile picture of seat 2..4 (InfoPile its index): its
// hold pile in the window, or during a game only its pay-off count on the
// message line.
void ShowPileInfo(const PlayerRecord& rec, int seat);

// Fills the window again after a move changed the pile it shows.
void RefreshPileInfo(const QString& pile);

}  // namespace grisk
