// The five rank-only decks: the rank alone, large, on a coloured card; the
// King, the wild card, shows a crowned figure instead.
#include <QLinearGradient>
#include <QPainter>

#include "table/card_art.h"
#include "table/card_art_paint.h"
#include "table/card_art_paths.h"
#include "table/card_art_style.h"

namespace grisk::card_art {

namespace {

struct RankStyle {
    const char* name;
    QColor top, bottom;  // the panel's gradient
    QColor figure;       // the rank
    QColor frame;        // the thin frame inside the panel
    QColor robe;         // the King's robe
};

const RankStyle& rankStyle(int style) {
    static const RankStyle styles[kRankStyles] = {
        {"Ivory", QColor(252, 247, 232), QColor(240, 230, 204), QColor(30, 46, 100),
         QColor(190, 146, 62), QColor(38, 78, 160)},
        {"Crimson", QColor(196, 40, 52), QColor(120, 14, 28), QColor(255, 255, 255),
         QColor(242, 200, 120), QColor(30, 60, 130)},
        {"Ocean", QColor(44, 120, 196), QColor(14, 50, 112), QColor(255, 240, 170),
         QColor(170, 220, 250), QColor(180, 36, 44)},
        {"Forest", QColor(46, 128, 76), QColor(16, 66, 38), QColor(250, 242, 212),
         QColor(226, 190, 100), QColor(160, 30, 40)},
        {"Midnight", QColor(60, 48, 100), QColor(18, 14, 34), QColor(240, 200, 96),
         QColor(200, 164, 84), QColor(130, 30, 60)},
    };
    return styles[(style >= 1 && style <= kRankStyles ? style : 1) - 1];
}

// Drawn at its own size from the large card's layout (see paintFace).
QImage paintRank(int style, int rank, bool small) {
    const RankStyle& s = rankStyle(style);
    const int W = small ? kSmallW : kLargeW, H = small ? kSmallH : kLargeH;
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    DrawCardGround(p, QRectF(0, 0, W, H), QColor(255, 255, 255), QColor(72, 72, 78));
    p.scale(double(W) / kLargeW, double(H) / kLargeH);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF panel(2.5, 2.5, kLargeW - 5, kLargeH - 5);
    QLinearGradient g(panel.topLeft(), panel.bottomRight());
    g.setColorAt(0, s.top);
    g.setColorAt(1, s.bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(panel, 3, 3);
    p.setPen(QPen(s.frame, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);

    const QString label = RankLabel(rank);
    // Corner ranks, the lower one turned round.
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kLargeW, kLargeH);
            p.rotate(180);
        }
        const double w = rank == 10 ? 11 : 8.5;
        FillPath(p, TextPathIn(label, QRectF(10 - w / 2, 7.5, w, 10)), s.figure);
        p.restore();
    }
    if (rank == 13) {
        // The wild King: a crowned bust in a ring, and the word under it.
        p.setPen(QPen(s.frame, 1.0));
        p.setBrush(Mix(s.top, s.bottom, 0.5).lighter(115));
        p.drawEllipse(QPointF(35.5, 42.5), 23.5, 23.5);
        p.save();
        QPainterPath ring;
        ring.addEllipse(QPointF(35.5, 42.5), 23.0, 23.0);
        p.setClipPath(ring);
        DrawKingBust(p, 35.5, 21.0, 1.3, s.robe, QColor(232, 182, 40), QColor(214, 214, 210));
        p.restore();
        FillPath(p, TextPathIn(QStringLiteral("WILD"), QRectF(18, 70.5, 35, 8)), s.figure);
    } else {
        const double h = 44;
        const double w = rank == 10 ? 46 : 36;
        FillPath(p, TextPathIn(label, QRectF(35.5 - w / 2, 48 - h / 2, w, h), true), s.figure);
    }
    p.end();
    return img;
}

}  // namespace

QString RankStyleName(int style) { return QString::fromLatin1(rankStyle(style).name); }

QImage paint::RankCard(int style, int rank, bool small) {
    if (style < 1 || style > kRankStyles || rank < 1 || rank > 13) return QImage();
    return paintRank(style, rank, small);
}

}  // namespace grisk::card_art
