// Twips and pixels, converted in one place, and the screen's metrics. The
// screen size can be injected by tests (widths such as 9600 or 12001 twips).
#pragma once

namespace screen {

// 15 twips to a pixel at the normal 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

constexpr double PixelsToTwips(double px) { return px * kTwipsPerPixel; }
constexpr double TwipsToPixels(double tw) { return tw / kTwipsPerPixel; }

struct Metrics {
    double widthTw = 1280 * kTwipsPerPixel;
    double heightTw = 1024 * kTwipsPerPixel;
    // The height of the screen's work area (less the desktop's panels);
    // 0 when the whole screen is work area.
    double workHeightTw = 0;
    int logicalDpiX = 96;
    int colorDepth = 24;
    int captionHeightPx = 23;
};

// The real screen's metrics, or the injected ones.
Metrics Current();
void Inject(const Metrics& m);
void ClearInjection();

}  // namespace screen
