// The painters behind our card art. The program does not run them: the
// build paints every picture once (grisk-card-pictures) into compressed
// resources, and card_art.h hands those out. Tests compare the two.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

namespace grisk::card_art {

// Where card 1..52 lies on a deck's sheet: the large sheet keeps the
// layout of card_art.h (column c at 71 c - 70), the small one has 59 x 80
// cells from (0, 0).
QPoint SheetCell(int card, bool small);

namespace paint {
QImage Face(int deck, int card, bool small);
QImage FaceSheet(int deck, bool small);
QImage RankCard(int style, int rank, bool small);
QImage Back(int design, bool small);
QImage PlainBack();
QImage EmptyMark(bool wood, bool small);
QImage CentreBoard(bool wood, bool tall);
// The splash window's lines on a see-through picture of the window's size.
QImage SplashText();
}  // namespace paint

// The compiled pictures: each has a name and a painter. A rank-only deck is
// one strip of 13 cards (rank r at x = (r - 1) times the card width).
struct CompiledPicture {
    QString name;
    std::function<QImage()> paint;
};
std::vector<CompiledPicture> CompiledPictures();
QString FaceSheetName(int deck, bool small);
QString RankStripName(int style, bool small);
QString BackName(int design, bool small);
QString PlainBackName();
QString EmptyMarkName(bool wood, bool small);
QString CentreBoardName(bool wood, bool tall);
QString SplashTextName();

// A picture as stored: a 16-byte header (the letters "GPIX", width, height
// and QImage format, little-endian 32-bit) and the rows, 4 bytes a pixel.
QByteArray EncodePicture(const QImage& img);
QImage DecodePicture(const QByteArray& bytes);  // null when the bytes are no picture

// The pack of all compiled pictures, built into the program as it is and
// read in place: "GPIXPACK", the count (32-bit), then per picture its name
// (48 bytes, zero-padded), offset and size (32-bit each), then the stored
// pictures, each starting at a multiple of 64 bytes from the pack's start.
QByteArray PackPictures(const std::vector<CompiledPicture>& pictures);
// The stored picture of that name in pack (which lies at a 64-byte
// boundary), shown in place without a copy; null when it is not there.
QImage PictureInPack(const uchar* pack, size_t packSize, const QString& name);

}  // namespace grisk::card_art
