// The menu strip at the top edge of the table: it comes out when the mouse
// reaches the edge or the menu picture, opens the command list under the
// title pressed, and goes away at a press on the table.
#pragma once

#include <QRectF>

namespace grisk {

// The menus of the strip's titles.
enum MenuTitle : int { kMenuBetweenTitles = 0, kMenuGame = 1, kMenuOptions = 2, kMenuInternet = 3, kMenuHelp = 4,
                       kMenuOutsideBand = -1 };

// What a press at (x, y) pixels of the strip hits: a title, the band of the
// titles between two of them, or nothing (above or below the band). A
// title's ends and the band's edges belong to no title.
int MenuTitleAt(double x, double y);
// What a press at (x, y) pixels of the strip as it shows hits: its titles
// close up on a strip narrowed to fit the window.
int StripTitleAt(double x, double y);
// Where a title shows on the strip, in the strip's pixels: the part of the
// strip a press on it hits.
QRectF StripTitleRectPx(int menu);

// The menu picture at the top: brings the strip out unless it is locked.
void imgMenu_MouseMove();
// A move on the table: at the top edge the strip comes out (refused during
// the tutorial); while the card flow runs, a move of more than 10 pixels up
// or down stops it.
void Form_MouseMove(double x, double y);
// A press on the table or on a message line: stops the card flow and puts
// the strip and its open list away.
void Form_MouseDown();
// The first move over the strip since it came out plays the hover sound;
// near its top or left edge the open list closes.
void picPanel_MouseMove(double x, double y);
// A press on the strip: opens the title's command list and waits for it to
// close, then runs the command picked.
void picPanel_MouseDown(double x, double y);

}  // namespace grisk
