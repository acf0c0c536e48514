#include "shell/frm_options.h"

#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/keys.h"
#include "platform/vberror.h"
#include "records/dialog_look.h"
#include "records/state.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/cls_dll.h"
#include "table/form_skin.h"
#include "table/frm_cards.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"
#include "table/layout_redraw.h"
#include "table/pile_info.h"
#include "table/pile_labels.h"
#include "table/state.h"

namespace grisk {

namespace {
constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kGreen = 0x8000;

// The label font's default size: smaller on a large-font screen.
int defaultLabelFont() { return eng.LargeFonts ? 10 : 12; }
}  // namespace

bool ChooseColour(int32_t& colour) {
    vb::CommonDialog dlg;
    dlg.Flags = vb::cdlCCRGBInit;
    dlg.Color = colour;
    dlg.CancelError = true;
    try {
        dlg.ShowColor();
    } catch (const vb::Error& e) {
        if (e.number() == vb::cdlCancel) return false;
        throw;
    }
    colour = dlg.Color;
    return true;
}

int FrmOptions::SelectedTab() const { return tbsOptions.Tab() + 1; }

void FrmOptions::SelectTab(int index) {
    tbsOptions.setTab(std::clamp(index, 1, kOptionsPages) - 1);
    tbsOptions_Click();
}

void FrmOptions::Form_Load() {
    CardImages = std::make_unique<clsDLL>();
    // The window round the tab strip, its buttons below it on the right.
    tbsOptions.setHeight(kOptionsTabHeight);
    tbsOptions.setWidth(kOptionsTabWidth);
    const double buttonTop = tbsOptions.Top() + kOptionsTabHeight + 200;
    const double buttonW = 1200;
    const double right = tbsOptions.Left() + kOptionsTabWidth;
    cmdOK.setGeometryTw(right - 3 * buttonW - 240, buttonTop, buttonW, 420);
    CmdCancel.setGeometryTw(right - 2 * buttonW - 120, buttonTop, buttonW, 420);
    CmdApply.setGeometryTw(right - buttonW, buttonTop, buttonW, 420);
    setWidth(right + tbsOptions.Left() + vb::FrameWidthTw());
    setHeight(buttonTop + 420 + 200 + vb::FrameHeightTw());

    eng.SkipGameSave = false;
    frmStdSm();
    PickedDeck = recs.DeckStyle;
    sheetDeck_ = recs.DeckStyle;
    const double screenHeight = eng.ScreenHeightTw > 0 ? eng.ScreenHeightTw : Height();
    Move((eng.ScreenWidthTw - Width()) / 2, (screenHeight - Height()) / 2, Width(), Height());

    LblImage(4).setCaption(QStringLiteral("Select the style of cards you would like to use below. Choose a deck "
                                          "with numbers and suits or numbers only."));
    if (eng.LargeFonts && eng.ScreenWidthTw <= 15360)
        for (int i : {5, 6}) FilePic(i).setGeometryTw(FilePic(i).leftTw(), FilePic(i).topTw(), 885, 1200);
    const FrmPic& store = frmPic();
    FilePic(5).setPicture(store.ImgEmpty3.Picture());
    FilePic(6).setPicture(store.ImgEmpty2.Picture());
    vb::SelectOption(OptSound(std::clamp(recs.SoundSet, 0, 2)));
    PickedSound = recs.SoundSet;
    CmdApply.setEnabled(false);
    CmdCancel.setEnabled(true);
    SelectTab(kPickACard);
}

void FrmOptions::tbsOptions_Click() {
    switch (SelectedTab()) {
    case kPickACard: startPickACard(); break;
    case kDeckStyles: startDeckStyles(); break;
    case kFontAndBackground: startFontAndBackground(); break;
    case kSoundsAndStyle: startSoundsAndStyle(); break;
    default: break;
    }
    CmdApply.setEnabled(false);
}

void FrmOptions::Form_KeyDown(int& keyCode, int shift) {
    if (keyCode == vb::vbKeyTab && shift == vb::vbCtrlMask) {
        SelectTab(SelectedTab() % kOptionsPages + 1);
        keyCode = 0;
    } else if ((keyCode == vb::vbKeyUp || keyCode == vb::vbKeyDown) && shift == 0) {
        int key = keyCode;
        HandleKeyDown(key, 0);
        tileBackgrounds();
        // Stepped once: the control with the focus sees nothing of it.
        keyCode = 0;
    }
}

void FrmOptions::KeyDown(vb::Control& c, int& keyCode, int shift) {
    // The tab strip steps the background as the window does.
    if (&c == &tbsOptions) Form_KeyDown(keyCode, shift);
}

void FrmOptions::tileBackgrounds() {
    if (SelectedTab() == kFontAndBackground) TileBackground(*this, &picBackFnt);
    if (SelectedTab() == kDeckStyles) TileBackground(*this, &picBack);
}

void FrmOptions::Click(vb::Control& c) {
    const QString& name = c.Name();
    if (&c == &tbsOptions)
        tbsOptions_Click();
    else if (&c == &cmdOK)
        cmdOK_Click();
    else if (&c == &CmdCancel)
        CmdCancel_Click();
    else if (&c == &CmdApply)
        CmdApply_Click();
    else if (name == QLatin1String("OptCard") || name == QLatin1String("OptCardSuit"))
        ShowDeckStyle(c.Index());
    else if (name == QLatin1String("FilePic"))
        FilePic_Click(c.Index());
    else if (name == QLatin1String("picCardBack"))
        picCardBack_Click(c.Index());
    else if (name == QLatin1String("Command2"))
        Command2_Click(c.Index());
    else if (name == QLatin1String("CmdSz"))
        CmdSz_Click(c.Index());
    else if (&c == &CmdRestore)
        CmdRestore_Click();
    else if (&c == &CKFnt)
        CKFnt_Click();
    else if (name == QLatin1String("OptSound")) {
        PickedSound = c.Index();
        if (PickedSound != recs.SoundSet) CmdApply.setEnabled(true);
    } else if (name == QLatin1String("OptMenu") || name == QLatin1String("optPlaceHolder") || &c == &ckIntro) {
        CmdApply.setEnabled(true);
    }
}

void FrmOptions::Change(vb::Control& c) {
    if (&c == &HScrollBacks) HScrollBacks_Change();
}

// ---- Apply, OK, Cancel and closing ---------------------------------------

void FrmOptions::CmdApply_Click() {
    bool deckChanged = false;
    switch (SelectedTab()) {
    case kPickACard: deckChanged = applyPickACard(); break;
    case kDeckStyles: applyDeckStyles(); break;
    case kFontAndBackground: applyFontAndBackground(); break;
    case kSoundsAndStyle: applySoundsAndStyle(); break;
    default: break;
    }
    // A new deck style is always drawn, its pay-off piles too.
    if (CmdApply.Enabled() || deckChanged) RedrawTable();
    CmdApply.setEnabled(false);
}

void FrmOptions::cmdOK_Click() {
    CmdApply_Click();
    picBack.setPicture(QImage());
    picBackFnt.setPicture(QImage());
    Unload();
}

void FrmOptions::CmdCancel_Click() {
    eng.SkipGameSave = true;
    Unload();
}

void FrmOptions::Form_QueryUnload(int&, int) {
    // Whichever way the window closes, the face sheet holds the faces of the
    // deck in force again when another full deck was previewed.
    if (recs.DeckStyle >= kFirstFullDeck && sheetDeck_ != recs.DeckStyle && CardImages) {
        CardImages->GetCardFaces(recs.DeckStyle);
        if (tbl.DisplayMode > 1 || eng.NumPlayers > 2) MakeSmallCardFiles();
    }
    eng.SkipGameSave = false;
    CardImages.reset();
}

void FrmOptions::Form_Unload(int&) {
    // A numbers-only deck does not use the sheet.
    if (recs.DeckStyle < kFirstFullDeck && FrmStdSmExists()) frmStdSm().Unload();
    if (FrmCardsExists()) ReleaseFrmCards();
}

// ---- Page 3: Font and Background ------------------------------------------

void FrmOptions::startFontAndBackground() {
    TileBackground(*this, &picBackFnt);
    Frame3.setBackColor(recs.TableColor);
    const double size = FrmGriskExists() ? frmGrisk().Label9(2).FontSize() : recs.NameFontSize;
    for (int i = 0; i <= 1; ++i) LblFont(i).setFontSize(size);
    if (recs.OpaqueLabels) {
        CKFnt.setValue(1);
        LblFont(1).setBackStyle(1);
        LblFont(1).setBackColor(recs.TableColor);
    }
    for (int i = 0; i <= 1; ++i) LblFont(i).setForeColor(recs.NameColor);
    LblFont(0).setCaption(QStringLiteral("This is how the font size and color appear on the matt background."));
    LblFont(1).setCaption(QStringLiteral("This is how the font size and color appear on the picture background.\r\n\r\n"
                                         "Use the Up/Down arrow keys to change backgrounds."));
}

void FrmOptions::CmdSz_Click(int index) {
    const double size = std::clamp(LblFont(0).FontSize() + (index == 0 ? 1 : -1),
                                    static_cast<double>(kSmallestLabelFont), static_cast<double>(kLargestLabelFont));
    for (int i = 0; i <= 1; ++i) LblFont(i).setFontSize(size);
    CmdApply.setEnabled(true);
}

void FrmOptions::CmdRestore_Click() {
    for (int i = 0; i <= 1; ++i) {
        LblFont(i).setFontSize(defaultLabelFont());
        LblFont(i).setForeColor(kWhite);
    }
    Frame3.setBackColor(kGreen);
    if (CKFnt.Value() == 1) LblFont(1).setBackColor(kGreen);
    CmdApply.setEnabled(true);
}

void FrmOptions::CKFnt_Click() {
    if (CKFnt.Value() == 1) {
        LblFont(1).setBackStyle(1);
        LblFont(1).setBackColor(Frame3.BackColor());
    } else {
        LblFont(1).setBackStyle(0);
    }
    CmdApply.setEnabled(true);
}

void FrmOptions::applyFontAndBackground() {
    recs.TableColor = Frame3.BackColor();
    recs.NameColor = LblFont(0).ForeColor();
    recs.OpaqueLabels = CKFnt.Value() == 1;
    if (!FrmGriskExists()) return;
    FrmGrisk& f = frmGrisk();
    f.Label9(2).setFontSize(LblFont(0).FontSize());
    f.Label9(2).setBackStyle(recs.OpaqueLabels ? 1 : 0);
    if (recs.OpaqueLabels) f.Label9(2).setBackColor(recs.TableColor);
    for (int i = 1; i <= eng.NumPlayers + 2; ++i) {
        if (f.Label9.exists(i)) f.Label9(i).setForeColor(recs.NameColor);
        if (i <= eng.NumCenters && f.LblWild.exists(i)) f.LblWild(i).setFontSize(LblFont(0).FontSize());
    }
}

// ---- Page 4: Sounds and Style ---------------------------------------------

void FrmOptions::startSoundsAndStyle() {
    vb::SelectOption(OptSound(recs.SoundLevel == 2 ? 2 : std::clamp(recs.SoundSet, 0, 1)));
    vb::SelectOption(OptMenu(recs.MenuStyle != 0 ? 1 : 0));
    ckIntro.setValue(recs.IntroMusic ? 1 : 0);
    vb::SelectOption(optPlaceHolder(recs.SkinOn ? 0 : 1));
}

void FrmOptions::applySoundsAndStyle() {
    if (PickedSound > 1)
        recs.SoundLevel = 2;
    else
        recs.SoundSet = PickedSound;
    recs.MenuStyle = OptMenu(1).Value() == 1 ? 1 : 0;
    recs.IntroMusic = ckIntro.Value() == 1;
    recs.SkinOn = optPlaceHolder(0).Value() == 1;
    ApplyFormSkin(frmHold());
    if (FrmGriskExists()) PositionPileLabels();
    if (inet.NetPeers != 0 && FrmChatExists()) ApplyFormSkin(frmChat());
}

FrmOptions& frmOptions() { return vb::DefaultInstance<FrmOptions>::get(); }
bool FrmOptionsExists() { return vb::DefaultInstance<FrmOptions>::exists(); }
void ReleaseFrmOptions() { vb::DefaultInstance<FrmOptions>::release(); }

void ShowOptionsWindow() { ShowDialogAsDesigned(frmOptions()); }

}  // namespace grisk
