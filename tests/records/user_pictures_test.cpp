// The user's pictures: the size read from a picture's head, the size check,
// importing an avatar and removing a background (by Ctrl+Delete, as the
// player does).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/startup.h"
#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/keys.h"
#include "platform/msgbox.h"
#include "records/cls_get_size.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/user_pictures.h"
#include "record_bytes.h"
#include "shell/keyboard.h"
#include "support/test_support.h"

using namespace grisk;
using namespace records_test;

namespace {

QByteArray le32(uint32_t v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}
QByteArray be32(uint32_t v) {
    QByteArray b = le32(v);
    std::reverse(b.begin(), b.end());
    return b;
}

QByteArray pngHead(uint32_t w, uint32_t h, int bits, int colourType) {
    return QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + be32(w) + be32(h) + static_cast<char>(bits) +
           static_cast<char>(colourType) + QByteArray(3, '\0');
}
QByteArray gifHead(int w, int h, int flags) {
    return QByteArray("GIF89a") + static_cast<char>(w & 0xFF) + static_cast<char>(w >> 8) +
           static_cast<char>(h & 0xFF) + static_cast<char>(h >> 8) + static_cast<char>(flags) + QByteArray(2, '\0');
}
QByteArray bmpHead(int32_t w, int32_t h, int bits) {
    return QByteArray("BM") + QByteArray(16, '\0') + le32(static_cast<uint32_t>(w)) + le32(static_cast<uint32_t>(h)) +
           QByteArray(2, '\x01') + static_cast<char>(bits) + QByteArray(25, '\0');
}
// A JPEG: its start, an application segment of the given length, then a
// frame header.
QByteArray jpegHead(int w, int h, int components, int appLength = 16, char frame = '\xC0') {
    QByteArray b("\xFF\xD8", 2);
    b += QByteArray("\xFF\xE0", 2) + static_cast<char>(appLength >> 8) + static_cast<char>(appLength & 0xFF) +
         QByteArray(appLength - 2, 'j');
    b += QByteArray("\xFF", 1) + frame + QByteArray("\x00\x11\x08", 3) + static_cast<char>(h >> 8) +
         static_cast<char>(h & 0xFF) + static_cast<char>(w >> 8) + static_cast<char>(w & 0xFF) +
         static_cast<char>(components);
    return b;
}

TEST(ClsGetSizeTest, ReadsTheHeadsOfEveryKind) {
    struct Case {
        const char* what;
        QByteArray head;
        long type;
        long long width, height;
        int depth;
    };
    const Case cases[] = {
        {"png rgba", pngHead(300, 200, 8, 6), clsGetSize::Png, 300, 200, 32},
        {"png grey", pngHead(20, 10, 16, 0), clsGetSize::Png, 20, 10, 16},
        {"png palette", pngHead(1, 1, 4, 3), clsGetSize::Png, 1, 1, 8},
        {"png wider than 16 bits", pngHead(65636, 70000, 8, 2), clsGetSize::Png, 65636, 70000, 24},
        {"gif", gifHead(640, 480, 0xF7), clsGetSize::Gif, 640, 480, 8},
        {"bmp", bmpHead(351, 12, 24), clsGetSize::Bmp, 351, 12, 24},
        {"bmp top-down", bmpHead(100, -80, 32), clsGetSize::Bmp, 100, 80, 32},
        {"bmp wider than 16 bits", bmpHead(65636, 5, 8), clsGetSize::Bmp, 65636, 5, 8},
        {"jpeg", jpegHead(350, 351, 3), clsGetSize::Jpeg, 350, 351, 24},
        {"progressive jpeg", jpegHead(40, 30, 1, 100, '\xC2'), clsGetSize::Jpeg, 40, 30, 8},
        {"jpeg after junk", QByteArray(70, 'x') + jpegHead(9, 8, 3), clsGetSize::Jpeg, 9, 8, 24},
        {"png cut short", pngHead(300, 200, 8, 6).left(20), clsGetSize::Png, 300, 0, 0},
        {"jpeg cut in its frame", jpegHead(350, 351, 3).left(24), clsGetSize::Jpeg, 0, 0, 0},
        {"jpeg with no frame", jpegHead(350, 351, 3, 16, '\xC4'), clsGetSize::Unknown, 0, 0, 0},
        {"jpeg frame past the search", jpegHead(5, 5, 3, 65530), clsGetSize::Unknown, 0, 0, 0},
        {"unknown", QByteArray("hello, world"), clsGetSize::Unknown, 0, 0, 0},
        {"empty", QByteArray(), clsGetSize::Unknown, 0, 0, 0},
    };
    for (const Case& c : cases) {
        clsGetSize size;
        size.ReadImageHead(c.head);
        EXPECT_EQ(size.ImageType(), c.type) << c.what;
        EXPECT_EQ(size.Width(), c.width) << c.what;
        EXPECT_EQ(size.Height(), c.height) << c.what;
        EXPECT_EQ(size.Depth(), c.depth) << c.what;
    }
}

class UserPicturesTest : public grisk_test::GriskTest {
protected:
    void SetUp() override {
        GriskTest::SetUp();
        eng.UserFolder = tempFolder() + "/User/";
        eng.AppFolder = QStringLiteral(GRISK_BINARY_DIR);
        eng.DocumentsFolder = tempFolder() + "/Documents";
        for (const char* f : {"User/Avatars", "User/Backgrounds", "Documents", "Elsewhere"})
            ASSERT_TRUE(QDir().mkpath(tempPath(f)));
        LoadPilePictures();
        recs.PrevBackground = 1;  // the box that explains the keys has been shown
    }
    QString picture(const QString& relative, QSize size) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString path = tempPath(relative);
        // Qt writes no GIF: other names get a PNG, which reads the same.
        EXPECT_TRUE(img.save(path, QFileInfo(path).suffix() == "bmp" ? "BMP" : "PNG"));
        return path;
    }
    static const vb::ShownBox* lastBox() {
        const auto& shown = vb::msgbox_script::shown();
        return shown.empty() ? nullptr : &shown.back();
    }
};

