#include "platform/twips.h"

#include <optional>
#include <QGuiApplication>
#include <QScreen>

namespace screen {
namespace {
std::optional<Metrics>& injected() {
    static std::optional<Metrics> m;
    return m;
}
}  // namespace

Metrics Current() {
    if (injected()) return *injected();
    Metrics m;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QSize px = s->size();
        m.widthTw = PixelsToTwips(px.width());
        m.heightTw = PixelsToTwips(px.height());
        m.workHeightTw = PixelsToTwips(s->availableGeometry().height());
        m.logicalDpiX = static_cast<int>(s->logicalDotsPerInchX() + 0.5);
        m.colorDepth = s->depth();
    }
    return m;
}

void Inject(const Metrics& m) { injected() = m; }
void ClearInjection() { injected().reset(); }

}  // namespace screen
