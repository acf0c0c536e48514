#include "records/user_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/msgbox.h"
#include "platform/vberror.h"
#include "records/cls_get_size.h"
#include "records/personality.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "records/user_files.h"
#include "table/avatar.h"
#include "table/background.h"

namespace grisk {

namespace {

constexpr int kKeyDown = 40;
const QString kRemoveTitle = QStringLiteral("Remove Background");
const QString kRejectedTitle = QStringLiteral("Image Rejected");

}  // namespace

bool IsImageSizeOk(const QString& FileName, long MaxSize) {
    clsGetSize size;
    size.ReadImageInfo(FileName);
    if (size.Width() <= MaxSize && size.Height() <= MaxSize) return true;
    vb::MsgBox("Picture is too large: W " + QString::number(size.Width()) + " x H " + QString::number(size.Height()) +
                   "\nPlease use pictures sized under " + QString::number(MaxSize) + " x " +
                   QString::number(MaxSize) + " pixels.",
               vb::vbCritical, kRejectedTitle);
    return false;
}

void Get_Avatars() {
    const QString start = GetLastFolder();
    FrmGrisk& f = frmGrisk();
    if (!f.ImgAvatar.Visible()) f.ImgAvatar.setVisible(true);
    vb::CommonDialog dlgCommon;
    dlgCommon.FileName.clear();
    dlgCommon.InitDir = start;
    dlgCommon.Flags = vb::cdlOFNFileMustExist | vb::cdlOFNHideReadOnly;
    dlgCommon.Filter = QStringLiteral("Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    dlgCommon.DialogTitle = QStringLiteral("Import Avatar Pic");
    try {
        dlgCommon.ShowOpen();
    } catch (const vb::Error&) {
        return;  // cancelled
    }
    if (dlgCommon.FileName.isEmpty()) return;
    const QString title = dlgCommon.FileTitle;
    if (title.size() > kMaxAvatarNameLength) {
        vb::MsgBox("The picture's file name is too long: please use a name of at most " +
                       QString::number(kMaxAvatarNameLength) + " characters.",
                   vb::vbCritical, kRejectedTitle);
        return;
    }
    // The seat keeps the name in single-byte letters.
    if (!FitsStoredText(title)) {
        vb::MsgBox(QStringLiteral("The picture's file name has letters that cannot be kept with the player: "
                                  "please rename it with plain letters."),
                   vb::vbCritical, kRejectedTitle);
        return;
    }
    if (IsImageSizeOk(dlgCommon.FileName, kMaxAvatarSize)) {
        const QString target = eng.UserFolder + "Avatars/" + title;
        // A picture chosen from the avatars folder is already in place.
        const bool inPlace = QFileInfo(dlgCommon.FileName).canonicalFilePath() == QFileInfo(target).canonicalFilePath();
        if (!inPlace && !CopyFileWhole(dlgCommon.FileName, target)) return;
        recs.AvatarFile = title;
        ShowAvatar(recs.AvatarFile);
    }
    const QString folder = CutFileTitle(dlgCommon.FileName, title);
    if (folder != start) SaveLastFolder(folder);
}

void RemoveBackground() {
    if (recs.BackgroundIdx < 1 || recs.BackgroundIdx > recs.NumBackgrounds ||
        !recs.Backgrounds.inRange({recs.BackgroundIdx}))
        return;
    const QString name = recs.Backgrounds(recs.BackgroundIdx);
    if (name == QLatin1String("GameBoard.gif")) {
        vb::MsgBox(QStringLiteral("The default game board green background cannot be deleted."), vb::vbCritical,
                   kRemoveTitle);
        return;
    }
    // A file that is gone, or that cannot be deleted, is not reported removed.
    const QString path = eng.UserFolder + "Backgrounds/" + name;
    if (!FileExists(path) || !QFile::remove(path)) return;
    vb::MsgBox(QStringLiteral("Background removed."), vb::vbInformation, kRemoveTitle);
    recs.BackgroundIdx -= 1;
    ListBackgroundFiles();
    CycleBackground(kKeyDown);
}

void ShowAvatarPreview(vb::Control& img, const QString& file) {
    QImage picture;
    // A picture that cannot be read leaves the preview as it was.
    if (!IsPlainFileName(file) || !picture.load(eng.UserFolder + "Avatars/" + file) || picture.isNull()) return;
    const QSize box = img.rectPx().size().toSize();
    img.setPicture(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    img.setTag(file);
}

void ClearAvatarPreview(vb::Control& img) {
    img.setPicture(QImage());
    img.setTag(QString());
}

void ExportAvatar(const QString& file) {
    const QString start = GetLastFolder();
    vb::CommonDialog dlgCommon;
    dlgCommon.InitDir = start;
    dlgCommon.DialogTitle = QStringLiteral("Export Avatar picture");
    dlgCommon.FileName = file;
    dlgCommon.Flags = vb::cdlOFNOverwritePrompt | vb::cdlOFNHideReadOnly;
    dlgCommon.Filter = QStringLiteral("Avatar Files (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    if (!IsPlainFileName(file)) return;
    try {
        dlgCommon.ShowSave();
    } catch (const vb::Error&) {
        return;  // cancelled
    }
    if (dlgCommon.FileName.isEmpty() || !CopyFileWhole(eng.UserFolder + "Avatars/" + file, dlgCommon.FileName)) return;
    const QString folder = CutFileTitle(dlgCommon.FileName, dlgCommon.FileTitle);
    if (folder != start) SaveLastFolder(folder);
}

}  // namespace grisk
