// The help: the help document's codec, the viewer reached through
// ShowHelpTopic as the program reaches it (contents, keyword lookups,
// close), the wrapper's checks and warnings, and the document the program
// ships.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "platform/help_document.h"
#include "shell/help_commands.h"
#include "shell/html_help.h"
#include "platform/keys.h"
#include "shell/keyboard.h"
#include "shell_fixture.h"

namespace grisk_test {
namespace {

QString shippedHelpFile() { return ShippedAppFolder() + "/" + grisk::kHelpFileName; }

help::Document shippedDocument() {
    QFile f(shippedHelpFile());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << shippedHelpFile().toStdString();
    help::Document doc;
    QString error;
    EXPECT_TRUE(help::Decode(f.readAll(), doc, error)) << error.toStdString();
    return doc;
}

// A small document: two pages, one with a section.
help::Document smallDocument() {
    help::Document doc;
    doc.title = "Small help";
    doc.defaultTopic = "start";
    doc.windows = {{"Size", 640, 480}};
    doc.contents = {{1, "start", "Start"}, {1, "more", "More"}, {2, "more#deep", "Deep down"}};
    doc.index = {{"Start", "start"}, {"Deep", "more#deep"}};
    doc.pages = {{"start", "<h1>Start</h1><p>Welcome \xC3\xA9\ttab\nline</p>"},
                 {"more", "<h1>More</h1><p><a name=\"deep\"></a>deep</p>"}};
    return doc;
}

class HelpTest : public ShellTest {
protected:
    // The handle of the one help window open.
    static quintptr shownHandle() {
        const std::vector<quintptr> open = help::OpenWindows();
        EXPECT_EQ(open.size(), 1u);
        return open.empty() ? 0 : open.front();
    }
};

TEST_F(HelpTest, TheDocumentComesBackAsItWasWritten) {
    const help::Document doc = smallDocument();
    QByteArray bytes;
    QString error;
    ASSERT_TRUE(help::Encode(doc, bytes, error)) << error.toStdString();
    help::Document back;
    ASSERT_TRUE(help::Decode(bytes, back, error)) << error.toStdString();
    EXPECT_EQ(back.title, doc.title);
    EXPECT_EQ(back.defaultTopic, "start");
    ASSERT_EQ(back.pages.size(), 2u);
    EXPECT_EQ(back.pages[0].html, doc.pages[0].html) << "tabs, line breaks and UTF-8 inside a page survive";
    ASSERT_EQ(back.contents.size(), 3u);
    EXPECT_EQ(back.contents[2].level, 2);
    EXPECT_EQ(back.contents[2].target, "more#deep");
    ASSERT_NE(back.lookup("  deep "), nullptr) << "a keyword is found whatever its case and blanks";
    EXPECT_EQ(back.lookup("DEEP")->target, "more#deep");
    EXPECT_EQ(back.lookup("Nothing"), nullptr);
    ASSERT_NE(back.window("size"), nullptr);
    EXPECT_EQ(back.window("Size")->width, 640);
}

TEST_F(HelpTest, BytesThatAreNoHelpDocumentAreRefused) {
    QByteArray good;
    QString error;
    ASSERT_TRUE(help::Encode(smallDocument(), good, error));
    const qsizetype firstPage = good.indexOf("page\t");
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"another head", QByteArray("Some other file 1\n") + good.mid(good.indexOf('\n') + 1)},
        {"nothing at all", QByteArray()},
        {"no end record", good.left(good.size() - 4)},
        {"a page cut short", good.left(firstPage + 40)},
        {"a page longer than the file", QByteArray(good).replace("page\tstart\t", "page\tstart\t9")},
        {"an unknown record", QByteArray(good).replace("default\t", "defaults\t")},
        {"a window of no size", QByteArray(good).replace("\t640\t", "\t6\t")},
        {"a contents row at level 0", QByteArray(good).replace("contents\t1\tstart", "contents\t0\tstart")},
        {"an index entry without its page", QByteArray(good).replace("Deep\tmore#deep", "Deep\tgone#deep")},
        {"a default topic without its page", QByteArray(good).replace("default\tstart", "default\tnone")},
    };
    for (const Case& c : cases) {
        help::Document doc;
        error.clear();
        EXPECT_FALSE(help::Decode(c.bytes, doc, error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
}

TEST_F(HelpTest, FieldsThatWouldBreakTheirLineAreNotWritten) {
    for (const char* bad : {"two\tfields", "two\nlines"}) {
        help::Document doc = smallDocument();
        doc.index.push_back({QString::fromLatin1(bad), "start"});
        QByteArray bytes;
        QString error;
        EXPECT_FALSE(help::Encode(doc, bytes, error)) << bad;
    }
}

TEST_F(HelpTest, ContentsOpensOneWindowAtTheContentsAndRaisesItAfterwards) {
    grisk::ShowHelpTopic("Contents", "Contents");
    ASSERT_EQ(help::OpenWindowCount(), 1);
    const quintptr handle = shownHandle();
    EXPECT_EQ(help::ShownTarget(handle), "contents");
    EXPECT_EQ(help::FrontTab(handle), 0) << "the contents tree in front";
    EXPECT_EQ(help::WindowCaption(handle), "Grisk and Varnok Help");

    help::FollowLink(handle, "rules#kings");
    EXPECT_EQ(help::ShownTarget(handle), "rules#kings");
    grisk::ShowHelpTopic("Contents", "Contents");
    EXPECT_EQ(help::OpenWindowCount(), 1) << "the window open is used again";
    EXPECT_EQ(help::ShownTarget(handle), "contents");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(HelpTest, EveryTopicTheProgramLooksUpLandsOnItsIndexEntry) {
    const help::Document doc = shippedDocument();
    for (const char* keyword : {"Contents", "Customizing Comments", "Opponents", "Connection Window", "Chat Window"}) {
        const help::IndexEntry* entry = doc.lookup(keyword);
        ASSERT_NE(entry, nullptr) << keyword << " is missing from the index";
        grisk::ShowHelpTopic("Keyword", keyword);
        ASSERT_EQ(help::OpenWindowCount(), 1) << keyword;
        EXPECT_EQ(help::ShownTarget(shownHandle()), entry->target) << keyword;
    }
    EXPECT_EQ(doc.lookup("Chat Window")->target, "chat");
    EXPECT_EQ(doc.lookup("Connection Window")->target, "connection");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(HelpTest, AKeywordOfASectionScrollsToIt) {
    grisk::ShowHelpTopic("Keyword", "Chat log");
    EXPECT_EQ(help::ShownTarget(shownHandle()), "chat#options");
    EXPECT_EQ(help::FrontTab(shownHandle()), 1) << "the index in front";
}

TEST_F(HelpTest, AnUnknownKeywordLeavesTheHelpAtItsDefaultTopic) {
    grisk::ShowHelpTopic("Keyword", "Chat Window");
    ASSERT_EQ(help::ShownTarget(shownHandle()), "chat");
    grisk::ShowHelpTopic("Keyword", "No such subject");
    EXPECT_EQ(help::OpenWindowCount(), 1) << "the help stays open";
    EXPECT_EQ(help::ShownTarget(shownHandle()), "contents");
    EXPECT_TRUE(boxes().empty()) << "no message: the wrapper sets none";
}

TEST_F(HelpTest, CloseLeavesNoHelpWindowAndIsHarmlessWithNoneOpen) {
    grisk::ShowHelpTopic("Close", "Close");
    EXPECT_EQ(help::OpenWindowCount(), 0);
    grisk::ShowHelpTopic("Contents", "Contents");
    grisk::ShowHelpTopic("Keyword", "Opponents");
    ASSERT_EQ(help::OpenWindowCount(), 1);
    grisk::ShowHelpTopic("Close", "Close");
    EXPECT_EQ(help::OpenWindowCount(), 0);
    RunEventsFor(0);
    EXPECT_EQ(help::OpenWindowCount(), 0);
    grisk::ShowHelpTopic("Contents", "Contents");
    EXPECT_EQ(help::OpenWindowCount(), 1) << "a new window after the close";
    EXPECT_TRUE(boxes().empty());
}

TEST_F(HelpTest, OtherCommandsOpenNothing) {
    grisk::ShowHelpTopic("Index", "Opponents");
    EXPECT_EQ(help::OpenWindowCount(), 0);
}

TEST_F(HelpTest, AMissingHelpFileIsWarnedAboutAndShowsNothing) {
    grisk::eng.AppFolder = tempFolder();
    grisk::ShowHelpTopic("Contents", "Contents");
    grisk::ShowHelpTopic("Keyword", "Opponents");
    EXPECT_EQ(help::OpenWindowCount(), 0);
    ASSERT_EQ(boxes().size(), 2u);
    for (const vb::ShownBox& box : boxes()) {
        EXPECT_EQ(box.prompt, "The file " + tempFolder() +
                                  "/GriskAndVarnok.chm does not exist.\nPlease make sure the correct path and file "
                                  "name have been specified.");
        EXPECT_EQ(box.title, "HTML Help Class");
        EXPECT_EQ(box.icon(), vb::vbExclamation);
    }
}

TEST_F(HelpTest, AWrongExtensionIsWarnedAboutButTheFileStillOpens) {
    const QString copy = tempPath("manual.txt");
    ASSERT_TRUE(QFile::copy(shippedHelpFile(), copy));
    grisk::HTMLHelp wrapper;
    wrapper.CHMFile = copy;
    wrapper.HHDisplayContents();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, copy + " is not a valid HTML Help file.");
    EXPECT_EQ(boxes()[0].title, "HTML Help Class");
    EXPECT_EQ(help::OpenWindowCount(), 1);
    EXPECT_EQ(help::ShownTarget(wrapper.HHWndHandle()), "contents");
}

TEST_F(HelpTest, ANameWithoutAFolderIsLookedForInTheProgramsFolder) {
    grisk::HTMLHelp wrapper;
    wrapper.CHMFile = "GRISKANDVARNOK.CHM";  // the extension in any case
    QString name = "GriskAndVarnok.chm";
    EXPECT_TRUE(wrapper.EnsureFileExists(name));
    EXPECT_EQ(name, ShippedAppFolder() + "/GriskAndVarnok.chm");
    wrapper.CHMFile = "GriskAndVarnok.chm";
    wrapper.HHWindow = "   ";  // blanks: no window layout
    wrapper.HHDisplayContents();
    EXPECT_EQ(help::OpenWindowCount(), 1);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(HelpTest, AKeywordLookupFallsBackToItsDefaultTopicOrItsMessage) {
    grisk::HTMLHelp wrapper;
    wrapper.CHMFile = shippedHelpFile();
    wrapper.HHKeyword = "Nothing; Kings";  // the first known keyword counts
    wrapper.HHDisplayKeyword();
    EXPECT_EQ(help::ShownTarget(wrapper.HHWndHandle()), "rules#kings");
    wrapper.HHKeyword = "Nothing";
    wrapper.HHDefaultURL = "keys";
    wrapper.HHDisplayKeyword();
    EXPECT_EQ(help::ShownTarget(wrapper.HHWndHandle()), "keys");
    wrapper.HHDefaultURL.clear();
    wrapper.HHMsgText = "Not in the manual.";
    wrapper.HHMsgTitle = "Help";
    wrapper.HHDisplayKeyword();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "Not in the manual.");
    EXPECT_EQ(help::ShownTarget(wrapper.HHWndHandle()), "contents");
}

TEST_F(HelpTest, AHandleAskedForBeforeAnyDisplayIsWarnedAbout) {
    grisk::HTMLHelp wrapper;
    EXPECT_EQ(wrapper.HHWndHandle(), 0u);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].prompt, "No HTML Help window handle to retrieve.");
}

TEST_F(HelpTest, ADamagedHelpFileIsToldAndShowsNothing) {
    const QString path = tempPath("GriskAndVarnok.chm");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Grisk and Varnok help 1\ntitle\tcut short\n");
    f.close();
    grisk::eng.AppFolder = tempFolder();
    grisk::ShowHelpTopic("Contents", "Contents");
    EXPECT_EQ(help::OpenWindowCount(), 0);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].prompt.startsWith("The help file " + path + " cannot be shown")) << boxes()[0].prompt.toStdString();
}

