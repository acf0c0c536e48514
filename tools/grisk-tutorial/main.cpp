// grisk-tutorial OUTFILE: makes the tutorial's prepared positions, records
// 31 to 38 of the saved games, and writes them to OUTFILE one record after
// the other (grisk-setup puts them into "backup.sav").
//
// Each position is a moment of a real game at a table of two players and
// three centre piles under the basic rules: the product's own deal, the
// computer opponent's turns and the human's plays and discards (made by the
// simple player of opponent/greedy_seat.h through the human's procedures),
// caught by BuildSaveRecord when the human is to move and the table shows
// what the lesson of that position needs. Seeded, so every build makes the
// same positions; a report on standard output tells the slots and cards
// that the script "data/tutorial.txt" refers to.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <functional>

#include "engine/card_handling.h"
#include "headless/headless_table.h"
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "opponent/greedy_seat.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/profile_record.h"
#include "records/saved_game_record.h"
#include "records/saved_games.h"
#include "records/state.h"
#include "table/state.h"
#include "table/table_start.h"

using namespace grisk;

namespace {

constexpr int kFirstRecord = grisk::kFirstPreparedRecord;
constexpr int kPositions = 8;
constexpr quint64 kMostSeeds = 20000;
constexpr int kMostHumanTurns = 400;
constexpr int kGriskAtLeast = 6;

int rankAt(int slot) { return eng.PlayerSlots(1, slot); }
bool isKing(int rank) { return rank == kKing; }
// The centre pile a card of this rank (not a King) goes on; 0 none.
int pileFor(int rank) {
    if (rank == 0 || isKing(rank)) return 0;
    for (int c = 1; c <= eng.NumCenters; ++c)
        if (eng.CenterCount(c) + 1 == rank) return c;
    return 0;
}
// The hand slot (2..6) of a card of this rank; 0 none.
int handSlotOf(int rank, int besides = 0) {
    for (int s = 2; s <= 6; ++s)
        if (s != besides && rankAt(s) == rank) return s;
    return 0;
}
// The highest card of the hand, no King, to discard; 0 none.
int discardSlot(int besides = 0) {
    int best = 0;
    for (int s = 2; s <= 6; ++s) {
        const int r = rankAt(s);
        if (s == besides || r == 0 || isKing(r)) continue;
        if (best == 0 || r > rankAt(best)) best = s;
    }
    return best;
}
bool anyFits(int rank) { return pileFor(rank) != 0; }
bool nothingFitsDirectly() {
    for (int s = 1; s <= 10; ++s)
        if (anyFits(rankAt(s))) return false;
    return true;
}
QString rankName(int rank) {
    static const char* names[] = {"-", "Ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Jack", "Queen", "King"};
    return QString::fromLatin1(rank >= 0 && rank <= 13 ? names[rank] : "?");
}

struct Moment {
    bool firstTurn = false;    // the human's first turn of the game
    int playsThisTurn = 0;     // the human's plays so far in this turn
};

// What each position needs, and its report line when it holds.
using Lesson = std::function<bool(const Moment&, QString&)>;

std::array<Lesson, kPositions> lessons() {
    return {{
        // 31: the first turn: the pay-off card fits a centre pile, then a
        // hand card fits, and a hand card is left to discard.
        [](const Moment& m, QString& why) {
            if (!m.firstTurn || m.playsThisTurn != 0) return false;
            const int side = rankAt(1);
            const int c = pileFor(side);
            if (c == 0) return false;
            // After the pay-off card: a hand card for the pile it built on.
            const int hand = handSlotOf(side + 1);
            if (hand == 0 || isKing(side + 1)) return false;
            const int drop = discardSlot(hand);
            if (drop == 0) return false;
            why = QString("pay-off %1 on pile %2; hand slot %3 (%4) after it; discard slot %5 (%6)")
                      .arg(rankName(side)).arg(c).arg(hand).arg(rankName(side + 1)).arg(drop)
                      .arg(rankName(rankAt(drop)));
            return true;
        },
        // 32: a King in the hand stands for the card a pile needs, and the
        // card after that is in the hand as well; nothing fits without it.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0 || !nothingFitsDirectly()) return false;
            const int king = handSlotOf(kKing);
            if (king == 0) return false;
            for (int c = 1; c <= eng.NumCenters; ++c) {
                const int n = eng.CenterCount(c);
                if (n < 1 || n > 9) continue;
                const int after = handSlotOf(n + 2);
                if (after == 0) continue;
                why = QString("King in slot %1 onto pile %2 showing %3 (as the %4); then the %5 in slot %6")
                          .arg(king).arg(c).arg(rankName(n)).arg(rankName(n + 1)).arg(rankName(n + 2)).arg(after);
                return true;
            }
            return false;
        },
        // 33: a hold pile's top card fits a centre pile; a hand card can be
        // dropped on a hold pile one higher.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0) return false;
            for (int s = 7; s <= 10; ++s) {
                const int c = pileFor(rankAt(s));
                if (c == 0 || anyFits(rankAt(1))) continue;
                for (int h = 2; h <= 6; ++h) {
                    const int r = rankAt(h);
                    if (r == 0 || isKing(r) || anyFits(r)) continue;
                    for (int q = 7; q <= 10; ++q) {
                        if (q == s || rankAt(q) != r + 1) continue;
                        why = QString("hold slot %1 (%2) onto pile %3; then hand slot %4 (%5) onto hold slot %6 (%7)")
                                  .arg(s).arg(rankName(rankAt(s))).arg(c).arg(h).arg(rankName(r)).arg(q)
                                  .arg(rankName(r + 1));
                        return true;
                    }
                }
            }
            return false;
        },
        // 34: hold piles with cards hidden under their tops.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0) return false;
            int under = 0, deepest = 0;
            for (int p = 1; p <= 4; ++p) {
                under += eng.PlayerHoldCount(p);
                if (eng.PlayerHoldCount(p) > eng.PlayerHoldCount(deepest == 0 ? 1 : deepest)) deepest = p;
            }
            if (under < 6 || deepest == 0 || eng.PlayerHoldCount(deepest) < 3) return false;
            why = QString("%1 cards under the hold tops; hold pile %2 (slot %3) hides %4")
                      .arg(under).arg(deepest).arg(deepest + 6).arg(eng.PlayerHoldCount(deepest));
            return true;
        },
        // 35: a centre pile at its Jack and a Queen in the hand.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0) return false;
            const int queen = handSlotOf(12);
            const int c = pileFor(12);
            if (queen == 0 || c == 0) return false;
            why = QString("Queen in slot %1 completes pile %2").arg(queen).arg(c);
            return true;
        },
        // 36: one card left in the hand, and it fits; the stock refills.
        [](const Moment&, QString& why) {
            if (eng.HandCount != 1 || eng.StockCount < 10) return false;
            for (int s = 2; s <= 6; ++s) {
                const int c = pileFor(rankAt(s));
                if (c == 0) continue;
                why = QString("last hand card in slot %1 (%2) onto pile %3").arg(s).arg(rankName(rankAt(s))).arg(c);
                return true;
            }
            return false;
        },
        // 37: the pay-off card waits for the card before it, which is in
        // the hand; a hand card is left to discard afterwards.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0) return false;
            const int side = rankAt(1);
            if (side < 2 || isKing(side) || anyFits(side)) return false;
            const int before = handSlotOf(side - 1);
            const int c = pileFor(side - 1);
            if (before == 0 || c == 0) return false;
            const int drop = discardSlot(before);
            if (drop == 0 || eng.SideCount < 4) return false;
            why = QString("hand slot %1 (%2) onto pile %3, then the pay-off %4; discard slot %5 (%6)")
                      .arg(before).arg(rankName(side - 1)).arg(c).arg(rankName(side)).arg(drop)
                      .arg(rankName(rankAt(drop)));
            return true;
        },
        // 38: the last pay-off card, and it fits.
        [](const Moment& m, QString& why) {
            if (m.playsThisTurn != 0 || eng.SideCount != 1) return false;
            const int c = pileFor(rankAt(1));
            if (c == 0) return false;
            why = QString("last pay-off card %1 onto pile %2; Grisk has %3 left")
                      .arg(rankName(rankAt(1))).arg(c).arg(eng.Player2.RecSideCount);
            return true;
        },
    }};
}

