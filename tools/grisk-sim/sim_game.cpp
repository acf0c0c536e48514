#include "sim_game.h"

#include <QElapsedTimer>
#include <QFile>

#include "census.h"
#include "headless/headless_table.h"
#include "engine/card_handling.h"
#include "engine/deal.h"
#include "engine/end_turn.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "opponent/greedy_seat.h"
#include "opponent/state.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "records/profile_record.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/layout_reset.h"
#include "table/state.h"
#include "table/table_start.h"
#include "trace.h"

using namespace grisk;

namespace sim {

namespace {

// Turns of seat 1 after which a game counts as hung.
constexpr int kMostHumanTurns = 1500;

struct Running {
    const Rules* rules = nullptr;
    int game = 0;
    quint64 seed = 0;
    Outcome* out = nullptr;
    Tracer* tracer = nullptr;
    QElapsedTimer clock;
};
Running run;

void check(const char* when) {
    const Census c = TakeCensus();
    if (c.faults.empty()) return;
    run.out->violations += static_cast<int>(c.faults.size());
    for (const QString& f : c.faults)
        std::fprintf(stderr, "grisk-sim: game %d seed %llu turn %d (%s): %s\n", run.game,
                     static_cast<unsigned long long>(run.seed), run.out->turns, when, qPrintable(f));
}

void watchTurns() {
    TurnWatch w;
    w.before = [](int) {
        run.out->turns += 1;
        run.clock.start();
    };
    w.after = [](int) {
        const double us = static_cast<double>(run.clock.nsecsElapsed()) / 1000.0;
        run.out->compTurns += 1;
        run.out->compTurnUsTotal += us;
        run.out->compTurnUsMax = std::max(run.out->compTurnUsMax, us);
        check("after a computer turn");
    };
    w.moved = [] {
        if (run.tracer) run.tracer->look();
    };
    SetTurnWatch(w);
}

// The message boxes get their default answers (a new game asked for while
// the computer is about to win: Yes), but the stalemate's question is
// answered as the run asks: Yes recovers, No gives the game up.
void answerBoxes() {
    vb::msgbox_script::enable();
    vb::msgbox_script::setAnswerRule([](const vb::ShownBox& box) {
        if (box.title != QLatin1String("Stalemate")) return 0;
        if (run.rules->recover) {
            run.out->recoveries += 1;
            return static_cast<int>(vb::vbYes);
        }
        return static_cast<int>(vb::vbNo);
    });
}

void writeProfiles() {
    PlayerProfileRecord shared, mine;
    shared.Seats(0).Name = mine.Seats(0).Name = QStringLiteral("Greedy");
    QFile prefs(eng.DataFolder + "Prefs.sav");
    if (prefs.open(QIODevice::WriteOnly)) prefs.write(shared.encode() + mine.encode());
    recs.CurrentProfile = 2;
}

void applyRules(const Rules& r) {
    eng.SideOption = r.side;
    eng.ForcedCards = r.forced;
    eng.NoWildAce = r.noWildAce;
    eng.DecksSeparate = r.decksSeparate;
    for (int seat = 2; seat <= 4; ++seat) SeatRecord(seat).Level = r.levels[static_cast<std::size_t>(seat - 2)];
}

}  // namespace

void PrepareTable(const Rules& rules) {
    const int centres = rules.centres != 0 ? rules.centres : (rules.players == 2 ? 3 : 4);
    // The table of a 1024 x 768 screen, laid out as start-up lays it out.
    headless::LayOutTable(rules.players, centres, 15360, 11520);
    eng.PlayerName = QStringLiteral("Greedy");
    eng.Player2.Name = QStringLiteral("Grisk");
    eng.Player3.Name = QStringLiteral("Varnok");
    eng.Player4.Name = QStringLiteral("Mirabel");
    eng.NoComments = false;
    writeProfiles();
    watchTurns();
}

Outcome PlayGame(const Rules& rules, int game, quint64 seed, std::FILE* trace) {
    Outcome out;
    Tracer tracer(trace, game);
    run.rules = &rules;
    run.game = game;
    run.seed = seed;
    run.out = &out;
    run.tracer = trace ? &tracer : nullptr;
    vb::Randomize(seed);
    ResetOpponentState();
    RedimForFourCentres();

    applyRules(rules);
    if (run.tracer) tracer.header({rules.levels.begin(), rules.levels.begin() + rules.players - 1});
    // A new game as the New Game command starts it.
    answerBoxes();
    Game_New();
    check("after the deal");

    int humanTurns = 0;
    while (eng.Pturn == 1) {
        if (++humanTurns > kMostHumanTurns) {
            out.hung = true;
            std::fprintf(stderr, "grisk-sim: game %d seed %llu passed %d turns of seat 1\n", game,
                         static_cast<unsigned long long>(seed), kMostHumanTurns);
            break;
        }
        out.turns += 1;
        // Seat 1's moves go through the human's own procedures.
        while (eng.Pturn == 1 && GreedyPlayOne(answerBoxes)) {
        }
        if (eng.Pturn != 1) break;
        if (!GreedyDiscard(answerBoxes)) {
            out.hung = true;
            std::fprintf(stderr, "grisk-sim: game %d seed %llu: seat 1 found no discard the rules take\n", game,
                         static_cast<unsigned long long>(seed));
            break;
        }
        check("after a turn of seat 1");
    }
    if (!out.hung) {
        out.stalemate = eng.StalemateState == 1;
        if (eng.SideCount == 0) out.winner = 1;
        for (int seat = 2; seat <= eng.NumPlayers; ++seat) {
            const int left = seat == eng.LiveSeat ? eng.OppSideCount : SeatRecord(seat).RecSideCount;
            if (left == 0) out.winner = seat;
        }
        out.finished = out.winner != 0 && !out.stalemate;
        if (!out.finished && !out.stalemate) {
            out.hung = true;
            std::fprintf(stderr, "grisk-sim: game %d seed %llu stopped unfinished (turn of seat %d)\n", game,
                         static_cast<unsigned long long>(seed), eng.Pturn);
        }
    }
    run.tracer = nullptr;
    return out;
}

}  // namespace sim
