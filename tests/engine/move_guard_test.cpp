// What keeps a move of the human whole: the pictures locked while it runs,
// no second move inside it, Pturn back as it was after a refusal, a close
// that waits for the move, and a reshuffle that a lost peer cuts short.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include "engine/card_handling.h"
#include "engine/piles.h"
#include "engine/player_move.h"
#include "net/frm_chat.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/vb.h"
#include "started_table.h"

namespace {

using grisk::eng;
using grisk::inet;
using grisk::recs;
using grisk_test::Card;

// Runs probe from the first wait of the action under way.
void duringTheMove(std::function<void()> probe) { QTimer::singleShot(0, std::move(probe)); }

class MoveGuardTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        setSide({Card(8, 1), Card(9, 1), Card(1, 1)});
        setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(2, 2)});
        setHold(1, {Card(6, 3)});
        setStock({Card(2, 5), Card(3, 5)});
        show();
        waits::SetPauseScale(1);
        eng.CompDelay = 0.01;
        recs.AnimSpeed = 2;
    }
};

TEST_F(MoveGuardTest, EveryPictureIsLockedAndNoSecondMoveStartsInsideAPlay) {
    std::vector<bool> enabled;
    bool busy = false;
    duringTheMove([&] {
        for (int s = 1; s <= 10; ++s) enabled.push_back(f().Picture7(s).Enabled());
        busy = eng.GameBusy && eng.HumanMoveBusy;
        // A key play, a double-click and a press (on a locked picture), each
        // refused.
        EXPECT_FALSE(grisk::HumanCenterPlay(1, 2, false));
        EXPECT_EQ(eng.SourceSlot, 3);
        EXPECT_EQ(eng.TargetCenter, 1);
        grisk::Picture7_DblClick(1);
        click(1, 1);
        EXPECT_EQ(eng.Dragging, 0);
    });
    eng.SourceSlot = 3;
    eng.TargetCenter = 1;
    eng.DragMove = false;
    grisk::Player_Move();

    ASSERT_EQ(enabled.size(), 10u) << "the probe ran inside the play";
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(enabled[s - 1]) << "slot " << s << ", the pay-off card included";
    EXPECT_TRUE(busy);
    EXPECT_EQ(eng.CenterCount(1), 1) << "only the first play happened";
    EXPECT_EQ(eng.CenterCount(2), 0);
    EXPECT_EQ(eng.SideCount, 3);
    EXPECT_EQ(eng.PlayerSlots(0, 1), Card(1, 1));
    EXPECT_FALSE(eng.GameBusy);
    EXPECT_FALSE(eng.HumanMoveBusy);
    EXPECT_TRUE(f().Picture7(1).Enabled());
}

TEST_F(MoveGuardTest, AReorderLocksThePayOffCardToo) {
    std::vector<bool> enabled;
    duringTheMove([&] {
        for (int s = 1; s <= 10; ++s) enabled.push_back(f().Picture7(s).Enabled());
    });
    const vb::Control& from = f().Picture7(2);
    const vb::Control& to = f().Picture7(5);
    const double dx = screen::TwipsToPixels(to.leftTw() - from.leftTw());
    grisk::Picture7_MouseDown(2, 1, 0, 20, 30);
    grisk::Picture7_MouseMove(2, 1, 0, 20 + dx, 30);
    grisk::Picture7_MouseUp(2, 1, 0, 20 + dx, 30);
    EXPECT_EQ(eng.PlayerSlots(0, 5), Card(5, 2));
    ASSERT_EQ(enabled.size(), 10u);
    for (int s = 1; s <= 10; ++s) EXPECT_FALSE(enabled[s - 1]) << s;
    for (int s = 1; s <= 7; ++s) EXPECT_TRUE(f().Picture7(s).Enabled()) << s;
}

TEST_F(MoveGuardTest, ARefusalPutsPturnBackAsItWas) {
    for (int before : {1, 0}) {
        SCOPED_TRACE(before);
        eng.Pturn = before;
        EXPECT_FALSE(grisk::HumanCenterPlay(2, 1, false));  // a Five onto an empty pile
        EXPECT_EQ(eng.Pturn, before);
        EXPECT_EQ(eng.CenterCount(1), 0);
    }
    eng.Pturn = 0;
    EXPECT_FALSE(grisk::HumanCenterPlay(3, 1, false));  // an Ace, allowed, but no game runs
    EXPECT_EQ(eng.CenterCount(1), 0);
    EXPECT_EQ(eng.Pturn, 0);
}

// A reshuffle on a machine that takes its stock from the host.
class RemoteReshuffleTest : public grisk_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table();
        inet.NetPeers = 1;
        inet.IsHost = 0;
        inet.PeerVersion = "75";
        inet.NetState = grisk::nsPlayCard;
        grisk::frmChat().Command1.setEnabled(true);
        for (int r = 1; r <= 12; ++r) used_.push_back(Card(r, 4));
        for (int r = 1; r <= 12; ++r) used_.push_back(Card(r, 5));
        setUsed(used_);
        setStock({});
    }
    void expectUntouched() {
        EXPECT_EQ(eng.StockCount, 0);
        EXPECT_EQ(eng.UsedCount, 24);
        for (int i = 1; i <= 24; ++i) EXPECT_EQ(eng.Used(0, i), used_[i - 1]) << i;
        EXPECT_TRUE(grisk::frmChat().Command1.Enabled());
        EXPECT_TRUE(f().PicCenter(0).Visible());
    }
    std::vector<int> used_;
};

