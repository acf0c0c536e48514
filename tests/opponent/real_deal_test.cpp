// The planner on positions dealt from a shuffled stock: every plan it hands
// to the turn can be played card by card, and no search runs into its bound.
#include <gtest/gtest.h>

#include <vector>

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/player_record.h"
#include "opponent/planner_fixture.h"
#include "platform/random.h"

using namespace grisk;
using grisk_test::illegalPlay;
using grisk_test::PlannerTest;
using grisk_test::runTypeOf;

namespace {

int draw(int n) { return static_cast<int>(vb::Rnd() * n); }

class RealDealTest : public PlannerTest {
protected:
    void SetUp() override {
        PlannerTest::SetUp();
        FrmGrisk& f = frmGrisk();
        f.PicCenter.ensure(0);
        for (vb::ControlArray* seat : {&f.Picture7, &f.Picture1, &f.Picture2, &f.Picture3})
            for (int i = 0; i <= 10; ++i) seat->ensure(i);
    }

    static vb::ControlArray& pictures(int seat) {
        FrmGrisk& f = frmGrisk();
        vb::ControlArray* all[] = {nullptr, &f.Picture7, &f.Picture1, &f.Picture2, &f.Picture3};
        return *all[seat];
    }
    static vb::Array<int, 2>& seatSlots(int seat) {
        PlayerRecord* rec[] = {nullptr, nullptr, &eng.Player2, &eng.Player3, &eng.Player4};
        return seat == 1 ? eng.PlayerSlots : rec[seat]->Slots;
    }
    static PlayerRecord& record(int seat) {
        PlayerRecord* rec[] = {nullptr, nullptr, &eng.Player2, &eng.Player3, &eng.Player4};
        return *rec[seat];
    }

    void deal(int seat, int slot) { ASSERT_TRUE(DealCard(pictures(seat), seatSlots(seat), slot, 3)); }

    // Half the time the card dealt next is one under `rank`, so that hold
    // piles grow runs as they do in play.
    void preferNext(int rank) {
        if (rank < 2 || draw(2) == 0) return;
        for (int i = eng.StockCount; i >= 1; --i) {
            if (eng.Deck(1, i) != rank - 1) continue;
            std::swap(eng.Deck(0, i), eng.Deck(0, eng.StockCount));
            std::swap(eng.Deck(1, i), eng.Deck(1, eng.StockCount));
            return;
        }
    }

    // A few cards dealt onto a seat's hold pile p; the top shows in its slot.
    void dealHold(int seat, int p) {
        const int cards = draw(6);
        std::vector<int> ranks;
        for (int k = 0; k < cards && eng.StockCount > 10; ++k) {
            preferNext(ranks.empty() ? 0 : ranks.back());
            const int underNo = seatSlots(seat)(0, p + 6);
            const int underRank = seatSlots(seat)(1, p + 6);
            deal(seat, p + 6);
            if (seat == 1) {
                if (underNo != 0) {
                    const int d = ++eng.PlayerHoldCount(p);
                    eng.PlayerHold(0, p, d) = underNo;
                    eng.PlayerHold(1, p, d) = underRank;
                }
            } else {
                PlayerRecord& rec = record(seat);
                const int d = ++rec.HoldTable(p, 1);
                rec.Hold(0, p, d) = seatSlots(seat)(0, p + 6);
                rec.Hold(1, p, d) = seatSlots(seat)(1, p + 6);
            }
            ranks.push_back(seatSlots(seat)(1, p + 6));
        }
        if (seat != 1) record(seat).HoldTable(p, 2) = runTypeOf(ranks);
    }

