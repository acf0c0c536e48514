// Where the panels of a status bar lie: each as wide as designed or as its
// text needs, the spring panel taking the room the others leave.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/controls.h"
#include "platform/control_widgets.h"
#include "platform/formwindow.h"
#include "platform/twips.h"

namespace vb {

namespace {
constexpr double kPanelWidthPx = 60;       // a panel without a width of its own
constexpr double kPanelTextRoomPx = 10;    // the bevel and margins round a panel's text
constexpr double kPanelPictureGapPx = 3;   // between a panel's picture and its text

// The width a panel's text and picture take, with the room painting leaves
// round them.
double textWidth(const QFontMetricsF& metrics, const Panel& panel) {
    double w = std::ceil(metrics.horizontalAdvance(panel.Text)) + kPanelTextRoomPx;
    if (!panel.Picture.isNull()) w += panel.Picture.width() + kPanelPictureGapPx;
    return w;
}

}  // namespace

std::vector<QRectF> StatusPanelCells(const Control& bar, const QRectF& r) {
    const int n = bar.PanelCount();
    std::vector<QRectF> cells(static_cast<std::size_t>(n));
    const QFontMetricsF metrics(ControlFont(bar));
    // A panel is as wide as designed, or as its text needs where that is
    // more, so that its whole text shows; a spring panel takes the room the
    // others leave, and at least its own text's.
    std::vector<double> widths(static_cast<std::size_t>(n) + 1, 0.0);
    double fixed = 0;
    int springs = 0;
    for (int i = 1; i <= n; ++i) {
        const Panel& panel = bar.Panels(i);
        if (!panel.Visible) continue;
        const double designed = panel.MinWidth > 0 ? screen::TwipsToPixels(panel.MinWidth) : kPanelWidthPx;
        widths[static_cast<std::size_t>(i)] = textWidth(metrics, panel);
        if (panel.Spring) {
            ++springs;
            if (panel.MinWidth > 0) widths[static_cast<std::size_t>(i)] = std::max(designed, widths[static_cast<std::size_t>(i)]);
        } else {
            widths[static_cast<std::size_t>(i)] = std::max(designed, widths[static_cast<std::size_t>(i)]);
            fixed += widths[static_cast<std::size_t>(i)];
        }
    }
    // On a bar too narrow for the designed widths, the panels give up the
    // room their texts leave, each in proportion to it.
    double springTexts = 0;
    for (int i = 1; i <= n; ++i)
        if (bar.Panels(i).Visible && bar.Panels(i).Spring) springTexts += widths[static_cast<std::size_t>(i)];
    const double excess = fixed + springTexts - r.width();
    if (excess > 0) {
        double slack = 0;
        std::vector<double> room(static_cast<std::size_t>(n) + 1, 0.0);
        for (int i = 1; i <= n; ++i) {
            const Panel& panel = bar.Panels(i);
            if (!panel.Visible || panel.Spring) continue;
            room[static_cast<std::size_t>(i)] = widths[static_cast<std::size_t>(i)] - textWidth(metrics, panel);
            slack += room[static_cast<std::size_t>(i)];
        }
        if (slack > 0)
            for (int i = 1; i <= n; ++i) {
                const double give = room[static_cast<std::size_t>(i)] * std::min(1.0, excess / slack);
                widths[static_cast<std::size_t>(i)] -= give;
                fixed -= give;
            }
    }
    const double spare = springs > 0 ? std::max(0.0, r.width() - fixed) / springs : 0;
    double x = r.left();
    for (int i = 1; i <= n; ++i) {
        const Panel& panel = bar.Panels(i);
        if (!panel.Visible) continue;
        double w = widths[static_cast<std::size_t>(i)];
        if (panel.Spring) w = std::max(w, spare);
        cells[static_cast<std::size_t>(i - 1)] = QRectF(x, r.top(), w, r.height());
        x += w;
    }
    return cells;
}

int StatusPanelAt(const Control& bar, double xPx) {
    const QRectF r(0, 0, screen::TwipsToPixels(bar.widthTw()), screen::TwipsToPixels(bar.heightTw()));
    const std::vector<QRectF> cells = StatusPanelCells(bar, r);
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (!cells[i].isEmpty() && xPx >= cells[i].left() && xPx < cells[i].right())
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace vb
