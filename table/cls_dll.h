// The card-image library and its wrapper. The library is our own, in the
// program: it offers full face decks beyond the built-in one, patterned card
// backs in both card sizes and a colour that goes with each back. Indexes
// start at 0; asking for one it does not have is a run-time failure (error 5)
// of the calling operation.
#pragma once

#include <QImage>
#include <cstdint>
#include <memory>

namespace vb {
class Form;
}

namespace grisk {

class CardImageLibrary {
public:
    int DeckCount() const;
    int BackCount() const;
    int32_t BackColor(int back) const;
    QImage FaceSheet(int deck) const;
    QImage BackPicture(int back, bool small) const;
};

// The wrapper its users hold: made, used and released by game set-up and by
// the preferences dialog.
class clsDLL {
public:
    clsDLL();
    ~clsDLL();
    clsDLL(const clsDLL&) = delete;
    clsDLL& operator=(const clsDLL&) = delete;

    int GetDecksQuantity();
    int GetBacksQuantity();
    // 6 restores the built-in sheet in frmStdSm.imgALL; 7 and up put library
    // deck thisPicked - 7 there. A style the library does not have gives the
    // built-in sheet. Callers then make the small-card files.
    void GetCardFaces(int thisPicked);
    // Into the table's store frmPic (any window but frmOptions): back
    // WhichDeck - 1 large into FilePic(0) and small into FilePic(5), or for
    // WhichDeck 0 the plain back FilePic(2) into both; a back the library
    // does not have gives its first back. Into the preferences dialog
    // frmOptions: back WhichDeck - 1 in the size SmallSize asks for, into
    // FilePic(toPic), or for toPic 99 into picCardBack(0) together with the
    // back's colour.
    void GetCardBacks(int WhichDeck, vb::Form& ThisForm, int toPic, bool SmallSize);

private:
    std::unique_ptr<CardImageLibrary> library_;
};

}  // namespace grisk
