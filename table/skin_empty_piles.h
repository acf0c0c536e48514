// The empty-pile marks that go with the window skin.
#pragma once

namespace grisk {

// Chooses the empty-pile marks for the skin in force: the wooden ones
// (frmPic.ImgEmpty3 and ImgEmptySm3) with SkinOn, else the metallic ones
// (ImgEmpty2 and ImgEmptySm2). The menu strip takes the picture of the menu
// style (a hidden strip when it next comes out), and the rules labels end 8
// (skin) or 5 pixels from its right end.
void SelectEmptyPileImages();
// Fits the menu strip to the window's width (never wider than its picture),
// gives it its picture and puts the rules labels at its right end again: the
// strip is about to come out.
void FitMenuStrip();

// Makes the choice once when nothing has chosen yet.
void EnsureEmptyPileImages();

}  // namespace grisk
