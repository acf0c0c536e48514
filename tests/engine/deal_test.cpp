// A new game in a local game: the stock, the pay-off piles and hands for
// every player count and side option, the first player, the seat order, the
// announcements, the new-game warning and the Deal button.
#include <gtest/gtest.h>

#include <set>

#include "deal_fixture.h"
#include "engine/frm_grisk.h"
#include "engine/open_files.h"
#include "records/move_log.h"
#include "records/saved_game_record.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "shell/state.h"

using namespace grisk;

namespace {

class DealTest : public grisk_test::DealTableTest {};

// ---------------------------------------------------------------- counts

struct CountCase {
    int players;
    int sideOption;
};

class DealCountTest : public grisk_test::DealTableTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(DealCountTest, PayOffPilesHandsAndStock) {
    const auto [players, side] = GetParam();
    table(players, side);
    ResetTableDisplay();
    ASSERT_TRUE(grisk::SetUp());
    const int total = 52 * players;
    EXPECT_EQ(eng.StockCount, total - (side + 1) * players) << "after the pay-off piles";
    GoDeal();
    // The seats that moved before the human may have played hands empty
    // and taken more cards from the stock.
    const int afterHands = total - (side + 1) * players - 5 * players;
    EXPECT_LE(eng.StockCount, afterHands) << "after the hands";
    std::size_t held = cardsPlayed().size();
    for (int seat = 1; seat <= players; ++seat) held += cardsHeld(seat).size();
    EXPECT_EQ(static_cast<int>(held), 5 * players + afterHands - eng.StockCount)
        << "every card taken from the stock is held, played or discarded";

