// Small card pictures: our own faces and rank cards are drawn again at the
// small size; a picture we did not draw is scaled down.
#include <cstdint>
#include <unordered_map>

#include "table/card_art.h"
#include "table/card_art_style.h"

namespace grisk::card_art {

namespace {

struct Twin {
    QImage large;
    std::function<QImage()> small;
};

// By a hash of the large picture's pixels; the pixels themselves decide.
std::unordered_multimap<size_t, Twin>& twins() {
    static std::unordered_multimap<size_t, Twin> all;
    return all;
}

QImage opaque(const QImage& img) {
    return img.format() == QImage::Format_RGB32 ? img : img.convertToFormat(QImage::Format_RGB32);
}

// The colour channels only: the fourth byte of an opaque picture carries nothing.
size_t pixelHash(const QImage& img) {
    uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) h = (h ^ (line[x] & 0xFFFFFFu)) * 1099511628211ull;
    }
    return static_cast<size_t>(h);
}

}  // namespace

void RememberSmallPicture(const QImage& large, std::function<QImage()> small) {
    const QImage key = opaque(large);
    twins().emplace(pixelHash(key), Twin{key, std::move(small)});
}

QImage SmallCardFor(const QImage& large) {
    if (large.isNull()) return QImage();
    const QImage key = opaque(large);
    if (key.size() == QSize(kLargeW, kLargeH)) {
        auto [from, to] = twins().equal_range(pixelHash(key));
        for (auto it = from; it != to; ++it)
            if (it->second.large == key) return it->second.small();
    }
    return key.scaled(kSmallW, kSmallH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace grisk::card_art