TEST_F(UserPicturesTest, ThePictureSizeCheckStopsAtTheLimitEachWay) {
    struct Case {
        QSize size;
        bool ok;
    };
    for (const Case& c : {Case{{350, 350}, true}, Case{{351, 350}, false}, Case{{350, 351}, false}, Case{{1, 1}, true}}) {
        vb::msgbox_script::clearShown();
        const QString file = picture("Elsewhere/p.bmp", c.size);
        EXPECT_EQ(IsImageSizeOk(file, 350), c.ok) << c.size.width() << "x" << c.size.height();
        if (!c.ok) {
            ASSERT_NE(lastBox(), nullptr);
            EXPECT_EQ(lastBox()->title, "Image Rejected");
            EXPECT_EQ(lastBox()->icon(), vb::vbCritical);
            EXPECT_EQ(lastBox()->prompt, QString("Picture is too large: W %1 x H %2\nPlease use pictures sized under "
                                                 "350 x 350 pixels.")
                                             .arg(c.size.width())
                                             .arg(c.size.height()));
        } else {
            EXPECT_TRUE(vb::msgbox_script::shown().empty());
        }
    }
    EXPECT_TRUE(IsImageSizeOk(tempPath("missing.jpg"), 350)) << "what cannot be read reads as 0 x 0";
}

