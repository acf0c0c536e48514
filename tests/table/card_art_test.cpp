// Our card art: every picture has its card size, every card and back looks
// different from the others, the suits wear their colours, and the plain
// back lets its picture's colour through.
#include <gtest/gtest.h>

#include <QBuffer>
#include <map>
#include <vector>

#include "table/card_art.h"
#include "table/card_art_paint.h"
#include "shell/splash_text.h"

namespace art = grisk::card_art;

namespace {

int countPixels(const QImage& img, bool (*match)(QRgb)) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += match(img.pixel(x, y)) ? 1 : 0;
    return n;
}

bool reddish(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }

TEST(CardArt, EveryFaceIsItsOwnCardSizedPictureOnTheSheet) {
    for (int deck = 0; deck < art::FaceDeckCount(); ++deck) {
        const QImage sheet = art::FaceSheet(deck);
        ASSERT_EQ(sheet.size(), QSize(924, 384));
        for (int n = 1; n <= 52; ++n) {
            const QImage face = art::Face(deck, n);
            ASSERT_EQ(face.size(), QSize(71, 96));
            const int suit = (n - 1) / 13, rank = (n - 1) % 13 + 1;
            EXPECT_EQ(sheet.copy(rank * 71 - 70, suit * 96, 71, 96), face) << deck << " " << n;
            for (int m = 1; m < n; ++m) EXPECT_NE(art::Face(deck, m), face) << deck << ": " << m << " " << n;
        }
    }
    EXPECT_NE(art::Face(0, 1), art::Face(1, 1));
    EXPECT_NE(art::Face(1, 30), art::Face(2, 30));
    EXPECT_TRUE(art::Face(0, 0).isNull());
    EXPECT_TRUE(art::Face(0, 53).isNull());
    EXPECT_EQ(art::FaceSheet(99), art::FaceSheet(0));
}

TEST(CardArt, RedSuitsAreRedAndBlackSuitsAreNot) {
    for (int rank : {1, 5, 10}) {
        EXPECT_GT(countPixels(art::Face(0, 13 + rank), reddish), 40) << "diamonds " << rank;
        EXPECT_GT(countPixels(art::Face(0, 26 + rank), reddish), 40) << "hearts " << rank;
        EXPECT_EQ(countPixels(art::Face(0, rank), reddish), 0) << "clubs " << rank;
        EXPECT_EQ(countPixels(art::Face(0, 39 + rank), reddish), 0) << "spades " << rank;
    }
}

TEST(CardArt, RankDecksDifferByRankAndByStyle) {
    for (int style = 1; style <= art::kRankStyles; ++style)
        for (int rank = 1; rank <= 13; ++rank) {
            const QImage card = art::RankCard(style, rank);
            ASSERT_EQ(card.size(), QSize(71, 96));
            for (int r = 1; r < rank; ++r) EXPECT_NE(art::RankCard(style, r), card);
            for (int s = 1; s < style; ++s) EXPECT_NE(art::RankCard(s, rank), card);
        }
    EXPECT_TRUE(art::RankCard(0, 1).isNull());
    EXPECT_TRUE(art::RankCard(6, 1).isNull());
    EXPECT_TRUE(art::RankCard(1, 14).isNull());
}

TEST(CardArt, BacksAndMarksHaveBothSizes) {
    for (int b = 0; b < art::BackDesignCount(); ++b) {
        EXPECT_EQ(art::Back(b, false).size(), QSize(71, 96));
        EXPECT_EQ(art::Back(b, true).size(), QSize(59, 80));
        EXPECT_FALSE(art::BackDesignName(b).isEmpty());
    }
    EXPECT_TRUE(art::Back(art::BackDesignCount(), false).isNull());
    for (bool wood : {false, true}) {
        EXPECT_EQ(art::EmptyMark(wood, false).size(), QSize(71, 96));
        EXPECT_EQ(art::EmptyMark(wood, true).size(), QSize(59, 80));
    }
    EXPECT_NE(art::EmptyMark(false, false), art::EmptyMark(true, false));
}

TEST(CardArt, ThePlainBackIsMostlySeeThrough) {
    const QImage plain = art::PlainBack();
    ASSERT_EQ(plain.size(), QSize(71, 96));
    ASSERT_TRUE(plain.hasAlphaChannel());
    const int clear = countPixels(plain, [](QRgb c) { return qAlpha(c) < 64; });
    EXPECT_GT(clear, 71 * 96 * 9 / 10);
}

