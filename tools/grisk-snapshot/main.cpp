// grisk-snapshot: renders the main window headless to a PNG for a player
// count, a number of centre piles, a display mode and a screen width, with
// the piles filled from a seeded shuffle, so any table layout can be looked
// at without playing to it.
//
//   grisk-snapshot --players 2..4 --centres 3|4 --mode 0..3
//                  --screen-width TWIPS --seed S [--peek] [--fly SLOT | --flow STYLE]
//                  --out FILE.png [--geometry FILE.json] [--remark TEXT]
//
// The table is built as start-up builds it (pile pictures, stack shapes,
// outlines, player count, window size, display mode), then dealt by the
// game's own deal, as the Deal button deals it. --peek turns the other hands
// up as the peek command does; --fly takes the shot half way through the
// flight of the human's card in slot SLOT to the first centre pile, --flow a
// few frames into the card flow. --remark puts TEXT in the remark line once
// the deal is done (where the deal's own remark may already have gone).
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "engine/deal.h"
#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/formwindow.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/animation.h"
#include "table/animation_flow.h"
#include "table/card_drawing.h"
#include "table/card_store.h"
#include "table/cls_dll.h"
#include "table/frm_pic.h"
#include "table/layout.h"
#include "table/peek.h"
#include "table/state.h"
#include "table/table_geometry.h"
#include "table/table_start.h"

using namespace grisk;

namespace {

const char* const kUsage =
    "usage: grisk-snapshot --players 2..4 --centres 3|4 --mode 0..3 --screen-width TWIPS\n"
    "                      --seed S [--peek] [--fly SLOT | --flow STYLE] --out FILE.png\n"
    "                      [--geometry FILE.json] [--remark TEXT]\n"
    "  renders the table headless with the piles filled from a shuffle seeded with S;\n"
    "  TWIPS is the screen width (15 twips a pixel: 9600, 12000, 12288, 15360, ...);\n"
    "  mode 1 moves the human's rows up, 2 and 3 use small cards (3 ends in 2,\n"
    "  as at start-up); below 10000 twips the table is always small;\n"
    "  --peek shows the other players' hands; --fly SLOT (1..10) shoots the human's\n"
    "  card half way to the first centre pile; --flow STYLE (0 whole window, 1 pile\n"
    "  rows, 2 stock) shoots the card flow; --geometry writes every visible pile\n"
    "  picture, button and label with its place in pixels of the window's inner\n"
    "  area (name, index, x, y, width, height); --remark shows TEXT in the remark\n"
    "  line after the deal (\\n in TEXT starts a new line).\n";

struct Options {
    int players = 2;
    int centres = 3;
    int mode = 0;
    int widthTw = 15360;
    int seed = 1;
    bool peek = false;
    int fly = 0;    // 0: no flight
    int flow = -1;  // -1: no flow
    QString out;
    QString geometry;  // where the controls' places go, as JSON; none when empty
    QString remark;    // the remark line's text after the deal; the deal's own when empty
};

[[noreturn]] void usage(const QString& problem) {
    if (!problem.isEmpty()) std::fprintf(stderr, "grisk-snapshot: %s\n", qPrintable(problem));
    std::fputs(kUsage, stderr);
    std::exit(2);
}

int number(const QCommandLineParser& p, const QString& name, int lo, int hi, int fallback) {
    if (!p.isSet(name)) return fallback;
    bool ok = false;
    const int v = p.value(name).toInt(&ok);
    if (!ok || v < lo || v > hi)
        usage(QStringLiteral("--%1 must be a whole number from %2 to %3").arg(name).arg(lo).arg(hi));
    return v;
}

Options parse(const QApplication& app) {
    QCommandLineParser p;
    for (const char* name : {"players", "centres", "mode", "screen-width", "seed", "fly", "flow", "out", "geometry", "remark"})
        p.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    p.addOption(QCommandLineOption(QStringLiteral("peek")));
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!p.parse(app.arguments())) usage(p.errorText());
    if (p.isSet(QStringLiteral("help"))) usage(QString());
    if (!p.positionalArguments().isEmpty()) usage(QStringLiteral("unexpected argument"));
    Options o;
    o.players = number(p, QStringLiteral("players"), 2, 4, o.players);
    o.centres = number(p, QStringLiteral("centres"), 3, 4, o.centres);
    o.mode = number(p, QStringLiteral("mode"), 0, 3, o.mode);
    o.widthTw = number(p, QStringLiteral("screen-width"), 9600, 30000, o.widthTw);
    o.seed = number(p, QStringLiteral("seed"), 0, 2147483647, o.seed);
    o.peek = p.isSet(QStringLiteral("peek"));
    o.fly = number(p, QStringLiteral("fly"), 1, 10, o.fly);
    o.flow = number(p, QStringLiteral("flow"), 0, 2, o.flow);
    if (o.fly > 0 && o.flow >= 0) usage(QStringLiteral("--fly and --flow cannot be shot together"));
    o.out = p.value(QStringLiteral("out"));
    o.geometry = p.value(QStringLiteral("geometry"));
    o.remark = p.value(QStringLiteral("remark")).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    if (o.out.isEmpty()) usage(QStringLiteral("--out is required"));
    return o;
}

