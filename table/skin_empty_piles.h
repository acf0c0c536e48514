// The empty-pile marks that go with the window skin.
#pragma once

namespace grisk {

// Chooses the empty-pile marks for the skin in force: the wooden ones
// (frmPic.ImgEmpty3 and ImgEmptySm3) with SkinOn, else the metallic ones
// (ImgEmpty2 and ImgEmptySm2).
void SelectEmptyPileImages();

// Makes the choice once when nothing has chosen yet.
void EnsureEmptyPileImages();

}  // namespace grisk
