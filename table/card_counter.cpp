#include "table/card_counter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "engine/class1.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "table/card_art_paths.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {
constexpr int kRowsPerImage = 8;  // the four suits of two decks
constexpr int kMarginTw = 90;
constexpr int kLabelWidthTw = 300;
const QString kGridFont = QStringLiteral("DejaVu Sans Mono");
constexpr double kGridFontSize = 9;
// The longest row: a leading blank, twelve entries of three characters and
// the tenth of four.
constexpr int kRowChars = 41;

QFont gridFont() {
    QFont font(kGridFont);
    font.setPointSizeF(kGridFontSize);
    return font;
}

// Height of one grid row and width of one character, in twips.
double rowHeightTw() { return screen::PixelsToTwips(std::ceil(QFontMetricsF(gridFont()).lineSpacing())); }
double charWidthTw() { return screen::PixelsToTwips(QFontMetricsF(gridFont()).horizontalAdvance(QLatin1Char('_'))); }

// The row labels of two decks: the suit symbols in card-number order, one a
// grid row, the second deck under a thin rule.
QImage rowLabels() {
    const int rowPx = static_cast<int>(std::lround(screen::TwipsToPixels(rowHeightTw())));
    const int widthPx = static_cast<int>(screen::TwipsToPixels(kLabelWidthTw));
    QImage img(widthPx, rowPx * kRowsPerImage, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = rowPx * 0.7;
    for (int row = 0; row < kRowsPerImage; ++row) {
        const int suit = row % 4 + 1;
        const QColor colour = suit == card_art::Diamonds || suit == card_art::Hearts ? QColor(190, 20, 30)
                                                                                    : QColor(20, 20, 20);
        const QRectF box((widthPx - side) / 2, row * rowPx + (rowPx - side) / 2, side, side);
        card_art::FillPath(p, card_art::SuitPathIn(suit, box), colour);
    }
    p.setPen(QColor(120, 120, 120));
    p.drawLine(QPointF(2, rowPx * 4), QPointF(widthPx - 2, rowPx * 4));
    return img;
}
}  // namespace

FrmCounter::FrmCounter()
    : vb::Form(QStringLiteral("frmCounter")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      LblGrid(addControl(vb::Kind::Label, "LblGrid")),
      Image1(addArray(vb::Kind::Image, "Image1", 0)) {
    setCaption(QStringLiteral("Card Counter"));
    setBackColor(0xE0F0F0);
    KeyPreview = true;
    const double row = rowHeightTw();
    const double gridLeft = kMarginTw + kLabelWidthTw;
    const double gridWidth = charWidthTw() * (kRowChars + 1);
    for (vb::Control* label : {&Label1, &LblGrid}) {
        label->setFontName(kGridFont);
        label->setFontSize(kGridFontSize);
        label->setBackStyle(0);
        label->setForeColor(0x402020);
        // Right-aligned, every row ends in its King column.
        label->setAlignment(1);
    }
    Label1.setFontBold(true);
    Label1.setForeColor(0x800000);
    Label1.setGeometryTw(gridLeft, kMarginTw, gridWidth - charWidthTw(), row);
    LblGrid.setGeometryTw(gridLeft, kMarginTw + row + 30, gridWidth, row * (kRowsPerImage + 1));
    Image1(0).setGeometryTw(kMarginTw, 0, kLabelWidthTw, row * kRowsPerImage);
    Image1(0).setPicture(rowLabels());
    Move(2400, 1800, gridLeft + gridWidth + kMarginTw + vb::FrameWidthTw(),
         LblGrid.topTw() + row * kRowsPerImage + 2 * kMarginTw + vb::FrameHeightTw());
}

FrmCounter::~FrmCounter() = default;

void FrmCounter::Form_Load() {
    ScaleCompanionWindow(*this);
    Image1(0).setTop(LblGrid.Top());
    Label1.setCaption(QStringLiteral("1  2  3  4  5  6  7  8  9 10 J  Q  K"));
    const double labelHeight = Image1(0).Height();
    if (eng.NumPlayers == 4) setHeight(Height() + labelHeight);
    if (eng.NumPlayers == 3) setHeight(Height() + labelHeight / 2);
    // Four rows a deck, and the blank line the text ends with.
    LblGrid.setHeight(rowHeightTw() * (4 * std::max(eng.NumPlayers, 2) + 1));
    if (eng.NumPlayers >= 3) {
        vb::Control& more = Image1.Load(1);
        more.Move(Image1(0).Left(), Image1(0).Top() + labelHeight + 10);
        if (eng.NumPlayers == 3) {
            more.setHeight(labelHeight / 2);
            const QImage& all = Image1(0).Picture();
            more.setPicture(all.copy(0, 0, all.width(), all.height() / 2));
        }
        more.setVisible(true);
    }
    onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(true);
    onTop_->setTopForm(*this);
}

void FrmCounter::Form_KeyDown(int& keyCode, int) {
    constexpr int kKeyF8 = vb::vbKeyF1 + 7;
    if (keyCode == vb::vbKeyReturn || keyCode == kKeyF8) Unload();
}

void FrmCounter::Form_Unload(int&) {
    if (onTop_) {
        onTop_->setOnTop(false);
        onTop_->setTopForm(*this);
    }
    onTop_.reset();
}

FrmCounter& frmCounter() { return vb::DefaultInstance<FrmCounter>::getLoaded(); }
bool FrmCounterExists() { return vb::DefaultInstance<FrmCounter>::exists(); }
void ReleaseFrmCounter() { vb::DefaultInstance<FrmCounter>::release(); }

void UpdateCardCounter() {
    QString text;
    int column = 0;
    for (int i = 1; i <= eng.TotalCards; ++i) {
        ++column;
        const bool tenth = column % 10 == 0;
        const int seen = eng.Deck(2, i);
        text += seen != 0 ? vb::Str(seen) + (tenth ? QStringLiteral("  ") : QStringLiteral(" "))
                          : (tenth ? QStringLiteral(" _  ") : QStringLiteral(" _ "));
        if (i % 13 == 0) {
            text += QStringLiteral("\n ");
            column = 0;
        }
    }
    frmCounter().LblGrid.setCaption(text);
}

void GoUpdateOpponents() {
    if (eng.Pturn >= 2 && eng.Pturn <= 4) ExchangePlayerRecord(SeatRecord(eng.Pturn), true);
}

}  // namespace grisk