// The table in a line, for the report.
QString tableText() {
    QString t = QStringLiteral("\n    centres");
    for (int c = 1; c <= eng.NumCenters; ++c) t += " " + rankName(eng.CenterCount(c));
    t += "; pay-off " + rankName(rankAt(1)) + " of " + QString::number(eng.SideCount) + "; hand";
    for (int s = 2; s <= 6; ++s) t += " " + rankName(rankAt(s));
    t += "; holds";
    for (int s = 7; s <= 10; ++s) t += " " + rankName(rankAt(s)) + "+" + QString::number(eng.PlayerHoldCount(s - 6));
    t += "; Grisk's pay-off " + rankName(eng.Player2.Slots(1, 1)) + " of " + QString::number(eng.Player2.RecSideCount);
    return t;
}

struct Found {
    bool done = false;
    QByteArray record;
    QString report;
    quint64 seed = 0;
};

// Two blank profiles, so that the games' ends have a profile to count in.
void writeProfiles() {
    PlayerProfileRecord shared, pupil;
    QFile prefs(eng.DataFolder + "Prefs.sav");
    if (prefs.open(QIODevice::WriteOnly)) prefs.write(shared.encode() + pupil.encode());
    recs.CurrentProfile = 2;
}

void prepareTable() {
    headless::LayOutTable(2, 3, 19200, 15360);
    eng.PlayerName = QStringLiteral("Pupil");
    eng.Player2.Name = QStringLiteral("Grisk");
    // The basic rules.
    eng.SideOption = 19;
    eng.ForcedCards = 0;
    eng.NoWildAce = false;
    eng.DecksSeparate = false;
    eng.Player2.Level = 0;
    writeProfiles();
}

