#include "table/pile_info.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/class1.h"
#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_art.h"
#include "table/card_drawing.h"
#include "table/form_scaling.h"
#include "table/form_skin.h"
#include "table/layout_sizes.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

namespace grisk {

namespace {
constexpr int kShown = 10;
constexpr double kSmallW = screen::PixelsToTwips(kSmallCardWidthPx);
constexpr double kSmallH = screen::PixelsToTwips(kSmallCardHeightPx);
constexpr int kOverlapTw = 60;   // each card covers this much of the one before
constexpr int kCaptionTw = 300;  // the caption line above the cards
constexpr int kMarginTw = 100;
constexpr int kButtonTw = 300;

// The window placed where it was left, every picture empty.
FrmHold& prepareWindow() {
    FrmHold& w = frmHold();
    // Every way of showing the window fills it first.
    w.PaintSkinIfDue();
    if (w.WindowState() == 1) {
        w.Show();
        w.setWindowState(0);
    }
    w.setLeft(recs.HoldLeft);
    w.setTop(recs.HoldTop);
    for (int i = 1; i <= kShown; ++i) DrawCard(w.Picture8, i, 0, kEmptyMark);
    return w;
}

// The hidden cards from depth n (right under the top) down, at most ten.
void showCards(FrmHold& w, int n, const std::function<int(int)>& cardAt, const QString& caption) {
    w.lblHold.setCaption(caption);
    const int deepest = n > kShown ? n - kShown + 1 : 1;
    int pic = 1;
    for (int k = n; k >= deepest; --k) DrawCard(w.Picture8, pic++, cardAt(k), 0);
}

bool holdPileShown() { return eng.InfoPile >= 7 && eng.InfoPile <= 10; }
}  // namespace

FrmHold::FrmHold()
    : vb::Form(QStringLiteral("frmHold")),
      Picture8(addArray(vb::Kind::PictureBox, "Picture8", 1)),
      lblHold(addControl(vb::Kind::Label, "lblHold")),
      ImgHold(addControl(vb::Kind::Image, "ImgHold")),
      cmdExit(addArray(vb::Kind::CommandButton, "cmdExit", 0)),
      Line1(addArray(vb::Kind::Line, "Line1", 0)),
      Line2(addArray(vb::Kind::Line, "Line2", 0)) {
    setCaption(QStringLiteral("Hidden cards"));
    setBorderless(true);
    setBackColor(0x404000);
    Picture8(1).setGeometryTw(kMarginTw, kCaptionTw + kMarginTw, 1000, 1300);
    Picture8(1).setBorderStyle(1);
    ImgHold.setPicture(card_art::Back(0, true));
    ImgHold.setVisible(false);
    lblHold.setGeometryTw(kMarginTw, 60, 4000, kCaptionTw - 60);
    lblHold.setBackStyle(0);
    lblHold.setForeColor(0x202020);  // dark on the light skins
    lblHold.setFontBold(true);
    cmdExit(0).setCaption(QStringLiteral("x"));
    cmdExit(0).setToolTipText(QStringLiteral("Hide"));
    cmdExit(0).setGeometryTw(0, 30, kButtonTw, kCaptionTw - 60);
    cmdExit.Load(1).setCaption(QStringLiteral("o"));
    cmdExit(1).setToolTipText(QStringLiteral("Keep the window here"));
    cmdExit(1).setVisible(true);
    Move(recs.HoldLeft, recs.HoldTop, 6000, kCaptionTw + kSmallH + 2 * kMarginTw);
    DesignFormBorderLines(*this);
}

FrmHold::~FrmHold() = default;

void FrmHold::Form_Load() {
    ScaleCompanionWindow(*this);
    Picture8(1).setWidth(kSmallW);
    Picture8(1).setHeight(kSmallH);
    Picture8(1).setPicture(ImgHold.Picture());
    const double step = kSmallW - kOverlapTw;
    for (int i = 2; i <= kShown; ++i) {
        vb::Control& pic = Picture8.Load(i);
        pic.Move(Picture8(i - 1).Left() + step, Picture8(1).Top());
        pic.setVisible(true);
        pic.ZOrder(0);
    }
    setWidth(Picture8(kShown).Left() + kSmallW + kMarginTw);
    cmdExit(0).setLeft(Width() - cmdExit(0).Width() - 70);
    cmdExit(1).setLeft(cmdExit(0).Left() - cmdExit(0).Width());
    lblHold.setWidth(cmdExit(1).Left() - lblHold.Left());
    // Loaded with the table and shown much later, if ever: its skin waits.
    SelectEmptyPileImages();
    SkinWhenShown();
    DrawFormBorderLines(*this);
    onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(true);
    onTop_->setTopForm(*this);
}

void FrmHold::PaintSkinIfDue() {
    if (!skinDue_) return;
    skinDue_ = false;
    PaintFormSkin(*this);
}

void FrmHold::Form_QueryUnload(int& cancel, int unloadMode) {
    // Only the user's own close is turned into hiding; the program's unload
    // and the end of the desktop session go through.
    if (unloadMode != vb::vbFormControlMenu) return;
    cancel = 1;
    Hide();
}

void FrmHold::Form_Unload(int&) { onTop_.reset(); }

void FrmHold::Click(vb::Control& c) {
    RememberPosition();
    if (c.Name() == QLatin1String("cmdExit") && c.Index() == 0) Hide();
}

void FrmHold::FormClick() { RememberPosition(); }

void FrmHold::MouseMove(vb::Control& c, int button, int, double, double) {
    if (c.kind() == vb::Kind::CommandButton) return;
    DragWindow(button);
}

void FrmHold::FormMouseMove(int button, int, double, double) { DragWindow(button); }

void FrmHold::DragWindow(int button) {
    if (button == 1) DragByBody();
}

void FrmHold::RememberPosition() {
    // The profile keeps the place in 16-bit fields: a place beyond them is
    // kept at the nearest value that fits, never wrapped round.
    recs.HoldLeft = vb::ClampToInteger(std::llround(Left()));
    recs.HoldTop = vb::ClampToInteger(std::llround(Top()));
}

FrmHold& frmHold() { return vb::DefaultInstance<FrmHold>::getLoaded(); }
bool FrmHoldExists() { return vb::DefaultInstance<FrmHold>::exists(); }
void ReleaseFrmHold() { vb::DefaultInstance<FrmHold>::release(); }

bool PileInfoShown() {
    if (!FrmHoldExists()) return false;
    const FrmHold& w = vb::DefaultInstance<FrmHold>::get();
    return w.isLoaded() && w.Visible();
}

void LoadPileInfoWithSkin() {
    const bool loaded = FrmHoldExists() && vb::DefaultInstance<FrmHold>::get().isLoaded();
    FrmHold& w = frmHold();
    // A window loaded just now chose the marks and waits for its skin.
    if (!loaded) return;
    SelectEmptyPileImages();
    w.SkinWhenShown();
    if (w.Visible()) w.PaintSkinIfDue();
}

void HoldInfo(const vb::Array<int, 3>& holdPiles, const vb::Array<int, 1>& humanCounts, int, const QString&) {
    FrmHold& w = prepareWindow();
    if (!holdPileShown()) return;
    const int p = eng.InfoPile - 6;
    tbl.InfoSel(2) = eng.InfoPile;
    tbl.InfoSel(1) = 1;
    const int n = humanCounts(p);
    showCards(w, n, [&](int k) { return holdPiles(0, p, k); }, " Your Hold Cards Hidden:" + vb::Str(n) + " ");
}

void HoldInfo(const vb::Array<int, 3>& holdPiles, const vb::Array<int, 2>& table, int, const QString& name) {
    FrmHold& w = prepareWindow();
    if (!holdPileShown()) return;
    const int p = eng.InfoPile - 6;
    tbl.InfoSel(2) = eng.InfoPile;
    const int n = std::max(table(p, 1) - 1, 0);
    showCards(w, n, [&](int k) { return holdPiles(0, p, k); },
              " " + name + "'s Hold Cards Hidden:" + vb::Str(n) + " ");
}

void HoldInfo(const vb::Array<int, 2>& pile, const vb::Array<int, 2>&, int sideLeft, const QString&) {
    FrmHold& w = prepareWindow();
    if (eng.InfoPile == 1) {
        const int n = std::max(sideLeft - 1, 0);
        showCards(w, n, [&](int k) { return pile(0, k); }, " Side Cards Hidden:" + vb::Str(n) + " ");
    } else if (eng.InfoPile == 0) {
        const int n = eng.StockCount;
        showCards(w, n, [&](int k) { return pile(0, k); }, " Stock Cards Hidden:" + vb::Str(n) + " ");
    } else {
        return;
    }
    tbl.InfoSel(1) = 0;
    tbl.InfoSel(2) = 0;
}

void ShowPileInfo(const PlayerRecord& rec, int seat) {
    const bool moving = seat == eng.Pturn;
    if (holdPileShown()) {
        eng.InfoHold = 1;
        tbl.InfoSel(1) = seat;
        if (moving)
            HoldInfo(eng.OppHold, eng.OppHoldTable, 0, rec.Name);
        else
            HoldInfo(rec.Hold, rec.HoldTable, 0, rec.Name);
        frmHold().Show();
    } else if (eng.InfoPile == 1) {
        const int count = moving ? eng.OppSideCount : rec.RecSideCount;
        if (eng.OppSideCount > 0 && eng.SideCount > 0 && !cmd.DeveloperMode) {
            frmGrisk().Label9(1).setCaption(rec.Name + " SIDE : " + vb::Str(count));
            return;
        }
        eng.InfoHold = 1;
        const vb::Array<int, 2>& side = moving ? eng.OppSide : rec.Side;
        HoldInfo(side, side, count, QString());
        frmHold().Show();
    }
}

void RefreshPileInfo(const QString& pile) {
    FrmHold& w = frmHold();
    if (eng.InfoHold == 1) {
        if (tbl.InfoSel(1) != eng.Pturn || tbl.InfoSel(2) != eng.InfoPile) return;
        w.Hide();
        HoldInfo(eng.OppHold, eng.OppHoldTable, 0, pile);
    } else {
        w.Hide();
        HoldInfo(eng.PlayerHold, eng.PlayerHoldCount, 0, QString());
    }
    w.Show();
}

}  // namespace grisk