// Pixels of two court cards that differ inside the figure's frame, leaving
// out the suit marks there (the frame's corners and the middle of the robe):
// what the figures themselves do not share.
struct FigureDifference {
    int pixels = 0;
    int colours = 0;  // colours of the first card, each on 15 or more of those pixels
};

bool onSuitMark(int x, int y) {
    auto in = [&](int l, int t, int r, int b) { return x >= l && x <= r && y >= t && y <= b; };
    return in(15, 5, 25, 16) || in(46, 80, 56, 91) || in(32, 37, 39, 46) || in(32, 50, 39, 59);
}

FigureDifference figureDifference(const QImage& a, const QImage& b) {
    FigureDifference d;
    std::map<int, int> buckets;
    for (int y = 6; y < 90; ++y)
        for (int x = 16; x < 55; ++x) {
            if (a.pixel(x, y) == b.pixel(x, y) || onSuitMark(x, y)) continue;
            ++d.pixels;
            const QRgb c = a.pixel(x, y);
            ++buckets[(qRed(c) / 48) * 100 + (qGreen(c) / 48) * 10 + qBlue(c) / 48];
        }
    for (const auto& [bucket, n] : buckets) d.colours += n >= 15 ? 1 : 0;
    return d;
}

TEST(CardArt, EveryCourtCardHasAFigureOfItsOwn) {
    for (int deck = 0; deck < art::FaceDeckCount(); ++deck) {
        std::vector<int> courts;
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 11; rank <= 13; ++rank) courts.push_back(suit * 13 + rank);
        for (size_t i = 0; i < courts.size(); ++i)
            for (size_t j = i + 1; j < courts.size(); ++j) {
                const int m = courts[i], n = courts[j];
                const FigureDifference d = figureDifference(art::Face(deck, m), art::Face(deck, n));
                EXPECT_GT(d.pixels, 300) << "deck " << deck << ": cards " << m << " and " << n;
                EXPECT_GE(d.colours, 3) << "deck " << deck << ": cards " << m << " and " << n
                                        << " differ in one colour only";
            }
    }
}

// A bitmap file round trip, as the small-card files take.
QImage throughBitmap(const QImage& img) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return QImage::fromData(bytes, "BMP");
}

TEST(CardArt, SmallCardsAreDrawnAtTheirOwnSize) {
    for (int deck = 0; deck < art::FaceDeckCount(); ++deck)
        for (int n : {1, 10, 11, 25, 39, 52}) {
            const QImage small = art::SmallFace(deck, n);
            ASSERT_EQ(small.size(), QSize(59, 80));
            EXPECT_EQ(art::SmallCardFor(throughBitmap(art::Face(deck, n))), small) << deck << " " << n;
            EXPECT_NE(art::SmallFace(deck, n == 1 ? 2 : 1), small);
        }
    for (int rank : {1, 10, 13}) {
        ASSERT_EQ(art::SmallRankCard(2, rank).size(), QSize(59, 80));
        EXPECT_EQ(art::SmallCardFor(throughBitmap(art::RankCard(2, rank))), art::SmallRankCard(2, rank));
    }
    EXPECT_TRUE(art::SmallFace(0, 53).isNull());
    EXPECT_TRUE(art::SmallRankCard(6, 1).isNull());
}

TEST(CardArt, APictureNotOursIsScaledDownToTheSmallSize) {
    QImage foreign = art::Face(0, 5).copy();
    foreign.setPixel(30, 40, qRgb(1, 2, 3));
    const QImage small = art::SmallCardFor(foreign);
    EXPECT_EQ(small.size(), QSize(59, 80));
    EXPECT_NE(small, art::SmallFace(0, 5)) << "one pixel makes it another picture";
    EXPECT_EQ(art::SmallCardFor(QImage(100, 50, QImage::Format_RGB32)).size(), QSize(59, 80));
    EXPECT_TRUE(art::SmallCardFor(QImage()).isNull());
}

// An empty place is a shade of the table's felt, darker than a card and
// without a card's light ground: not a grey or silver card.
TEST(CardArt, EmptyMarksAreDarkPlacesInTheFelt) {
    for (bool wood : {false, true})
        for (bool small : {false, true}) {
            const QImage mark = art::EmptyMark(wood, small);
            long r = 0, g = 0, b = 0;
            int light = 0;
            for (int y = 0; y < mark.height(); ++y)
                for (int x = 0; x < mark.width(); ++x) {
                    const QRgb c = mark.pixel(x, y);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                    light += qGray(c) > 150 ? 1 : 0;
                }
            const long n = long(mark.width()) * mark.height();
            EXPECT_GT(g, r + n * 30) << wood << small;
            EXPECT_GT(g, b + n * 20) << wood << small;
            EXPECT_LT(g / n, 110) << wood << small;
            EXPECT_LT(light, n / 50) << wood << small;
        }
}

}  // namespace

