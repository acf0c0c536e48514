// Painting a card into a pile picture, and the picture stores it draws from:
// the face sheet, the small-card files cut from it, the rank-only deck and the
// backs. Card numbers run 1..208 (four decks); the face depends only on the
// number reduced into 1..52.
#pragma once

#include <QImage>
#include <QString>

namespace vb {
class ControlArray;
}

namespace grisk {

// The sound argument that paints the empty-pile mark instead of a back.
inline constexpr int kEmptyMark = 88;

// Paints card cardNo (1..208; 0 a back, or the empty mark with sound 88) in
// element index of the pile-picture array, shows it, then plays card sound
// 1..5 unless sounds are off. A number outside 0..208 paints the empty mark.
// The empty mark and the faces of rank-only decks take the size of the
// picture itself (large in a picture as high as a large card); full-deck
// faces and backs follow the display mode, the player count and the kind
// of picture.
// A failure (a missing picture element) ends in a message box. The picture
// is tagged with what was painted: "face N large" / "face N small" (N the
// card reduced to 1..52), "back large" / "back small", "empty large" /
// "empty small". Returns 0. With PaintCards off (the simulator) it only
// shows the control and plays the sound.
int DrawCard(vb::ControlArray& ctl, int index, int cardNo, int sound);

// Resets the centre-pile pictures and the first two seats' pile pictures to
// their empty look: backs on the two side piles, empty marks on the hold piles.
void ClearTableImages();

// Writes the 52 small-card files ("1.tmp".."52.tmp" in DataFolder), each a
// bitmap of one 71 x 96 cell of the face sheet in force.
void MakeSmallCardFiles();
// The same, once the main window has painted or a small face is first
// drawn (the files are read for nothing else); a later MakeSmallCardFiles
// or a rank-only deck takes its place.
void MakeSmallCardFilesAfterShow();

// Copies the rank-only deck DeckStyle (1..5) into frmPic.Image1 and its
// small copies into frmPic.ImageSm (through the files "1no.tmp"..
// "13no.tmp"), then releases the deck store.
void LoadRankCardImages();

// Loads a bitmap file scaled to 59 x 80 into frmPic.ImageSm(index) and deletes
// the file; a file that cannot be read leaves an empty picture.
void LoadSmallCardPicture(const QString& fileName, int index);

// Draws the small-card file of the card DrawCardNo into ctl(index).
void DrawSmallCardFromFile(vb::ControlArray& ctl, int index);

// A bitmap card file loaded and scaled to 59 x 80; null when unreadable.
QImage LoadScaledCardFile(const QString& fileName);
// The large face of card cardNo (1..208) cut from the face sheet in force;
// a null picture for 0 and below.
QImage SheetFaceImage(int cardNo);
// A large picture scaled to the small card size as the file loader does.
QImage ScaleToSmallCard(const QImage& large);

}  // namespace grisk
