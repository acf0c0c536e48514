// The chat and peek lines byte for byte, and the peek line read back as its
// receiver reads it.
#include <gtest/gtest.h>

#include "net/chat_lines.h"

using namespace grisk;

namespace {

TEST(ChatLinesTest, AChatLineCarriesItsNumberAsStrWritesIt) {
    EXPECT_EQ(BuildChatLine(1, "$-GRISK: You're being watched."), "SY  1#$-GRISK: You're being watched.");
    EXPECT_EQ(BuildChatLine(12, "Ann Quit!^"), "SY  12#Ann Quit!^");
}

TEST(ChatLinesTest, ASystemNoticeIsTaggedForPeersOfVersion74AndLater) {
    struct Case {
        const char* version;
        const char* body;
    };
    for (const Case& c : {Case{"96", "$-GRISK: hi"}, Case{"74", "$-GRISK: hi"}, Case{"73", "GRISK: hi"},
                          Case{"62", "GRISK: hi"}, Case{"", "GRISK: hi"}})
        EXPECT_EQ(SystemNoticeBody("GRISK: hi", c.version), c.body) << c.version;
}

// The receiver takes characters 5 to 8 for the flag.
TEST(ChatLinesTest, APeekLineHoldsTrueWhereItsReceiverLooks) {
    EXPECT_EQ(BuildPeekLine(true), "PK  True");
    EXPECT_EQ(BuildPeekLine(false), "PK  False");
    EXPECT_TRUE(PeekLineSaysPeeking(BuildPeekLine(true)));
    EXPECT_FALSE(PeekLineSaysPeeking(BuildPeekLine(false)));
    for (const char* line : {"PK -1", "PK  true", "PK True", "PK", ""})
        EXPECT_FALSE(PeekLineSaysPeeking(line)) << line;
}

}  // namespace