// ------------------------------------------------------------------ dealing

// The players' names, then the game's own deal: the stock shuffled, the
// pay-off piles, the first player and the hands, as the Deal button deals.
void dealTable() {
    eng.PlayerName = QStringLiteral("Ottilie");
    eng.Player2.Name = QStringLiteral("Grisk");
    eng.Player3.Name = QStringLiteral("Varnok");
    eng.Player4.Name = QStringLiteral("Mirabel");
    ResetTableDisplay();
    if (SetUp()) GoDeal();
}

// --------------------------------------------------------------- the table

// The table laid out as start-up lays it out.
void buildTable(const Options& o) { LayOutTableAsStartUp(o.players, o.centres, o.mode); }

void dealAndDraw(const Options& o) {
    FrmGrisk& f = frmGrisk();
    f.Label9(3).setCaption(QStringLiteral("Ottilie"));
    dealTable();
    ShowOpponentNames();
    if (!o.remark.isEmpty()) f.Label9(2).setCaption(o.remark);
}

// The shot: of the dealt table, or taken while a card flies or the card
// flow runs (each runs as the program runs it, paced by the screen).
QPixmap takeShot(vb::FormWindow& window, const Options& o) {
    FrmGrisk& f = frmGrisk();
    if (o.peek) {
        eng.Peeking = true;
        Peek();
    }
    QPixmap shot;
    // The flight and the flow run at the screen's pace, to be caught midway.
    waits::SetPauseScale(1);
    if (o.fly > 0 && f.Picture7(o.fly).Visible()) {
        auto px = [](const vb::Control& c) {
            return QPointF(screen::TwipsToPixels(c.leftTw()), screen::TwipsToPixels(c.topTw()));
        };
        const auto steps = FlightPath(px(f.Picture7(o.fly)), px(f.PicCenter(1)), recs.AnimSpeed).size();
        const int halfWay = static_cast<int>(steps / 2 * kFlightStepMs);
        QTimer::singleShot(halfWay, [&] { shot = window.grab(); });
        AnimateCardMove(f.Picture7, o.fly, f.PicCenter, 1);
    } else if (o.flow >= 0) {
        QTimer::singleShot(400, [&] {
            shot = window.grab();
            cmd.FlowClicked = true;
        });
        AnimateCardsFlow(o.flow);
    }
    return shot.isNull() ? window.grab() : shot;
}

bool writeGeometry(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(TableGeometryJson()) >= 0) return true;
    std::fprintf(stderr, "grisk-snapshot: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options o = parse(app);

    vb::forms::setScreenWindows(true);
    screen::Metrics m;
    m.widthTw = o.widthTw;
    m.heightTw = o.widthTw * 3 / 4;
    screen::Inject(m);
    eng.ScreenWidthTw = m.widthTw;
    eng.ScreenHeightTw = m.heightTw;
    vb::Randomize(o.seed);
    // The deal's pauses and card flights take no time here.
    waits::SetPauseScale(0);

    // Small faces are drawn from files cut out of the face sheet.
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "grisk-snapshot: no temporary folder\n");
        return 1;
    }
    eng.DataFolder = data.path() + "/";
    {
        clsDLL lib;
        lib.GetCardFaces(recs.DeckStyle);
        MakeSmallCardFiles();
        lib.GetCardBacks(recs.BackStyle, frmPic(), 0, false);
        // Slots and stacks in the colour that goes with the back in use.
        if (recs.BackStyle >= 1) recs.PlainColor = CardImageLibrary().BackColor(recs.BackStyle - 1);
    }

    try {
        buildTable(o);
        dealAndDraw(o);
    } catch (const vb::Error& e) {
        std::fprintf(stderr, "grisk-snapshot: error %d: %s\n", e.number(), e.what());
        ReleaseFrmGrisk();
        ReleaseCardPictureStores();
        return 1;
    }

    // The window is made directly: the form's own load event (the program's
    // start-up) is not wanted here.
    int rc = 0;
    {
        vb::FormWindow window(&frmGrisk());
        window.applyGeometry();
        const QPixmap shot = takeShot(window, o);
        if (!o.geometry.isEmpty() && !writeGeometry(o.geometry)) rc = 1;
        if (shot.save(o.out, "PNG")) {
            std::printf("%s: %dx%d\n", qPrintable(o.out), shot.width(), shot.height());
        } else {
            std::fprintf(stderr, "grisk-snapshot: cannot write %s\n", qPrintable(o.out));
            rc = 1;
        }
    }
    ReleaseFrmGrisk();
    ReleaseCardPictureStores();
    return rc;
}
