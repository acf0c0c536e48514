#include "gif_writer.h"

#include <algorithm>
#include <vector>

namespace grisk_setup {

namespace {

constexpr int kMaxCodes = 4096;  // 12-bit codes

void putWord(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

// Collects variable-length codes, least significant bit first, and cuts
// them into data sub-blocks of at most 255 bytes.
class CodeStream {
public:
    void put(int code, int bits) {
        acc_ |= static_cast<uint32_t>(code) << fill_;
        fill_ += bits;
        while (fill_ >= 8) {
            bytes_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            fill_ -= 8;
        }
    }
    void finishInto(QByteArray& out) {
        if (fill_ > 0) bytes_.append(static_cast<char>(acc_ & 0xFF));
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const qsizetype n = std::min<qsizetype>(255, bytes_.size() - at);
            out.append(static_cast<char>(n));
            out.append(bytes_.mid(at, n));
        }
        out.append('\0');  // block terminator
    }

private:
    QByteArray bytes_;
    uint32_t acc_ = 0;
    int fill_ = 0;
};

// The picture's pixels as LZW codes with 8-bit roots.
void compress(const QImage& picture, CodeStream& codes) {
    constexpr int clear = 256;
    constexpr int end = 257;
    // next[prefix * 256 + pixel]: the code for prefix followed by pixel, 0 = none yet.
    std::vector<uint16_t> next(static_cast<size_t>(kMaxCodes) * 256, 0);
    int bits = 9;
    int nextCode = 258;
    codes.put(clear, bits);

    int prefix = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* row = picture.constScanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const int pixel = row[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            uint16_t& slot = next[static_cast<size_t>(prefix) * 256 + pixel];
            if (slot != 0) {
                prefix = slot;
                continue;
            }
            codes.put(prefix, bits);
            if (nextCode < kMaxCodes) {
                if (nextCode == (1 << bits)) ++bits;
                slot = static_cast<uint16_t>(nextCode++);
            } else {
                codes.put(clear, bits);
                std::fill(next.begin(), next.end(), 0);
                bits = 9;
                nextCode = 258;
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0) {
        codes.put(prefix, bits);
        // A decoder makes an entry after this code too, and widens its codes
        // when that fills the present width.
        if (nextCode < kMaxCodes && nextCode == (1 << bits)) ++bits;
    }
    codes.put(end, bits);
}

}  // namespace

QByteArray EncodeGif(const QImage& picture) {
    const QList<QRgb> colours = picture.colorTable();
    if (picture.format() != QImage::Format_Indexed8 || colours.isEmpty() || colours.size() > 256 ||
        picture.width() > 0xFFFF || picture.height() > 0xFFFF || picture.isNull())
        return QByteArray();

    QByteArray out("GIF89a");
    putWord(out, picture.width());
    putWord(out, picture.height());
    out.append(static_cast<char>(0xF7));  // a global table of 256 colours, 8 bits each
    out.append('\0');                      // background colour
    out.append('\0');                      // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    out.append(',');  // the image
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, picture.width());
    putWord(out, picture.height());
    out.append('\0');  // no local colour table, not interlaced
    out.append(static_cast<char>(8));  // root code size

    CodeStream codes;
    compress(picture, codes);
    codes.finishInto(out);
    out.append(';');  // trailer
    return out;
}

}  // namespace grisk_setup