    EXPECT_EQ(eng.SideCount, side + 1);
    EXPECT_EQ(eng.SideShape, 25 - side);
    for (int seat = 1; seat <= players; ++seat) {
        const std::vector<int> pile = payOff(seat);
        ASSERT_EQ(static_cast<int>(pile.size()), side + 1) << "seat " << seat;
        const std::vector<int> s = seatSlots(seat);
        EXPECT_EQ(s[0], pile.back()) << "slot 1 is the pay-off top, seat " << seat;
        if (seat == 1) EXPECT_EQ(cardsHeld(seat).size(), 5u);
        if (seat == 1)
            for (int k = 1; k <= 5; ++k) EXPECT_NE(s[static_cast<std::size_t>(k)], 0) << "hand slot " << k + 1;
        if (seat >= 2) {
            EXPECT_EQ(SeatRecord(seat).RecSideShape, 25 * seat - side);
        }
        // The stack behind the pay-off card shows one shape a card under the top.
        int shown = 0;
        for (int i = 25 * (seat - 1) + 1; i <= 25 * seat; ++i) shown += f().Stack(i).Visible() ? 1 : 0;
        EXPECT_EQ(shown, side) << "seat " << seat;
    }
    for (int seat = players + 1; seat <= 4; ++seat)
        EXPECT_EQ(seatSlots(seat), std::vector<int>(6, 0)) << "seat " << seat << " is not at the table";
    EXPECT_EQ(eng.Pturn, 1) << "the other seats have passed";
    EXPECT_EQ(eng.SeatOrder(eng.TurnIndex), eng.Pturn);
    EXPECT_FALSE(eng.GameBusy);
}

INSTANTIATE_TEST_SUITE_P(PlayersAndSides, DealCountTest,
                         ::testing::Values(CountCase{2, 9}, CountCase{2, 19}, CountCase{2, 25},
                                           CountCase{3, 14}, CountCase{3, 25}, CountCase{4, 9},
                                           CountCase{4, 19}, CountCase{4, 25}),
                         [](const auto& info) {
                             return std::to_string(info.param.players) + "Players_Side" +
                                    std::to_string(info.param.sideOption);
                         });

// Every card of every deck is somewhere, once; the cards dealt (the hands,
// also as far as a seat has discarded them, and the pay-off tops) are the
// ones marked as seen.
TEST_P(DealCountTest, EveryCardOfEveryDeckIsInPlayOnceAndOnlyShownCardsAreSeen) {
    const auto [players, side] = GetParam();
    table(players, side);
    for (bool separate : {false, true}) {
        SCOPED_TRACE(testing::Message() << "decks separate " << separate);
        eng.DecksSeparate = separate;
        Game_New();
        const std::map<int, int> seen = cardsInPlay();
        ASSERT_EQ(static_cast<int>(seen.size()), 52 * players);
        EXPECT_EQ(seen.begin()->first, 1);
        EXPECT_EQ(seen.rbegin()->first, 52 * players);
        for (const auto& [card, times] : seen) EXPECT_EQ(times, 1) << "card " << card;
        for (int i = 1; i <= eng.StockCount; ++i) EXPECT_EQ(eng.Deck(1, i), (eng.Deck(0, i) - 1) % 13 + 1);
        for (int i = eng.StockCount + 1; i <= eng.TotalCards; ++i) EXPECT_EQ(eng.Deck(0, i), 0) << i;

        std::set<int> faceUp;
        for (int seat = 1; seat <= players; ++seat) faceUp.insert(seatSlots(seat)[0]);
        for (int k = 2; k <= 6; ++k) faceUp.insert(eng.PlayerSlots(0, k));
        for (int seat = 2; seat <= players; ++seat)
            for (int n : cardsHeld(seat)) faceUp.insert(n);
        for (int n : cardsPlayed()) faceUp.insert(n);
        for (int n = 1; n <= 52 * players; ++n)
            EXPECT_EQ(eng.Deck(2, n), faceUp.count(n) ? 1 : 0) << "card " << n;
    }
}

// Separate decks keep each player's deck in its own 52 positions: with two
// players the pay-off piles and hands come from the top, the second deck,
// and the first deck lies untouched below.
TEST_F(DealTest, SeparateDecksDealTheTopDeckFirst) {
    table(2, 19);
    eng.DecksSeparate = true;
    Game_New();
    for (int seat = 1; seat <= 2; ++seat) {
        for (int n : payOff(seat)) EXPECT_GE(n, 53);
        for (int n : cardsHeld(seat)) EXPECT_GE(n, 53);
    }
    std::set<int> bottom;
    for (int i = 1; i <= 52; ++i) bottom.insert(eng.Deck(0, i));
    EXPECT_EQ(bottom.size(), 52u);
    EXPECT_EQ(*bottom.rbegin(), 52);
}

// ---------------------------------------------------------- first player

struct FirstCase {
    const char* name;
    std::array<int, 4> ranks;
    int players;
    std::set<int> winners;  // one seat, or the tied seats
};

class FirstPlayerTest : public ::testing::TestWithParam<FirstCase> {};

TEST_P(FirstPlayerTest, HighestTopCardBeginsAndTiesAreDrawnAmongTheTiedSeats) {
    const FirstCase& c = GetParam();
    vb::Randomize(11);
    std::map<int, int> drawn;
    for (int i = 0; i < 400; ++i) {
        const FirstPlayer first = ChooseFirstPlayer(c.ranks, c.players);
        EXPECT_EQ(first.tieCount, c.winners.size() == 1 ? 0 : static_cast<int>(c.winners.size()));
        drawn[first.seat] += 1;
    }
    ASSERT_EQ(drawn.size(), c.winners.size());
    for (const auto& [seat, times] : drawn) {
        EXPECT_TRUE(c.winners.count(seat)) << "seat " << seat << " won";
        // A fair draw: each tied seat about 400 / n times.
        EXPECT_GT(times, 400 / static_cast<int>(c.winners.size()) / 2) << "seat " << seat;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ranks, FirstPlayerTest,
    ::testing::Values(FirstCase{"HumanHighest", {13, 5, 0, 0}, 2, {1}},
                      FirstCase{"SecondSeatHighest", {3, 9, 0, 0}, 2, {2}},
                      FirstCase{"KingBeatsQueen", {12, 4, 13, 2}, 4, {3}},
                      FirstCase{"TieOfTwoKeepsSeatOrder", {9, 5, 9, 0}, 3, {1, 3}},
                      FirstCase{"TieOfThree", {4, 11, 11, 11}, 4, {2, 3, 4}},
                      FirstCase{"TieOfFour", {7, 7, 7, 7}, 4, {1, 2, 3, 4}},
                      FirstCase{"TieAcrossTheTable", {1, 13, 2, 13}, 4, {2, 4}},
                      FirstCase{"AbsentKingsTakeNoPart", {6, 6, 13, 13}, 2, {1, 2}},
                      FirstCase{"AbsentKingNeverWins", {2, 3, 13, 0}, 2, {2}},
                      FirstCase{"AbsentFourthSeat", {5, 8, 8, 13}, 3, {2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever an earlier game left in the records of seats away from the
// table, a two-player deal is won by one of the two.
TEST_F(DealTest, LeftoverRecordsOfAbsentSeatsNeverBegin) {
    table(2, 19);
    for (int seed = 1; seed <= 40; ++seed) {
        vb::Randomize(static_cast<uint64_t>(seed));
        ResetTableDisplay();
        for (int seat = 3; seat <= 4; ++seat) {
            SeatRecord(seat).Slots(0, 1) = 13;
            SeatRecord(seat).Slots(1, 1) = 13;
        }
        ASSERT_TRUE(grisk::SetUp());
        EXPECT_TRUE(eng.Pturn == 1 || eng.Pturn == 2) << "seed " << seed;
        EXPECT_LE(eng.TieCount, 2);
    }
}

TEST(SeatOrder, RoundTheTableFromTheFirstPlayer) {
    struct Case {
        int players;
        int first;
        std::vector<int> order;
    };
    for (const Case& c : {Case{2, 2, {2, 1}}, Case{3, 1, {1, 2, 3}}, Case{4, 3, {3, 4, 1, 2}},
                          Case{4, 4, {4, 1, 2, 3}}}) {
        ResetAllState();
        eng.NumPlayers = c.players;
        eng.Pturn = c.first;
        eng.TurnIndex = 3;
        WhosOnFirst();
        std::vector<int> got;
        for (int k = 1; k <= c.players; ++k) got.push_back(eng.SeatOrder(k));
        EXPECT_EQ(got, c.order);
        EXPECT_EQ(eng.TurnIndex, 1);
        EXPECT_EQ(eng.Pturn, c.first);
    }
}

// A remote machine counts its own human as seat 1: the host's seat numbers
// are turned round the table.
TEST(RemoteSeats, HostTurnAndDealOrderMapToThisMachine) {
    struct Case {
        int players;
        int mySeat;
        std::vector<int> pturnOfHost;  // local seat for host seats 1..players
        std::vector<int> dealOrder;
    };
    for (const Case& c : {Case{2, 1, {2, 1}, {2, 1}}, Case{3, 1, {3, 1, 2}, {3, 1, 2}},
                          Case{3, 2, {2, 3, 1}, {2, 3, 1}}, Case{4, 1, {4, 1, 2, 3}, {4, 1, 2, 3}},
                          Case{4, 2, {3, 4, 1, 2}, {3, 4, 1, 2}}, Case{4, 3, {2, 3, 4, 1}, {2, 3, 4, 1}}}) {
        SCOPED_TRACE(testing::Message() << c.players << " players, seat " << c.mySeat);
        ResetAllState();
        inet.NetPeers = c.players - 1;
        inet.IsHost = 0;
        inet.MySeat = c.mySeat;
        eng.NumPlayers = c.players;
        for (int h = 1; h <= c.players; ++h) {
            eng.Pturn = h;
            PturnCalculate();
            EXPECT_EQ(eng.Pturn, c.pturnOfHost[static_cast<std::size_t>(h - 1)]) << "host seat " << h;
        }
        EXPECT_EQ(DealOrder(), c.dealOrder);
    }
    // The host and a local game deal in seat order.
    for (int host : {0, 1}) {
        ResetAllState();
        inet.NetPeers = host;
        inet.IsHost = host;
        eng.NumPlayers = 4;
        EXPECT_EQ(DealOrder(), (std::vector<int>{1, 2, 3, 4}));
    }
}

// ---------------------------------------------------------- announcements

struct AnnounceCase {
    const char* name;
    int players;
    int first;
    int tie;
    const char* remark;   // Label9(2)
    const char* message;  // Label9(1) right after the deal, "" when a turn followed
};

class AnnounceTest : public grisk_test::DealTableTest, public ::testing::WithParamInterface<AnnounceCase> {};

TEST_P(AnnounceTest, TheFirstPlayerIsAnnounced) {
    const AnnounceCase& c = GetParam();
    table(c.players, 19);
    ResetTableDisplay();
    ASSERT_TRUE(grisk::SetUp());
    // Top cards: the human a 5, seat 2 a 9.
    eng.PlayerSlots(1, 1) = 5;
    eng.Player2.Slots(1, 1) = 9;
    eng.Pturn = c.first;
    eng.TieCount = c.tie;
    WhosOnFirst();
    eng.Dragging = 1;  // left over from a drag of the game before
    recs.SoundLevel = 2;  // the toss is heard even with sounds off
    sound::PlayAsync(QString());
    {
        // A computer seat that moves first clears the remark line with its
        // discard: the remark stood at the pauses before that.
        grisk_test::LineWatch remarks(2);
        GoDeal();
        if (c.first == 1)
            EXPECT_EQ(f().Label9(2).Caption(), QString::fromLatin1(c.remark));
        else
            EXPECT_GE(remarks.seen(QString::fromLatin1(c.remark)), 1);
    }
    if (*c.message) {
        EXPECT_EQ(f().Label9(1).Caption(), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(sound::LastRequested().endsWith("~123.tmp"), c.tie != 0);
    EXPECT_EQ(eng.Pturn, 1) << "every other seat has had its turn";
    EXPECT_TRUE(f().ImgTurn1.Visible());
    EXPECT_FALSE(f().ImgTurn2.Visible());
    for (int s = 1; s <= 6; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << "slot " << s;
    EXPECT_FALSE(eng.GameBusy);
    if (c.first == 1) EXPECT_EQ(eng.Dragging, 0) << "the human begins with no drag under way";
}

INSTANTIATE_TEST_SUITE_P(
    Openings, AnnounceTest,
    ::testing::Values(
        AnnounceCase{"HumanFirst", 2, 1, 0, "\n\nYOU go first", " "},
        AnnounceCase{"HumanWinsTheToss", 3, 1, 3, "\n\nYOU go first", "It was a tie...\nWe flipped for it."},
        AnnounceCase{"MyCardBeatsYours", 2, 2, 0, "My  9 beats\nyour 5\nSo I go FIRST!",
                     "\n\n     It's your turn..."},
        AnnounceCase{"HighestOfThree", 3, 3, 0, "Varnok has the highest card.\nVarnok goes FIRST!", ""},
        AnnounceCase{"WonTheToss", 4, 2, 2, "Grisk won the toss --\nSo Grisk goes FIRST!", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// With sounds off only the tie's own sound is heard (it is played whatever
// the sound level); the winner's announcement after it is silent.
TEST_F(DealTest, WithSoundsOffTheTossWinnerIsAnnouncedSilently) {
    table(4, 19);
    ResetTableDisplay();
    ASSERT_TRUE(grisk::SetUp());
    eng.Pturn = 2;
    eng.TieCount = 2;
    WhosOnFirst();
    recs.SoundLevel = 2;
    const QString marker = tempPath("after-the-tie.wav");
    int tieSounds = 0;
    waits::SetPauseScale(1e-6);
    double now = 0;
    waits::SetClockForTests([&] {
        // The first look at the clock after a toss sound notes it and
        // leaves a mark, so that a second one would show.
        if (sound::LastRequested().endsWith("~123.tmp")) {
            ++tieSounds;
            sound::PlayAsync(marker);
        }
        return now += 1;
    });
    GoDeal();
    waits::SetClockForTests(nullptr);
    waits::SetPauseScale(0);
    EXPECT_EQ(tieSounds, 1);
    EXPECT_FALSE(sound::LastRequested().endsWith("~123.tmp"));
    EXPECT_EQ(eng.Pturn, 1);
}

// --------------------------------------------------------- new-game warning

// What a new game would change.
struct GameSnapshot {
    vb::Array<int, 2> deck, side, hand, rec2Side, rec2Slots;
    int stock, sideCount, oppSideCount, pturn, turnCount, stalemate;
    bool dealVisible, restored;
    QString message, remark;
    bool operator==(const GameSnapshot&) const = default;

    static GameSnapshot take() {
        const FrmGrisk& f = frmGrisk();
        return {eng.Deck, eng.PlayerSide, eng.PlayerSlots, eng.Player2.Side, eng.Player2.Slots,
                eng.StockCount, eng.SideCount, eng.OppSideCount, eng.Pturn, recs.TurnCount,
                eng.StalemateState, f.cmdDeal.Visible(), cmd.GameRestored,
                f.Label9(1).Caption(), f.Label9(2).Caption()};
    }
};

struct WarnCase {
    const char* name;
    int mine;    // cards left on the human's pay-off pile
    int theirs;  // on the loaded seat's
    int answer;  // answer to a question
    const char* prompt;  // "" when no box
    int buttons;
    bool newGame;
};

class NewGameWarningTest : public grisk_test::DealTableTest, public ::testing::WithParamInterface<WarnCase> {};

TEST_P(NewGameWarningTest, AskedWhenTheComputerIsAboutToWin) {
    const WarnCase& c = GetParam();
    table(2, 19);
    Game_New();
    eng.SideCount = c.mine;
    eng.OppSideCount = c.theirs;
    eng.StalemateState = 1;
    f().cmdDeal.setVisible(true);
    const GameSnapshot before = GameSnapshot::take();
    vb::msgbox_script::clearShown();
    if (*c.prompt) vb::msgbox_script::pushAnswer(c.answer);

    Game_New();

    const auto& shown = vb::msgbox_script::shown();
    if (*c.prompt) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].prompt, QString::fromLatin1(c.prompt));
        EXPECT_EQ(shown[0].title, "Grisk");
        EXPECT_EQ(shown[0].buttons(), c.buttons);
    } else {
        EXPECT_TRUE(shown.empty());
    }
    if (c.newGame) {
        EXPECT_NE(GameSnapshot::take(), before);
        EXPECT_EQ(eng.StalemateState, 0);
        EXPECT_EQ(eng.SideCount, 20);
        EXPECT_FALSE(f().cmdDeal.Visible());
    } else {
        EXPECT_EQ(GameSnapshot::take(), before) << "the game goes on exactly as it was";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NewGameWarningTest,
    ::testing::Values(
        WarnCase{"AnsweredNo", 8, 2, vb::vbNo,
                 "Are you serious?!\nI'm about to win and you want to start a new game???", vb::vbYesNo, false},
        WarnCase{"AnsweredYes", 9, 1, vb::vbYes,
                 "Are you serious?!\nI'm about to win and you want to start a new game???", vb::vbYesNo, true},
        WarnCase{"FarBehindIsTeased", 12, 2, vb::vbOK, "Sure, go ahead, start a new game when I'm winning!",
                 vb::vbOKOnly, true},
        WarnCase{"NotCloseToWinning", 15, 3, vb::vbNo, "", 0, true},
        WarnCase{"HumanAsCloseAsThem", 2, 2, vb::vbNo, "", 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

// -------------------------------------------------------------- Deal button

TEST_F(DealTest, TheDealButtonDealsATwoPlayerGame) {
    table(2, 19);
    f().cmdDeal.setVisible(true);
    f().Click(f().cmdDeal);
    EXPECT_FALSE(f().cmdDeal.Visible());
    EXPECT_TRUE(cmd.GameRestored);
    EXPECT_EQ(eng.SideCount, 20);
    EXPECT_EQ(eng.Pturn, 1);
    EXPECT_EQ(recs.TurnCount, 1);
    EXPECT_FALSE(eng.GameBusy);
    for (int s = 1; s <= 6; ++s) {
        EXPECT_TRUE(f().Picture7(s).Drawn().startsWith("face")) << s;
        EXPECT_TRUE(f().Picture1(s).Drawn().startsWith(s == 1 ? "face" : "back")) << s;
    }
    EXPECT_FALSE(f().Label9(2).Caption().trimmed().isEmpty()) << "the first player is announced";
    EXPECT_EQ(f().StatusBar1.Panels(1).Text, "Ottilie:");
    EXPECT_EQ(f().StatusBar1.Panels(5).Text, "Grisk:");
}

// The game as dealt goes to the auto-save slots (13 keeps it for a restart)
// and the human's turn starts the move log.
TEST_F(DealTest, TheDealIsAutoSavedAndTheHumansTurnLogged) {
    table(2, 19);
    ASSERT_TRUE(BackupFile().open(tempPath("backup.sav"), kSavedGameRecordLength,
                                  vb::RecordFile::Mode::OpenOrCreate));
    ASSERT_TRUE(OpenMoveLog(true));
    Game_New();
    QByteArray bytes;
    BackupFile().read(13, bytes);
    const SavedGameRecord dealt = SavedGameRecord::decode(bytes);
    EXPECT_EQ(dealt.Title.trimmed(), "AutoSave");
    EXPECT_EQ(dealt.StockCount, 104 - 40 - 10);
    EXPECT_EQ(dealt.SideCount, 20);
    EXPECT_EQ(dealt.SeatSideCount(2), 20);
    for (int s = 1; s <= 6; ++s) EXPECT_EQ(dealt.Slots(0, s, 1), eng.PlayerSlots(0, s)) << s;
    // One turn since the deal, or two when the computer began (and passed).
    EXPECT_EQ(recs.TurnCount, eng.SeatOrder(1) == 1 ? 1 : 2);
    MoveLogFile().read(1, bytes);
    EXPECT_EQ(SavedGameRecord::decode(bytes).Pturn, 1);
    EXPECT_EQ(eng.MoveLogPos, 1);
    OpenMoveLog(false);
    BackupFile().close();
}

// A stock too short for the hands (only a fault leaves one): no hand is
// dealt half, the player is told, and the game ends plainly with the Deal
// button back.
TEST_F(DealTest, AStockTooShortForTheHandsEndsTheGamePlainly) {
    for (int players : {2, 4}) {
        SCOPED_TRACE(players);
        table(players, 19);
        ResetTableDisplay();
        ASSERT_TRUE(grisk::SetUp());
        eng.StockCount = 5 * players - 1;
        vb::msgbox_script::clearShown();
        vb::msgbox_script::pushAnswer(vb::vbOK);
        GoDeal();
        ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
        EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Dealer Error");
        EXPECT_EQ(eng.StockCount, 5 * players - 1) << "not one card dealt";
        for (int seat = 1; seat <= players; ++seat) EXPECT_TRUE(cardsHeld(seat).empty()) << "seat " << seat;
        EXPECT_EQ(eng.Pturn, 0);
        for (int s = 1; s <= 10; ++s) EXPECT_FALSE(f().Picture7(s).Enabled()) << s;
        EXPECT_TRUE(f().cmdDeal.Visible());
        EXPECT_FALSE(eng.GameBusy);
    }
}

TEST_F(DealTest, WhileTheCardFlowRunsTheDealButtonOnlyStopsIt) {
    table(2, 19);
    cmd.FlowRunning = true;
    f().Click(f().cmdDeal);
    EXPECT_TRUE(cmd.FlowStop);
    EXPECT_TRUE(cmd.FlowClicked);
    EXPECT_EQ(eng.StockCount, 0);
    // A new game from the menu asks the button to stop the flow in the same way.
    cmd.FlowStop = false;
    Game_New();
    EXPECT_TRUE(cmd.FlowStop);
    EXPECT_TRUE(cmd.DealFromGameNew);
    EXPECT_EQ(eng.StockCount, 0);
}

TEST_F(DealTest, TheSpeedKeptAsideForAnInternetGameComesBackOnce) {
    table(2, 19);
    inet.SavedMoveDelay = 0.05;
    eng.CompDelay = 0.9;
    Game_New();
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.05);
    EXPECT_EQ(inet.SavedMoveDelay, 0);
    eng.CompDelay = 0.6;  // the speed window
    Game_New();
    EXPECT_DOUBLE_EQ(eng.CompDelay, 0.6);
}

TEST_F(DealTest, DeveloperModeShowsTheShuffledDeck) {
    table(2, 19);
    cmd.DeveloperMode = true;
    Game_New();
    vb::Form* view = nullptr;
    for (vb::Form* form : vb::forms::loaded())
        if (form->Caption() == "The Shuffled Deck") view = form;
    ASSERT_NE(view, nullptr);
    // 104 cards, 20 a row, each 45 pixels right of the one before and 75 down a row.
    EXPECT_EQ(view->Picture().size(), QSize(45 * 19 + 71, 75 * 5 + 96));
    view->Unload(1);
}

}  // namespace
