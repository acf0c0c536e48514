#include "table/frm_pic.h"

#include <memory>

#include "table/card_art.h"

namespace grisk {

namespace {
void cardSized(vb::Control& c, bool small) {
    c.setGeometryTw(0, 0, small ? 885 : 1065, small ? 1200 : 1440);
}
}  // namespace

FrmPic::FrmPic()
    : vb::Form(QStringLiteral("frmPic")),
      FilePic(addArray(vb::Kind::PictureBox, "FilePic", 0)),
      Image1(addArray(vb::Kind::Image, "Image1", 1)),
      ImageSm(addArray(vb::Kind::Image, "ImageSm", 1)),
      tempSmPic(addControl(vb::Kind::PictureBox, "tempSmPic")),
      ImgEmpty2(addControl(vb::Kind::Image, "ImgEmpty2")),
      ImgEmpty3(addControl(vb::Kind::Image, "ImgEmpty3")),
      ImgEmptySm2(addControl(vb::Kind::Image, "ImgEmptySm2")),
      ImgEmptySm3(addControl(vb::Kind::Image, "ImgEmptySm3")),
      imgCenterH(addControl(vb::Kind::Image, "imgCenterH")),
      imgCenterV(addControl(vb::Kind::Image, "imgCenterV")),
      imgCenterHM(addControl(vb::Kind::Image, "imgCenterHM")),
      imgCenterVM(addControl(vb::Kind::Image, "imgCenterVM")) {
    using namespace card_art;
    FilePic.Load(2);
    FilePic.Load(5);
    for (int i : {0, 2, 5}) {
        FilePic(i).setOwnScaleMode(vb::ScaleMode::Pixels);
        FilePic(i).setBorderStyle(0);
        cardSized(FilePic(i), i == 5);
    }
    // Until a back style is applied the first patterned back is in use.
    FilePic(0).setPicture(Back(0, false));
    FilePic(5).setPicture(Back(0, true));
    FilePic(2).setPicture(PlainBack());
    for (int k = 2; k <= 13; ++k) {
        Image1.Load(k);
        ImageSm.Load(k);
    }
    for (int k = 1; k <= 13; ++k) {
        cardSized(Image1(k), false);
        cardSized(ImageSm(k), true);
    }
    cardSized(tempSmPic, true);
    tempSmPic.setBorderStyle(0);
    cardSized(ImgEmpty2, false);
    cardSized(ImgEmpty3, false);
    cardSized(ImgEmptySm2, true);
    cardSized(ImgEmptySm3, true);
    ImgEmpty2.setPicture(EmptyMark(false, false));
    ImgEmpty3.setPicture(EmptyMark(true, false));
    ImgEmptySm2.setPicture(EmptyMark(false, true));
    ImgEmptySm3.setPicture(EmptyMark(true, true));
    const struct {
        vb::Control& board;
        bool wood;
        bool tall;
    } boards[] = {{imgCenterH, true, false}, {imgCenterV, true, true},
                  {imgCenterHM, false, false}, {imgCenterVM, false, true}};
    for (const auto& b : boards) {
        const QImage picture = CentreBoard(b.wood, b.tall);
        b.board.setPicture(picture);
        b.board.setGeometryTw(0, 0, screen::PixelsToTwips(picture.width()),
                              screen::PixelsToTwips(picture.height()));
    }
}

FrmPic& frmPic() {
    // Made on first use; a window that was unloaded comes back as designed.
    return vb::DefaultInstance<FrmPic>::getLoaded();
}

bool FrmPicExists() { return vb::DefaultInstance<FrmPic>::exists(); }

void ReleaseFrmPic() { vb::DefaultInstance<FrmPic>::release(); }

}  // namespace grisk
