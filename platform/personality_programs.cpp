#include "platform/personality_programs.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <iterator>
#include <map>

#include "platform/run_files.h"

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

const QByteArray kPackMagic("GVSP");

void put(QByteArray& out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

quint32 number(const QByteArray& b) {
    quint32 v = 0;
    for (qsizetype i = b.size() - 1; i >= 0; --i) v = (v << 8) | static_cast<quint8>(b[i]);
    return v;
}

// A sound's name is a plain ".pmw" file name of the sounds folder.
bool isSoundName(const QString& name) {
    return name.size() > 4 && name.size() <= 80 && name.endsWith(QLatin1String(".pmw"), Qt::CaseInsensitive) &&
           !name.contains('/') && !name.contains('\\') && !name.startsWith('.');
}

// The packs a program carries: its own, and Voze's carries Zozida's too.
QStringList packsOf(const QString& program) {
    QStringList packs{program};
    if (program.compare(QLatin1String("Voze"), Qt::CaseInsensitive) == 0) packs << QStringLiteral("Zozida");
    return packs;
}

// A file that already holds these bytes is left as it is.
bool writeSound(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    // The sounds live only for the run: the close deletes them.
    return run_files::WriteWhole(path, bytes) == run_files::WriteResult::Written;
}

// Every sound of the program's packs; false when its own pack is missing or
// damaged (the other packs' sounds are there all the same).
bool readPacks(const QString& program, const QString& programFolder, std::vector<PackedSound>& all) {
    bool ok = true;
    for (const QString& pack : packsOf(program)) {
        QFile file(programFolder + pack + ".pmp");
        std::vector<PackedSound> sounds;
        if (!file.open(QIODevice::ReadOnly) || !DecodeSoundPack(file.readAll(), sounds)) {
            // Only the program's own pack must be there.
            if (pack == program) ok = false;
            continue;
        }
        std::move(sounds.begin(), sounds.end(), std::back_inserter(all));
    }
    return ok;
}

bool installSounds(const QString& program, const QString& programFolder, const QString& outFolder,
                   int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    std::vector<PackedSound> sounds;
    const bool ok = readPacks(program, programFolder, sounds);
    for (const PackedSound& s : sounds) {
        if (clock.elapsed() > timeoutMs || !writeSound(outFolder + s.name, s.bytes)) return false;
    }
    return ok;
}

// The files each put-off install will write, by its run_files key.
std::map<QString, QStringList>& waitingFiles() {
    static std::map<QString, QStringList> files;
    return files;
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

bool HasPersonalityProgram(const QString& name) {
    return name.compare(QLatin1String(kLooks[0].name), Qt::CaseInsensitive) == 0 ||
           ShippedPersonalities().contains(name, Qt::CaseInsensitive);
}

QByteArray EncodeSoundPack(const std::vector<PackedSound>& sounds) {
    QByteArray out(kPackMagic);
    put(out, static_cast<quint16>(sounds.size()), 2);
    for (const PackedSound& s : sounds) {
        const QByteArray name = s.name.toLatin1();
        put(out, static_cast<quint16>(name.size()), 2);
        out += name;
        put(out, static_cast<quint32>(s.bytes.size()), 4);
        out += s.bytes;
    }
    return out;
}

bool DecodeSoundPack(const QByteArray& bytes, std::vector<PackedSound>& sounds) {
    sounds.clear();
    qsizetype pos = 0;
    auto take = [&](qsizetype n, QByteArray& into) {
        if (n < 0 || n > bytes.size() - pos) return false;
        into = bytes.mid(pos, n);
        pos += n;
        return true;
    };
    QByteArray field;
    if (!take(4, field) || field != kPackMagic || !take(2, field)) return false;
    const quint32 count = number(field);
    for (quint32 i = 0; i < count; ++i) {
        PackedSound s;
        if (!take(2, field) || !take(number(field), field)) return false;
        s.name = QString::fromLatin1(field);
        if (!isSoundName(s.name) || !take(4, field) || !take(number(field), s.bytes)) return false;
        sounds.push_back(s);
    }
    return pos == bytes.size();
}

QStringList SoundPackNames(const QString& name, const QString& programFolder) {
    QStringList out;
    QFile file(programFolder + name + ".pmp");
    std::vector<PackedSound> sounds;
    if (!file.open(QIODevice::ReadOnly) || !DecodeSoundPack(file.readAll(), sounds)) return out;
    for (const PackedSound& s : sounds) out << s.name;
    return out;
}

bool RunPersonalityProgram(const QString& name, const QString& argument, const QString& programFolder,
                           const QString& outFolder, int timeoutMs) {
    if (!HasPersonalityProgram(name)) return false;
    if (argument.compare(QLatin1String("/SND"), Qt::CaseInsensitive) == 0)
        return installSounds(name, programFolder, outFolder, timeoutMs);
    if (argument.compare(QLatin1String("/QORVN"), Qt::CaseInsensitive) != 0 || !lookOf(name) || lookOf(name) == &kLooks[0])
        return false;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= kFrameCount; ++i) {
        if (clock.elapsed() > timeoutMs) return false;
        if (!PersonalityFrame(name, i).save(outFolder + name + QString::number(i) + ".tmp", "BMP")) return false;
    }
    return true;
}

QStringList InstallSoundsAfterShow(const QString& name, const QString& programFolder, const QString& outFolder) {
    if (!HasPersonalityProgram(name)) return {};
    const QString key = QStringLiteral("sounds of ") + name.toLower() + QStringLiteral(" into ") + outFolder;
    std::map<QString, QStringList>& waiting = waitingFiles();
    QStringList names;
    if (run_files::IsPending(key)) {
        for (const QString& path : waiting[key]) names << path.mid(outFolder.size());
        return names;
    }
    std::vector<PackedSound> sounds;
    if (!readPacks(name, programFolder, sounds)) return {};
    QStringList paths;
    for (const PackedSound& s : sounds) {
        names << s.name;
        paths << outFolder + s.name;
    }
    waiting[key] = paths;
    run_files::Defer(key, [key, outFolder, sounds = std::move(sounds)] {
        waitingFiles().erase(key);
        // A sound that cannot be written is simply missing: playing it does nothing.
        for (const PackedSound& s : sounds) writeSound(outFolder + s.name, s.bytes);
    });
    return names;
}

namespace {
// The run_files key of the put-off install that writes path; "" for none.
QString waitingKeyOf(const QString& path) {
    for (const auto& [key, paths] : waitingFiles())
        if (run_files::IsPending(key) && paths.contains(path)) return key;
    return QString();
}
}  // namespace

bool SoundWaitsToBeWritten(const QString& path) { return !waitingKeyOf(path).isEmpty(); }

void WriteWaitingSoundNow(const QString& path) {
    const QString key = waitingKeyOf(path);
    if (!key.isEmpty()) run_files::WriteNow(key);
}

}  // namespace pms
