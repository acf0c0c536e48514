// grisk-cards OUTDIR: writes every card picture the program paints (faces of
// every full deck, the rank-only decks, the backs, the plain back and the
// empty-pile marks, each in both card sizes) as PNG files, plus one overview
// sheet, so that the art can be looked at.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/state.h"
#include "platform/controls.h"
#include "platform/vb.h"
#include "table/card_art.h"
#include "table/card_art_paths.h"
#include "table/card_drawing.h"
#include "table/card_store.h"
#include "table/cls_dll.h"
#include "table/frm_pic.h"

using namespace grisk;
namespace art = grisk::card_art;

namespace {

bool save(const QImage& img, const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    if (img.save(path, "PNG")) return true;
    std::fprintf(stderr, "grisk-cards: cannot write %s\n", qPrintable(path));
    return false;
}

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// The small faces of deck style `style`, made the way the game makes them:
// cut into the small-card files and loaded back scaled.
std::vector<QImage> smallFaces(int style, const QString& scratch) {
    eng.DataFolder = scratch + "/";
    clsDLL lib;
    lib.GetCardFaces(style);
    MakeSmallCardFiles();
    std::vector<QImage> out;
    for (int n = 1; n <= 52; ++n) out.push_back(LoadScaledCardFile(eng.DataFolder + QString::number(n) + ".tmp"));
    return out;
}

struct Sheet {
    QImage img;
    QPainter p;
    explicit Sheet(int w, int h) : img(w, h, QImage::Format_RGB32) {
        img.fill(QColor(0, 110, 40));
        p.begin(&img);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 230));
    }
    void label(int x, int y, const QString& text) { p.drawText(x, y, text); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grisk-cards OUTDIR\n"
                             "Writes every card face, back, rank-only deck and empty-pile mark\n"
                             "in both card sizes as PNG files into OUTDIR, plus overview.png.\n");
        return 2;
    }
    vb::forms::setScreenWindows(false);
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "grisk-cards: cannot make %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir scratch;
    bool ok = scratch.isValid();

    const int decks = art::FaceDeckCount();
    const int backs = art::BackDesignCount();
    const int gap = 4, lw = art::kLargeW + gap, sw = art::kSmallW + gap;
    const int deckRowH = 4 * (art::kLargeH + gap) + 24;
    const int width = 13 * lw + 24 + 13 * sw + 24;
    const int height = 16 + decks * deckRowH + art::kRankStyles * (art::kLargeH + gap) + 24 +
                       2 * (art::kLargeH + gap) + 60;
    Sheet sheet(width, height);
    int y = 20;

    for (int d = 0; d < decks; ++d) {
        const int style = 6 + d;
        const QString dir = out + QStringLiteral("/faces/style%1-%2").arg(style).arg(art::FaceDeckName(d).replace(' ', '-').toLower());
        const std::vector<QImage> small = smallFaces(style, scratch.path());
        sheet.label(8, y, QStringLiteral("Deck style %1: %2").arg(style).arg(art::FaceDeckName(d)));
        y += 6;
        for (int n = 1; n <= 52; ++n) {
            const QImage large = art::Face(d, n);
            ok = save(large, dir + "/large/" + two(n) + ".png") && ok;
            ok = save(small[n - 1], dir + "/small/" + two(n) + ".png") && ok;
            const int suit = (n - 1) / 13, rank = (n - 1) % 13;
            sheet.p.drawImage(8 + rank * lw, y + suit * (art::kLargeH + gap), large);
            sheet.p.drawImage(8 + 13 * lw + 16 + rank * sw, y + suit * (art::kSmallH + gap), small[n - 1]);
        }
        y += deckRowH - 6;
    }

    sheet.label(8, y, QStringLiteral("Rank-only deck styles 1..5 (large, then small)"));
    y += 6;
    for (int s = 1; s <= art::kRankStyles; ++s) {
        const QString dir = out + QStringLiteral("/rank/style%1-%2").arg(s).arg(art::RankStyleName(s).toLower());
        for (int r = 1; r <= 13; ++r) {
            const QImage large = art::RankCard(s, r);
            const QImage small = ScaleToSmallCard(large);
            ok = save(large, dir + "/large/" + two(r) + ".png") && ok;
            ok = save(small, dir + "/small/" + two(r) + ".png") && ok;
            sheet.p.drawImage(8 + (r - 1) * lw, y, large);
            sheet.p.drawImage(8 + 13 * lw + 16 + (r - 1) * sw, y, small);
        }
        y += art::kLargeH + gap;
    }

    y += 18;
    sheet.label(8, y, QStringLiteral("Backs 1..%1, the plain back on its colour, empty marks (metallic, wood)").arg(backs));
    y += 6;
    int x = 8;
    for (int b = 0; b < backs; ++b) {
        const QString name = QStringLiteral("/backs/%1-%2").arg(two(b + 1)).arg(art::BackDesignName(b).replace(' ', '-').toLower());
        ok = save(art::Back(b, false), out + name + "-large.png") && ok;
        ok = save(art::Back(b, true), out + name + "-small.png") && ok;
        sheet.p.drawImage(x, y, art::Back(b, false));
        sheet.p.drawImage(x, y + art::kLargeH + gap, art::Back(b, true));
        x += lw;
    }
    // The plain back as the table shows it: over the back colour.
    for (bool small : {false, true}) {
        const int w = small ? art::kSmallW : art::kLargeW, h = small ? art::kSmallH : art::kLargeH;
        QImage plain(w, h, QImage::Format_RGB32);
        plain.fill(art::FromVb(vb::RGB(192, 224, 255)));
        QPainter p(&plain);
        p.drawImage(0, 0, art::PlainBack());
        p.setPen(QColor(64, 64, 64));
        p.drawRect(0, 0, w - 1, h - 1);
        p.end();
        ok = save(art::PlainBack().copy(0, 0, w, h), out + QStringLiteral("/backs/00-plain-%1.png").arg(small ? "small" : "large")) && ok;
        sheet.p.drawImage(x, y + (small ? art::kLargeH + gap : 0), plain);
    }
    x += lw + 12;
    for (bool wood : {false, true}) {
        const QString kind = wood ? "wood" : "metallic";
        ok = save(art::EmptyMark(wood, false), out + "/empty/" + kind + "-large.png") && ok;
        ok = save(art::EmptyMark(wood, true), out + "/empty/" + kind + "-small.png") && ok;
        sheet.p.drawImage(x, y, art::EmptyMark(wood, false));
        sheet.p.drawImage(x, y + art::kLargeH + gap, art::EmptyMark(wood, true));
        x += lw;
    }
    sheet.p.end();
    ok = save(sheet.img, out + "/overview.png") && ok;
    ReleaseCardPictureStores();
    if (ok) std::printf("grisk-cards: wrote the card pictures to %s\n", qPrintable(out));
    return ok ? 0 : 1;
}