// Plays one seeded game, catching the positions still missing.
void playGame(quint64 seed, std::array<Found, kPositions>& found, const std::array<Lesson, kPositions>& lesson) {
    vb::Randomize(seed);
    Game_New();
    Moment moment;
    moment.firstTurn = true;
    const auto look = [&] {
        if (eng.Pturn != 1) return;
        for (int i = 0; i < kPositions; ++i) {
            if (found[i].done) continue;
            // Grisk is not about to win while a lesson runs, but in the last.
            if (i != kPositions - 1 && eng.Player2.RecSideCount < kGriskAtLeast) continue;
            QString why;
            if (!lesson[i](moment, why)) continue;
            why += tableText();
            BuildSaveRecord();
            recs.SaveRecord.Title = "Tutorial " + vb::Str(kFirstRecord + i);
            found[i] = {true, recs.SaveRecord.encode(), why, seed};
        }
    };
    for (int turn = 0; turn < kMostHumanTurns && eng.Pturn == 1; ++turn) {
        moment.playsThisTurn = 0;
        while (eng.Pturn == 1) {
            look();
            if (!GreedyPlayOne()) break;
            moment.playsThisTurn += 1;
        }
        if (eng.Pturn != 1) break;
        look();
        if (!GreedyDiscard()) break;
        moment.firstTurn = false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grisk-tutorial OUTFILE\n");
        return 2;
    }
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "grisk-tutorial: no temporary folder\n");
        return 1;
    }
    headless::StartEngine(data.path());
    prepareTable();

    const auto lesson = lessons();
    std::array<Found, kPositions> found{};
    int missing = kPositions;
    for (quint64 seed = 1; seed <= kMostSeeds && missing > 0; ++seed) {
        playGame(seed, found, lesson);
        missing = 0;
        for (const Found& f : found) missing += f.done ? 0 : 1;
    }
    if (missing > 0) {
        for (int i = 0; i < kPositions; ++i)
            if (!found[i].done) std::fprintf(stderr, "grisk-tutorial: no game showed position %d\n", kFirstRecord + i);
        return 1;
    }
    QByteArray all;
    for (int i = 0; i < kPositions; ++i) {
        all += found[i].record;
        std::printf("%d (seed %llu): %s\n", kFirstRecord + i, static_cast<unsigned long long>(found[i].seed),
                    qPrintable(found[i].report));
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(all) != all.size()) {
        std::fprintf(stderr, "grisk-tutorial: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
