#include "platform/personality_programs.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace pms {

namespace {

struct Look {
    const char* name;
    QColor skin;
    QColor shirt;
    QColor trim;  // hair, hat band and the burst behind the figure
};

// "Grisk" first: the default opponent's frames live in the program itself.
constexpr std::array<Look, 9> kLooks{{
    {"Grisk", QColor(120, 170, 90), QColor(150, 60, 40), QColor(240, 200, 40)},
    {"Varnok", QColor(200, 160, 130), QColor(40, 70, 150), QColor(230, 230, 240)},
    {"Raz", QColor(230, 190, 160), QColor(170, 30, 60), QColor(250, 120, 30)},
    {"Bruce", QColor(190, 140, 100), QColor(30, 110, 60), QColor(250, 250, 120)},
    {"Sport", QColor(240, 200, 170), QColor(230, 120, 20), QColor(60, 160, 230)},
    {"Voze", QColor(170, 150, 210), QColor(70, 40, 110), QColor(250, 150, 230)},
    {"Tony", QColor(220, 180, 150), QColor(90, 90, 90), QColor(240, 60, 60)},
    {"Virgil", QColor(160, 120, 90), QColor(20, 90, 120), QColor(140, 240, 200)},
    {"Warren", QColor(235, 205, 180), QColor(120, 80, 30), QColor(200, 230, 90)},
}};

const Look* lookOf(const QString& name) {
    for (const Look& l : kLooks)
        if (name.compare(QLatin1String(l.name), Qt::CaseInsensitive) == 0) return &l;
    return nullptr;
}

// The figure at frame f (1..7): it crouches, jumps, and lands with its arms
// up and a burst behind it; the cheer appears letter by letter.
void drawFigure(QPainter& p, const Look& look, int f) {
    static constexpr std::array<int, 8> kLift{0, 0, -2, -6, -10, -13, -14, -14};
    static constexpr std::array<int, 8> kArm{0, 200, 170, 130, 90, 60, 35, 20};  // degrees from straight up
    const double cx = kFrameWidth * 0.6;
    const double ground = kFrameHeight - 6;
    const double lift = kLift[static_cast<std::size_t>(f)];
    const double hip = ground - 22 + lift + (f == 1 ? 4 : 0);
    const double neck = hip - 24;
    const double headR = 11;

    if (f >= 5) {
        p.setPen(QPen(look.trim, 2));
        const int rays = 12;
        const double reach = 20 + 6 * (f - 4);
        for (int i = 0; i < rays; ++i) {
            const double a = 2 * M_PI * i / rays + f * 0.2;
            p.drawLine(QPointF(cx + 14 * std::cos(a), neck - 4 + 14 * std::sin(a)),
                       QPointF(cx + reach * std::cos(a), neck - 4 + reach * std::sin(a)));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(cx, ground + 2), 18 - f, 3);

    QPen limb(look.shirt.darker(140), 5, Qt::SolidLine, Qt::RoundCap);
    p.setPen(limb);
    const double spread = f == 1 ? 10 : 6 + f;
    p.drawLine(QPointF(cx - 4, hip), QPointF(cx - spread, hip + 20 + (f == 1 ? -4 : 0)));
    p.drawLine(QPointF(cx + 4, hip), QPointF(cx + spread, hip + 20 + (f == 1 ? -4 : 0)));
    const double arm = kArm[static_cast<std::size_t>(f)] * M_PI / 180.0;
    const double shoulder = neck + 5;
    p.drawLine(QPointF(cx - 8, shoulder), QPointF(cx - 8 - 18 * std::sin(arm), shoulder - 18 * std::cos(arm)));
    p.drawLine(QPointF(cx + 8, shoulder), QPointF(cx + 8 + 18 * std::sin(arm), shoulder - 18 * std::cos(arm)));

    p.setPen(QPen(look.shirt.darker(160), 1));
    p.setBrush(look.shirt);
    p.drawRoundedRect(QRectF(cx - 10, neck, 20, hip - neck + 2), 5, 5);
    p.setBrush(look.skin);
    p.drawEllipse(QPointF(cx, neck - headR + 1), headR, headR);
    p.setBrush(look.trim);
    p.drawChord(QRectF(cx - headR, neck - 2 * headR + 1, 2 * headR, 2 * headR), 20 * 16, 140 * 16);

    // The face: the eyes close with joy and the mouth opens wider frame by frame.
    const double eyes = neck - headR;
    p.setPen(QPen(Qt::black, 1.6));
    p.setBrush(Qt::NoBrush);
    if (f < 5) {
        p.drawPoint(QPointF(cx - 4, eyes));
        p.drawPoint(QPointF(cx + 4, eyes));
    } else {
        p.drawArc(QRectF(cx - 6, eyes - 1, 4, 3), 0, 180 * 16);
        p.drawArc(QRectF(cx + 2, eyes - 1, 4, 3), 0, 180 * 16);
    }
    const double open = 1 + f * 0.8;
    p.setBrush(f >= 4 ? QColor(120, 20, 20) : Qt::NoBrush);
    p.drawChord(QRectF(cx - 5, eyes + 3, 10, open + 2), 180 * 16, 180 * 16);

    if (f >= 3) {
        static const QString cheer = QStringLiteral("I WIN!");
        const int shown = std::min<int>(static_cast<int>(cheer.size()), 2 * (f - 2));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(14);
        p.setFont(font);
        p.setPen(look.trim.darker(130));
        p.drawText(QRectF(6, 4, kFrameWidth / 2.0, 18), Qt::AlignLeft | Qt::AlignTop, cheer.left(shown));
    }
}

}  // namespace

QStringList ShippedPersonalities() {
    QStringList out;
    for (std::size_t i = 1; i < kLooks.size(); ++i) out << QString::fromLatin1(kLooks[i].name);
    return out;
}

QImage PersonalityFrame(const QString& name, int frame) {
    const Look* look = lookOf(name);
    if (!look || frame < 1 || frame > kFrameCount) return QImage();
    QImage img(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    img.fill(QColor(0, 90, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look->trim, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1, 1, kFrameWidth - 2, kFrameHeight - 2), 6, 6);
    drawFigure(p, *look, frame);
    return img;
}

bool RunPersonalityProgram(const QString& name, const QString& argument, const QString& dataFolder,
                           int timeoutMs) {
    if (!ShippedPersonalities().contains(name, Qt::CaseInsensitive)) return false;
    if (argument.compare(QLatin1String("/QORVN"), Qt::CaseInsensitive) != 0) return false;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= kFrameCount; ++i) {
        if (clock.elapsed() > timeoutMs) return false;
        if (!PersonalityFrame(name, i).save(dataFolder + name + QString::number(i) + ".tmp", "BMP")) return false;
    }
    return true;
}

}  // namespace pms
