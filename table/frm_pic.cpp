#include "table/frm_pic.h"

#include <memory>

#include "platform/popup_menu.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/control_art.h"
#include "table/state.h"

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
      imgCenterVM(addControl(vb::Kind::Image, "imgCenterVM")),
      imgControl(addArray(vb::Kind::Image, "imgControl", 0)),
      picAvatar(addControl(vb::Kind::PictureBox, "picAvatar")) {
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
    imgControl.Load(1);
    // The strips' pictures are drawn when first shown (see MenuStrip).
    for (int style = 0; style <= 1; ++style)
        imgControl(style).setGeometryTw(0, 0, screen::PixelsToTwips(control_art::kStripW),
                                        screen::PixelsToTwips(control_art::kStripH));
    picAvatar.setOwnScaleMode(vb::ScaleMode::Pixels);
}

QImage FrmPic::MenuStrip(int style) {
    vb::Control& strip = imgControl(style);
    if (strip.Picture().isNull()) strip.setPicture(control_art::MenuStrip(style));
    return strip.Picture();
}

namespace {
std::vector<vb::PopupEntry> entries(std::initializer_list<const char*> captions) {
    std::vector<vb::PopupEntry> out;
    for (const char* c : captions) out.push_back({QString::fromLatin1(c), true});
    return out;
}
}  // namespace

void FrmPic::PopupNoiseControl(const QRect& besideRow) {
    const int chosen = vb::PopupMenu(entries({"Full Sound", "Some Sound", "No Sound"}), recs.SoundLevel, besideRow);
    if (chosen >= 0) mnuNoise_Click(chosen);
}

void FrmPic::PopupDisplaySize(const QRect& besideRow) {
    std::vector<vb::PopupEntry> items;
    for (std::size_t i = 0; i < tbl.DisplayMenuCaption.size(); ++i)
        items.push_back({tbl.DisplayMenuCaption[i], tbl.DisplayMenuEnabled[i]});
    const int chosen = vb::PopupMenu(items, -1, besideRow);
    if (chosen >= 0) Display_Click(chosen);
}

void FrmPic::PopupToInternet(const QRect& besideRow) {
    // The entries carry the indexes 1 and 3; 0 stands for nothing chosen,
    // this time: an earlier choice is forgotten first.
    NetItem = 0;
    const int chosen = vb::PopupMenu(entries({"Quenmoor Website Home", "IP Address Check"}), -1, besideRow);
    if (chosen >= 0) ToNet_Click(chosen == 0 ? 1 : 3);
}

void FrmPic::PopupChat(const QRect& besideRow) {
    ChatAction.clear();
    const int chosen = vb::PopupMenu(entries({"Start Logging", "Stop Logging", "Import Sound", "Export Sound",
                                              "Import Picon", "Export Picon", "Help"}),
                                     -1, besideRow);
    if (chosen == 0 || chosen == 1) Log_Click(chosen);
    if (chosen == 2 || chosen == 3) cSound_Click(chosen - 2);
    if (chosen == 4 || chosen == 5) cIcon_Click(chosen - 4);
    if (chosen == 6) cHelp_Click();
}

void FrmPic::Display_Click(int index) {
    DisplayPicked = true;
    DisplayItem = index;
}
void FrmPic::ToNet_Click(int index) { NetItem = index; }
void FrmPic::Log_Click(int index) {
    ChatAction = QStringLiteral("Log");
    LogItem = index;
}
void FrmPic::cSound_Click(int index) {
    ChatAction = QStringLiteral("Sound");
    SoundItem = index;
}
void FrmPic::cIcon_Click(int index) {
    ChatAction = QStringLiteral("Icon");
    IconItem = index;
}
void FrmPic::cHelp_Click() { ChatAction = QStringLiteral("Help"); }
void FrmPic::mnuNoise_Click(int index) { recs.SoundLevel = index; }

FrmPic& frmPic() {
    // Made on first use; a window that was unloaded comes back as designed.
    return vb::DefaultInstance<FrmPic>::getLoaded();
}

bool FrmPicExists() { return vb::DefaultInstance<FrmPic>::exists(); }

void ReleaseFrmPic() { vb::DefaultInstance<FrmPic>::release(); }

}  // namespace grisk
