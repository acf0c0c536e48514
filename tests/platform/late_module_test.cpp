// The modules beside the program are loaded on first use; a module or an
// entry that is missing gives nothing, quietly, and the caller goes on
// without it.
#include <gtest/gtest.h>

#include "platform/late_module.h"
#include "platform/sound_backend.h"
#include "platform/winsock.h"

namespace {

TEST(LateModule, ResolvesEntriesOfTheModulesAndNothingElse) {
    struct Case {
        const char* module;
        const char* entry;
        bool found;
    };
    const Case cases[] = {
        {vb::kSocketModule, vb::kSocketEntry, true},
        {sound::kModule, sound::kEntry, true},
        {vb::kSocketModule, "grisk_no_such_entry", false},
        {"grisk-no-such-module", vb::kSocketEntry, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.module) + " " + c.entry);
        EXPECT_EQ(late::Resolve(c.module, c.entry) != nullptr, c.found);
        EXPECT_EQ(late::IsLoaded(c.module), std::string(c.module) != "grisk-no-such-module");
    }
}

TEST(LateModule, SocketsComeFromTheModule) {
    const std::unique_ptr<vb::Winsock> s = vb::NewWinsock();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->State(), vb::Winsock::sckClosed);
    // Only a real socket can listen.
    s->SetLocalPort(0);
    ASSERT_EQ(s->Listen(), 0);
    EXPECT_EQ(s->State(), vb::Winsock::sckListening);
    EXPECT_GT(s->LocalPort(), 0);
    s->Close();
    EXPECT_EQ(s->State(), vb::Winsock::sckClosed);
}

}  // namespace
