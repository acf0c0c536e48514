// grisk-sim: plays whole games headless through the real engine and the
// computer opponent, every pause at zero, and checks the table after every
// turn.
//
//   grisk-sim [--games N] [--players 2..4] [--level average|clever|ruthless]
//             [--levels L2,L3,L4] [--seed S] [--centres 3|4] [--side 9|14|19|25]
//             [--forced 0..7] [--no-wild-ace] [--decks-separate] [--recover]
//             [--trace FILE]
//
// Seat 1 is a greedy player that goes through the human's own procedures
// (the centre rule, the play, a drag onto a hold pile to end the turn);
// seats 2..4 are the computer at the chosen level, or each at its own with
// --levels (one level a computer seat, in seat order). --side is the house
// rule's pay-off setting (the pile is dealt with one card more). --recover
// answers Yes to the stalemate's question, so that the cards in play are
// reshuffled and the game goes on; otherwise the game is given up. --trace
// writes every card movement in the order it happens (see trace.h), for
// tools/sh/replay-trace.py. Game g is seeded with S + g - 1. The last line
// sums the run up:
//   games=N finished=F stalemates=S violations=V hung=H seat1_wins=W
//   seat_wins=W1,...,Wn recoveries=R turns_mean=T games_per_s=G
//   comp_turn_us_mean=M comp_turn_us_max=X
// (stalemates: games given up in a stalemate; recoveries: stalemates
// reshuffled). The exit status is 1 when a check failed or a game hung.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "headless/headless_table.h"
#include "sim_game.h"

using namespace grisk;

namespace {

const char* const kUsage =
    "usage: grisk-sim [--games N] [--players 2..4] [--level average|clever|ruthless]\n"
    "                 [--levels L2,L3,L4] [--seed S] [--centres 3|4] [--side 9|14|19|25]\n"
    "                 [--forced 0..7] [--no-wild-ace] [--decks-separate] [--recover]\n"
    "                 [--trace FILE]\n";

struct Options {
    int games = 100;
    quint64 seed = 1;
    sim::Rules rules;
    QString trace;
};

[[noreturn]] void usage(const QString& problem) {
    if (!problem.isEmpty()) std::fprintf(stderr, "grisk-sim: %s\n", qPrintable(problem));
    std::fputs(kUsage, stderr);
    std::exit(2);
}

long long number(const QCommandLineParser& p, const QString& name, long long lo, long long hi, long long fallback) {
    if (!p.isSet(name)) return fallback;
    bool ok = false;
    const long long v = p.value(name).toLongLong(&ok);
    if (!ok || v < lo || v > hi)
        usage(QStringLiteral("--%1 must be a whole number from %2 to %3").arg(name).arg(lo).arg(hi));
    return v;
}

// A level by its name.
int levelOf(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("average")) return 0;
    if (n == QLatin1String("clever")) return 1;
    if (n == QLatin1String("ruthless")) return 2;
    usage(QStringLiteral("a level is average, clever or ruthless, not \"%1\"").arg(name));
}

Options parse(const QApplication& app) {
    QCommandLineParser p;
    for (const char* name : {"games", "players", "level", "levels", "seed", "centres", "side", "forced", "trace"})
        p.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* flag : {"no-wild-ace", "decks-separate", "recover"})
        p.addOption(QCommandLineOption(QString::fromLatin1(flag)));
    p.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!p.parse(app.arguments())) usage(p.errorText());
    if (p.isSet(QStringLiteral("help"))) usage(QString());
    if (!p.positionalArguments().isEmpty()) usage(QStringLiteral("unexpected argument"));
    Options o;
    o.games = static_cast<int>(number(p, QStringLiteral("games"), 1, 100000000, o.games));
    o.seed = static_cast<quint64>(number(p, QStringLiteral("seed"), 0, 4294967295LL, 1));
    o.rules.players = static_cast<int>(number(p, QStringLiteral("players"), 2, 4, 2));
    o.rules.centres = static_cast<int>(number(p, QStringLiteral("centres"), 3, 4, 0));
    o.rules.side = static_cast<int>(number(p, QStringLiteral("side"), 9, 25, 19));
    if (!QList<int>{9, 14, 19, 25}.contains(o.rules.side)) usage(QStringLiteral("--side must be 9, 14, 19 or 25"));
    o.rules.forced = static_cast<int>(number(p, QStringLiteral("forced"), 0, 7, 0));
    o.rules.noWildAce = p.isSet(QStringLiteral("no-wild-ace"));
    o.rules.decksSeparate = p.isSet(QStringLiteral("decks-separate"));
    o.rules.recover = p.isSet(QStringLiteral("recover"));
    const int level = p.isSet(QStringLiteral("level")) ? levelOf(p.value(QStringLiteral("level"))) : 0;
    o.rules.levels = {level, level, level};
    if (p.isSet(QStringLiteral("levels"))) {
        const QStringList names = p.value(QStringLiteral("levels")).split(QLatin1Char(','));
        if (names.size() != o.rules.players - 1)
            usage(QStringLiteral("--levels names one level for each of the %1 computer seats").arg(o.rules.players - 1));
        for (int i = 0; i < names.size(); ++i) o.rules.levels[static_cast<std::size_t>(i)] = levelOf(names[i]);
    }
    o.trace = p.value(QStringLiteral("trace"));
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options o = parse(app);

    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "grisk-sim: no temporary folder\n");
        return 2;
    }
    std::FILE* trace = nullptr;
    if (!o.trace.isEmpty()) {
        trace = std::fopen(qPrintable(o.trace), "w");
        if (!trace) {
            std::fprintf(stderr, "grisk-sim: cannot write %s\n", qPrintable(o.trace));
            return 2;
        }
    }
    headless::StartEngine(data.path());
    sim::PrepareTable(o.rules);

    long long finished = 0, stalemates = 0, violations = 0, hung = 0, turns = 0, compTurns = 0, recoveries = 0;
    std::array<long long, 5> wins{};
    double compUs = 0, compMax = 0;
    QElapsedTimer clock;
    clock.start();
    for (int g = 1; g <= o.games; ++g) {
        const sim::Outcome r = sim::PlayGame(o.rules, g, o.seed + static_cast<quint64>(g) - 1, trace);
        finished += r.finished;
        stalemates += r.stalemate;
        violations += r.violations;
        hung += r.hung;
        if (r.finished) wins[static_cast<std::size_t>(r.winner)] += 1;
        recoveries += r.recoveries;
        turns += r.turns;
        compTurns += r.compTurns;
        compUs += r.compTurnUsTotal;
        compMax = std::max(compMax, r.compTurnUsMax);
    }
    const double seconds = std::max(1e-9, static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (trace) std::fclose(trace);
    QString seatWins;
    for (int seat = 1; seat <= o.rules.players; ++seat)
        seatWins += (seat > 1 ? QStringLiteral(",") : QString()) + QString::number(wins[static_cast<std::size_t>(seat)]);
    std::printf("games=%d finished=%lld stalemates=%lld violations=%lld hung=%lld seat1_wins=%lld seat_wins=%s "
                "recoveries=%lld turns_mean=%.1f games_per_s=%.1f comp_turn_us_mean=%.1f comp_turn_us_max=%.1f\n",
                o.games, finished, stalemates, violations, hung, wins[1], qPrintable(seatWins), recoveries,
                static_cast<double>(turns) / o.games, o.games / seconds,
                compTurns > 0 ? compUs / static_cast<double>(compTurns) : 0.0, compMax);
    return violations != 0 || hung != 0 ? 1 : 0;
}
