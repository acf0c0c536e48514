// The preferences window frmOptions: four pages on a tab strip ("Pick a
// Card", "Deck Styles", "Font and Background", "Sounds and Style") and the
// buttons OK, Cancel and Apply. Apply and OK act on the page on show only;
// each page reads the options in force again whenever it is shown, so a
// page's changes not applied are lost when another page is chosen. The
// window writes the options of the running program; the profile takes them
// when it is next saved.
#pragma once

#include <memory>

#include "platform/controls.h"

namespace grisk {

class clsDLL;

// The pages, numbered as their tabs.
enum OptionsPage : int { kPickACard = 1, kDeckStyles = 2, kFontAndBackground = 3, kSoundsAndStyle = 4 };
inline constexpr int kOptionsPages = 4;

// The deck styles: 1..5 the numbers-only decks, 6 the built-in full deck,
// 7..9 the library's face decks 0..2.
inline constexpr int kFirstFullDeck = 6;
inline constexpr int kLastDeckStyle = 9;

// The tab strip's size (twips): wide enough for its four tabs in the
// desktop's font.
inline constexpr double kOptionsTabWidth = 6600;
inline constexpr double kOptionsTabHeight = 5715;

// The label font sizes "+size" and "-size" keep to.
inline constexpr int kSmallestLabelFont = 6;
inline constexpr int kLargestLabelFont = 24;

// A colour chosen in the colour dialog, which opens at colour; false, and
// colour as it was, when the player cancelled it.
bool ChooseColour(int32_t& colour);

class FrmOptions : public vb::Form {
public:
    FrmOptions();
    ~FrmOptions() override;

    vb::Control& tbsOptions;     // the tab strip
    vb::ControlArray& FrmOp;     // 0..3: the pages
    vb::Control& cmdOK;
    vb::Control& CmdCancel;
    vb::Control& CmdApply;

    // Pages 1 and 2 (and the placeholder samples of page 4): the card
    // samples FilePic 0, 1, 2, 4, 5, 6, 7, 10, 13, 15.
    vb::ControlArray& FilePic;
    vb::ControlArray& LblImage;  // 0, 1, 2, 4
    // Page 1.
    vb::Control& Label8;         // "Numbers only card decks:"
    vb::ControlArray& OptCard;   // 1..5
    vb::Control& Label2;         // "Numbers and Suits card decks:"
    vb::ControlArray& OptCardSuit;  // 6..9
    // Page 2.
    vb::Control& Label1;         // "Current Deck Selection:"
    vb::ControlArray& picCardBack;  // 0: the back design on the scroll bar
    vb::Control& HScrollBacks;
    vb::Control& Frame1;         // the mat sample
    vb::Control& picBack;        // the background, tiled
    vb::ControlArray& Command2;  // 0 "Deck Color", 1 and 3 "Mat Color", 2 "Font Color"
    // Page 3.
    vb::Control& picBackFnt;
    vb::ControlArray& LblFont;   // 0 on the mat, 1 on the background
    vb::Control& Frame3;         // the mat sample
    vb::Control& Label4;         // "Rozoreri Comments Area"
    vb::Control& CKFnt;          // "Use Font Backdrop"
    vb::Control& CmdRestore;     // "Default"
    vb::ControlArray& CmdSz;     // 0 "+size", 1 "-size"
    // Page 4.
    vb::Control& fraSound;       // "Card Sound Effects"
    vb::ControlArray& OptSound;  // 0 Wood, 1 Metallic, 2 no sounds
    vb::Control& fraMenu;        // "Drop Down Menu Style"
    vb::ControlArray& OptMenu;   // 0 Wood, 1 Metallic
    vb::Control& fraHolder;      // "Card Place Holder Styles"
    vb::ControlArray& optPlaceHolder;  // 0 Wood (the skin), 1 Metallic
    vb::Control& ckIntro;        // "No game Intro Music"

    // The window's state while it is loaded.
    int PickedDeck = 0;
    int PickedBack = 0;
    int PickedSound = 0;
    std::unique_ptr<clsDLL> CardImages;

    // The tab selected (1..4), and choosing one as a click on it does.
    int SelectedTab() const;
    void SelectTab(int index);

    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_Unload(int& cancel) override;
    void Click(vb::Control& c) override;
    void Change(vb::Control& c) override;
    void KeyDown(vb::Control& c, int& keyCode, int shift) override;

    void tbsOptions_Click();
    void CmdApply_Click();
    void cmdOK_Click();
    void CmdCancel_Click();

    // Pages 1 and 2.
    void DisplayCardSize(int WhichCards, int WhichDeck);
    void ShowDeckStyle(int Index);

private:
    // The deck whose faces the face sheet holds (0: the deck in force).
    int sheetDeck_ = 0;

    // The pages' start from the options in force, and their Apply steps.
    void startPickACard();
    void startDeckStyles();
    void startFontAndBackground();
    void startSoundsAndStyle();
    // True when the deck style in force changed.
    bool applyPickACard();
    void applyDeckStyles();
    void applyFontAndBackground();
    void applySoundsAndStyle();

    void HScrollBacks_Change();
    void picCardBack_Click(int index);
    void FilePic_Click(int index);
    void Command2_Click(int index);
    void CmdSz_Click(int index);
    void CmdRestore_Click();
    void CKFnt_Click();
    // The background tiled over a page's preview again.
    void tileBackgrounds();
    // Lays the pages on the tab strip's pages and places their controls.
    void designPages();
};

FrmOptions& frmOptions();
bool FrmOptionsExists();
void ReleaseFrmOptions();

// Options item 2: the window, modally, as designed each time.
void ShowOptionsWindow();

}  // namespace grisk
