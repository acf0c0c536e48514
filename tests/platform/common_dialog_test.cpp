// The scripted common dialog: what it was asked, what it answers, and the
// error a cancel raises.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "platform/common_dialog.h"
#include "support/test_support.h"

namespace {

class CommonDialogTest : public grisk_test::GriskTest {};

TEST_F(CommonDialogTest, AChosenFileAndColourAndACancel) {
    vb::CommonDialog d;
    d.DialogTitle = "Open";
    d.Filter = "Chat logs (*.txt)|*.txt";
    d.DefaultExt = "txt";
    vb::dialog_script::pushFile("/somewhere/Ann.log");
    d.ShowOpen();
    EXPECT_EQ(d.FileName, "/somewhere/Ann.log");
    EXPECT_EQ(d.FileTitle, "Ann.log");

    vb::dialog_script::pushFile("/somewhere/Notes");
    d.ShowSave();
    EXPECT_EQ(d.FileName, "/somewhere/Notes.txt") << "a saved name without extension gets the default one";

    vb::dialog_script::pushColor(0x123456);
    d.ShowColor();
    EXPECT_EQ(d.Color, 0x123456);

    // A cancel raises the cancel error and leaves the choice as it was.
    EXPECT_EQ(grisk_test::errorOf([&] { d.ShowOpen(); }), vb::cdlCancel) << "an empty queue cancels";
    vb::dialog_script::pushCancel();
    EXPECT_EQ(grisk_test::errorOf([&] { d.ShowColor(); }), vb::cdlCancel);
    d.CancelError = false;
    vb::dialog_script::pushCancel();
    EXPECT_EQ(grisk_test::errorOf([&] { d.ShowSave(); }), 0);
    EXPECT_EQ(d.FileName, "/somewhere/Notes.txt");
    EXPECT_EQ(d.Color, 0x123456);

    const auto& shown = vb::dialog_script::shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[0].kind, vb::ShownDialog::Open);
    EXPECT_EQ(shown[0].title, "Open");
    EXPECT_EQ(shown[2].kind, vb::ShownDialog::Colour);
    EXPECT_FALSE(shown[2].cancelled);
    EXPECT_TRUE(shown[3].cancelled);
}

// The patterns Qt's dialog is given (the part in the last brackets of
// each filter) offer a file whatever the case of its extension, as the
// run time's dialogs do, and only the files of their own kind.
TEST_F(CommonDialogTest, AFilterOffersFilesWhateverTheCaseOfTheirExtension) {
    const QString filters = vb::QtNameFilter("Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp|All (*.*)|*.*");
    const QStringList each = filters.split(";;");
    ASSERT_EQ(each.size(), 2);
    EXPECT_TRUE(each[0].startsWith("Pictures (*.jpg;*.gif;*.bmp) (")) << "the name as the caller wrote it";
    auto offers = [](const QString& filter, const QString& file) {
        const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
        for (const QString& p : patterns.split(' ', Qt::SkipEmptyParts))
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(p)).match(file).hasMatch())
                return true;
        return false;
    };
    for (const char* file : {"photo.jpg", "PHOTO.JPG", "Photo.Jpg", "board.GIF", "old.bMp"})
        EXPECT_TRUE(offers(each[0], file)) << file;
    for (const char* file : {"photo.png", "notes.txt", "jpg"}) EXPECT_FALSE(offers(each[0], file)) << file;
    EXPECT_TRUE(offers(each[1], "notes.txt"));
}

}  // namespace
