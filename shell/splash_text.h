// The splash window's lines: their texts, places (twips) and fonts. The
// window keeps them as its labels' captions; the build paints them once into
// the picture the window shows (see table/card_art_paint.h), so that showing
// the splash needs no font.
#pragma once

#include <QString>

namespace grisk::splash {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline QString VersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

struct Line {
    const char* text;  // nullptr: the version text
    int leftTw, topTw, widthTw, heightTw;
    double points;
    bool bold;
};

// Title, version, legal line, warning; centred in their boxes.
inline constexpr Line kLines[] = {
    {"Grisk and Varnok", 200, 400, 5400, 700, 20, true},
    {nullptr, 200, 1300, 5400, 350, 10, false},
    {"A Quenmoor card game. Made with care; shared freely.", 200, 1800, 5400, 350, 8.25, false},
    {" Warning: Highly addictive", 200, 2400, 5400, 400, 10, true},
};

inline QString LineText(const Line& line) {
    return line.text ? QString::fromUtf8(line.text) : VersionText();
}

inline constexpr int kWindowWidthTw = 6000;
inline constexpr int kWindowHeightTw = 3600;
inline constexpr int kTextColour = 0xE0FFFF;  // &HBBGGRR: RGB(255, 255, 224)
inline constexpr const char* kFontName = "DejaVu Sans";

}  // namespace grisk::splash
