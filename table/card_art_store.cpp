// The card pictures the program shows: painted once at build time into the
// pack built into the program (see card_art_paint.h) and shown from there in
// place; cut cards are kept for the run.
#include <cstdint>
#include <map>
#include <unordered_map>

#include "table/card_art.h"
#include "table/card_art_pack.h"
#include "table/card_art_paint.h"

namespace grisk::card_art {

namespace {

QImage compiled(const QString& name) {
    static std::map<QString, QImage> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return it->second;
    const QImage img = PictureInPack(grisk_card_pictures_begin,
                                     size_t(grisk_card_pictures_end - grisk_card_pictures_begin), name);
    return cache.emplace(name, img).first->second;
}

// Small twins of our large faces and rank cards, found by the large
// picture's pixels. A deck's or style's cards are hashed when a small
// picture is first asked for after that deck or style came into use.
struct Twin {
    QImage large;
    std::function<QImage()> small;
};

std::unordered_multimap<uint64_t, Twin>& twins() {
    static std::unordered_multimap<uint64_t, Twin> all;
    return all;
}

std::vector<std::function<void()>>& pendingTwins() {
    static std::vector<std::function<void()>> pending;
    return pending;
}

QImage opaque(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

// The colour channels only: the fourth byte of an opaque picture carries nothing.
uint64_t pixelHash(const QImage& img) {
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) h = (h ^ (line[x] & 0xFFFFFFu)) * 1099511628211ull;
    }
    return h;
}

void rememberTwin(const QImage& large, std::function<QImage()> small) {
    const QImage key = opaque(large);
    twins().emplace(pixelHash(key), Twin{key, std::move(small)});
}

int validDeck(int deck) { return deck >= 0 && deck < FaceDeckCount() ? deck : 0; }

QImage cut(const QImage& strip, QPoint at, bool small) {
    return strip.copy(at.x(), at.y(), small ? kSmallW : kLargeW, small ? kSmallH : kLargeH);
}

}  // namespace

QImage FaceSheet(int deck) {
    deck = validDeck(deck);
    static std::map<int, QImage> seen;
    auto it = seen.find(deck);
    if (it != seen.end()) return it->second;
    const QImage sheet = compiled(FaceSheetName(deck, false));
    pendingTwins().push_back([deck] {
        for (int card = 1; card <= 52; ++card) rememberTwin(Face(deck, card), [deck, card] { return SmallFace(deck, card); });
    });
    return seen.emplace(deck, sheet).first->second;
}

QImage Face(int deck, int card) {
    if (card < 1 || card > 52) return QImage();
    deck = validDeck(deck);
    static std::map<std::pair<int, int>, QImage> cache;
    auto it = cache.find({deck, card});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(deck, card), cut(FaceSheet(deck), SheetCell(card, false), false)).first;
    return it->second;
}

QImage SmallFace(int deck, int card) {
    if (card < 1 || card > 52) return QImage();
    return cut(compiled(FaceSheetName(validDeck(deck), true)), SheetCell(card, true), true);
}

QImage RankCard(int style, int rank) {
    if (style < 1 || style > kRankStyles || rank < 1 || rank > 13) return QImage();
    static std::map<std::pair<int, int>, QImage> cache;
    auto it = cache.find({style, rank});
    if (it == cache.end()) {
        if (std::none_of(cache.begin(), cache.end(), [style](const auto& c) { return c.first.first == style; }))
            pendingTwins().push_back([style] {
                for (int r = 1; r <= 13; ++r) rememberTwin(RankCard(style, r), [style, r] { return SmallRankCard(style, r); });
            });
        it = cache.emplace(std::make_pair(style, rank), cut(compiled(RankStripName(style, false)), {(rank - 1) * kLargeW, 0}, false)).first;
    }
    return it->second;
}

QImage SmallRankCard(int style, int rank) {
    if (style < 1 || style > kRankStyles || rank < 1 || rank > 13) return QImage();
    return cut(compiled(RankStripName(style, true)), {(rank - 1) * kSmallW, 0}, true);
}

QImage SmallCardFor(const QImage& large) {
    if (large.isNull()) return QImage();
    std::vector<std::function<void()>> pending;
    pending.swap(pendingTwins());
    for (const auto& remember : pending) remember();
    const QImage key = opaque(large);
    if (key.size() == QSize(kLargeW, kLargeH)) {
        auto [from, to] = twins().equal_range(pixelHash(key));
        for (auto it = from; it != to; ++it)
            if (it->second.large == key) return it->second.small();
    }
    return key.scaled(kSmallW, kSmallH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Back(int design, bool small) {
    if (design < 0 || design >= BackDesignCount()) return QImage();
    return compiled(BackName(design, small));
}

QImage PlainBack() { return compiled(PlainBackName()); }

QImage EmptyMark(bool wood, bool small) { return compiled(EmptyMarkName(wood, small)); }

QImage CentreBoard(bool wood, bool tall) { return compiled(CentreBoardName(wood, tall)); }

QImage SplashText() { return compiled(SplashTextName()); }

}  // namespace grisk::card_art
