// Full face decks: corner indices, pip layouts, aces and the sheet of 52.
#include <QPainter>
#include <utility>
#include <vector>

#include "table/card_art.h"
#include "table/card_art_paint.h"
#include "table/card_art_paths.h"
#include "table/card_art_style.h"

namespace grisk::card_art {

namespace {

const QColor kRed(204, 22, 32);
const QColor kBlack(26, 26, 30);

FaceStyle classic() {
    FaceStyle s;
    s.paper = QColor(255, 255, 255);
    s.edge = QColor(72, 72, 78);
    s.suitColour[0] = kBlack;
    s.suitColour[Clubs] = kBlack;
    s.suitColour[Diamonds] = kRed;
    s.suitColour[Hearts] = kRed;
    s.suitColour[Spades] = kBlack;
    s.indexHeight = 12;
    s.serifIndex = false;
    s.innerFrame = Qt::transparent;
    s.courtFrame = QColor(40, 60, 130);
    s.courtGround = QColor(255, 251, 238);
    s.robe[0] = QColor(200, 40, 36);
    s.robe[1] = QColor(38, 78, 160);
    s.robe[2] = QColor(30, 110, 70);
    s.robe[3] = QColor(226, 140, 36);
    s.robe[4] = QColor(44, 42, 56);
    s.trim = QColor(232, 182, 40);
    s.hair[0] = QColor(238, 196, 92);
    s.hair[1] = QColor(112, 66, 32);
    s.hair[2] = QColor(184, 76, 34);
    s.hair[3] = QColor(226, 226, 222);
    s.hair[4] = QColor(36, 32, 34);
    return s;
}

FaceStyle fourColour() {
    FaceStyle s = classic();
    s.suitColour[Clubs] = QColor(22, 122, 52);
    s.suitColour[Diamonds] = QColor(24, 84, 186);
    s.courtFrame = QColor(60, 60, 66);
    s.courtGround = QColor(246, 249, 255);
    s.robe[0] = QColor(190, 30, 40);
    s.robe[1] = QColor(24, 84, 186);
    s.robe[2] = QColor(22, 122, 52);
    s.robe[3] = QColor(230, 130, 30);
    s.robe[4] = QColor(60, 60, 66);
    return s;
}

FaceStyle ivory() {
    FaceStyle s = classic();
    s.paper = QColor(252, 246, 228);
    s.edge = QColor(110, 84, 50);
    s.suitColour[Diamonds] = QColor(178, 30, 48);
    s.suitColour[Hearts] = QColor(178, 30, 48);
    s.suitColour[Clubs] = QColor(30, 34, 52);
    s.suitColour[Spades] = QColor(30, 34, 52);
    s.serifIndex = true;
    s.innerFrame = QColor(200, 160, 80);
    s.courtFrame = QColor(150, 110, 40);
    s.courtGround = QColor(255, 250, 236);
    s.robe[0] = QColor(130, 26, 52);
    s.robe[1] = QColor(24, 96, 104);
    s.robe[2] = QColor(70, 104, 40);
    s.robe[3] = QColor(206, 160, 70);
    s.robe[4] = QColor(70, 50, 120);
    s.trim = QColor(214, 170, 60);
    return s;
}

// Pip centres of the number cards on a 71 x 96 card; pips below the middle
// are drawn turned round.
constexpr double kL = 22.5, kC = 35.5, kR = 48.5;
constexpr double kTop = 15.5, kBot = 80.5, kMid = 48;
constexpr double kR2 = 37.2, kR3 = 58.8;  // the inner rows of four-row layouts

std::vector<std::pair<double, double>> pipCentres(int rank) {
    switch (rank) {
    case 2: return {{kC, kTop}, {kC, kBot}};
    case 3: return {{kC, kTop}, {kC, kMid}, {kC, kBot}};
    case 4: return {{kL, kTop}, {kR, kTop}, {kL, kBot}, {kR, kBot}};
    case 5: return {{kL, kTop}, {kR, kTop}, {kC, kMid}, {kL, kBot}, {kR, kBot}};
    case 6: return {{kL, kTop}, {kR, kTop}, {kL, kMid}, {kR, kMid}, {kL, kBot}, {kR, kBot}};
    case 7:
        return {{kL, kTop}, {kR, kTop}, {kC, 31.75}, {kL, kMid},
                {kR, kMid}, {kL, kBot}, {kR, kBot}};
    case 8:
        return {{kL, kTop}, {kR, kTop}, {kC, 31.75}, {kL, kMid},
                {kR, kMid}, {kC, 64.25}, {kL, kBot}, {kR, kBot}};
    case 9:
        return {{kL, kTop}, {kR, kTop}, {kL, kR2}, {kR, kR2}, {kC, kMid},
                {kL, kR3}, {kR, kR3}, {kL, kBot}, {kR, kBot}};
    case 10:
        return {{kL, kTop}, {kR, kTop}, {kC, 26.4}, {kL, kR2}, {kR, kR2},
                {kL, kR3}, {kR, kR3}, {kC, 69.6}, {kL, kBot}, {kR, kBot}};
    default: return {};
    }
}

void drawPip(QPainter& p, int suit, double cx, double cy, double w, double h, bool turned,
             const QColor& colour) {
    QPainterPath pip = SuitPathIn(suit, QRectF(-w / 2, -h / 2, w, h));
    QTransform t;
    t.translate(cx, cy);
    if (turned) t.rotate(180);
    FillPath(p, t.map(pip), colour);
}

// The rank and a small suit in the top left corner; the caller turns the
// painter for the bottom right one.
void drawIndex(QPainter& p, int suit, int rank, const FaceStyle& s) {
    const QColor c = s.suitColour[suit];
    const double h = s.indexHeight;
    const double w = rank == 10 ? h * 0.88 : h * 0.8;
    const double cx = rank == 10 ? 8.2 : 7.5;
    FillPath(p, TextPathIn(RankLabel(rank), QRectF(cx - w / 2, 3.5, w, h), s.serifIndex), c);
    drawPip(p, suit, cx, 3.5 + h + 2.0 + 4.4, 8, 8.8, false, c);
}

void drawAce(QPainter& p, int suit, const FaceStyle& s) {
    const QColor c = s.suitColour[suit];
    if (suit == Spades) {
        // The ace of spades carries a ring and a larger pip.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Mix(c, s.paper, 0.55), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(kC, kMid), 22, 22);
        p.setPen(QPen(Mix(c, s.paper, 0.75), 0.8));
        p.drawEllipse(QPointF(kC, kMid), 19.5, 19.5);
        p.restore();
        drawPip(p, suit, kC, kMid, 30, 32, false, c);
        return;
    }
    drawPip(p, suit, kC, kMid, 24, 27, false, c);
}

// A face painted at its own size: the ground and outline in the picture's
// pixels, the rest drawn from the large card's layout at the picture's
// scale, so that a small face is as sharp as a large one.
QImage paintFace(int deck, int card, bool small) {
    const FaceStyle& s = FaceStyleOf(deck);
    const int suit = (card - 1) / 13 + 1;
    const int rank = card - 13 * (suit - 1);
    const int W = small ? kSmallW : kLargeW, H = small ? kSmallH : kLargeH;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(s.paper);
    QPainter p(&img);
    DrawCardGround(p, QRectF(0, 0, W, H), s.paper, s.edge);
    if (s.innerFrame.alpha() > 0) {
        p.setPen(s.innerFrame);
        p.drawRect(2, 2, W - 5, H - 5);
    }
    p.scale(double(W) / kLargeW, double(H) / kLargeH);
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kLargeW, kLargeH);
            p.rotate(180);
        }
        drawIndex(p, suit, rank, s);
        p.restore();
    }
    if (rank == 1) {
        drawAce(p, suit, s);
    } else if (rank <= 10) {
        for (const auto& [x, y] : pipCentres(rank))
            drawPip(p, suit, x, y, 12.5, 13.5, y > kMid + 0.5, s.suitColour[suit]);
    } else {
        DrawCourt(p, suit, rank, s);
    }
    p.end();
    return img;
}

}  // namespace

