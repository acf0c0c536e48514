#include "table/card_drawing.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <cmath>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/run_files.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/card_sounds.h"
#include "table/card_store.h"
#include "table/frm_cards.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"
#include "table/layout_pictures.h"
#include "table/skin_empty_piles.h"
#include "table/state.h"

namespace grisk {

namespace {

constexpr int kCellW = card_art::kLargeW;
constexpr int kCellH = card_art::kLargeH;
const QString kSmallCardFilesKey = QStringLiteral("small card files");

bool named(const vb::ControlArray& ctl, const char* name) {
    return ctl.Name() == QLatin1String(name);
}

bool largeCardMode() { return tbl.DisplayMode < 2; }

// Full-deck faces: previews are always full size; the table's pictures are
// full size in a large-card mode (unless a 640-pixel screen runs large
// fonts) for the human's piles, the centre piles, every pile of a two-player
// game and the card flying for the human; the pile-information window always
// gets small faces.
bool largeFace(const vb::ControlArray& ctl, int index) {
    if (named(ctl, "FilePic")) return true;
    const bool roomy = largeCardMode() && !(eng.ScreenWidthTw == 9600 && eng.LargeFonts);
    if (!roomy || named(ctl, "Picture8")) return false;
    return named(ctl, "Picture7") || named(ctl, "PicCenter") || eng.NumPlayers == 2 ||
           (named(ctl, "Picture1") && index == 0 && eng.Pturn == 1);
}

bool largeBack(const vb::ControlArray& ctl) {
    return largeCardMode() && (eng.NumPlayers == 2 || named(ctl, "Picture7"));
}


QString sizeWord(bool large) { return large ? QStringLiteral("large") : QStringLiteral("small"); }

int faceOf(int cardNo) { return (cardNo - 1) % 52 + 1; }


void paintBack(const vb::ControlArray& ctl, vb::Control& pic) {
    const bool large = largeBack(ctl);
    pic.setPicture(frmPic().FilePic(large ? 0 : 5).Picture());
    if (recs.BackStyle == 0) {
        pic.setBorderStyle(1);
        pic.setBackColor(recs.PlainColor);
    }
    pic.setDrawn(QStringLiteral("back ") + sizeWord(large));
}

void paintRankFace(vb::Control& pic, int cardNo) {
    int rank = cardNo % 13;
    if (rank == 0) rank = 13;
    tbl.DrawCardNo = rank;
    pic.setBorderStyle(1);
    const bool large = IsLargePicture(pic);
    FrmPic& store = frmPic();
    pic.setPicture(large ? store.Image1(rank).Picture() : store.ImageSm(rank).Picture());
    pic.setDrawn(QStringLiteral("face %1 ").arg(faceOf(cardNo)) + sizeWord(large));
}

// Sets the working values for card n (1..52): its suit and sheet cell.
void locateCell(int n) {
    tbl.DrawCardNo = n;
    tbl.DrawSuit = (n - 1) / 13 + 1;
    const int rank = n - 13 * (tbl.DrawSuit - 1);
    tbl.CellY = tbl.DrawSuit * kCellH - kCellH;
    tbl.CellX = rank * kCellW - 70;
}

QImage sheetCell() {
    return frmStdSm().imgALL.Picture().copy(tbl.CellX, tbl.CellY, kCellW, kCellH);
}

void paintFullFace(vb::ControlArray& ctl, int index, vb::Control& pic, int cardNo) {
    int n = cardNo;
    while (n >= 53) n -= 52;
    locateCell(n);
    if (largeFace(ctl, index)) {
        pic.setPicture(sheetCell());
        pic.setDrawn(QStringLiteral("face %1 large").arg(n));
    } else {
        DrawSmallCardFromFile(ctl, index);
    }
}

void reportFailure(const vb::Error& e, const vb::ControlArray& ctl, int index, int cardNo) {
    const QString nl = QStringLiteral("\n");
    const QString text = QStringLiteral("Houston, we have a problem:") + nl + QStringLiteral("Error ") +
                         vb::Str(e.number()) + nl + QStringLiteral(": ") + QString::fromStdString(e.what()) +
                         nl + QStringLiteral("Object is: ") + ctl.Name() + nl +
                         QStringLiteral("ToPicNum: ") + vb::Str(index) + QStringLiteral("  FromPicNum: ") +
                         vb::Str(cardNo) + QStringLiteral("  adjusted (From): ") +
                         vb::Str(tbl.DrawCardNo);
    vb::MsgBox(text, vb::vbExclamation);
}

void letEventsThrough() { waits::DoEvents(); }

}  // namespace

int DrawCard(vb::ControlArray& ctl, int index, int cardNo, int sound) {
    tbl.DrawCardNo = cardNo;
    try {
        vb::Control& pic = ctl(index);
        pic.setVisible(true);
        if (!tbl.PaintCards) {
            // Nothing painted.
        } else if (cardNo < 0 || cardNo > 208) {
            // A number from a damaged saved game or a peer: no such card.
            ShowEmptyPile(pic);
        } else if (cardNo != 0 && recs.DeckStyle >= 1 && recs.DeckStyle <= 5) {
            paintRankFace(pic, cardNo);
        } else if (cardNo != 0) {
            paintFullFace(ctl, index, pic, cardNo);
        } else if (sound == kEmptyMark) {
            ShowEmptyPile(pic);
        } else {
            paintBack(ctl, pic);
        }
        if (sound >= 1 && sound <= 5 && recs.SoundLevel != 2) PlayCardSound(sound);
    } catch (const vb::Error& e) {
        reportFailure(e, ctl, index, cardNo);
    }
    return 0;
}

void DrawSmallCardFromFile(vb::ControlArray& ctl, int index) {
    const int n = tbl.DrawCardNo;
    QImage small = LoadScaledCardFile(eng.DataFolder + QString::number(n) + QStringLiteral(".tmp"));
    // Without its file the card is cut from the sheet, so that a pile never
    // keeps showing the card that lay there before.
    if (small.isNull() && n >= 1 && n <= 52) {
        locateCell(n);
        small = ScaleToSmallCard(sheetCell());
    }
    if (small.isNull()) return;
    vb::Control& pic = ctl(index);
    pic.setPicture(small.copy(0, 0, card_art::kSmallW, card_art::kSmallH));
    pic.setDrawn(QStringLiteral("face %1 small").arg(n));
}

QImage SheetFaceImage(int cardNo) {
    int n = cardNo;
    while (n >= 53) n -= 52;
    if (n < 1) return QImage();
    locateCell(n);
    return sheetCell();
}

QImage ScaleToSmallCard(const QImage& large) { return card_art::SmallCardFor(large); }

QImage LoadScaledCardFile(const QString& fileName) {
    // The small-card files may still wait to be written.
    run_files::WriteNow();
    QImage img;
    if (!img.load(fileName, "BMP")) return QImage();
    return ScaleToSmallCard(img);
}

void MakeSmallCardFiles() {
    run_files::Cancel(kSmallCardFilesKey);
    FrmStdSm& sm = frmStdSm();
    const QColor ground = vb::toQColor(sm.picBitMap.BackColor());
    for (int n = 1; n <= 52; ++n) {
        locateCell(n);
        QImage canvas(kCellW, kCellH, QImage::Format_RGB32);
        canvas.fill(ground);
        QPainter p(&canvas);
        p.drawImage(0, 0, sheetCell());
        p.end();
        sm.picBitMap.setPicture(canvas);
        // A file that cannot be written is cut from the sheet when drawn.
        canvas.save(eng.DataFolder + QString::number(n) + QStringLiteral(".tmp"), "BMP");
    }
}

void MakeSmallCardFilesAfterShow() {
    run_files::Defer(kSmallCardFilesKey, [] {
        // Written in the middle of whatever asks for them: the card being
        // drawn keeps its place on the sheet.
        const int no = tbl.DrawCardNo, suit = tbl.DrawSuit, x = tbl.CellX, y = tbl.CellY;
        MakeSmallCardFiles();
        tbl.DrawCardNo = no;
        tbl.DrawSuit = suit;
        tbl.CellX = x;
        tbl.CellY = y;
    });
}

void LoadSmallCardPicture(const QString& fileName, int index) {
    FrmPic& store = frmPic();
    const QImage small = LoadScaledCardFile(fileName);
    if (!small.isNull()) {
        QImage canvas(card_art::kSmallW, card_art::kSmallH, QImage::Format_RGB32);
        canvas.fill(vb::toQColor(store.tempSmPic.BackColor()));
        QPainter p(&canvas);
        p.drawImage(0, 0, small);
        p.end();
        store.tempSmPic.setPicture(canvas);
    }
    store.ImageSm(index).setPicture(small.isNull() ? QImage() : store.tempSmPic.Picture());
    QFile::remove(fileName);
    store.tempSmPic.setPicture(QImage());
}

void LoadRankCardImages() {
    // A rank-only deck has no small-card files.
    run_files::Cancel(kSmallCardFilesKey);
    const int style = recs.DeckStyle;
    if (style >= 1 && style <= card_art::kRankStyles) {
        FrmPic& store = frmPic();
        FrmCards& deck = frmCards();
        for (int k = 1; k <= 13; ++k) {
            const int i = style * 15 - 15 + k;
            const QImage large = deck.Image1(i).Picture();
            store.Image1(k).setPicture(large);
            store.tempSmPic.setPicture(large);
            const QString file = eng.DataFolder + QString::number(k) + QStringLiteral("no.tmp");
            store.tempSmPic.Picture().save(file, "BMP");
            store.tempSmPic.setPicture(QImage());
            LoadSmallCardPicture(file, k);
            // A file that could not be written or read back: scale in memory.
            if (store.ImageSm(k).Picture().isNull()) store.ImageSm(k).setPicture(ScaleToSmallCard(large));
            letEventsThrough();
        }
    }
    ReleaseFrmCards();
}

void ClearTableImages() {
    FrmGrisk& f = frmGrisk();
    EnsureEmptyPileImages();
    for (int i = 0; i <= 3; ++i) {
        f.PicCenter(i).setBackColor(recs.PlainColor);
        if (i >= 1) ShowEmptyPile(f.PicCenter(i));
    }
    for (vb::Control* c : {&f.Picture7(1), &f.Picture1(1)}) {
        c->setBackColor(recs.PlainColor);
        c->setBorderStyle(0);
    }
    DrawCard(f.Picture1, 1, 0, 0);
    DrawCard(f.Picture7, 1, 0, 0);
    for (int i = 7; i <= 10; ++i) {
        DrawCard(f.Picture1, i, 0, kEmptyMark);
        DrawCard(f.Picture7, i, 0, kEmptyMark);
    }
}

}  // namespace grisk
