// grisk-snapshot: renders the main window headless to a PNG for a player
// count, a number of centre piles, a display mode and a screen width, with
// the piles filled from a seeded shuffle, so any table layout can be looked
// at without playing to it.
//
//   grisk-snapshot --players 2..4 --centres 3|4 --mode 0..3
//                  --screen-width TWIPS --seed S --out FILE.png
//
// The table is built as start-up builds it (pile pictures, stack shapes,
// outlines, player count, window size, display mode), then reset as before a
// deal and filled directly in the model arrays; RedrawTable paints it.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/formwindow.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/card_drawing.h"
#include "table/card_store.h"
#include "table/cls_dll.h"
#include "table/frm_pic.h"
#include "table/layout.h"
#include "table/state.h"

using namespace grisk;

namespace {

const char* const kUsage =
    "usage: grisk-snapshot --players 2..4 --centres 3|4 --mode 0..3 --screen-width TWIPS\n"
    "                      --seed S --out FILE.png\n"
    "  renders the table headless with the piles filled from a shuffle seeded with S;\n"
    "  TWIPS is the screen width (15 twips a pixel: 9600, 12000, 12288, 15360, ...);\n"
    "  mode 1 moves the human's rows up, 2 and 3 use small cards (3 ends in 2,\n"
    "  as at start-up); below 10000 twips the table is always small.\n";

struct Options {
    int players = 2;
    int centres = 3;
    int mode = 0;
    int widthTw = 15360;
    int seed = 1;
    QString out;
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
    for (const char* name : {"players", "centres", "mode", "screen-width", "seed", "out"})
        p.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
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
    o.out = p.value(QStringLiteral("out"));
    if (o.out.isEmpty()) usage(QStringLiteral("--out is required"));
    return o;
}

// ------------------------------------------------------------------ dealing

int rnd(int n) { return static_cast<int>(vb::Rnd() * n); }

// The top card of the stock, both fields.
void takeTop(int& number, int& rank) {
    number = eng.Deck(0, eng.StockCount);
    rank = eng.Deck(1, eng.StockCount);
    eng.Deck(0, eng.StockCount) = 0;
    eng.Deck(1, eng.StockCount) = 0;
    eng.Deck(2, number) = 1;
    eng.StockCount -= 1;
}

void shuffleStock() {
    eng.StockCount = eng.TotalCards;
    for (int i = 1; i <= eng.TotalCards; ++i) {
        eng.Deck(0, i) = i;
        eng.Deck(1, i) = (i - 1) % 13 + 1;
    }
    ShuffleDeck(1, eng.TotalCards);
}

// A pay-off pile with some cards already played off, its top in slot 1.
void dealPayOff(Array<int, 2>& side, Array<int, 2>& slotCards, int& count, int& shape, int seat) {
    const int full = eng.SideOption + 1;
    for (int i = 1; i <= full; ++i) takeTop(side(0, i), side(1, i));
    const int played = rnd(9);
    count = full - played;
    for (int i = count + 1; i <= full; ++i) side(0, i) = side(1, i) = 0;
    shape = 25 * seat - eng.SideOption + played;
    slotCards(0, 1) = side(0, count);
    slotCards(1, 1) = side(1, count);
}

void dealHand(Array<int, 2>& slotCards) {
    const int empty = rnd(3);
    for (int s = 2; s <= 6 - empty; ++s) takeTop(slotCards(0, s), slotCards(1, s));
}

void dealHumanHolds() {
    for (int p = 1; p <= 4; ++p) {
        const int n = rnd(5);
        for (int d = 1; d < n; ++d) takeTop(eng.PlayerHold(0, p, d), eng.PlayerHold(1, p, d));
        eng.PlayerHoldCount(p) = n > 0 ? n - 1 : 0;
        if (n > 0) takeTop(eng.PlayerSlots(0, 6 + p), eng.PlayerSlots(1, 6 + p));
    }
}

void dealSeat(PlayerRecord& rec, int seat, const QString& name) {
    rec.Name = name;
    dealPayOff(rec.Side, rec.Slots, rec.RecSideCount, rec.RecSideShape, seat);
    dealHand(rec.Slots);
    for (int p = 1; p <= 4; ++p) {
        const int n = rnd(5);
        for (int d = 1; d <= n; ++d) takeTop(rec.Hold(0, p, d), rec.Hold(1, p, d));
        rec.HoldTable(p, 1) = n;
        rec.Slots(0, 6 + p) = n > 0 ? rec.Hold(0, p, n) : 0;
        rec.Slots(1, 6 + p) = n > 0 ? rec.Hold(1, p, n) : 0;
    }
}

// Centre piles run up from the Ace; now and then a King stands in.
void fillCentres() {
    for (int c = 1; c <= eng.NumCenters; ++c) {
        const int n = rnd(12);
        for (int k = 1; k <= n; ++k) {
            const int rank = rnd(6) == 0 ? 13 : k;
            eng.CenterPile(0, c, k) = 52 * rnd(eng.NumPlayers) + 13 * rnd(4) + rank;
            eng.CenterPile(1, c, k) = rank;
        }
        eng.CenterCount(c) = n;
    }
}

void fillTable() {
    shuffleStock();
    eng.PlayerName = QStringLiteral("Ottilie");
    dealPayOff(eng.PlayerSide, eng.PlayerSlots, eng.SideCount, eng.SideShape, 1);
    dealHand(eng.PlayerSlots);
    dealHumanHolds();
    dealSeat(eng.Player2, 2, QStringLiteral("Grisk"));
    if (eng.NumPlayers >= 3) dealSeat(eng.Player3, 3, QStringLiteral("Varnok"));
    if (eng.NumPlayers == 4) dealSeat(eng.Player4, 4, QStringLiteral("Mirabel"));
    fillCentres();
    eng.Pturn = 1;
    eng.OppSideShape = eng.Player2.RecSideShape;
}

// --------------------------------------------------------------- the table

// What start-up does before the first deal: the pile pictures, the stack
// shapes and outlines, the player count, the window size and display mode.
void buildTable(const Options& o) {
    LoadPilePictures();
    CreateStackShapes();
    CreatePileOutlines();

    cmd.FormLoading = true;
    eng.NumPlayers = o.players;
    eng.NumCenters = o.centres;
    eng.TotalCards = 52 * o.players;
    tbl.DisplayMode = 0;
    SetPlayerCount(o.players, o.centres);
    ComputeVerticalLayout();

    int mode = o.mode;
    if (mode < 2 && o.widthTw < 10000) {
        mode = 2;
        DisableDisplayMenuForSmallScreen();
    }
    eng.OppSideShape = 99;
    if (mode == 1) {
        cmd.FormLoading = false;
        ChangeDisplayMode(0);
    } else if (mode == 2) {
        ChangeDisplayMode(1);
    } else if (mode == 3) {
        ChangeDisplayMode(0);
        ChangeDisplayMode(1);
    }
    if (eng.NumPlayers == 2) RelayoutCenter();
    cmd.FormLoading = false;
    if (eng.ScreenWidthTw > 12000) LayoutCenterArea();
}

void dealAndDraw() {
    FrmGrisk& f = frmGrisk();
    ResetTableDisplay();
    fillTable();
    f.Label9(3).setCaption(eng.PlayerName);
    ShowOpponentNames();
    ShowStackShapes(true);
    RedrawTable();
    f.ImgHold.setVisible(eng.SideCount >= 2);
    f.ImgTurn1.setVisible(true);
    f.Label9(1).setCaption(QStringLiteral("     It's your turn..."));
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
        dealAndDraw();
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
        const QPixmap shot = window.grab();
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
