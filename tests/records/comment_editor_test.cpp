// The comment editor as the player uses it: a set saved and read back as an
// opponent's remarks, the refusals of a save, the set put into use for the
// first opponent, Return's question, opening, new, open and export.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/general.h"
#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "profile_fixture.h"
#include "records/comment_file.h"
#include "records/frm_custom.h"
#include "records/personality.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "records/text_line_record.h"
#include "records/user_files.h"
#include "shell/menu_commands.h"

using namespace grisk;

namespace {

class CommentEditorTest : public records_test::ProfileFixture {
protected:
    void SetUp() override {
        ProfileFixture::SetUp();
        // Afresh for every case of a test that starts again.
        for (const QString& file : QDir(eng.UserFolder).entryList({"*.cmt"}, QDir::Files))
            QFile::remove(eng.UserFolder + file);
        grisk::PlayerProfileRecord ann = profile("Ann");
        for (int seat = 1; seat <= 3; ++seat) ann.Seats(seat) = {"Varnok", "Varnok.jpg", "No Comments", 0, 0};
        writePrefs({profile("Ann"), ann});
        ASSERT_TRUE(Get_Players());
        ASSERT_TRUE(eng.NoComments);
    }

    FrmCustom& open() {
        ShowCommentEditor();
        EXPECT_TRUE(frmCustom().Visible());
        return frmCustom();
    }
    static void write(FrmCustom& w, const QString& name, const QStringList& lines) {
        vb::UserTypes(w.FileTxt, name);
        for (int i = 1; i <= kCommentFileLines; ++i) vb::UserTypes(w.Text1(i), i <= lines.size() ? lines[i - 1] : "");
    }
    static void save(FrmCustom& w) { vb::UserClicks(w.Command3(2)); }
    static QString path(const QString& name) { return eng.UserFolder + name + ".cmt"; }
    static void commentFile(const QString& name, const QString& prefix) {
        QStringList lines;
        for (int i = 1; i <= kCommentFileLines; ++i) lines << prefix + " " + QString::number(i);
        ASSERT_TRUE(WriteCommentFile(path(name), lines));
    }
    // The prompts of the message boxes shown since the last call.
    static QStringList prompts() {
        QStringList out;
        for (const vb::ShownBox& b : vb::msgbox_script::shown()) out << b.prompt;
        vb::msgbox_script::clearShown();
        return out;
    }
};

TEST_F(CommentEditorTest, ASavedSetIsReadBackAsTheOpponentsRemarks) {
    FrmCustom& w = open();
    EXPECT_EQ(w.Label1.Caption(), GetMessageText(9, 11));
    EXPECT_FALSE(vb::Trim(w.Label1.Caption()).isEmpty());
    EXPECT_FALSE(w.Check1.Enabled()) << "nothing to put into use yet";
    write(w, "Banter.CMT", {"  first  ", "", "", "", "fifth"});
    save(w);
    EXPECT_TRUE(prompts().isEmpty());
    EXPECT_EQ(w.FileTxt.Text(), "Banter") << "saved under the name without its extension";
    EXPECT_EQ(w.Label4.Caption(), "\nCustom Comments Saved!");
    EXPECT_TRUE(w.Check1.Enabled());
    EXPECT_FALSE(w.Changed);
    EXPECT_EQ(records_test::readFile(path("Banter")).size(), 20 * kTextLineRecordLength);
    EXPECT_EQ(recs.NumCommentFiles, 1) << "the list of comment files knows it";
    EXPECT_EQ(recs.CommentFiles(1), "Banter");

    LoadCommentFile("Banter");
    EXPECT_EQ(eng.Comments(1), "first");
    EXPECT_EQ(eng.Comments(2), "") << "an empty line keeps its place";
    EXPECT_EQ(eng.Comments(5), "fifth");
    EXPECT_EQ(eng.Comments(20), "");
}

TEST_F(CommentEditorTest, ASaveIsRefusedForLongLinesAnEmptyFirstLineAndBadNames) {
    const QString longLine(101, 'x');
    const QString fullLine(100, 'y');
    const QString noName = "Enter a name for this comment file!";
    const QString badName = "Please do not use the following characters:  \n\n/ \\ : * . ? ! < > | \"\n\nPlease re-enter.";
    const struct {
        const char* name;
        int line;          // the line written (1..20) with text
        QString text;
        QString box;       // the box shown ("" none)
        QString status;    // the status line after
        const char* focus; // the control that takes the keys
        const char* saved; // the file written ("" none)
    } cases[] = {
        {"Mine", 7, longLine, "", "Exceeds 100 characters. Edit and Save again.", "Text1 7", ""},
        {"Mine", 7, "  " + fullLine + "  ", "", "\nCustom Comments Saved!", "", "Mine"},
        {"Mine", 1, "", "No comments to save! You should write some comments before saving.", " ", "Text1 1", ""},
        {"Mine", 1, "   ", "No comments to save! You should write some comments before saving.", " ", "Text1 1", ""},
        {"", 1, "hello", noName, " ", "FileTxt", ""},
        {".cmt", 1, "hello", noName, " ", "FileTxt", ""},
        {" .CMT ", 1, "hello", noName, " ", "FileTxt", ""},
        {"my.set", 1, "hello", badName, " ", "FileTxt", ""},
        {"../Mine", 1, "hello", badName, " ", "FileTxt", ""},
        {"Mine.cmt.cmt", 1, "hello", badName, " ", "FileTxt", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "name \"" << c.name << "\", line " << c.line);
        reset();
        SetUp();
        FrmCustom& w = open();
        QStringList lines{"first"};
        while (lines.size() < c.line) lines << "";
        lines[c.line - 1] = c.text;
        write(w, c.name, lines);
        save(w);
        EXPECT_EQ(prompts(), c.box.isEmpty() ? QStringList{} : QStringList{c.box});
        EXPECT_EQ(w.Label4.Caption(), c.status);
        const vb::Control* focus = w.ActiveControl();
        const QString focused = focus ? (focus->Index() >= 0 ? focus->Name() + " " + QString::number(focus->Index())
                                                             : focus->Name())
                                      : QString();
        EXPECT_EQ(focused, c.focus);
        EXPECT_EQ(w.Text1(7).BackColor(), c.status.startsWith("Exceeds") ? 0x00FFFF : 0xFFFFFF);
        EXPECT_EQ(w.Changed, !*c.saved) << "a refused save leaves the edits unsaved";
        ListCommentFiles();
        EXPECT_EQ(recs.NumCommentFiles, *c.saved ? 1 : 0);
        if (*c.saved) EXPECT_EQ(recs.CommentFiles(1), c.saved);
    }
}

TEST_F(CommentEditorTest, TheSetPutIntoUseSpeaksForTheFirstOpponentAtOnce) {
    FrmCustom& w = open();
    write(w, "Banter", {"one", "two"});
    save(w);
    EXPECT_EQ(eng.Comments(1), "") << "not the first opponent's set: nothing changes";

    vb::UserClicks(w.Check1);
    EXPECT_EQ(eng.Player2.CommentFile, "Banter");
    EXPECT_EQ(eng.Comments(1), "one");
    EXPECT_EQ(eng.Player2.RecComments(2), "two");
    EXPECT_FALSE(eng.NoComments) << "the remarks are spoken again";
    EXPECT_EQ(StoredText(storedProfile(2).Seats(1).Comments), "Banter");

    // Saving the set in use puts its new lines into force.
    vb::UserTypes(w.Text1(1), "uno");
    save(w);
    EXPECT_EQ(eng.Comments(1), "uno");
    EXPECT_EQ(eng.Player2.RecComments(1), "uno");

    // The next start loads the choice.
    CopySeatToPlayer(eng.Player2, 1);
    LoadOpponentPersonality(eng.Player2, 1);
    EXPECT_EQ(eng.Player2.CommentFile, "Banter");
    EXPECT_EQ(eng.Comments(1), "uno");
}

TEST_F(CommentEditorTest, ReturnAsksOnceAfterAnEditAndExitNeverAsks) {
    const struct {
        const char* leave;  // "return", "exit", "close"
        bool edited;
        int answer;
        const char* name;
        int boxes;          // boxes shown
        bool open;          // the window stays open
        bool saved;
    } cases[] = {
        {"return", false, 0, "Mine", 0, false, false},
        {"return", true, vb::vbNo, "Mine", 1, false, false},
        {"return", true, vb::vbYes, "Mine", 1, false, true},
        {"return", true, vb::vbYes, "", 2, true, false},  // the save refused: the edits stay
        {"exit", true, 0, "Mine", 0, false, false},
        {"close", true, 0, "Mine", 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.leave << (c.edited ? " edited" : "") << " answered " << c.answer);
        reset();
        SetUp();
        FrmCustom& w = open();
        if (c.edited) write(w, c.name, {"kept"});
        if (c.answer) vb::msgbox_script::pushAnswer(c.answer);
        const QString leave = c.leave;
        if (leave == "return")
            vb::UserClicks(w.Command1);
        else if (leave == "exit")
            vb::UserClicks(w.ExitCus);
        else
            w.windowClosed();
        const QStringList shown = prompts();
        EXPECT_EQ(shown.size(), c.boxes);
        if (c.boxes > 0) EXPECT_EQ(shown[0], "Do you want to save your changes?");
        EXPECT_EQ(w.isLoaded(), c.open);
        if (c.open) EXPECT_EQ(w.Text1(1).Text(), "kept");
        EXPECT_EQ(QFile::exists(path("Mine")), c.saved);
    }
}

TEST_F(CommentEditorTest, CustomOpensAtOnceOnlyWhileItIsTheOnlySet) {
    commentFile("Custom", "Mine");
    ListCommentFiles();
    FrmCustom& w = open();
    EXPECT_EQ(w.FileTxt.Text(), "Custom");
    EXPECT_EQ(w.Text1(20).Text(), "Mine 20");
    EXPECT_FALSE(w.Changed) << "filling the lines is no edit";
    vb::UserClicks(w.Command1);
    EXPECT_TRUE(prompts().isEmpty()) << "Return does not ask";

    // Put into use, the choice names the file the loader finds.
    open();
    vb::UserClicks(w.Check1);
    CopySeatToPlayer(eng.Player2, 1);
    LoadOpponentPersonality(eng.Player2, 1);
    EXPECT_EQ(eng.Player2.CommentFile, "Custom");
    EXPECT_EQ(eng.Comments(3), "Mine 3");
    vb::UserClicks(w.Command1);

    commentFile("Other", "Theirs");
    ListCommentFiles();
    open();
    EXPECT_EQ(w.FileTxt.Text(), "");
    EXPECT_EQ(w.Text1(1).Text(), "");
}

TEST_F(CommentEditorTest, NewAndOpenFillTheLines) {
    FrmCustom& w = open();
    vb::UserClicks(w.GetGoing(0));
    EXPECT_EQ(w.Text1(1).Text(), "custom 1");
    EXPECT_EQ(w.Text1(20).Text(), "custom 20");
    EXPECT_EQ(w.FileTxt.Text(), "filename");
    EXPECT_EQ(w.ActiveControl(), &w.FileTxt);
    EXPECT_EQ(w.FileTxt.SelLength(), 8) << "its text chosen, to be typed over";
    EXPECT_FALSE(w.Changed);

    // A set of the user's folder is open as saved; one from elsewhere must
    // still be saved into it.
    commentFile("Party", "Ours");
    const QString elsewhere = tempPath("Guest.CMT");
    ASSERT_TRUE(QFile::copy(path("Party"), elsewhere));
    const struct {
        QString file;
        const char* name;
        bool changed;
    } cases[] = {{path("Party"), "Party", false}, {elsewhere, "Guest", true}};
    for (const auto& c : cases) {
        vb::dialog_script::pushFile(c.file);
        vb::UserClicks(w.Command3(1));
        EXPECT_EQ(w.FileTxt.Text(), c.name);
        EXPECT_EQ(w.Text1(2).Text(), "Ours 2");
        EXPECT_EQ(w.Changed, c.changed);
        EXPECT_TRUE(w.Check1.Enabled());
    }
    const vb::ShownDialog& shown = vb::dialog_script::shown().back();
    EXPECT_EQ(shown.filter, "Comment Files (*.cmt)|*.cmt");
    EXPECT_EQ(shown.flags, 4100);

    // Put into use, the set from elsewhere is saved into the user's folder,
    // where the next start finds it.
    vb::UserClicks(w.Check1);
    EXPECT_TRUE(QFile::exists(path("Guest")));
    EXPECT_EQ(eng.Player2.CommentFile, "Guest");
    CopySeatToPlayer(eng.Player2, 1);
    LoadOpponentPersonality(eng.Player2, 1);
    EXPECT_EQ(eng.Player2.CommentFile, "Guest");
    EXPECT_EQ(eng.Comments(2), "Ours 2");

    // A cancelled dialog changes nothing.
    vb::dialog_script::pushCancel();
    vb::UserClicks(w.GetGoing(1));
    EXPECT_EQ(w.FileTxt.Text(), "Guest");
}

TEST_F(CommentEditorTest, ExportCopiesTheSetAsLastSaved) {
    FrmCustom& w = open();
    write(w, "Mine", {"saved line"});
    vb::UserClicks(w.Command3(3));
    EXPECT_EQ(prompts(), QStringList{"No comments to export! Open an exisiting comment file or Save the current "
                                     "comment file first."});
    EXPECT_EQ(w.ActiveControl(), &w.Command3(1));

    save(w);
    vb::UserTypes(w.Text1(1), "not saved");
    const QString target = tempPath("friend.cmt");
    vb::dialog_script::pushFile(target);
    vb::UserClicks(w.Command3(3));
    QStringList lines;
    ASSERT_TRUE(ReadCommentFile(target, lines));
    EXPECT_EQ(lines[0], "saved line");
    EXPECT_EQ(vb::dialog_script::shown().back().title, "Export Custom Comment file");
}

TEST_F(CommentEditorTest, TheOptionsMenuOpensTheEditorBesideTheTable) {
    MenuPreferencesCommand(7, 0);
    EXPECT_TRUE(frmCustom().isLoaded());
    EXPECT_TRUE(frmCustom().Visible());
    EXPECT_EQ(frmCustom().Caption(), "Custom Comments");
}

}  // namespace
