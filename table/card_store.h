// The card-picture state shared by the drawing routines, the picture stores
// and the skin choice: the card being painted, its cell in the face sheet and
// the empty-pile marks in force.
#pragma once

#include <QImage>

namespace grisk {

struct CardPictureState {
    // The card being painted (reduced as the drawing goes) and its cell.
    int DrawCardNo = 0;
    int DrawSuit = 0;
    int CellX = 0;
    int CellY = 0;
    // The empty-pile marks, large and small; chosen by the skin in force.
    QImage EmptyPilePicture;
    QImage EmptyPilePictureSmall;
    bool EmptyPilesChosen = false;
};

extern CardPictureState cardpics;

// Puts the state back to its start values.
void ResetCardPictureState();
// Drops the hidden picture windows (they are made again on first use) and
// resets the state (between tests).
void ReleaseCardPictureStores();

}  // namespace grisk
