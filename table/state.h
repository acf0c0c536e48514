// The table display's shared state: card sizes, layout steps, the display
// mode in force, the layout anchors and which optional controls exist.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>

#include "platform/vbarray.h"
#include "table/layout_sizes.h"

namespace grisk {

// A picture held off the screen for the card flow: the file it was loaded
// from and its pixels (none while the buffer is free).
struct BitmapBuffer {
    QString FileName;
    QImage Bitmap;
    int Width = 0;
    int Height = 0;
};

struct TableState {
    // False for a table that nobody looks at (the simulator): DrawCard only
    // shows the picture control and plays the sound, and a card flight only
    // notes where it started.
    bool PaintCards = true;
    // The card being painted (reduced as the drawing goes) and its cell in
    // the face sheet.
    int DrawCardNo = 0;
    int DrawSuit = 0;
    int CellX = 0;
    int CellY = 0;
    // The empty-pile marks, large and small; chosen by the skin in force.
    QImage EmptyPilePicture;
    QImage EmptyPilePictureSmall;
    bool EmptyPilesChosen = false;

    int CardWidthPx = kCardWidthPx;
    int CardHeightPx = kCardHeightPx;
    int CardWidthTw = kCardWidthTw;
    int CardHeightTw = kCardHeightTw;
    int PileStep = 80;
    int CardSpacing = 82;
    int CardHalfSpacing = 41;
    int DisplayMode = 0;  // 0 large, 1 large moved up, 2 small, 3 small moved up
    bool SmallDisplay = false;

    // The height of the screen's work area in twips, measured at start-up;
    // 0: the whole screen (ScreenHeightTw).
    double WorkAreaHeightTw = 0;

    // Layout anchors in pixels of the main window (ComputeTableCoordinates).
    int HandRowLeft = 166;
    int HandRowTop = 392;
    int HoldRowLeft = 300;
    int HoldRowTop = 273;
    int Seat2SideLeft = 151;
    int Seat2SideTop = 6;
    int Seat2HandLeft = 240;
    int Seat2HandTop = 6;
    int Seat2HoldLeft = 300;
    int SeatHoldTop = 102;
    int CenterAreaLeft = 33;
    int CenterAreaTop = 202;

    // Controls made at run time: the hold-pile frames 2..8, the fourth
    // centre pile, and the control sets of seats 3 and 4.
    bool HoldLabelsLoaded = false;
    bool Center4Loaded = false;
    bool Seat3Loaded = false;
    bool Seat4Loaded = false;

    // The display-size sub-menu: item 0 "Move Cards Up" / "Move Cards Down",
    // 1 "Make Display Smaller" / "Make Display Larger" (its caption tells the
    // size in force), 2 "Reset Default Window Size".
    std::array<QString, 3> DisplayMenuCaption{QStringLiteral("Move Cards Up"),
                                              QStringLiteral("Make Display Smaller"),
                                              QStringLiteral("Reset Default Window Size")};
    std::array<bool, 3> DisplayMenuEnabled{true, true, true};

    // The card flow's back buffer (as large as the table window's inner
    // area) and its tile; the table window's outer size in pixels.
    BitmapBuffer BackBuffer;
    BitmapBuffer FlowTile;
    long BackBufferWidth = 0;
    long BackBufferHeight = 0;

    // Flags and options of neighbouring subsystems that the table reads or
    // clears; each moves to its owner's state when that subsystem is built.
    bool TableLaidOut = false;         // the table has been laid out once since start-up

    // The pile-information window: (1) the seat and (2) the pile it shows;
    // 0 and 0 after a pay-off or stock view.
    vb::Array<int, 1> InfoSel{{0, 2}};
    // The mouse has entered the menu strip since it was last closed.
    bool PanelHover = false;
    // The menu strip's titles: pixels to a unit of their places (below 1
    // where the window is too narrow for the designed strip), and the
    // strip's picture drawn for that scale (style, scale, picture).
    double MenuTitleScale = 1.0;
    int MenuStripStyle = -1;
    double MenuStripScale = 0;
    QImage MenuStripPicture;
};

extern TableState tbl;
void ResetTableState();

}  // namespace grisk
