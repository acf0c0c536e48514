#include "engine/frm_grisk.h"

#include <QApplication>
#include <memory>

#include "engine/state.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "table/control_art.h"
#include "table/layout_sizes.h"

namespace grisk {

namespace {
constexpr int32_t kTableGreen = vb::RGB(0, 128, 0);
constexpr int32_t kFrameGreen = vb::RGB(0, 104, 0);
constexpr int32_t kFrameText = vb::RGB(255, 240, 170);  // light on the dark frame: reads clearly
constexpr int32_t kEdgeColor = vb::RGB(48, 48, 48);
constexpr int kStatusPanels = 9;
// The status bar as designed: the human's name, last hand, best run and wild
// counters, the same four of an opponent (the name panel springs to fill the
// bar), and the undo button.
void designStatusPanels(vb::Control& bar) {
    struct Design {
        const char* text;
        const char* tip;
        int widthPx;
    };
    static const Design panels[kStatusPanels] = {
        {"Player:", "", 110}, {"", "Last Hand ", 70}, {"", "Best Run", 90}, {"Wild: ", "Side/Hand", 80},
        {"Opponent:", "", 110}, {"", "Last Hand", 70}, {"", "Best Run", 90}, {"Wild:", "Side/Hand", 80},
        {"", "Undo Move", 28}};
    for (int i = 1; i <= kStatusPanels; ++i) {
        vb::Panel& panel = bar.Panels(i);
        panel.Text = QString::fromLatin1(panels[i - 1].text);
        panel.ToolTipText = QString::fromLatin1(panels[i - 1].tip);
        panel.MinWidth = static_cast<int>(screen::PixelsToTwips(panels[i - 1].widthPx));
    }
    bar.Panels(5).Spring = true;
    bar.Panels(9).Picture = control_art::UndoIcon();
}

}  // namespace

FrmGrisk::FrmGrisk()
    : vb::Form(QStringLiteral("frmGrisk")),
      Picture7(addArray(vb::Kind::PictureBox, "Picture7", 0)),
      Picture1(addArray(vb::Kind::PictureBox, "Picture1", 0)),
      Picture2(addArray(vb::Kind::PictureBox, "Picture2", 0)),
      Picture3(addArray(vb::Kind::PictureBox, "Picture3", 0)),
      PicCenter(addArray(vb::Kind::PictureBox, "PicCenter", 0)),
      Label9(addArray(vb::Kind::Label, "Label9", 0)),
      LblWild(addArray(vb::Kind::Label, "LblWild", 1)),
      Label3(addArray(vb::Kind::Label, "Label3", 0)),
      StatusBar1(addControl(vb::Kind::StatusBar, "StatusBar1")),
      ImgAvatar(addControl(vb::Kind::Image, "ImgAvatar")),
      ImgTurn1(addControl(vb::Kind::Image, "ImgTurn1")),
      ImgTurn2(addControl(vb::Kind::Image, "ImgTurn2")),
      ImgHold(addControl(vb::Kind::Image, "ImgHold")),
      cmdDeal(addControl(vb::Kind::CommandButton, "cmdDeal")),
      lblRules(addControl(vb::Kind::Label, "lblRules")),
      lblLevel(addControl(vb::Kind::Label, "lblLevel")),
      LabelPeek(addControl(vb::Kind::Label, "LabelPeek")),
      StatusMsg(addControl(vb::Kind::Label, "StatusMsg")),
      Stack(addArray(vb::Kind::Shape, "Stack", 0)),
      StackHold(addArray(vb::Kind::Shape, "StackHold", 0)),
      lblHoldCard(addArray(vb::Kind::Label, "lblHoldCard", 1)),
      lblHighlight(addControl(vb::Kind::Label, "lblHighlight")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      imgCenter(addControl(vb::Kind::Image, "imgCenter")),
      imgIcon(addControl(vb::Kind::Image, "imgIcon")),
      imgMenu(addControl(vb::Kind::Image, "imgMenu")),
      imgSlap(addControl(vb::Kind::Image, "imgSlap")),
      picPanel(addControl(vb::Kind::PictureBox, "picPanel")),
      imgTip(addControl(vb::Kind::Image, "imgTip")),
      imgTipUp(addControl(vb::Kind::Image, "imgTipUp")) {
    Timer1.onTimer = [this] { Timer1_Timer(); };
    setCaption(QStringLiteral("Grisk and Varnok"));
    setBackColor(kTableGreen);
    Move(0, 0, 12000, 9000);

    // Design-time templates: hidden, card-sized, the table's colour. Seats 3
    // and 4 only ever show small cards.
    for (vb::ControlArray* a : {&Picture7, &Picture1, &Picture2, &Picture3}) {
        vb::Control& t = (*a)(0);
        const bool small = a == &Picture2 || a == &Picture3;
        t.setGeometryTw(0, 0, small ? kSmallCardWidthTw : kCardWidthTw, small ? kSmallCardHeightTw : kCardHeightTw);
        t.setBackColor(kTableGreen);
        t.setBorderStyle(0);
        t.setVisible(false);
        t.setOwnScaleMode(vb::ScaleMode::Pixels);
    }
    Picture1.Load(1);
    // The side piles of seats 3 and 4 exist from the start, hidden.
    Picture2.Load(1).setGeometryTw(0, 75, kSmallCardWidthTw, kSmallCardHeightTw);
    Picture3.Load(1).setGeometryTw(0, 75, kSmallCardWidthTw, kSmallCardHeightTw);
    PicCenter(0).setGeometryTw(5400, 3600, kCardWidthTw, kCardHeightTw);
    PicCenter(0).setBackColor(kTableGreen);
    PicCenter(0).setBorderStyle(0);
    PicCenter(0).setVisible(false);
    for (int c = 1; c <= 3; ++c) PicCenter.Load(c);
    for (int i = 1; i <= 6; ++i) Label9.Load(i).setVisible(true);
    for (int i = 0; i <= 6; ++i) Label9(i).setGeometryTw(0, 0, 3000, 300);
    // The message and remark lines hold up to four lines of text ("It's your
    // turn..." comes after two line breaks; rule messages take three).
    Label9(1).setGeometryTw(0, 0, 3000, 780);
    Label9(2).setGeometryTw(0, 0, 3000, 1000);
    // The wild counters: the value a King on top of a centre pile stands for.
    LblWild(1).setGeometryTw(0, 0, screen::PixelsToTwips(24), screen::PixelsToTwips(17));
    LblWild(1).setAlignment(2);
    LblWild(1).setFontBold(true);
    LblWild(1).setForeColor(vb::RGB(255, 255, 128));
    LblWild(1).setVisible(false);
    for (int c = 2; c <= 3; ++c) LblWild.Load(c);
    // Frames behind the rows of hold piles.
    Label3(0).setCaption(QString::fromLatin1(kHumanHoldCaption));
    Label3.Load(1).setCaption(QString::fromLatin1(kSeat2HoldCaption));
    for (int i = 0; i <= 1; ++i) {
        vb::Control& frame = Label3(i);
        frame.setGeometryTw(0, 0, screen::PixelsToTwips(324), screen::PixelsToTwips(112));
        frame.setBackStyle(1);
        frame.setBackColor(kFrameGreen);
        frame.setForeColor(kFrameText);
        frame.setBorderStyle(1);
        frame.setFontSize(7.5);
        frame.setAlignment(2);
        frame.setVisible(true);
    }

    // Pay-off stack and hold-outline templates: card-sized plain backs.
    for (vb::ControlArray* a : {&Stack, &StackHold}) {
        vb::Control& t = (*a)(0);
        t.setGeometryTw(0, 0, kCardWidthTw, kCardHeightTw);
        t.setBackStyle(1);
        t.setBackColor(kTableGreen);
        t.setFillStyle(0);
        t.setFillColor(kTableGreen);
        t.setBorderStyle(1);
        t.setBorderColor(kEdgeColor);
        t.setVisible(false);
    }
    lblHoldCard(1).setBackStyle(0);
    lblHoldCard(1).setBorderStyle(1);
    lblHoldCard(1).setGeometryTw(0, 0, screen::PixelsToTwips(73), screen::PixelsToTwips(99));
    lblHoldCard(1).setVisible(false);
    lblHighlight.setBackStyle(1);
    lblHighlight.setBackColor(vb::RGB(255, 255, 0));
    lblHighlight.setGeometryTw(0, 0, screen::PixelsToTwips(81), screen::PixelsToTwips(106));
    lblHighlight.setVisible(false);
    Label1.setBackStyle(0);
    Label1.setBorderStyle(1);
    Label1.setGeometryTw(5325, 3525, screen::PixelsToTwips(81), screen::PixelsToTwips(106));
    Label1.setVisible(false);
    imgCenter.setGeometryTw(0, 0, screen::PixelsToTwips(262), screen::PixelsToTwips(128));
    imgMenu.setGeometryTw(90, 0, screen::PixelsToTwips(48), screen::PixelsToTwips(16));
    imgIcon.setGeometryTw(0, 0, screen::PixelsToTwips(32), screen::PixelsToTwips(32));
    imgIcon.setVisible(false);
    imgSlap.setGeometryTw(0, 0, screen::PixelsToTwips(40), screen::PixelsToTwips(40));
    // Its burst is drawn when a slap first shows it.
    imgSlap.setVisible(false);
    imgMenu.setPicture(control_art::MenuTab());
    picPanel.setOwnScaleMode(vb::ScaleMode::Pixels);
    picPanel.setBorderStyle(0);
    picPanel.setGeometryTw(0, 0, screen::PixelsToTwips(control_art::kStripW),
                           screen::PixelsToTwips(control_art::kStripH));
    picPanel.setVisible(false);
    for (vb::Control* l : {&lblRules, &lblLevel}) {
        l->setContainer(&picPanel);
        l->setBackStyle(0);
        l->setForeColor(vb::RGB(16, 24, 48));
        l->setFontSize(8);
        l->setAlignment(1);
        l->setGeometryTw(0, screen::PixelsToTwips(l == &lblRules ? 24 : 42), screen::PixelsToTwips(140),
                         screen::PixelsToTwips(16));
    }
    ImgAvatar.setGeometryTw(0, 0, screen::PixelsToTwips(130), screen::PixelsToTwips(130));
    ImgAvatar.setStretch(true);
    for (vb::Control* arrow : {&ImgTurn1, &ImgTurn2}) arrow->setGeometryTw(0, 0, screen::PixelsToTwips(24), screen::PixelsToTwips(24));

    StatusBar1.setPanelCount(kStatusPanels);
    designStatusPanels(StatusBar1);
    StatusBar1.setGeometryTw(0, 0, 0, 330);
    StatusBar1.setAlign(2);
    AlignControls();
    StatusBar1.setVisible(false);
    cmdDeal.setCaption(QStringLiteral("&Deal"));
    cmdDeal.setBackColor(vb::RGB(192, 192, 192));
    cmdDeal.setGeometryTw(5200, 7000, 1200, 450);
    cmdDeal.setVisible(false);
    ImgTurn1.setVisible(false);
    ImgTurn2.setVisible(false);
    ImgHold.setVisible(false);
    // The peek notice: two lines of bold text over the felt.
    LabelPeek.setGeometryTw(0, 0, 2700, 600);
    LabelPeek.setBackStyle(0);
    LabelPeek.setFontBold(true);
    LabelPeek.setForeColor(vb::RGB(255, 255, 128));
    LabelPeek.setVisible(false);
    StatusMsg.setGeometryTw(2400, 3300, 7200, 1500);
    StatusMsg.setAlignment(2);
    StatusMsg.setWordWrap(true);
    StatusMsg.setFontSize(12);
    StatusMsg.setFontBold(true);
    StatusMsg.setBackColor(vb::RGB(255, 255, 192));
    StatusMsg.setBorderStyle(1);
    StatusMsg.setVisible(false);
    for (vb::Control* pointer : {&imgTip, &imgTipUp}) {
        pointer->setGeometryTw(0, 0, screen::PixelsToTwips(32), screen::PixelsToTwips(32));
        pointer->setVisible(false);
    }
}

vb::ControlArray& FrmGrisk::seatPictures(int seat) {
    switch (seat) {
    case 1: return Picture7;
    case 2: return Picture1;
    case 3: return Picture2;
    case 4: return Picture3;
    default: vb::raise(vb::ErrSubscript);
    }
}

int FrmGrisk::seatOf(const QString& pileArrayName) {
    static const char* const names[] = {"Picture7", "Picture1", "Picture2", "Picture3"};
    for (int seat = 1; seat <= 4; ++seat)
        if (pileArrayName == QLatin1String(names[seat - 1])) return seat;
    return 0;
}

FrmGrisk& frmGrisk() {
    return vb::DefaultInstance<FrmGrisk>::get();
}

bool FrmGriskExists() { return vb::DefaultInstance<FrmGrisk>::exists(); }

void ReleaseFrmGrisk() { vb::DefaultInstance<FrmGrisk>::release(); }

}  // namespace grisk
