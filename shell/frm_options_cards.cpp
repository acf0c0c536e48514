// The card pages of the preferences window: "Pick a Card" (the deck style,
// with six faces of the deck picked) and "Deck Styles" (the back design,
// the plain back's colour and the mat colour).
#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/eventwait.h"
#include "records/state.h"
#include "shell/frm_options.h"
#include "shell/state.h"
#include "table/background.h"
#include "table/card_drawing.h"
#include "table/cls_dll.h"
#include "table/frm_cards.h"
#include "table/frm_pic.h"
#include "table/layout_sizes.h"

namespace grisk {

namespace {
constexpr int32_t kPlainBackColor = 0xC0E0FF;   // the plain back's default colour
constexpr int32_t kFewColorsBack = 0xC0FFFF;    // the same on a screen of few colours
constexpr int32_t kSilverBack = 0xC0C0C0;
constexpr int32_t kGreen = 0x8000;
constexpr int kPreviewLarge = 99;
// The samples that show a whole card, and the deck preview in force.
constexpr int kSamples[] = {0, 1, 2, 4, 7, 10, 13, 15};
constexpr int kCurrentDeck = 15;

// The card sizes of the samples, twips: a large-font screen up to 15360
// twips wide shows the small card.
bool smallSamples() { return eng.LargeFonts && eng.ScreenWidthTw <= 15360; }

QImage plainBack() { return frmPic().FilePic(2).Picture(); }
}  // namespace

void FrmOptions::DisplayCardSize(int, int WhichDeck) {
    const double w = smallSamples() ? 885 : 1065;
    const double h = smallSamples() ? 1200 : 1440;
    const auto size = [&](vb::Control& c) { c.setGeometryTw(c.leftTw(), c.topTw(), w, h); };
    FilePic(kCurrentDeck).setBorderStyle(0);
    size(picCardBack(0));
    for (int i : kSamples) size(FilePic(i));
    if (WhichDeck == 0) FilePic(kCurrentDeck).setBorderStyle(1);
}

// ---- Page 1: Pick a Card --------------------------------------------------

void FrmOptions::startPickACard() {
    DisplayCardSize(recs.DeckStyle, recs.BackStyle);
    CmdApply.setEnabled(false);
    if (PickedDeck < 1 || PickedDeck > kLastDeckStyle) PickedDeck = kFirstFullDeck;
    vb::SelectOption(PickedDeck >= kFirstFullDeck ? OptCardSuit(PickedDeck) : OptCard(PickedDeck));
    ShowDeckStyle(PickedDeck);
}

void FrmOptions::ShowDeckStyle(int Index) {
    PickedDeck = Index;
    CmdApply.setEnabled(Index != recs.DeckStyle);
    if (Index >= kFirstFullDeck) {
        CardImages->GetCardFaces(Index);
        sheetDeck_ = Index;
        const int keep = recs.DeckStyle;
        recs.DeckStyle = Index;
        const std::pair<int, int> faces[] = {{1, 1}, {2, 15}, {4, 43}, {7, 46}, {10, 36}, {13, 39}};
        for (const auto& [sample, card] : faces) DrawCard(FilePic, sample, card, 0);
        recs.DeckStyle = keep;
        return;
    }
    vb::SelectOption(OptCard(Index));
    for (int k : {1, 4, 7, 10, 13}) {
        const int slot = (Index - 1) * 15 + k;
        FrmCards& deck = frmCards();
        FilePic(k).setPicture(deck.Image1(slot).Picture());
        if (k == 1) FilePic(2).setPicture(deck.Image1(slot + 1).Picture());
        waits::DoEvents();
        // The window may have closed meanwhile.
        if (!isLoaded()) return;
    }
}

bool FrmOptions::applyPickACard() {
    if (recs.DeckStyle == PickedDeck) return false;
    FrmGrisk& f = frmGrisk();
    f.Label9(2).setCaption(QStringLiteral("To change backgrounds, use the Up/Down Arrow keys."));
    if (!cmd.GameRestored) {
        f.Picture1(1).setVisible(false);
        f.Picture7(1).setVisible(false);
    }
    recs.DeckStyle = PickedDeck;
    if (recs.DeckStyle < kFirstFullDeck) {
        LoadRankCardImages();
    } else {
        if (sheetDeck_ != recs.DeckStyle) CardImages->GetCardFaces(recs.DeckStyle);
        sheetDeck_ = recs.DeckStyle;
        MakeSmallCardFiles();
    }
    if (recs.BackStyle == 1) {
        if (recs.DeckStyle == 6 || recs.DeckStyle == 8) recs.PlainColor = kPlainBackColor;
        if (recs.DeckStyle == 9) recs.PlainColor = kSilverBack;
    }
    return true;
}

// ---- Page 2: Deck Styles --------------------------------------------------

void FrmOptions::startDeckStyles() {
    HScrollBacks.setMax(CardImages->GetBacksQuantity());
    HScrollBacks.setValue(std::clamp(recs.BackStyle, 0, HScrollBacks.Max()));
    HScrollBacks_Change();
    vb::Control& design = picCardBack(0);
    if (recs.BackStyle != 0) {
        CardImages->GetCardBacks(HScrollBacks.Value(), *this, kPreviewLarge, false);
    } else {
        design.setPicture(plainBack());
        design.setBackColor(recs.PlainColor);
    }
    DisplayCardSize(recs.DeckStyle, recs.BackStyle);
    CardImages->GetCardBacks(1, *this, 0, false);
    FilePic(kCurrentDeck).setBackColor(recs.PlainColor);
    FilePic(kCurrentDeck).setPicture(recs.BackStyle != 0 ? design.Picture() : plainBack());
    if (eng.ColorDepth < 16) FilePic(0).setBackColor(kFewColorsBack);
    TileBackground(*this, &picBack);
    // The design shows whole, the scroll bar just below it.
    const QRectF at = design.rectPx();
    design.setRectPx(QRectF(at.x(), at.y(), 71, 96));
    const QRectF bar = HScrollBacks.rectPx();
    HScrollBacks.setRectPx(QRectF(bar.x(), at.y() + 96 + 2, bar.width(), bar.height()));
    Frame1.setBackColor(recs.TableColor);
    LblImage(1).setCaption(QStringLiteral("Plain Deck Style:\r\nPlain deck back color can be changed."));
    LblImage(2).setCaption(
        QStringLiteral("Deck Back Style:\r\n\r\nClick on the scroll bar below to change the Deck back style."));
    PickedBack = recs.BackStyle;
}

void FrmOptions::HScrollBacks_Change() {
    const int v = HScrollBacks.Value();
    vb::Control& design = picCardBack(0);
    LblImage(1).setVisible(v == 0);
    Command2(0).setVisible(v == 0);
    if (v == 0) {
        design.setPicture(plainBack());
        design.setBorderStyle(1);
    } else {
        CardImages->GetCardBacks(v, *this, kPreviewLarge, false);
        design.setBorderStyle(0);
    }
    PickedBack = v;
    CmdApply.setEnabled(true);
}

void FrmOptions::picCardBack_Click(int index) {
    if (HScrollBacks.Value() != 0 || index != 0) return;
    picCardBack(0).setBackColor(eng.ColorDepth >= 16 ? kPlainBackColor : kFewColorsBack);
    HScrollBacks_Change();
}

void FrmOptions::FilePic_Click(int index) {
    if (index == 5 || index == 6) {
        vb::Control& holder = optPlaceHolder(index - 5);
        if (holder.Value() != 1) {
            vb::SelectOption(holder);
            Click(holder);
        }
        return;
    }
    if (index != 0) {
        CmdApply.setEnabled(false);
        return;
    }
    // The defaults: back design 1 and the green mat.
    CmdApply.setEnabled(true);
    FilePic(kCurrentDeck).setBackColor(recs.DeckStyle == 7 ? kSilverBack : kPlainBackColor);
    PickedBack = 1;
    if (HScrollBacks.Value() != 1) {
        HScrollBacks.setValue(1);
        HScrollBacks_Change();
    }
    Frame1.setBackColor(kGreen);
    DisplayCardSize(recs.DeckStyle, PickedBack);
    FilePic(kCurrentDeck).setPicture(FilePic(0).Picture());
}

void FrmOptions::Command2_Click(int index) {
    int32_t colour = 0;
    switch (index) {
    case 0: colour = recs.PlainColor; break;
    case 1: colour = recs.TableColor; break;
    case 2: colour = recs.NameColor; break;
    case 3: colour = Frame3.BackColor(); break;
    default: return;
    }
    if (!ChooseColour(colour)) return;
    CmdApply.setEnabled(true);
    switch (index) {
    case 0: picCardBack(0).setBackColor(colour); break;
    case 1: Frame1.setBackColor(colour); break;
    case 2:
        for (int i = 0; i <= 1; ++i) LblFont(i).setForeColor(colour);
        break;
    case 3:
        Frame3.setBackColor(colour);
        if (CKFnt.Value() == 1) LblFont(1).setBackColor(colour);
        break;
    default: break;
    }
}

void FrmOptions::applyDeckStyles() {
    recs.BackStyle = PickedBack;
    recs.TableColor = Frame1.BackColor();
    vb::Control& current = FilePic(kCurrentDeck);
    if (recs.BackStyle == 1 && (recs.DeckStyle == 6 || recs.DeckStyle == 8)) {
        recs.PlainColor = kPlainBackColor;
    } else if (recs.BackStyle == 1 && recs.DeckStyle == 7) {
        recs.PlainColor = kSilverBack;
    } else {
        recs.PlainColor = picCardBack(0).BackColor();
        current.setBackColor(recs.PlainColor);
    }
    const QImage shown = picCardBack(0).Picture();
    current.setPicture(shown);
    if (recs.BackStyle != 0 && !shown.isNull())
        current.setRectPx(QRectF(current.rectPx().topLeft(), QSizeF(shown.width(), shown.height())));
    CardImages->GetCardBacks(recs.BackStyle, frmPic(), 0, false);
    SetHoldImagePicture();
}

}  // namespace grisk