// The host lost during a reshuffle ends the Internet game: the player is
// told, may save the game, and has a local table.
TEST_F(RemoteReshuffleTest, ALostHostEndsTheGameWithASaveOffer) {
    bool disabledMeanwhile = false;
    duringTheMove([&] {
        disabledMeanwhile = !grisk::frmChat().Command1.Enabled();
        grisk::NetConnectionLost(0);
    });
    vb::msgbox_script::pushAnswer(vb::vbOK);
    vb::msgbox_script::pushAnswer(vb::vbNo);
    grisk::RESHUFFLE();
    EXPECT_TRUE(disabledMeanwhile);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 2u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt, "Dealer has terminated game.");
    EXPECT_EQ(vb::msgbox_script::shown()[1].title, "Save Game");
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_EQ(eng.UsedCount, 0) << "the table is emptied for a local game";
}

TEST_F(RemoteReshuffleTest, AStalemateGivenUpEndsTheWait) {
    duringTheMove([] {
        eng.StalemateState = 1;
        grisk::NetReceiveText(0, "SY 1#chat\n");
    });
    grisk::RESHUFFLE();
    expectUntouched();
}

TEST_F(RemoteReshuffleTest, TheHostsStockIsTakenWhenItArrives) {
    QString payload;
    for (int i = 24; i >= 1; --i) payload += vb::Str(used_[i - 1]) + "#";
    duringTheMove([&] { grisk::NetReceiveText(0, "DK " + payload + "\n"); });
    grisk::RESHUFFLE();
    EXPECT_EQ(eng.StockCount, 24);
    EXPECT_EQ(eng.UsedCount, 0);
    // A host above "74" sends card numbers; this machine keeps them within
    // one deck.
    for (int i = 1; i <= 24; ++i) {
        EXPECT_EQ(eng.Deck(0, i), (used_[24 - i] - 1) % 52 + 1) << i;
        EXPECT_EQ(eng.Deck(1, i), grisk_test::RankOf(used_[24 - i]));
    }
    EXPECT_EQ(f().Label9(0).Caption(), "");
    EXPECT_TRUE(grisk::frmChat().Command1.Enabled());
}

// A damaged stock is refused as a damaged deal is: the host's connection is
// closed, so that it does not wait for an answer, and the player is told.
TEST_F(RemoteReshuffleTest, AStockOfTheWrongSizeIsRefusedAndTheHostLetGo) {
    duringTheMove([] { grisk::NetReceiveText(0, "DK  1# 2# 3#\n"); });
    vb::msgbox_script::pushAnswer(vb::vbOK);
    grisk::RESHUFFLE();
    EXPECT_EQ(eng.StockCount, 0);
    EXPECT_EQ(eng.UsedCount, 24);
    for (int i = 1; i <= 24; ++i) EXPECT_EQ(eng.Used(0, i), used_[i - 1]) << i;
    EXPECT_TRUE(f().PicCenter(0).Visible());
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_EQ(vb::msgbox_script::shown()[0].title, "Dealer Error");
    EXPECT_EQ(vb::msgbox_script::shown()[0].prompt,
              "Oops! Sorry, I dropped the cards and can't redeal. Please start a new game.");
    EXPECT_EQ(inet.NetPeers, 0);
    EXPECT_TRUE(f().cmdDeal.Visible());
}

TEST_F(RemoteReshuffleTest, TheHostShufflesAndSendsItsNewStock) {
    inet.IsHost = 1;
    inet.NetSlotCount = 1;  // its peer's connection has gone: the wait for the answer ends
    grisk::RESHUFFLE();
    EXPECT_EQ(eng.StockCount, 24);
    EXPECT_EQ(eng.UsedCount, 0);
    ASSERT_TRUE(inet.NetPayload.startsWith("DK "));
    const QStringList numbers = inet.NetPayload.mid(3).split('#', Qt::SkipEmptyParts);
    ASSERT_EQ(numbers.size(), 24) << "card numbers only, no rule tail, for a peer above \"74\"";
    for (int i = 1; i <= 24; ++i) EXPECT_EQ(vb::Val(numbers[i - 1]), eng.Deck(0, i)) << i;
    EXPECT_EQ(f().Label9(0).Caption(), "");
    EXPECT_TRUE(grisk::frmChat().Command1.Enabled());
}

// A close of the real main window while a play runs.
class CloseDuringAPlayTest : public grisk_test::StartedTableTest {};

TEST_F(CloseDuringAPlayTest, TheCloseWaitsUntilThePlayHasFinished) {
    setSide({Card(8, 1), Card(9, 1), Card(1, 1)});
    setHand({Card(5, 2), Card(1, 2), Card(7, 2), Card(9, 2), Card(2, 2)});
    show();
    waits::SetPauseScale(1);
    eng.CompDelay = 0.01;
    bool stillLoaded = false;
    duringTheMove([&] {
        f().windowClosed();
        stillLoaded = f().isLoaded();
    });
    eng.SourceSlot = 1;
    eng.TargetCenter = 1;
    eng.DragMove = false;
    grisk::Player_Move();
    EXPECT_TRUE(stillLoaded);
    EXPECT_TRUE(eng.Quitting);
    EXPECT_EQ(grisk::ExitLeftRuns(), 0) << "nothing is torn down under the play";
    // The play went to its end.
    EXPECT_EQ(eng.CenterPile(0, 1, 1), Card(1, 1));
    EXPECT_EQ(eng.SideCount, 2);
    EXPECT_EQ(eng.PlayerSlots(0, 1), Card(9, 1));
    EXPECT_EQ(f().Picture7(1).Drawn(), QString("face %1 large").arg(Card(9, 1)));
    EXPECT_TRUE(f().Picture7(2).Enabled());
    EXPECT_FALSE(eng.GameBusy);

    QCoreApplication::processEvents();
    EXPECT_FALSE(f().isLoaded());
    EXPECT_EQ(grisk::ExitLeftRuns(), 1);
}

}  // namespace
