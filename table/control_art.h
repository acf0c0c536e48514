// Our own pictures of the table's controls, painted by the program: the menu
// strip in both styles, the slap burst, the avatar's mouse pointers, the
// undo icon, the window skins and the extra table backgrounds the set-up
// writes (the emotion icons are in table/emotion_icons.h). Each is the same
// on every run.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

namespace grisk::control_art {

// The menu strip, 792 x 64 pixels: the titles "Game", "Options", "Internet"
// and "Help" on tabs over x 31..183, 195..335, 348..491 and 500..649 (the
// strip's own units) and y 22..60. Style 0 is brushed metal, style 1 wood.
inline constexpr int kStripW = 792;
inline constexpr int kStripH = 64;
struct StripTitle {
    const char* text;
    int left;
    int right;
};
inline constexpr StripTitle kStripTitles[] = {
    {"Game", 31, 183}, {"Options", 195, 335}, {"Internet", 348, 491}, {"Help", 500, 649}};
// The strip with its titles' places drawn at titleScale pixels to a unit
// (1 the designed strip; less for a strip that must fit a narrow window).
// A title's text shrinks where its tab is too narrow for it.
QImage MenuStrip(int style, double titleScale = 1.0);
// A horizontal line from (x1, y) to (x2, y), x1 < x2, as the antialiasing painter
// draws it with a pen of one pixel (half over the row above y and half over
// row y, half a pixel past each end), blended into a premultiplied picture
// pixel by pixel: the strip's many grain lines cost a fraction of the
// painter's general line drawing.
void BlendLine(QImage& img, int x1, int x2, int y, const QColor& colour);
// The little menu picture at the top edge that brings the strip out.
QImage MenuTab();

// A burst with "SLAP!" in it, 40 x 40: drawn the first time it is asked
// for, the same shared picture afterwards.
const QImage& SlapBurst();
// Mouse pointers, 32 x 32: 0 an open hand (over the avatar), 1 a hand
// drawn back to slap (over the slap picture).
QImage HandPointer(int which);
// The curved back arrow of the status bar's undo panel, 16 x 16.
QImage UndoIcon();
// The skins, painted stretched over a borderless window: 0 wood (the skin
// on), 1 plain grey.
QImage Skin(int which);

// Backgrounds the set-up writes beside the default board: file name and
// picture (both tile without seams).
struct Background {
    QString fileName;
    QImage picture;
};
std::vector<Background> ExtraBackgrounds();

}  // namespace grisk::control_art