const FaceStyle& FaceStyleOf(int deck) {
    static const FaceStyle styles[3] = {classic(), fourColour(), ivory()};
    return styles[deck >= 0 && deck < 3 ? deck : 0];
}

void DrawCardGround(QPainter& p, const QRectF& card, const QColor& paper, const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(card, paper);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(card.adjusted(0, 0, -1, -1));
    // Softened corners: the corner pixels take a shade between edge and paper.
    const QColor soft = Mix(edge, paper, 0.45);
    p.setPen(soft);
    const int r = static_cast<int>(card.right()) - 1, b = static_cast<int>(card.bottom()) - 1;
    const int l = static_cast<int>(card.left()), t = static_cast<int>(card.top());
    p.drawPoint(l + 1, t + 1);
    p.drawPoint(r - 1, t + 1);
    p.drawPoint(l + 1, b - 1);
    p.drawPoint(r - 1, b - 1);
    p.restore();
}

int FaceDeckCount() { return 3; }

QString FaceDeckName(int deck) {
    switch (deck) {
    case 1: return QStringLiteral("Four colours");
    case 2: return QStringLiteral("Ivory");
    default: return QStringLiteral("Classic");
    }
}

namespace paint {

QImage Face(int deck, int card, bool small) {
    if (deck < 0 || deck >= FaceDeckCount()) deck = 0;
    if (card < 1 || card > 52) return QImage();
    return paintFace(deck, card, small);
}

QImage FaceSheet(int deck, bool small) {
    const int h = small ? kSmallH : kLargeH;
    QImage sheet(small ? 13 * kSmallW : kSheetW, 4 * h, QImage::Format_RGB32);
    sheet.fill(QColor(255, 255, 255));
    QPainter p(&sheet);
    for (int card = 1; card <= 52; ++card) {
        const QPoint at = SheetCell(card, small);
        p.drawImage(at, Face(deck, card, small));
    }
    p.end();
    return sheet;
}

}  // namespace paint

QPoint SheetCell(int card, bool small) {
    const int suit = (card - 1) / 13 + 1;
    const int rank = card - 13 * (suit - 1);
    return small ? QPoint((rank - 1) * kSmallW, (suit - 1) * kSmallH) : QPoint(rank * kLargeW - 70, (suit - 1) * kLargeH);
}

}  // namespace grisk::card_art
