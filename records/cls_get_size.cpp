#include "records/cls_get_size.h"

#include <QFile>
#include <cstdlib>

namespace grisk {

namespace {

// How much of a file is read, and where the JPEG search gives up.
constexpr int kHeadBytes = 65536;
constexpr int kJpegLimit = 65525;

// The head as the reader sees it: zeros past the end of what was read.
class Head {
public:
    explicit Head(const QByteArray& b) : b_(b) {}
    int operator[](long long i) const { return i >= 0 && i < b_.size() ? static_cast<uint8_t>(b_[i]) : 0; }
    long long be32(int i) const {
        return (static_cast<long long>((*this)[i]) << 24) | ((*this)[i + 1] << 16) | ((*this)[i + 2] << 8) |
               (*this)[i + 3];
    }
    long long le32(int i) const {
        return static_cast<int32_t>(static_cast<uint32_t>((*this)[i]) | (static_cast<uint32_t>((*this)[i + 1]) << 8) |
                                    (static_cast<uint32_t>((*this)[i + 2]) << 16) |
                                    (static_cast<uint32_t>((*this)[i + 3]) << 24));
    }

private:
    const QByteArray& b_;
};

bool isStartOfFrame(int m) {
    return (m >= 0xC0 && m <= 0xC3) || (m >= 0xC5 && m <= 0xC7) || (m >= 0xC9 && m <= 0xCB) ||
           (m >= 0xCD && m <= 0xCF);
}

}  // namespace

void clsGetSize::ReadImageInfo(const QString& sFileName) {
    QFile f(sFileName);
    ReadImageHead(f.open(QIODevice::ReadOnly) ? f.read(kHeadBytes) : QByteArray());
}

void clsGetSize::ReadImageHead(const QByteArray& bytes) {
    const Head b(bytes);
    depth_ = 0;
    type_ = Unknown;
    if (bytes.isEmpty()) return;
    if (b[0] == 137 && b[1] == 'P' && b[2] == 'N') {
        type_ = Png;
        width_ = b.be32(16);
        height_ = b.be32(20);
        const int bits = b[24];
        switch (b[25]) {
        case 0: depth_ = static_cast<uint8_t>(bits); break;
        case 2: depth_ = static_cast<uint8_t>(3 * bits); break;
        case 3: depth_ = 8; break;
        case 4: depth_ = static_cast<uint8_t>(2 * bits); break;
        case 6: depth_ = static_cast<uint8_t>(4 * bits); break;
        default: break;
        }
        return;
    }
    if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F') {
        type_ = Gif;
        width_ = b[7] * 256 + b[6];
        height_ = b[9] * 256 + b[8];
        depth_ = static_cast<uint8_t>((b[10] & 7) + 1);
        return;
    }
    if (b[0] == 'B' && b[1] == 'M') {
        type_ = Bmp;
        width_ = std::llabs(b.le32(18));
        height_ = std::llabs(b.le32(22));
        depth_ = static_cast<uint8_t>(b[28]);
        return;
    }
    long long i = 0;
    while (!(b[i] == 0xFF && b[i + 1] == 0xD8 && b[i + 2] == 0xFF)) {
        if (++i >= kJpegLimit) return;
    }
    long long j = i + 2;
    while (j < kJpegLimit) {
        while (j < kJpegLimit && !(b[j] == 0xFF && b[j + 1] != 0xFF)) ++j;
        if (j >= kJpegLimit) return;
        if (isStartOfFrame(b[j + 1])) {
            type_ = Jpeg;
            height_ = b[j + 5] * 256 + b[j + 6];
            width_ = b[j + 7] * 256 + b[j + 8];
            depth_ = static_cast<uint8_t>(8 * b[j + 9]);
            return;
        }
        j += 1 + (b[j + 2] * 256 + b[j + 3]);
    }
}

}  // namespace grisk
