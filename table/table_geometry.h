// What the main window shows, control by control, in pixels of its inner
// area: for a script that drives the real window by its piles, and for the
// checks that every pile lies whole on the window.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <vector>

namespace grisk {

struct PlacedControl {
    QString name;
    int index = -1;  // -1 for a control outside a control array
    QRectF rect;     // pixels of the window's inner area
};

// Every visible pile picture, button and label of the main window, in the
// order the window made them.
std::vector<PlacedControl> VisibleTableControls();

// The window's inner size in pixels.
QRectF TableInnerRect();

// The list as JSON: {"window": {"width", "height"}, "controls": [{"name",
// "index", "x", "y", "width", "height"}, ...]}, whole pixels rounded.
QByteArray TableGeometryJson();

}  // namespace grisk