// The program shows the pictures the build painted: they must be the
// painters' own, pixel for pixel, in every size.
namespace {

TEST(CardArt, TheCompiledPicturesAreThePaintersOwn) {
    for (int deck = 0; deck < art::FaceDeckCount(); ++deck) {
        EXPECT_EQ(art::FaceSheet(deck), art::paint::FaceSheet(deck, false)) << deck;
        for (int n : {1, 13, 14, 37, 52}) {
            EXPECT_EQ(art::Face(deck, n), art::paint::Face(deck, n, false)) << deck << " " << n;
            EXPECT_EQ(art::SmallFace(deck, n), art::paint::Face(deck, n, true)) << deck << " " << n;
        }
    }
    for (int style = 1; style <= art::kRankStyles; ++style)
        for (int rank : {1, 7, 13}) {
            EXPECT_EQ(art::RankCard(style, rank), art::paint::RankCard(style, rank, false)) << style << " " << rank;
            EXPECT_EQ(art::SmallRankCard(style, rank), art::paint::RankCard(style, rank, true)) << style << " " << rank;
        }
    for (int b = 0; b < art::BackDesignCount(); ++b)
        for (bool small : {false, true}) EXPECT_EQ(art::Back(b, small), art::paint::Back(b, small)) << b;
    EXPECT_EQ(art::PlainBack(), art::paint::PlainBack());
    for (bool wood : {false, true})
        for (bool other : {false, true}) {
            EXPECT_EQ(art::EmptyMark(wood, other), art::paint::EmptyMark(wood, other)) << wood << other;
            EXPECT_EQ(art::CentreBoard(wood, other), art::paint::CentreBoard(wood, other)) << wood << other;
        }
    EXPECT_EQ(art::SplashText(), art::paint::SplashText());
}

// The splash's lines are painted each in its own box, in the lines' colour,
// on a see-through ground.
TEST(CardArt, TheSplashLinesStandInTheirBoxes) {
    const QImage text = art::SplashText().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(text.size(), QSize(400, 240));
    std::vector<QRect> boxes;
    for (const grisk::splash::Line& line : grisk::splash::kLines)
        boxes.emplace_back(line.leftTw / 15, line.topTw / 15, line.widthTw / 15, line.heightTw / 15);
    std::vector<int> inked(boxes.size(), 0);
    int stray = 0;
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < text.width(); ++x) {
            if (qAlpha(text.pixel(x, y)) < 128) continue;
            bool inBox = false;
            for (size_t i = 0; i < boxes.size(); ++i)
                if (boxes[i].adjusted(-1, -1, 1, 1).contains(x, y)) {
                    ++inked[i];
                    inBox = true;
                }
            stray += inBox ? 0 : 1;
            EXPECT_GT(qBlue(text.pixel(x, y)), 150) << "light text, at " << x << "," << y;
        }
    for (size_t i = 0; i < boxes.size(); ++i) EXPECT_GT(inked[i], 40) << "line " << i;
    EXPECT_EQ(stray, 0);
}

TEST(CardArt, StoredPicturesKeepTheirPixelsAndRefuseDamage) {
    for (const QImage& img : {art::paint::Face(0, 5, false), art::paint::PlainBack(), art::paint::CentreBoard(true, false)}) {
        const QByteArray stored = art::EncodePicture(img);
        const QImage back = art::DecodePicture(stored);
        EXPECT_EQ(back, img);
        EXPECT_EQ(back.format(), img.format());
        EXPECT_TRUE(art::DecodePicture(stored.left(stored.size() - 1)).isNull()) << "cut short";
        QByteArray wrongMagic = stored;
        wrongMagic[0] = 'X';
        EXPECT_TRUE(art::DecodePicture(wrongMagic).isNull());
        QByteArray huge = stored;
        huge[7] = char(0x7F);  // width near 2^31
        EXPECT_TRUE(art::DecodePicture(huge).isNull());
    }
    EXPECT_TRUE(art::DecodePicture(QByteArray()).isNull());
}

}  // namespace
