// The lines of a move: "PC" byte for byte as the other machines read it, the
// bare answers, and a peer's "PC" read back or refused.
#include <gtest/gtest.h>

#include "net/move_lines.h"
#include "net/protocol.h"
#include "support/test_support.h"

using namespace grisk;

namespace {

struct BuildCase {
    int source;
    int target;
    const char* bytes;
};

// A play from slot 3 to centre pile 2: the code, two blanks, 3, "#", a blank, 2.
TEST(MoveLinesTest, PlayCardLinesAreWrittenAsStrWritesTheirNumbers) {
    for (const BuildCase& c : {BuildCase{3, 2, "PC  3# 2"}, BuildCase{1, 4, "PC  1# 4"},
                               BuildCase{6, 9, "PC  6# 9"}, BuildCase{10, 1, "PC  10# 1"},
                               BuildCase{2, 16, "PC  2# 16"}}) {
        const QString line = BuildPlayCardLine(c.source, c.target);
        EXPECT_EQ(line.toLatin1(), QByteArray(c.bytes));
        const auto back = ParsePlayCardLine(line);
        ASSERT_TRUE(back.has_value()) << c.bytes;
        EXPECT_EQ(*back, (PlayCardMove{c.source, c.target})) << c.bytes;
        EXPECT_EQ(NetLineKind(line), nsPlayCard);
    }
}

TEST(MoveLinesTest, TheBareLinesAreTheirCodesAlone) {
    EXPECT_EQ(QByteArray(kWaitLine), "WT");
    EXPECT_EQ(QByteArray(kOkayLine), "OK");
    EXPECT_EQ(NetLineKind(kWaitLine), nsWait);
    EXPECT_EQ(NetLineKind(kOkayLine), nsOkay);
    EXPECT_TRUE(IsBareNetLine(kOkayLine));
}

// The receiving side reads what a peer may send and nothing else: a source
// outside the slots or a target that is no pile could index past the table.
TEST(MoveLinesTest, APeersPlayCardLineIsReadOrRefused) {
    struct Case {
        const char* line;
        int source;  // 0: refused
        int target;
    };
    for (const Case& c : {Case{"PC  3# 7", 3, 7}, Case{"PC 3#7", 3, 7}, Case{"PC  10# 12", 10, 12},
                          Case{"PC", 0, 0}, Case{"PC  0# 1", 0, 0}, Case{"PC  11# 1", 0, 0},
                          Case{"PC  3# 5", 0, 0}, Case{"PC  3# 11", 0, 0}, Case{"PC  3# 17", 0, 0},
                          Case{"PC  3", 0, 0}, Case{"PC  3# 2# 1", 0, 0}, Case{"PC -3# 2", 0, 0},
                          Case{"PC  3#x", 0, 0}, Case{"WT  3# 2", 0, 0}, Case{"PC# 3# 2", 0, 0}}) {
        const auto move = ParsePlayCardLine(c.line);
        if (c.source == 0) {
            EXPECT_FALSE(move.has_value()) << c.line;
        } else {
            ASSERT_TRUE(move.has_value()) << c.line;
            EXPECT_EQ(*move, (PlayCardMove{c.source, c.target})) << c.line;
        }
    }
}

}  // namespace
