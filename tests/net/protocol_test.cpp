// The lines of the handshake and the reading of every line a peer sends:
// the fields each code carries, the hello and name widths of each version,
// the seat list, and the lines no peer of ours sends.
#include <gtest/gtest.h>

#include "net/protocol.h"
#include "net/state.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

class ProtocolTest : public grisk_test::GriskTest {};

struct LineCase {
    const char* line;
    int kind;
    int number;
    const char* text;
};

TEST_F(ProtocolTest, EachCodeIsReadWithItsFields) {
    const LineCase cases[] = {
        {"PC  3# 7", nsPlayCard, 3, "7"},
        {"PC 10#12", nsPlayCard, 10, "12"},
        {"WT", nsWait, 0, ""},
        {"WT 2", nsWait, 2, ""},
        {"OK", nsOkay, 0, ""},
        {"TR  2", nsTurn, 2, ""},
        {"TR", nsTurn, 0, ""},
        {"LO  3  2|Ann|Bob|", nsSeatList, 3, "Ann|Bob|"},
        {"LO", nsSeatList, 0, ""},
        {"DK  5# 17#", nsDeck, 0, "5# 17#"},
        {"NM  Ann ", nsName, 0, "Ann"},
        {"GS", nsGameStart, 0, ""},
        {"GO", nsGone, 0, ""},
        {"RS", nsResume, 0, ""},
        {"EG", nsEndGame, 0, ""},
        {"GS  ", nsGameStart, 0, ""},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        QString fault;
        EXPECT_EQ(GetNetCode(c.line, &fault), c.kind) << fault.toStdString();
        EXPECT_EQ(inet.MsgNumber, c.number);
        EXPECT_EQ(inet.NetText, c.text);
        EXPECT_EQ(inet.NetState, nsIdle) << "the dispatcher sets the state";
    }
}

TEST_F(ProtocolTest, LinesNoPeerOfOursSendsAreRefusedWithTheirReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"XX", "an unknown code"},
        {"gs", "an unknown code"},
        {"G", "an unknown code"},
        {"GS\x01", "a control character"},
        {"NM Ann\tBob", "a control character"},
        {"TR2", "a code run together with its fields"},
        {"TR  9", "a first player out of range"},
        {"TR  x", "a first player out of range"},
        {"PC 99# 1", "a move out of range"},
        {"PC  3", "a move out of range"},
        {"WT 12", "a wait line with a field that does not read"},
        {"OK  1", "fields on a line that has none"},
        {"GO now", "fields on a line that has none"},
        {"DK  1# 2#x", "a deck that does not read"},
        {"LO  7  1", "a seat list out of range"},
        {"LO  3  3|Ann|Bob|", "a seat list out of range"},
        {"LO  3  1|Ann|", "a seat list without its names"},
        {"LO  4  1", "a seat list without its names"},
        {"LO x", "a seat list that does not read"},
        {"IP", "a hello without its fields"},
        {"NM", "a name line without a name"},
    };
    for (const auto& [line, why] : cases) {
        SCOPED_TRACE(line);
        QString fault;
        EXPECT_EQ(GetNetCode(line, &fault), kNetGarbage);
        EXPECT_EQ(fault, why);
    }
}

TEST_F(ProtocolTest, HellosCarryTheVersionInFixedColumnsAndTheSeatToACurrentClient) {
    const QString hello = BuildHostHello(2);
    EXPECT_EQ(hello, "IP Quenmoor Online^ 9. 6. 0^ 2");
    std::optional<Hello> h = ReadHello(hello, true);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, "96");
    EXPECT_EQ(h->seat, 2);
    EXPECT_EQ(h->reserved, "Quenmoor Online");
    EXPECT_FALSE(h->old);

    h = ReadHello(BuildClientHello(), false);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, "96");
    EXPECT_EQ(h->seat, 0);

    // 18 characters: no version, the oldest peer.
    h = ReadHello("IP 123456789012345", false);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, "40");
    EXPECT_TRUE(h->old);

    // A reserved field 19 wide moves the version four columns on.
    h = ReadHello("IP ABCDEFGHIJKLMNOPQRS^ 8. 1. 0", false);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, "81");
    EXPECT_EQ(h->reserved, "ABCDEFGHIJKLMNOPQRS");

    // A host of "74" or below names no seat.
    h = ReadHello("IP Quenmoor Online^ 7. 4. 0", true);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->version, "74");
    EXPECT_EQ(h->seat, 0);

    for (const char* bad : {"IP Quenmoor Online^ x. 6. 0^ 1", "IP Quenmoor Online^ 9. 6. 0^ 7",
                            "IP Quenmoor Online^ 9. 6. 0", "IP Quenmoor Online^ 9"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ReadHello(bad, true));
    }
}

TEST_F(ProtocolTest, TheHostsNameLineHasTheWidthEachVersionReads) {
    const std::pair<const char*, const char*> cases[] = {
        {"51", "NM Ann"},
        {"62", "NM Ann^Quenmoor Online"},
        {"84", "NM Ann^Quenmoor Online"},
        {"96", "NM Ann^Quenmoor Online    "},
    };
    for (const auto& [version, line] : cases) {
        SCOPED_TRACE(version);
        EXPECT_EQ(BuildNameLine("Ann", true, version), line);
        EXPECT_EQ(ReadPeerName(line, true, version), "Ann");
    }
    EXPECT_EQ(BuildNameLine("Ann", false, "96"), "NM Ann");
    // A name loses what a file name may not hold and is cut to 20.
    EXPECT_EQ(ReadPeerName("NM ../Ann:*?", false, "96"), "Ann");
    EXPECT_EQ(ReadPeerName("NM " + QString(30, 'z'), false, "96"), QString(20, 'z'));
    EXPECT_EQ(ReadPeerName("NM /\\", false, "96"), "");
}

TEST_F(ProtocolTest, ASeatListNamesTheHostsSeatsAfterTheCountAndTheSeat) {
    EXPECT_EQ(BuildSeatList(3, 2, {"Ann", "Bob"}), "LO  3  2|Ann|Bob|");
    EXPECT_EQ(BuildSeatList(5, 1, {}), "LO  5  1");
    const std::optional<SeatList> l = ReadSeatList("LO  4  2|A|B|C|");
    ASSERT_TRUE(l);
    EXPECT_EQ(l->count, 4);
    EXPECT_EQ(l->seat, 2);
    EXPECT_EQ(l->names, (QStringList{"A", "B", "C"}));
}

TEST_F(ProtocolTest, ANumberListReportsItsEndInsteadOfStartingOver) {
    inet.NetPayload = " 5# 17#-1#";
    inet.PayloadPos = 0;
    std::vector<int> read;
    bool bad = false;
    for (int i = 0; i < 10; ++i) {
        const std::optional<int> n = NetNextNumber(&bad);
        if (!n) break;
        read.push_back(*n);
    }
    EXPECT_EQ(read, (std::vector<int>{5, 17, -1}));
    EXPECT_FALSE(bad);
    EXPECT_FALSE(NetNextNumber()) << "the end is reported again, never the first number";
    inet.NetPayload = " 5## 6#";
    inet.PayloadPos = 0;
    EXPECT_EQ(NetNextNumber(&bad), 5);
    EXPECT_FALSE(NetNextNumber(&bad));
    EXPECT_TRUE(bad);
}

}  // namespace
