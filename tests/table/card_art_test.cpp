// Our card art: every picture has its card size, every card and back looks
// different from the others, the suits wear their colours, and the plain
// back lets its picture's colour through.
#include <gtest/gtest.h>

#include "table/card_art.h"

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

}  // namespace
