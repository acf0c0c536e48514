#include "shell/background_commands.h"

#include <QFile>
#include <QFileInfo>

#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "records/user_files.h"
#include "table/background.h"

namespace grisk {

namespace {

// Copies the picture into the backgrounds folder as FileCopy copies:
// replacing a file of that name. A picture chosen from the folder itself
// stays as it is.
void copyIntoBackgrounds(const QString& from, const QString& to) {
    if (!QFileInfo::exists(from)) vb::raise(vb::ErrFileNotFound);
    if (QFileInfo(from).canonicalFilePath() == QFileInfo(to).canonicalFilePath()) return;
    if (!QFileInfo(QFileInfo(to).absolutePath()).isDir()) vb::raise(vb::ErrPathNotFound);
    if (QFileInfo::exists(to) && !QFile::remove(to)) vb::raise(vb::ErrPathFileAccess);
    if (!QFile::copy(from, to)) vb::raise(vb::ErrPathFileAccess);
}

}  // namespace

void AddBackgroundCommand() {
    vb::CommonDialog dlg;
    dlg.FileName = QString();
    dlg.Flags = vb::cdlOFNHideReadOnly | vb::cdlOFNFileMustExist;
    dlg.Filter = QStringLiteral("Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp");
    dlg.DialogTitle = QStringLiteral("Add Background Picture");
    dlg.InitDir = eng.DocumentsFolder;
    dlg.CancelError = true;
    try {
        dlg.ShowOpen();
    } catch (const vb::Error& e) {
        if (e.number() == vb::cdlCancel) return;
        throw;
    }
    try {
        const QString title = dlg.FileTitle;
        const QString target = eng.UserFolder + "Backgrounds/" + title;
        const bool there = QFileInfo::exists(target);
        copyIntoBackgrounds(dlg.FileName, target);
        ListBackgroundFiles();
        for (int i = 1; i <= recs.NumBackgrounds; ++i) {
            if (recs.Backgrounds(i) != title) continue;
            // One step forward from the picture before shows the new one.
            recs.BackgroundIdx = i - 1;
            CycleBackground(40);
            return;
        }
        // A copy the list does not take would lie there unused.
        if (!there) QFile::remove(target);
    } catch (const vb::Error& e) {
        vb::MsgBox("Here's the problem:\r\nError " + QString::number(e.number()) + ": " +
                       QString::fromStdString(e.what()),
                   vb::vbOKOnly + vb::vbExclamation);
    }
}

}  // namespace grisk
