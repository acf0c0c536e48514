// The hidden picture store of the table: the card backs in use, the plain
// back, the rank-only deck's pictures in both sizes, the empty-pile marks,
// the boards behind the centre piles and a scratch picture.
#pragma once

#include <QRect>

#include "platform/controls.h"
#include "platform/twips.h"

namespace grisk {

class FrmPic : public vb::Form {
public:
    FrmPic();

    // 0 the large back in use, 5 the small one, 2 the plain back.
    vb::ControlArray& FilePic;
    // Large and small picture of each rank 1..13 of the rank-only deck.
    vb::ControlArray& Image1;
    vb::ControlArray& ImageSm;
    vb::Control& tempSmPic;
    // Empty-pile marks: 2 metallic, 3 wooden (the skin's); Sm the small ones.
    vb::Control& ImgEmpty2;
    vb::Control& ImgEmpty3;
    vb::Control& ImgEmptySm2;
    vb::Control& ImgEmptySm3;
    // The boards behind the centre piles: H wide for three piles, V tall for
    // four; with the skin the wooden ones, the metal ones (M) without.
    vb::Control& imgCenterH;
    vb::Control& imgCenterV;
    vb::Control& imgCenterHM;
    vb::Control& imgCenterVM;
    // The menu strip's picture for each menu style (0 metal, 1 wood), as
    // MenuStrip draws it the first time it is asked for.
    vb::ControlArray& imgControl;
    QImage MenuStrip(int style);
    // Measures an avatar picture's natural size.
    vb::Control& picAvatar;

    // The pop-up sub-menus. Each shows its entries at the mouse, or beside
    // the row (a screen rectangle in pixels) of the list that opens it; the
    // handler of the entry chosen only records the choice below (the sound
    // menu stores the level itself).
    void PopupNoiseControl(const QRect& besideRow = QRect());  // "Full Sound", "Some Sound", "No Sound"
    void PopupDisplaySize(const QRect& besideRow = QRect());   // the display-size items, captions as they stand
    void PopupToInternet(const QRect& besideRow = QRect());    // "Quenmoor Website Home", "IP Address Check"
    // "Start Logging", "Stop Logging", "Import Sound", "Export Sound",
    // "Import Picon", "Export Picon", "Help"; ChatAction "" when dismissed.
    void PopupChat(const QRect& besideRow = QRect());
    void Display_Click(int index);
    void ToNet_Click(int index);
    void Log_Click(int index);
    void cSound_Click(int index);
    void cIcon_Click(int index);
    void cHelp_Click();
    void mnuNoise_Click(int index);

    // The choices recorded.
    bool DisplayPicked = false;
    int DisplayItem = 0;
    int NetItem = 0;
    int LogItem = 0;
    int SoundItem = 0;
    int IconItem = 0;
    QString ChatAction;
};

// The store, made and loaded on first use.
FrmPic& frmPic();
bool FrmPicExists();
void ReleaseFrmPic();

}  // namespace grisk