    // A table some turns into a game: the deal, then centre piles at random
    // counts and hold piles dealt from the stock. Returns the moving seat.
    int dealPosition() {
        eng.NumPlayers = 2 + draw(3);
        eng.NoWildAce = draw(2) == 1;
        centres(draw(2) == 0 ? std::vector<int>{0, 0, 0} : std::vector<int>{0, 0, 0, 0});
        eng.TotalCards = 52 * eng.NumPlayers;
        eng.Deck.redim({{0, 2}, {0, eng.TotalCards}});
        for (int i = 1; i <= eng.TotalCards; ++i) {
            eng.Deck(0, i) = i;
            eng.Deck(1, i) = (i - 1) % 13 + 1;
        }
        eng.StockCount = eng.TotalCards;
        ShuffleDeck(1, eng.TotalCards);

        for (int seat = 1; seat <= eng.NumPlayers; ++seat)
            for (int k = 0; k <= eng.SideOption; ++k) deal(seat, 1);
        for (int seat = 1; seat <= eng.NumPlayers; ++seat)
            for (int s = 2; s <= 6; ++s) deal(seat, s);
        for (int c = 1; c <= eng.NumCenters; ++c) eng.CenterCount(c) = draw(12);
        for (int seat = 1; seat <= eng.NumPlayers; ++seat)
            for (int p = 1; p <= 4; ++p) dealHold(seat, p);
        eng.UsedCount = draw(30);

        const int moving = 2 + draw(eng.NumPlayers - 1);
        eng.Pturn = moving;
        PlayerRecord& rec = record(moving);
        rec.Level = draw(3);
        // Part of the hand may be played already.
        for (int s = 2 + draw(5); s <= 6; ++s)
            if (draw(3) == 0) rec.Slots(0, s) = rec.Slots(1, s) = 0;
        ExchangePlayerRecord(rec, false);
        eng.HandCount = 0;
        for (int s = 2; s <= 6; ++s) eng.HandCount += eng.OppSlots(1, s) != 0 ? 1 : 0;
        return moving;
    }

    // The words the turn sets before its searches.
    void prepareTurn() {
        Ck_Player();
        const int own = eng.OppSlots(1, 1);
        opp.PayoffIsWild = own == 13;
        opp.SideBestCenter = CenterBestToPlay(own, true);
        opp.WildPayoffCenter = 0;
        opp.WildPayoffShift = 0;
        opp.DropFallback = 2;
        for (int s = 6; s >= 2; --s)
            if (eng.OppSlots(1, s) != 0 && eng.OppSlots(1, s) != 13) opp.DropFallback = s;
        const bool allKings = eng.OppSlots(1, opp.DropFallback) == 13;
        opp.ForcedPlay = allKings && !eng.NoWildAce ? 13 : (draw(4) == 0 ? 12 : 0);
    }

    void expectPlayable(const char* search) {
        ASSERT_FALSE(opp.PlanBoundHit) << search;
        ASSERT_GE(eng.TargetCenter, 1) << search;
        ASSERT_LE(eng.TargetCenter, eng.NumCenters) << search;
        if (opp.PlayFound != 1) return;
        ++plansFound;
        EXPECT_GE(opp.PlanSet(eng.TargetCenter, 1), 1) << search;
        EXPECT_EQ(illegalPlay(eng.TargetCenter), "") << search;
    }

    int plansFound = 0;
};

TEST_F(RealDealTest, EveryPlanFromADealtPositionCanBePlayed) {
    for (int seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        ResetEngineState();
        ResetOpponentState();
        vb::Randomize(static_cast<uint64_t>(seed));
        dealPosition();
        prepareTurn();

        // The turn's search towards its pay-off card's pile.
        search(opp.SideBestCenter);
        expectPlayable("towards the pay-off");

        // The wild King's trial of every pile, the human's pile first.
        if (opp.PayoffIsWild) {
            for (int c = 1; c <= eng.NumCenters; ++c) {
                prepareTurn();
                eng.TargetCenter = c;
                opp.PlanMode = 0;
                opp.PlanNextSlot = c == opp.HumanCenter ? 1 : 2;
                Move_Comp();
                expectPlayable("wild King's trial");
            }
        }

        // The search once more towards the human's pile.
        prepareTurn();
        search(opp.HumanCenter);
        expectPlayable("towards the human");
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(plansFound, 100) << "the positions give the planner work to do";
}

}  // namespace
