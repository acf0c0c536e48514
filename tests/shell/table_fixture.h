// The commands' and keys' table: two players, three centre piles, the
// human to move in the middle of a round (see PlayPosition::humanToMove).
#pragma once

#include "engine/play_fixture.h"

namespace grisk_test {

class HumanToMoveTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        table(2, 3);
        humanToMove();
    }
};

}  // namespace grisk_test