TEST_F(UserPicturesTest, AnImportedAvatarIsCopiedShownAndItsFolderRemembered) {
    const QString file = picture("Elsewhere/Me.bmp", QSize(90, 120));
    vb::dialog_script::pushFile(file);
    Get_Avatars();

    const auto& dialogs = vb::dialog_script::shown();
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Import Avatar Pic");
    EXPECT_EQ(dialogs[0].filter, "Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    EXPECT_EQ(dialogs[0].flags, 4100);
    EXPECT_EQ(dialogs[0].initDir, eng.DocumentsFolder);
    EXPECT_EQ(readFile(eng.UserFolder + "Avatars/Me.bmp"), readFile(file));
    EXPECT_EQ(recs.AvatarFile, "Me.bmp");
    EXPECT_EQ(frmGrisk().ImgAvatar.Tag(), "Me.bmp");
    EXPECT_TRUE(frmGrisk().ImgAvatar.Visible());
    EXPECT_EQ(GetLastFolder(), tempPath("Elsewhere"));

    // The next import starts there; a cancel changes nothing.
    vb::dialog_script::pushCancel();
    Get_Avatars();
    EXPECT_EQ(vb::dialog_script::shown().back().initDir, tempPath("Elsewhere"));
    EXPECT_EQ(recs.AvatarFile, "Me.bmp");
    EXPECT_TRUE(vb::msgbox_script::shown().empty());
}

TEST_F(UserPicturesTest, ImportRefusals) {
    struct Case {
        const char* what;
        QString file;
        const char* box;
    };
    const Case cases[] = {
        {"too large", picture("Elsewhere/Big.bmp", QSize(400, 100)), "Picture is too large: W 400 x H 100"},
        {"a name too long for a seat", picture("Elsewhere/" + QString(28, 'n') + ".bmp", QSize(50, 50)),
         "file name is too long"},
        {"a name the seat cannot keep", picture(QString::fromUtf8("Elsewhere/\u0141ukasz.bmp"), QSize(50, 50)),
         "cannot be kept with the player"},
    };
    for (const Case& c : cases) {
        vb::msgbox_script::clearShown();
        vb::dialog_script::pushFile(c.file);
        Get_Avatars();
        ASSERT_NE(lastBox(), nullptr) << c.what;
        EXPECT_TRUE(lastBox()->prompt.contains(c.box)) << lastBox()->prompt.toStdString();
        EXPECT_EQ(lastBox()->title, "Image Rejected");
        EXPECT_TRUE(QDir(eng.UserFolder + "Avatars").isEmpty()) << c.what;
        EXPECT_EQ(recs.AvatarFile, "") << c.what;
    }
    // A name of exactly thirty characters fits.
    vb::dialog_script::pushFile(picture("Elsewhere/" + QString(26, 'n') + ".bmp", QSize(50, 50)));
    Get_Avatars();
    EXPECT_EQ(recs.AvatarFile.size(), 30);
}

TEST_F(UserPicturesTest, APictureAlreadyInTheAvatarsFolderStaysWhole) {
    const QString file = picture("User/Avatars/Grisk.gif", QSize(100, 100));
    const QByteArray bytes = readFile(file);
    ASSERT_FALSE(bytes.isEmpty());
    vb::dialog_script::pushFile(file);
    Get_Avatars();
    EXPECT_EQ(readFile(file), bytes);
    EXPECT_EQ(recs.AvatarFile, "Grisk.gif");
    EXPECT_EQ(QDir(eng.UserFolder + "Avatars").entryList(QDir::Files | QDir::Hidden), QStringList({"Grisk.gif"}));
}

// Ctrl+Delete, answered as the player answers.
class RemoveBackgroundTest : public UserPicturesTest {
protected:
    void ctrlDelete(int answer) {
        vb::msgbox_script::pushAnswer(answer);
        int key = vb::vbKeyDelete;
        HandleKeyDown(key, vb::vbCtrlMask);
    }
    static QStringList files() {
        return QDir(eng.UserFolder + "Backgrounds").entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    }
};

TEST_F(RemoveBackgroundTest, ABackgroundGoesAndTheTableStepsOn) {
    for (const char* name : {"GameBoard.gif", "a.gif", "b.gif"}) picture(QString("User/Backgrounds/") + name, QSize(8, 8));
    ListBackgroundFiles();
    recs.BackgroundIdx = 2;  // "a.gif"

    ctrlDelete(vb::vbNo);
    EXPECT_EQ(files().size(), 3) << "No keeps it";
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt,
              "Are you sure you want to permanently delete this background?");
    EXPECT_EQ(vb::msgbox_script::shown().back().buttons(), vb::vbYesNoCancel);

    ctrlDelete(vb::vbYes);
    EXPECT_EQ(files(), QStringList({"b.gif", "GameBoard.gif"}));
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt, "Background removed.");
    EXPECT_EQ(vb::msgbox_script::shown().back().title, "Remove Background");
    EXPECT_EQ(recs.NumBackgrounds, 2);
    EXPECT_EQ(recs.BackgroundIdx, 2) << "the next picture, \"b.gif\", is on show";
}

TEST_F(RemoveBackgroundTest, TheDefaultBoardAndThePlainColourStay) {
    for (const char* name : {"GameBoard.gif", "gameboard.gif"}) picture(QString("User/Backgrounds/") + name, QSize(8, 8));
    ListBackgroundFiles();
    ASSERT_EQ(recs.Backgrounds(1), "GameBoard.gif");
    recs.BackgroundIdx = 1;
    ctrlDelete(vb::vbYes);
    EXPECT_EQ(vb::msgbox_script::shown().back().prompt, "The default game board green background cannot be deleted.");
    EXPECT_EQ(files().size(), 2);

    recs.BackgroundIdx = 2;  // the name differs in case only: an ordinary picture
    ctrlDelete(vb::vbYes);
    EXPECT_EQ(files(), QStringList({"GameBoard.gif"}));

    recs.BackgroundIdx = recs.NumBackgrounds + 1;  // the plain colour
    vb::msgbox_script::clearShown();
    int key = vb::vbKeyDelete;
    HandleKeyDown(key, vb::vbCtrlMask);
    ASSERT_EQ(vb::msgbox_script::shown().size(), 1u);
    EXPECT_TRUE(vb::msgbox_script::shown()[0].prompt.startsWith("There's no background picture to delete.\r\n"));
    EXPECT_EQ(vb::msgbox_script::shown()[0].icon(), vb::vbInformation);
}

TEST_F(RemoveBackgroundTest, AnIndexOutsideTheListDeletesNothing) {
    for (const char* name : {"GameBoard.gif", "a.gif"}) picture(QString("User/Backgrounds/") + name, QSize(8, 8));
    ListBackgroundFiles();
    for (int idx : {0, -1, 3, 99}) {
        vb::msgbox_script::clearShown();
        recs.BackgroundIdx = idx;
        RemoveBackground();
        EXPECT_EQ(files().size(), 2) << idx;
        EXPECT_TRUE(vb::msgbox_script::shown().empty()) << idx;
    }
}

}  // namespace
