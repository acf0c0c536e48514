// The chat window's menu: the chat log, the import and export of icons and
// sounds, and the help.
#include <QFileInfo>

#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/chat_log.h"
#include "net/frm_chat.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/settings.h"
#include "platform/vberror.h"
#include "records/state.h"
#include "shell/help.h"
#include "table/frm_pic.h"

namespace grisk {

namespace {

void loggingBox(const char* text) {
    vb::MsgBox(QString::fromLatin1(text), vb::vbInformation, QStringLiteral("Chat Logging"));
}

// What a file of the chat's folders is: its dialog's names and filter, and
// the extensions the chat takes.
struct ChatFileKind {
    QString folder;
    QStringList extensions;
    QString importTitle, importFilter, exportTitle, exportFilter;
};

ChatFileKind fileKind(const QString& title) {
    if (title == QLatin1String("Icon"))
        return {eng.UserFolder + "Icons/",
                {QStringLiteral("jpg"), QStringLiteral("gif"), QStringLiteral("bmp")},
                QStringLiteral("Import Icon"),
                QStringLiteral("Pictures (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp"),
                QStringLiteral("Export Icon: Select Icon"),
                QStringLiteral("Picon Files (*.jpg;*.gif;*.bmp)|*.jpg;*.gif;*.bmp")};
    return {UserSoundsFolder(),
            {QStringLiteral("wav")},
            QStringLiteral("Import Sound"),
            QStringLiteral("Wav Sounds (*.wav)|*.wav"),
            QStringLiteral("Export Sound: Select WAV"),
            QStringLiteral("Wav Sounds (*.wav)|*.wav")};
}

// Shows a file dialog; false when it was cancelled or failed.
bool chooseFile(vb::CommonDialog& dlg, bool save) {
    try {
        save ? dlg.ShowSave() : dlg.ShowOpen();
        return !dlg.FileName.isEmpty();
    } catch (const vb::Error&) {
        return false;
    }
}

// The folder of a chosen file is where the next import or export starts.
void keepLastFolder(const QString& chosen, const QString& start) {
    const QString folder = QFileInfo(chosen).absolutePath();
    if (StripTrailingSlash(folder) != StripTrailingSlash(start)) SaveLastFolder(folder);
}

}  // namespace

// The window is still there and the opponent still connected: what a
// modal menu or dialog chose may still be done.
bool FrmChat::stillTalking() const { return isLoaded() && inet.NetPeers != 0; }

void FrmChat::lblOptions_Click() {
    hideLists();
    FrmPic& pic = frmPic();
    pic.PopupChat();
    if (!stillTalking()) return;  // the connection ended while the menu was open
    const QString action = pic.ChatAction;
    if (action == QLatin1String("Log")) {
        pic.LogItem == 0 ? startLogging() : stopLogging();
    } else if (action == QLatin1String("Sound") || action == QLatin1String("Icon")) {
        const int item = action == QLatin1String("Sound") ? pic.SoundItem : pic.IconItem;
        item == 0 ? ImportThis(action) : ExportThis(action);
    } else if (action == QLatin1String("Help")) {
        ShowHelpTopic(QStringLiteral("Keyword"), QStringLiteral("Chat Window"));
    }
}

void FrmChat::startLogging() {
    if (inet.NetPeers == 99) {
        loggingBox("Please wait until you are connected to your opponent, then start the chat logging.");
        return;
    }
    if (inet.ChatLogOn) {
        loggingBox("You've already started logging this conversation, remember?");
        return;
    }
    QString folder = vb::GetSetting(QStringLiteral("Quenmoor"), QStringLiteral("Options10"), QStringLiteral("Log"));
    if (folder.isEmpty() || !FolderExists(folder)) folder = eng.DocumentsFolder;
    vb::CommonDialog dlg;
    dlg.DialogTitle = QStringLiteral("Save Log to:");
    dlg.Filter = QStringLiteral("Text Files (*.txt)|*.txt");
    dlg.FileName = SafeLogFileName(recs.OppName) + ".txt";
    dlg.InitDir = folder;
    dlg.Flags = vb::cdlOFNHideReadOnly;
    dlg.CancelError = true;
    try {
        dlg.ShowSave();
    } catch (const vb::Error& e) {
        if (e.number() == vb::cdlCancel)
            vb::MsgBox(QStringLiteral("Logging Cancelled"), vb::vbInformation, QStringLiteral("Log cancelled"));
        else
            vb::MsgBox(QStringLiteral("Unable to start logging"), vb::vbCritical, QStringLiteral("Log failed"));
        return;
    }
    if (!stillTalking()) return;  // the connection ended while the dialog was open
    const QString chosen = QFileInfo(dlg.FileName).absolutePath();
    if (StripTrailingSlash(chosen) != StripTrailingSlash(folder))
        vb::SaveSetting(QStringLiteral("Quenmoor"), QStringLiteral("Options10"), QStringLiteral("Log"), chosen);
    if (!ChatLogOpen(chosen + "/" + QFileInfo(dlg.FileName).fileName(), recs.OppName)) {
        vb::MsgBox(QStringLiteral("Unable to start logging"), vb::vbCritical, QStringLiteral("Log failed"));
        return;
    }
    loggingBox("Logging Started");
}

void FrmChat::stopLogging() {
    if (!inet.ChatLogOn) {
        loggingBox("Logging wasn't on.");
        return;
    }
    ChatLogClose();
    loggingBox("Logging Stopped");
}

void FrmChat::ImportThis(const QString& title) {
    const ChatFileKind kind = fileKind(title);
    const QString start = GetLastFolder();
    vb::CommonDialog dlg;
    dlg.DialogTitle = kind.importTitle;
    dlg.Filter = kind.importFilter;
    dlg.InitDir = start;
    dlg.Flags = vb::cdlOFNFileMustExist | vb::cdlOFNHideReadOnly;
    dlg.CancelError = true;
    if (!chooseFile(dlg, false)) return;
    keepLastFolder(dlg.FileName, start);
    const QString name = QFileInfo(dlg.FileName).fileName();
    if (!IsChatFileName(name, kind.extensions)) {
        vb::MsgBox("\"" + name + "\" cannot be imported: the chat takes only a plain file name ending in ." +
                       kind.extensions.join(QStringLiteral(", .")) + ".",
                   vb::vbExclamation, kind.importTitle);
        return;
    }
    const QString target = kind.folder + name;
    if (QFileInfo(target).absoluteFilePath() != QFileInfo(dlg.FileName).absoluteFilePath())
        CopyFileWhole(dlg.FileName, target);
    if (!isLoaded()) return;  // the lists are filled again when the window opens
    if (title == QLatin1String("Icon"))
        GetIconList();
    else
        GetSoundList();
}

void FrmChat::ExportThis(const QString& title) {
    const ChatFileKind kind = fileKind(title);
    vb::CommonDialog pick;
    pick.DialogTitle = kind.exportTitle;
    pick.Filter = kind.exportFilter;
    pick.InitDir = kind.folder;
    pick.Flags = vb::cdlOFNHideReadOnly | vb::cdlOFNOverwritePrompt;
    pick.CancelError = true;
    if (!chooseFile(pick, false)) return;
    const QString name = QFileInfo(pick.FileName).fileName();
    vb::CommonDialog place;
    place.DialogTitle = QStringLiteral("Export - choose folder to Export to");
    place.Filter = kind.exportFilter;
    place.FileName = name;
    const QString start = GetLastFolder();
    place.InitDir = start;
    place.Flags = vb::cdlOFNHideReadOnly | vb::cdlOFNOverwritePrompt;
    place.CancelError = true;
    if (!chooseFile(place, true)) return;
    keepLastFolder(place.FileName, start);
    if (QFileInfo(place.FileName).absoluteFilePath() != QFileInfo(pick.FileName).absoluteFilePath())
        CopyFileWhole(pick.FileName, place.FileName);
}

}  // namespace grisk