TEST_F(HelpTest, F1AndTheHelpMenuOpenTheContents) {
    int f1 = vb::vbKeyF1;
    grisk::HandleKeyDown(f1, 0);
    ASSERT_EQ(help::OpenWindowCount(), 1);
    help::FollowLink(shownHandle(), "keys");
    grisk::MenuHelpCommand(0, 0);
    EXPECT_EQ(help::ShownTarget(shownHandle()), "contents");
    EXPECT_EQ(help::OpenWindowCount(), 1);
}

// Every link of the shipped pages leads to a page, and to an anchor that
// stands in it; every contents row too.
TEST_F(HelpTest, EveryLinkOfTheShippedManualLeadsSomewhere) {
    const help::Document doc = shippedDocument();
    const auto leads = [&doc](const QString& target) {
        const help::Page* page = doc.page(help::TargetTopic(target));
        const QString anchor = help::TargetAnchor(target);
        return page && (anchor.isEmpty() || page->html.contains("<a name=\"" + anchor + "\">"));
    };
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (const help::Page& page : doc.pages)
        for (auto it = href.globalMatch(page.html); it.hasNext(); ++links) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(leads(target)) << page.topic.toStdString() << " links to " << target.toStdString();
        }
    EXPECT_GT(links, 20);
    for (const help::ContentsRow& row : doc.contents) EXPECT_TRUE(leads(row.target)) << row.title.toStdString();
    for (const help::IndexEntry& e : doc.index) EXPECT_TRUE(leads(e.target)) << e.keyword.toStdString();
}

}  // namespace
}  // namespace grisk_test
