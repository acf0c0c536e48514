#include "shell/tutorial.h"

#include <QtGlobal>

#include "engine/cards.h"
#include "engine/class1.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/menu_hint.h"
#include "engine/open_files.h"
#include "engine/rules.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "shell/keyboard.h"
#include "shell/state.h"
#include "shell/tutorial_art.h"
#include "shell/tutorial_script.h"
#include "table/card_sounds.h"
#include "table/layout_geometry.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/pile_info.h"
#include "table/state.h"
#include "table/status_bar.h"

namespace grisk {

namespace {

constexpr double kStepPause = 0.5;

// The window as designed (twips), and as made on a narrow screen.
constexpr double kWidthTw = 5400;
constexpr double kHeightTw = 4545;
constexpr double kNarrowWidthTw = 4200;
constexpr double kButtonTopTw = 3660;
constexpr double kButtonHeightTw = 420;
constexpr double kGapTw = 60;
// Screens up to this width (twips) leave too little room beside the table.
constexpr double kNarrowScreenTw = 12001;
constexpr double kSmallScreenTw = 15360;
constexpr double kTableWidthBesideTw = 12200;

const QString kTitle = QStringLiteral("Tutorial");

// Control geometry in pixels of the main window, which works in pixels.
QRectF px(const vb::Control& c) { return c.rectPx(); }
void placePx(vb::Control& c, double left, double top) {
    const QRectF r = c.rectPx();
    c.setRectPx(QRectF(left, top, r.width(), r.height()));
}

// The table laid out again for another number of players and centre piles
// (the stock and the used pile sized for their cards).
void layTableFor(int players, int centres) {
    const int before = eng.NumPlayers;
    const int centresBefore = eng.NumCenters;
    eng.NumPlayers = players;
    eng.NumCenters = centres;
    eng.TotalCards = 52 * players;
    SetPlayerCount(before, centresBefore);
    RedrawTable();
    ShowOpponentNames();
}

}  // namespace

FrmTutorial::FrmTutorial()
    : vb::Form(QStringLiteral("frmTutorial")),
      Picture1(addControl(vb::Kind::PictureBox, "Picture1")),
      lblTipText(addControl(vb::Kind::Label, "lblTipText")),
      cmdNextTip(addControl(vb::Kind::CommandButton, "cmdNextTip")),
      cmdBack(addControl(vb::Kind::CommandButton, "cmdBack")),
      cmdOK(addControl(vb::Kind::CommandButton, "cmdOK")) {
    setCaption(kTitle);
    setBackColor(vb::RGB(236, 233, 216));
    Move(9000, 600, kWidthTw, kHeightTw);
    Picture1.setBackColor(vb::RGB(255, 255, 232));
    Picture1.setGeometryTw(60, 60, kWidthTw - 240, kButtonTopTw - 180);
    lblTipText.setContainer(&Picture1);
    lblTipText.setFontName(QStringLiteral("Arial"));
    lblTipText.setFontSize(10);
    lblTipText.setForeColor(0);
    lblTipText.setBackStyle(0);
    lblTipText.setWordWrap(true);
    lblTipText.setGeometryTw(180, 150, kWidthTw - 480, kButtonTopTw - 420);
    cmdOK.setCaption(QStringLiteral("Exit"));
    cmdOK.setGeometryTw(120, kButtonTopTw, 1000, kButtonHeightTw);
    cmdNextTip.setCaption(QStringLiteral("Next >"));
    cmdNextTip.setGeometryTw(kWidthTw - 1420, kButtonTopTw, 1200, kButtonHeightTw);
    cmdBack.setCaption(QStringLiteral("< Back"));
    cmdBack.setGeometryTw(kWidthTw - 1420 - 1000 - kGapTw, kButtonTopTw, 1000, kButtonHeightTw);
}

FrmTutorial::~FrmTutorial() = default;

bool FrmTutorial::LoadTips(const QString& fileName) { return ReadTutorialScript(fileName, Tips); }

void FrmTutorial::Form_Load() {
    FrmGrisk& f = frmGrisk();
    cmd.MenuLocked = true;
    CurrentTip = 0;
    cmd.TutorialOn = true;
    KeyPreview = true;
    rememberedHeight_ = Height();
    rememberedWidth_ = Width();
    SavedScreenWidth = 0;
    cmdNextTip.setVisible(true);
    cmdNextTip.setEnabled(true);
    cmdBack.setVisible(false);
    cmdBack.setEnabled(true);
    Picture1.setPicture(TutorialWelcomePicture(Picture1.rectPx().size().toSize()));
    for (vb::Control* pointer : {&f.imgTip, &f.imgTipUp}) {
        pointer->setStretch(true);
        pointer->setPicture(TutorialPointer(pointer == &f.imgTipUp));
    }
    player_ = {true, eng.NumPlayers, eng.NumCenters, eng.SideOption, eng.ForcedCards, eng.NoWildAce};

    if (!LoadTips(eng.AppFolder + "/" + kTutorialFileName)) {
        vb::MsgBox(QStringLiteral("Tutorial not found, unable to run the tutorial."), vb::vbOKOnly + vb::vbCritical,
                   kTitle);
        // Nothing to show: the table is the player's again at once.
        Unload();
        return;
    }
    // The deal of a new game would cut across the steps.
    f.cmdDeal.setVisible(false);
    placeBesideTable();

    // The lessons are played at a table of two players and three centre
    // piles under the basic rules.
    if (eng.NumPlayers > 2 || eng.NumCenters == 4) {
        eng.SideOption = 19;
        eng.NoWildAce = false;
        layTableFor(2, 3);
        ShowRulesSummary();
    }
    fitToScreen();
    onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(true);
    onTop_->setTopForm(*this);
    ResetTableDisplay();
    eng.Pturn = 0;
    eng.Peeking = false;
    // The first step last, on the table made ready for it (it may lay out
    // a prepared position itself).
    ShowTipStep(0);
}

// At the main window's right edge: under the table where the screen has
// room for it there, else over the table's top right corner.
void FrmTutorial::placeBesideTable() {
    const FrmGrisk& f = frmGrisk();
    const double below = f.Top() + f.Height();
    const double top = below + Height() <= eng.ScreenHeightTw ? below : f.Top() + 900;
    Move(f.Left() + f.Width() - Width() - 100, top, Width(), Height());
}

void FrmTutorial::fitToScreen() {
    SavedScreenWidth = eng.ScreenWidthTw;
    if (eng.ScreenWidthTw < kNarrowScreenTw) {
        Move(Left(), Top(), kNarrowWidthTw, kHeightTw);
        Picture1.setGeometryTw(10, Picture1.topTw(), 4020, Picture1.heightTw());
        lblTipText.setGeometryTw(25, lblTipText.topTw(), 3900, lblTipText.heightTw());
        cmdNextTip.setGeometryTw(2600, cmdNextTip.topTw(), cmdNextTip.widthTw(), cmdNextTip.heightTw());
        cmdBack.setGeometryTw(2600 - cmdBack.widthTw() - kGapTw, cmdBack.topTw(), cmdBack.widthTw(),
                              cmdBack.heightTw());
    } else if (eng.ScreenWidthTw <= kSmallScreenTw) {
        eng.ScreenWidthTw = kTableWidthBesideTw;
        ArrangeTable();
    }
    if (eng.LargeFonts) {
        cmdBack.setGeometryTw(0, cmdBack.topTw(), screen::PixelsToTwips(79), screen::PixelsToTwips(33));
        cmdNextTip.setGeometryTw(0, cmdNextTip.topTw(), screen::PixelsToTwips(98), screen::PixelsToTwips(39));
        const double nextLeft = (Width() - frameWidthTw()) - cmdNextTip.widthTw() - 200;
        cmdNextTip.setGeometryTw(nextLeft, cmdNextTip.topTw(), cmdNextTip.widthTw(), cmdNextTip.heightTw());
        cmdBack.setGeometryTw(nextLeft - cmdBack.widthTw(), cmdBack.topTw(), cmdBack.widthTw(), cmdBack.heightTw());
    }
    rememberedHeight_ = Height();
    rememberedWidth_ = Width();
}

void FrmTutorial::ShowTipStep(int direction) {
    FrmGrisk& f = frmGrisk();
    if (direction == 1) {
        f.imgTipUp.setVisible(false);
        if (CurrentTip <= 2) cmdBack.setVisible(false);
        CurrentTip -= 1;
        const PreparedRange range = PreparedRangeOf(CurrentTip);
        if (range.record != 0) {
            recs.CurrentSlot = range.record;
            RestoreSavedGame(kSavedGamesFile);
            EnablePlayerCards(false);
            CurrentTip = range.firstStep;
        }
    } else {
        CurrentTip += 1;
    }
    if (CurrentTip <= 2) ResetTableDisplay();
    f.imgTipUp.setVisible(false);
    f.imgTip.setVisible(false);

    switch (CurrentTip) {
    case 2:
        Picture1.setPicture(QImage());
        cmdBack.setVisible(true);
        break;
    case 3:
        ResetTableDisplay();
        placeBesideTable();
        break;
    case 4: {
        const QRectF centre = px(f.imgCenter);
        placePx(f.imgTip, centre.left() - px(f.imgTip).width(), centre.top() + centre.height() / 2);
        f.imgTip.setVisible(true);
        PlayCardSound(1);
        break;
    }
    case 6:
        placePx(f.imgTip, px(f.Stack(20)).left() - px(f.imgTip).width(),
                px(f.Picture7(1)).top() + px(f.imgTip).height());
        f.imgTip.setVisible(true);
        break;
    case 9: pointAtHoldPiles(); break;
    case 17:
        if (PileInfoShown()) frmHold().Hide();
        break;
    default: break;
    }

    if (CurrentTip - 1 == Tips.size())
        cmdNextTip.setVisible(false);
    else
        DisplayCurrentTip();
}

void FrmTutorial::pointAtHoldPiles() {
    FrmGrisk& f = frmGrisk();
    placePx(f.imgTip, px(f.Label3(0)).left() - px(f.imgTip).width(),
            tbl.CardWidthPx / 2.0 + px(f.Picture7(7)).top() + px(f.imgTip).height());
    f.imgTip.setVisible(true);
}

void FrmTutorial::placePointerAtSlot(int slot) {
    FrmGrisk& f = frmGrisk();
    if (slot >= 7 && slot <= 10) {
        pointAtHoldPiles();
    } else if (slot >= 1 && slot < 7) {
        const QRectF card = px(f.Picture7(slot));
        placePx(f.imgTipUp, card.left() + 10, card.top() + tbl.CardHeightPx);
        f.imgTipUp.setVisible(true);
    }
}

void FrmTutorial::DisplayCurrentTip() {
    if (Tips.isEmpty() || CurrentTip < 1 || CurrentTip > Tips.size()) return;
    lblTipText.setCaption(ReadEnableInfo(TutorialParagraphs(Tips.at(CurrentTip - 1))));
}

QString FrmTutorial::ReadEnableInfo(const QString& text) {
    FrmGrisk& f = frmGrisk();
    f.imgTip.ZOrder(0);
    f.imgTipUp.ZOrder(0);
    cmd.TutorialWait = true;
    const TutorialTag tag = ReadTutorialTag(text);
    if (!tag.present) {
        Pause(kStepPause);
        // The tutorial may have been closed while it paused.
        if (cmd.TutorialOn) ComputerTurn();
        return text;
    }
    EnablePlayerCards(false);
    const QChar first = tag.first;
    if (first == u'H' || first == u'P') {
        if (tag.firstNumber >= 1 && tag.firstNumber <= 6) EnableCardControl(f.Picture7, tag.firstNumber);
    } else if (first != u'R') {
        cmd.TutorialWait = false;
        Pause(kStepPause);
        if (cmd.TutorialOn) cmdNextTip.setEnabled(true);
        return tag.text;
    }
    const QChar second = tag.second;
    if (second == u'C' || second == u'H') {
        placePointerAtSlot(tag.firstNumber);
    } else if (second == u'R') {
        recs.CurrentSlot = tag.secondNumber;
        if (RestoreSavedGame(kSavedGamesFile)) {
            EnablePlayerCards(false);
            QByteArray bytes;
            vb::RecordFile& backup = BackupFile();
            if (backup.read(tag.secondNumber, bytes) != vb::ReadStatus::Ok || !backup.write(kDealtGameRecord, bytes))
                qWarning("The tutorial's position could not be kept as the game to restart");
        } else {
            vb::MsgBox("The prepared game of this step (record" + vb::Str(tag.secondNumber) +
                           " of the saved games) is missing or damaged.",
                       vb::vbOKOnly + vb::vbExclamation, kTitle);
        }
    }
    if (eng.Pturn == 1) cmdNextTip.setEnabled(false);
    if (second == u'R') {
        cmdNextTip.setEnabled(true);
        // The position's pile pictures came up over the pointers.
        f.imgTip.ZOrder(0);
        f.imgTipUp.ZOrder(0);
    }
    return tag.text;
}

void FrmTutorial::Click(vb::Control& c) {
    if (&c == &cmdNextTip)
        cmdNextTip_Click();
    else if (&c == &cmdBack)
        cmdBack_Click();
    else if (&c == &cmdOK)
        cmdOK_Click();
}

void FrmTutorial::cmdNextTip_Click() {
    cmdNextTip.setEnabled(false);
    cmdBack.setEnabled(true);
    cmd.TutorialWait = false;
    ShowTipStep(0);
}

void FrmTutorial::cmdBack_Click() {
    cmdNextTip.setEnabled(false);
    cmd.TutorialWait = false;
    ShowTipStep(1);
}

void FrmTutorial::cmdOK_Click() {
    if (CurrentTip < Tips.size()) {
        if (vb::MsgBox(QStringLiteral("Exit the tutorial?"), vb::vbYesNo, kTitle) == vb::vbNo) return;
        vb::MsgBox(QStringLiteral("To start the Tutorial again, go to the Help Menu and select Tutorial."),
                   vb::vbOKOnly, kTitle);
    }
    frmGrisk().Label9(2).setCaption(QString());
    Unload();
}

void FrmTutorial::Form_KeyDown(int& keyCode, int shift) { HandleKeyDown(keyCode, shift); }

void FrmTutorial::Form_Unload(int&) {
    FrmGrisk& f = frmGrisk();
    EnablePlayerCards(true);
    cmd.TutorialWait = true;
    cmd.TutorialOn = false;
    f.imgTip.setVisible(false);
    f.imgTipUp.setVisible(false);
    if (onTop_) {
        onTop_->setOnTop(false);
        onTop_->setTopForm(*this);
    }
    onTop_.reset();
    // Only a width the tutorial stored is put back.
    if (SavedScreenWidth != 0 && eng.ScreenWidthTw != SavedScreenWidth) {
        eng.ScreenWidthTw = SavedScreenWidth;
        ArrangeTable();
    }
    // A tutorial that showed no step (its script missing) leaves the table
    // as it was; after the lessons, whatever is on the table was theirs.
    if (!Tips.isEmpty()) {
        putPlayerTableBack();
        ResetTableDisplay();
        StatusBar_Clear();
        eng.Pturn = 0;
    }
    ShowMenuHint(2);
    cmd.MenuLocked = false;
    // The player deals the next game with the Deal button as well.
    if (inet.NetPeers == 0) f.cmdDeal.setVisible(true);
}

void FrmTutorial::putPlayerTableBack() {
    if (!player_.kept) return;
    player_.kept = false;
    eng.SideOption = player_.side;
    eng.ForcedCards = player_.forced;
    eng.NoWildAce = player_.noWildAce;
    if (eng.NumPlayers != player_.players || eng.NumCenters != player_.centres)
        layTableFor(player_.players, player_.centres);
    ShowRulesSummary();
}

void FrmTutorial::Form_Resize() {
    if (rememberedHeight_ <= 0) return;
    const double dh = Height() - rememberedHeight_;
    if (dh != 0 && lblTipText.heightTw() + dh > 0) {
        Picture1.setHeight(Picture1.Height() + dh);
        lblTipText.setHeight(lblTipText.Height() + dh);
        for (vb::Control* b : {&cmdNextTip, &cmdBack, &cmdOK}) b->setTop(b->Top() + dh);
        rememberedHeight_ += dh;
    }
    const double dw = Width() - rememberedWidth_;
    // The buttons keep clear of Exit.
    if (dw != 0 && cmdBack.Left() + dw > cmdOK.Left() + cmdOK.Width() + kGapTw && lblTipText.Width() + dw > 0) {
        Picture1.setWidth(Picture1.Width() + dw);
        lblTipText.setWidth(lblTipText.Width() + dw);
        cmdNextTip.setLeft(cmdNextTip.Left() + dw);
        cmdBack.setLeft(cmdBack.Left() + dw);
        rememberedWidth_ += dw;
    }
}

FrmTutorial& frmTutorial() { return vb::DefaultInstance<FrmTutorial>::get(); }
bool FrmTutorialExists() { return vb::DefaultInstance<FrmTutorial>::exists(); }

void TutorialPlayDone() {
    FrmTutorial& tut = frmTutorial();
    tut.cmdNextTip.setVisible(true);
    tut.cmdNextTip.setEnabled(true);
}

void StartTutorial() {
    if (FrmTutorialExists() && frmTutorial().isLoaded()) {
        frmTutorial().Show();
        return;
    }
    if (inet.NetPeers != 0) {
        ShowMenuHint(1);
        return;
    }
    if (eng.GameBusy || eng.Pturn >= 2) {
        vb::MsgBox(QStringLiteral("Wait!  Let me finish my turn first!"), vb::vbOKOnly, QStringLiteral("Grisk:"));
        return;
    }
    if (eng.Pturn == 1 &&
        vb::MsgBox(QStringLiteral("The tutorial plays on its own table: the game on the table now will be lost."
                                  "\n\nStart the tutorial?"),
                   vb::vbYesNo + vb::vbQuestion, kTitle) != vb::vbYes)
        return;
    frmTutorial().Show();
}

}  // namespace grisk
