// The list of compiled card pictures and their stored form.
#include <QPainter>
#include <QtEndian>
#include <cstring>

#include "table/card_art.h"
#include "table/card_art_paint.h"

namespace grisk::card_art {

namespace {

QString size(bool small) { return small ? QStringLiteral("small") : QStringLiteral("large"); }

QImage rankStrip(int style, bool small) {
    const int w = small ? kSmallW : kLargeW, h = small ? kSmallH : kLargeH;
    QImage strip(13 * w, h, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (int rank = 1; rank <= 13; ++rank) p.drawImage((rank - 1) * w, 0, paint::RankCard(style, rank, small));
    p.end();
    return strip;
}

constexpr char kMagic[4] = {'G', 'P', 'I', 'X'};
constexpr int kHeader = 16;

}  // namespace

QString FaceSheetName(int deck, bool small) { return QStringLiteral("face-%1-%2").arg(deck).arg(size(small)); }
QString RankStripName(int style, bool small) { return QStringLiteral("rank-%1-%2").arg(style).arg(size(small)); }
QString BackName(int design, bool small) { return QStringLiteral("back-%1-%2").arg(design).arg(size(small)); }
QString PlainBackName() { return QStringLiteral("plain-back"); }
QString EmptyMarkName(bool wood, bool small) {
    return QStringLiteral("empty-%1-%2").arg(wood ? "wood" : "metal").arg(size(small));
}
QString CentreBoardName(bool wood, bool tall) {
    return QStringLiteral("board-%1-%2").arg(wood ? "wood" : "metal").arg(tall ? "tall" : "wide");
}

QString SplashTextName() { return QStringLiteral("splash-text"); }

std::vector<CompiledPicture> CompiledPictures() {
    std::vector<CompiledPicture> all;
    for (bool small : {false, true}) {
        for (int deck = 0; deck < FaceDeckCount(); ++deck)
            all.push_back({FaceSheetName(deck, small), [=] { return paint::FaceSheet(deck, small); }});
        for (int style = 1; style <= kRankStyles; ++style)
            all.push_back({RankStripName(style, small), [=] { return rankStrip(style, small); }});
        for (int design = 0; design < BackDesignCount(); ++design)
            all.push_back({BackName(design, small), [=] { return paint::Back(design, small); }});
        for (bool wood : {false, true})
            all.push_back({EmptyMarkName(wood, small), [=] { return paint::EmptyMark(wood, small); }});
    }
    all.push_back({PlainBackName(), [] { return paint::PlainBack(); }});
    for (bool wood : {false, true})
        for (bool tall : {false, true})
            all.push_back({CentreBoardName(wood, tall), [=] { return paint::CentreBoard(wood, tall); }});
    all.push_back({SplashTextName(), [] { return paint::SplashText(); }});
    return all;
}

QByteArray EncodePicture(const QImage& source) {
    const QImage img = source.depth() == 32 ? source : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes(kHeader + img.width() * img.height() * 4, Qt::Uninitialized);
    char* out = bytes.data();
    std::memcpy(out, kMagic, 4);
    qToLittleEndian<quint32>(img.width(), out + 4);
    qToLittleEndian<quint32>(img.height(), out + 8);
    qToLittleEndian<quint32>(img.format(), out + 12);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(out + kHeader + y * img.width() * 4, img.constScanLine(y), img.width() * 4);
    return bytes;
}

namespace {

// The picture stored in bytes, shown in place (the bytes must outlive it);
// null when the bytes are no whole picture.
QImage pictureAt(const uchar* in, size_t size) {
    if (size < size_t(kHeader) || std::memcmp(in, kMagic, 4) != 0) return QImage();
    const quint32 w = qFromLittleEndian<quint32>(in + 4), h = qFromLittleEndian<quint32>(in + 8);
    const quint32 format = qFromLittleEndian<quint32>(in + 12);
    if (w == 0 || h == 0 || w > 4096 || h > 4096 || size != size_t(kHeader) + size_t(w) * h * 4) return QImage();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return QImage();
    return QImage(in + kHeader, int(w), int(h), int(w * 4), static_cast<QImage::Format>(format));
}

constexpr char kPackMagic[8] = {'G', 'P', 'I', 'X', 'P', 'A', 'C', 'K'};
constexpr int kNameBytes = 48;
constexpr int kEntryBytes = kNameBytes + 8;
constexpr int kAlign = 64;

}  // namespace

QImage DecodePicture(const QByteArray& bytes) {
    // Copied, so that the picture owns its pixels.
    return pictureAt(reinterpret_cast<const uchar*>(bytes.constData()), size_t(bytes.size())).copy();
}

QByteArray PackPictures(const std::vector<CompiledPicture>& pictures) {
    const int count = int(pictures.size());
    QByteArray pack(8 + 4 + count * kEntryBytes, '\0');
    std::memcpy(pack.data(), kPackMagic, 8);
    qToLittleEndian<quint32>(count, pack.data() + 8);
    for (int i = 0; i < count; ++i) {
        const QByteArray stored = EncodePicture(pictures[i].paint());
        pack.append(QByteArray((kAlign - pack.size() % kAlign) % kAlign, '\0'));
        char* entry = pack.data() + 12 + i * kEntryBytes;
        const QByteArray name = pictures[i].name.toUtf8().left(kNameBytes - 1);
        std::memcpy(entry, name.constData(), name.size());
        qToLittleEndian<quint32>(pack.size(), entry + kNameBytes);
        qToLittleEndian<quint32>(stored.size(), entry + kNameBytes + 4);
        pack.append(stored);
    }
    return pack;
}

QImage PictureInPack(const uchar* pack, size_t packSize, const QString& name) {
    if (packSize < 12 || std::memcmp(pack, kPackMagic, 8) != 0) return QImage();
    const quint32 count = qFromLittleEndian<quint32>(pack + 8);
    if (count > (packSize - 12) / kEntryBytes) return QImage();
    const QByteArray wanted = name.toUtf8();
    for (quint32 i = 0; i < count; ++i) {
        const uchar* entry = pack + 12 + i * kEntryBytes;
        const auto* entryName = reinterpret_cast<const char*>(entry);
        if (qstrnlen(entryName, kNameBytes) != size_t(wanted.size()) ||
            std::memcmp(entryName, wanted.constData(), wanted.size()) != 0)
            continue;
        const quint32 offset = qFromLittleEndian<quint32>(entry + kNameBytes);
        const quint32 size = qFromLittleEndian<quint32>(entry + kNameBytes + 4);
        if (offset % kAlign != 0 || offset > packSize || size > packSize - offset) return QImage();
        return pictureAt(pack + offset, size);
    }
    return QImage();
}

}  // namespace grisk::card_art
