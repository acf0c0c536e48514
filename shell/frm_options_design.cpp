// The preferences window as designed: the tab strip, its four pages and the
// controls on them. Positions are twips of the window; a page's controls
// are placed from the page's corner.
#include "records/dialog_look.h"
#include "shell/frm_options.h"
#include "table/cls_dll.h"

namespace grisk {

namespace {
// The tab strip as the window opens, and the row of its tabs.
constexpr double kTabLeft = 100;
constexpr double kTabTop = 100;
constexpr double kTabWidth = kOptionsTabWidth;
constexpr double kTabHeight = kOptionsTabHeight;
constexpr double kTabRow = vb::kTabRowHeightTw;
// The pages cover the tab strip below its tabs, inside its border.
constexpr double kPageLeft = kTabLeft + 30;
constexpr double kPageTop = kTabTop + kTabRow + 15;
constexpr double kPageWidth = kTabWidth - 60;
constexpr double kPageHeight = kTabHeight - kTabRow - 45;
// A card sample at full size.
constexpr double kCardW = 1065;
constexpr double kCardH = 1440;
constexpr double kRow = 300;
}  // namespace

FrmOptions::FrmOptions()
    : vb::Form(QStringLiteral("frmOptions")),
      tbsOptions(addControl(vb::Kind::TabStrip, "tbsOptions")),
      FrmOp(addArray(vb::Kind::PictureBox, "FrmOp", 0)),
      cmdOK(addControl(vb::Kind::CommandButton, "cmdOK")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")),
      CmdApply(addControl(vb::Kind::CommandButton, "CmdApply")),
      FilePic(addArray(vb::Kind::PictureBox, "FilePic", 0)),
      LblImage(addArray(vb::Kind::Label, "LblImage", 0)),
      Label8(addControl(vb::Kind::Label, "Label8")),
      OptCard(addArray(vb::Kind::OptionButton, "OptCard", 1)),
      Label2(addControl(vb::Kind::Label, "Label2")),
      OptCardSuit(addArray(vb::Kind::OptionButton, "OptCardSuit", 6)),
      Label1(addControl(vb::Kind::Label, "Label1")),
      picCardBack(addArray(vb::Kind::PictureBox, "picCardBack", 0)),
      HScrollBacks(addControl(vb::Kind::HScrollBar, "HScrollBacks")),
      Frame1(addControl(vb::Kind::Frame, "Frame1")),
      picBack(addControl(vb::Kind::PictureBox, "picBack")),
      Command2(addArray(vb::Kind::CommandButton, "Command2", 0)),
      picBackFnt(addControl(vb::Kind::PictureBox, "picBackFnt")),
      LblFont(addArray(vb::Kind::Label, "LblFont", 0)),
      Frame3(addControl(vb::Kind::Frame, "Frame3")),
      Label4(addControl(vb::Kind::Label, "Label4")),
      CKFnt(addControl(vb::Kind::CheckBox, "CKFnt")),
      CmdRestore(addControl(vb::Kind::CommandButton, "CmdRestore")),
      CmdSz(addArray(vb::Kind::CommandButton, "CmdSz", 0)),
      fraSound(addControl(vb::Kind::Frame, "fraSound")),
      OptSound(addArray(vb::Kind::OptionButton, "OptSound", 0)),
      fraMenu(addControl(vb::Kind::Frame, "fraMenu")),
      OptMenu(addArray(vb::Kind::OptionButton, "OptMenu", 0)),
      fraHolder(addControl(vb::Kind::Frame, "fraHolder")),
      optPlaceHolder(addArray(vb::Kind::OptionButton, "optPlaceHolder", 0)),
      ckIntro(addControl(vb::Kind::CheckBox, "ckIntro")) {
    setCaption(QStringLiteral("Preferences"));
    setBackColor(kDialogBackColor);
    KeyPreview = true;
    tbsOptions.setGeometryTw(kTabLeft, kTabTop, kTabWidth, kTabHeight);
    tbsOptions.setBackColor(kDialogBackColor);
    tbsOptions.setTabs(kOptionsPages);
    const char* tabs[] = {"Pick a Card", "Deck Styles", "Font and Background", "Sounds and Style"};
    const char* tips[] = {"Set Card Style", "Set Deck Style", "Set Font ", "Set card sounds"};
    for (int i = 0; i < kOptionsPages; ++i) {
        tbsOptions.setTabCaption(i, QString::fromLatin1(tabs[i]));
        tbsOptions.setTabToolTip(i, QString::fromLatin1(tips[i]));
    }
    for (vb::Control* button : {&cmdOK, &CmdCancel, &CmdApply}) button->setBackColor(kDialogButtonColor);
    cmdOK.setCaption(QStringLiteral("&OK"));
    CmdCancel.setCaption(QStringLiteral("&Cancel"));
    CmdApply.setCaption(QStringLiteral("&Apply"));
    designPages();
}

FrmOptions::~FrmOptions() = default;

void FrmOptions::designPages() {
    LoadElements(FrmOp, 0, kOptionsPages - 1);
    // Each page lies on its tab of the strip and shows while that tab does.
    for (int i = 0; i < kOptionsPages; ++i) {
        FrmOp(i).setGeometryTw(kPageLeft, kPageTop, kPageWidth, kPageHeight);
        FrmOp(i).setBackColor(kDialogBackColor);
        FrmOp(i).setBorderStyle(0);
        FrmOp(i).setContainer(&tbsOptions, i);
    }
    // A control on page p, placed from the page's corner.
    const auto at = [this](vb::Control& c, int page, const QString& caption, double left, double top, double width,
                           double height, vb::Control* box = nullptr) {
        DialogControl(c, caption, kPageLeft + left, kPageTop + top, width, height, box ? box : &FrmOp(page));
        c.setVisible(true);
    };
    const auto card = [&](int index, int page, double left, double top) {
        vb::Control& pic = FilePic.ensure(index);
        at(pic, page, QString(), left, top, kCardW, kCardH);
        pic.setBackColor(0xFFFFFF);
    };

    // Page 1: the deck styles and six faces of the one picked.
    LblImage.ensure(0);
    LblImage.ensure(1);
    LblImage.ensure(2);
    LblImage.ensure(4);
    at(LblImage(4), 0, QString(), 120, 100, 6300, 480);
    LblImage(4).setWordWrap(true);
    at(Label8, 0, QStringLiteral("Numbers only card decks:"), 120, 620, 6300, 255);
    const char* numbers[] = {"Voze", "Varnok", "Sport", "Grisk", "Raz"};
    for (int i = 1; i <= 5; ++i)
        at(OptCard.ensure(i), 0, QString::fromLatin1(numbers[i - 1]), 120 + (i - 1) * 1050, 900, 1000, kRow);
    at(Label2, 0, QStringLiteral("Numbers and Suits card decks:"), 120, 1300, 6300, 255);
    const char* suits[] = {"Standard", "Tile", "Bright", "Metal"};
    for (int i = 6; i <= kLastDeckStyle; ++i)
        at(OptCardSuit.ensure(i), 0, QString::fromLatin1(suits[i - 6]), 120 + (i - 6) * 1300, 1580, 1240, kRow);
    const int faces[] = {1, 2, 4, 7, 10, 13};
    for (int k = 0; k < 6; ++k) card(faces[k], 0, 1000 + (k % 3) * (kCardW + 600), 2020 + (k / 3) * (kCardH + 120));

    // Page 2: the back in force, the defaults, the designs and the mat.
    at(Label1, 1, QStringLiteral("Current Deck Selection:"), 120, 100, 2300, 255);
    card(15, 1, 120, 400);
    FilePic(15).setToolTipText(QStringLiteral("Current Deck Preview"));
    at(LblImage(0), 1, QStringLiteral("Reset defaults:"), 2500, 100, 1600, 255);
    card(0, 1, 2500, 400);
    FilePic(0).setToolTipText(QStringLiteral("Click here to restore default deck and mat color"));
    vb::Control& design = picCardBack.ensure(0);
    at(design, 1, QString(), 4600, 400, kCardW, kCardH);
    design.setToolTipText(QStringLiteral("Click the scroll bar below to view more deck backs"));
    at(HScrollBacks, 1, QString(), 4300, 400 + kCardH + 30, 1665, 255);
    at(LblImage(2), 1, QString(), 120, 2000, 3300, 800);
    LblImage(2).setWordWrap(true);
    at(LblImage(1), 1, QString(), 4300, 2200, 2100, 500);
    LblImage(1).setWordWrap(true);
    at(Command2.ensure(0), 1, QStringLiteral("Deck Color"), 4300, 2760, 1500, 360);
    Command2(0).setToolTipText(QStringLiteral("Click on the SM card to reset default card back color"));
    at(Frame1, 1, QString(), 120, 3000, 2500, 2100);
    at(Command2.ensure(1), 1, QStringLiteral("Mat Color"), 600, 4500, 1500, 360, &Frame1);
    at(picBack, 1, QString(), 2800, 3300, 3600, 1800);

    // Page 3: the samples of the label font on the background and the mat.
    at(picBackFnt, 2, QString(), 120, 100, 6300, 1900);
    picBackFnt.setBorderStyle(1);
    at(LblFont.ensure(0), 2, QString(), 300, 2750, 5940, 1100);
    at(LblFont.ensure(1), 2, QString(), 240, 200, 6060, 1700, &picBackFnt);
    at(Label4, 2, QStringLiteral("Rozoreri Comments Area"), 120, 2150, 6300, 255);
    Label4.setAlignment(2);
    at(Frame3, 2, QString(), 120, 2450, 6300, 1500);
    LblFont(0).setContainer(&Frame3);
    for (int i = 0; i <= 1; ++i) {
        LblFont(i).setWordWrap(true);
        LblFont(i).setAlignment(2);
        LblFont(i).setBackStyle(0);
    }
    at(Command2.ensure(3), 2, QStringLiteral("Mat Color"), 120, 4100, 1200, 380);
    at(Command2.ensure(2), 2, QStringLiteral("Font Color"), 1400, 4100, 1200, 380);
    at(CmdRestore, 2, QStringLiteral("Default"), 2680, 4100, 1000, 380);
    at(CmdSz.ensure(0), 2, QStringLiteral("+size"), 3760, 4100, 760, 380);
    at(CmdSz.ensure(1), 2, QStringLiteral("-size"), 4560, 4100, 760, 380);
    at(CKFnt, 2, QStringLiteral("Use Font Backdrop"), 120, 4650, 2600, kRow);

    // Page 4: card sounds, menu style, placeholders and the intro.
    at(fraSound, 3, QStringLiteral("Card Sound Effects"), 120, 100, 3000, 1400);
    const char* sounds[] = {" Wood", " Metallic", "No game sounds"};
    for (int i = 0; i <= 2; ++i) at(OptSound.ensure(i), 3, QString::fromLatin1(sounds[i]), 300, 420 + i * 340, 2200, kRow, &fraSound);
    at(fraMenu, 3, QStringLiteral("Drop Down Menu Style"), 3300, 100, 3120, 1400);
    for (int i = 0; i <= 1; ++i)
        at(OptMenu.ensure(i), 3, i == 0 ? QStringLiteral("Wood") : QStringLiteral("Metallic"), 3480, 420 + i * 340,
           2200, kRow, &fraMenu);
    at(fraHolder, 3, QStringLiteral("Card Place Holder Styles"), 120, 1650, 6300, 2550);
    for (int i = 0; i <= 1; ++i) {
        at(optPlaceHolder.ensure(i), 3, i == 0 ? QStringLiteral("Wood") : QStringLiteral("Metallic"),
           800 + i * 3000, 1980, 1400, kRow, &fraHolder);
        card(5 + i, 3, 800 + i * 3000, 2350);
        FilePic(5 + i).setContainer(&fraHolder);
    }
    at(ckIntro, 3, QStringLiteral("No game Intro Music"), 120, 4400, 3000, kRow);
}

}  // namespace grisk
