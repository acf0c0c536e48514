// The card flow: card backs drifting over the table (when the human wins,
// and from commands, keys and a peer's message), drawn through an
// off-screen back buffer until a click, a key or a resize raises
// FlowClicked.
#pragma once

#include <QImage>

#include "table/state.h"

namespace grisk {

class FrmGrisk;

// Loads the file buffer.FileName into the buffer (freeing what it held)
// when the file exists; a file that cannot be read shows "Error: Unable to
// load <file>!!!". A missing file leaves the buffer as it was.
void LoadBitmapBuffer(BitmapBuffer& buffer);
// Frees the buffer's picture; a free buffer stays free.
void FreeBitmapBuffer(BitmapBuffer& buffer);
// Frees the flow's back buffer and its tile.
void FreeAllBuffers();
// Makes a black picture of the given size (none for a size below 1) in the
// buffer.
void CreateBackBuffer(BitmapBuffer& buffer, long width, long height);
// Takes the table window's outer size in pixels into BackBufferWidth and
// BackBufferHeight, lets pending events through, then makes the back buffer
// as large as the window's inner area.
void PrepareAnimation();
// Shows the back buffer: 0 over the whole table window, 1 as a strip over
// the pile rows of seat 2 and of the human, any other style in the stock's
// picture.
void PaintBuffers(int displayStyle);

// The flow in style 0 (the whole window), 1 (the two pile rows) or any
// other (the stock only). A call while the flow runs joins the running
// loop until the stop request; only the call that set the flow up frees its
// buffers, deletes "~temp.bmp" and repaints the table, once. At its end a
// deal that waited for it (FlowStop) starts. With the pause scale at 0
// (nobody watching) it shows one frame and ends as though clicked.
void AnimateCardsFlow(int displayStyle);

// The table window's inner area as it stands: its colour with its picture
// over it, the surface the flow and the winner's picture show paint on.
QImage TableSurface(FrmGrisk& f);

// How many tiles the flow lays, from the back buffer's and the tile's size:
// Across = width \ tile width + 1 and Down = height \ tile height + 1, then
// three times as many rows and one more column when the columns overhang the
// width by less than 69 pixels, else 3 more rows for style 1 and 5 more for
// the others. A tile without size gives none.
struct FlowTileCount {
    int Across = 0;
    int Down = 0;
};
FlowTileCount FlowTiles(long backWidth, long backHeight, int tileWidth, int tileHeight,
                        int displayStyle);

}  // namespace grisk
