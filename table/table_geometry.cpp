#include "table/table_geometry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "engine/frm_grisk.h"
#include "platform/controls.h"
#include "platform/twips.h"

namespace grisk {

namespace {

bool shown(vb::Kind k) {
    return k == vb::Kind::PictureBox || k == vb::Kind::CommandButton || k == vb::Kind::Label;
}

int whole(double v) { return static_cast<int>(std::lround(v)); }

}  // namespace

std::vector<PlacedControl> VisibleTableControls() {
    std::vector<PlacedControl> out;
    for (const vb::Control* c : frmGrisk().controls())
        if (shown(c->kind()) && c->shown()) out.push_back({c->Name(), c->Index(), c->rectPx()});
    return out;
}

QRectF TableInnerRect() {
    const FrmGrisk& f = frmGrisk();
    return QRectF(0, 0, screen::TwipsToPixels(f.Width() - vb::FrameWidthTw()),
                  screen::TwipsToPixels(f.Height() - vb::FrameHeightTw()));
}

QByteArray TableGeometryJson() {
    QJsonArray controls;
    for (const PlacedControl& c : VisibleTableControls()) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), c.name);
        o.insert(QStringLiteral("index"), c.index);
        o.insert(QStringLiteral("x"), whole(c.rect.x()));
        o.insert(QStringLiteral("y"), whole(c.rect.y()));
        o.insert(QStringLiteral("width"), whole(c.rect.width()));
        o.insert(QStringLiteral("height"), whole(c.rect.height()));
        controls.append(o);
    }
    const QRectF inner = TableInnerRect();
    QJsonObject window;
    window.insert(QStringLiteral("width"), whole(inner.width()));
    window.insert(QStringLiteral("height"), whole(inner.height()));
    QJsonObject root;
    root.insert(QStringLiteral("window"), window);
    root.insert(QStringLiteral("controls"), controls);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace grisk
