#include "records/frm_custom.h"

#include <QFileInfo>

#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "net/frm_chat.h"
#include "net/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/comment_file.h"
#include "records/dialog_look.h"
#include "records/personality.h"
#include "records/profile.h"
#include "records/state.h"
#include "records/text_line_record.h"
#include "records/user_files.h"
#include "shell/help.h"

namespace grisk {

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kYellow = 0x00FFFF;
constexpr double kLineTop = 1800;
constexpr double kLineStep = 345;
const QString kFilter = QStringLiteral("Comment Files (*.cmt)|*.cmt");
const QString kExtension = QStringLiteral(".cmt");

// The name of a set without its extension: the title up to the first
// ".cmt" in any letter case (the whole title when it has none).
QString setName(const QString& title) {
    const int at = static_cast<int>(title.indexOf(kExtension, 0, Qt::CaseInsensitive));
    return at < 0 ? title : title.left(at);
}

}  // namespace

FrmCustom::FrmCustom()
    : vb::Form(QStringLiteral("frmCustom")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      Label5(addControl(vb::Kind::Label, "Label5")),
      FileTxt(addControl(vb::Kind::TextBox, "FileTxt")),
      Text1(LoadElements(addArray(vb::Kind::TextBox, "Text1", 1), 2, kCommentFileLines)),
      Label4(addControl(vb::Kind::Label, "Label4")),
      Command3(LoadElements(addArray(vb::Kind::CommandButton, "Command3", 0), 1, 3)),
      Check1(addControl(vb::Kind::CheckBox, "Check1")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      GetFile(addControl(vb::Kind::Menu, "GetFile")),
      GetGoing(LoadElements(addArray(vb::Kind::Menu, "GetGoing", 0), 1, 2)),
      MenuLine(addControl(vb::Kind::Menu, "MenuLine")),
      ExitCus(addControl(vb::Kind::Menu, "ExitCus")),
      HelpComments(addControl(vb::Kind::Menu, "HelpComments")) {
    setCaption(QStringLiteral("Custom Comments"));
    setBackColor(kDialogBackColor);
    Move(600, 600, 9360 + vb::FrameWidthTw(), 9780 + vb::FrameHeightTw());

    GetFile.setCaption(QStringLiteral("&File"));
    const char* entries[] = {"&New Comment file...", "&Open Existing...", "&Save..."};
    for (int i = 0; i <= 2; ++i) {
        GetGoing(i).setCaption(QString::fromLatin1(entries[i]));
        GetGoing(i).setContainer(&GetFile);
    }
    MenuLine.setCaption(QStringLiteral("-"));
    MenuLine.setContainer(&GetFile);
    ExitCus.setCaption(QStringLiteral("E&xit"));
    ExitCus.setContainer(&GetFile);
    HelpComments.setCaption(QStringLiteral("&Help"));

    DialogControl(Label1, QString(), 240, vb::kMenuBarHeightTw + 90, 8880, 720);
    Label1.setWordWrap(true);
    DialogControl(Label5, QStringLiteral("Custom file name:"), 240, 1260, 1740, 255);
    DialogControl(FileTxt, QString(), 2040, 1200, 2760, 315);
    FileTxt.setToolTipText(QStringLiteral("Name for this comment file"));
    const char* tips[] = {"Write a new comment file", "Open a comment file", "Don't forget to save!",
                          "Export for a friend"};
    for (int i = 0; i <= 3; ++i) {
        DialogControl(Command3(i), i == 3 ? QStringLiteral("Export") : QString(), 5040 + 780 * i, 1020, 720, 660);
        Command3(i).setPicture(EditorButtonPicture(i));
        Command3(i).setToolTipText(QString::fromLatin1(tips[i]));
    }
    for (int i = 1; i <= kCommentFileLines; ++i)
        DialogControl(Text1(i), QString(), 240, kLineTop + (i - 1) * kLineStep, 8880, 315);
    DialogControl(Label4, QStringLiteral(" "), 240, 8760, 5400, 480);
    Label4.setWordWrap(true);
    Label4.setFontBold(true);
    DialogControl(Check1, QStringLiteral("Set as Comment Option choice"), 240, 9300, 3600, 300);
    // Nothing to put into force before a set is opened or saved.
    Check1.setEnabled(false);
    DialogControl(Command1, QStringLiteral("Return"), 7680, 9240, 1440, 420);
}

void FrmCustom::Form_Load() {
    Label1.setCaption(GetMessageText(9, 11));
    Label4.setCaption(QStringLiteral(" "));
    Changed = false;
    // The player's one set is opened at once.
    const QString custom = eng.UserFolder + "Custom.cmt";
    QStringList lines;
    if (FileExists(custom) && recs.NumCommentFiles == 1 && ReadCommentFile(custom, lines)) {
        for (int i = 1; i <= kCommentFileLines; ++i) Text1(i).setText(lines[i - 1]);
        FileTxt.setText(QStringLiteral("Custom"));
        Check1.setEnabled(true);
    }
}

void FrmCustom::Click(vb::Control& c) {
    if (c.Name() == QLatin1String("Command3") || c.Name() == QLatin1String("GetGoing"))
        GetGoing_Click(c.Index());
    else if (&c == &Check1)
        Check1_Click();
    else if (&c == &Command1)
        Command1_Click();
    else if (&c == &ExitCus)
        ExitCus_Click();
    else if (&c == &HelpComments)
        HelpComments_Click();
}

void FrmCustom::Change(vb::Control& c) {
    if (c.Name() == QLatin1String("Text1")) Text1_Change(c.Index());
}

void FrmCustom::Text1_Change(int) {
    Label4.setCaption(QStringLiteral(" "));
    Changed = true;
}

void FrmCustom::Check1_Click() {
    if (Check1.Value() != 1) return;
    // The choice names a file of the user's folder: a set opened from
    // elsewhere is saved there first, or the choice is not made.
    if (!FileExists(eng.UserFolder + vb::Trim(FileTxt.Text()) + kExtension) && !saveSet()) {
        Check1.setValue(0);
        return;
    }
    eng.Player2.CommentFile = vb::Trim(FileTxt.Text());
    UseCommentsNow();
}

void FrmCustom::GetGoing_Click(int Index) {
    Check1.setEnabled(false);
    switch (Index) {
    case 0: newSet(); break;
    case 1: openSet(); break;
    case 2: saveSet(); break;
    case 3: exportSet(); break;
    default: break;
    }
}

void FrmCustom::newSet() {
    for (int i = 1; i <= kCommentFileLines; ++i) Text1(i).setText("custom" + vb::Str(i));
    FileTxt.setText(QStringLiteral("filename"));
    // Its text chosen, to be typed over.
    FileTxt.setSelLength(0);
    FileTxt.setSelStart(0);
    FileTxt.setSelLength(static_cast<int>(FileTxt.Text().size()));
    FileTxt.SetFocus();
    // Filling the lines is no edit.
    Label4.setCaption(QStringLiteral(" "));
    Changed = false;
}

void FrmCustom::openSet() {
    vb::CommonDialog dlgCommon;
    dlgCommon.InitDir = eng.UserFolder;
    dlgCommon.FileName.clear();
    dlgCommon.Flags = vb::cdlOFNFileMustExist | vb::cdlOFNHideReadOnly;
    dlgCommon.Filter = kFilter;
    QStringList lines;
    try {
        dlgCommon.ShowOpen();
    } catch (const vb::Error&) {
        return;  // cancelled
    }
    if (dlgCommon.FileName.isEmpty() || !ReadCommentFile(dlgCommon.FileName, lines)) return;
    FileTxt.setText(setName(dlgCommon.FileTitle));
    for (int i = 1; i <= kCommentFileLines; ++i) Text1(i).setText(lines[i - 1]);
    Label4.setCaption(QStringLiteral(" "));
    // A set opened from elsewhere still has to be saved into the user's folder.
    Changed = vb::UCase(dlgCommon.FileName) != vb::UCase(eng.UserFolder + dlgCommon.FileTitle);
    Check1.setEnabled(true);
}

bool FrmCustom::saveSet() {
    Label4.setCaption(QStringLiteral(" "));
    for (int i = 1; i <= kCommentFileLines; ++i) Text1(i).setBackColor(kWhite);
    for (int i = 1; i <= kCommentFileLines; ++i) {
        if (vb::Trim(Text1(i).Text()).size() <= kTextLineRecordLength) continue;
        vb::Beep();
        Text1(i).setBackColor(kYellow);
        Text1(i).SetFocus();
        Label4.setCaption(QStringLiteral("Exceeds 100 characters. Edit and Save again."));
        vb::Beep();
        return false;
    }
    if (vb::Trim(Text1(1).Text()).isEmpty()) {
        vb::MsgBox(QStringLiteral("No comments to save! You should write some comments before saving."),
                   vb::vbInformation);
        Text1(1).SetFocus();
        return false;
    }
    QString name = vb::Trim(FileTxt.Text());
    if (name.endsWith(kExtension, Qt::CaseInsensitive)) {
        name.chop(kExtension.size());
        FileTxt.setText(name);
    }
    if (name.isEmpty()) {
        vb::MsgBox(QStringLiteral("Enter a name for this comment file!"), vb::vbInformation);
        FileTxt.SetFocus();
        return false;
    }
    // The name becomes the file's: no folder, no second extension.
    if (HasBadFileNameChar(name)) {
        FileTxt.SetFocus();
        return false;
    }
    QStringList lines;
    for (int i = 1; i <= kCommentFileLines; ++i) lines << Text1(i).Text();
    if (!WriteCommentFile(eng.UserFolder + name + kExtension, lines)) {
        vb::MsgBox("The comment file \"" + name + kExtension + "\" could not be saved.", vb::vbExclamation);
        return false;
    }
    if (name == eng.Player2.CommentFile) UseCommentsNow();
    ListCommentFiles();
    if (recs.SoundLevel != 2) recs.SoundResult = sound::PlayAsync(eng.SoundFiles(12)) ? 1 : 0;
    Label4.setCaption(QStringLiteral("\nCustom Comments Saved!"));
    Check1.setEnabled(true);
    Changed = false;
    return true;
}

void FrmCustom::exportSet() {
    const QString name = FileTxt.Text();
    const QString saved = eng.UserFolder + name + kExtension;
    // What is exported is the file as last saved.
    if (Text1(1).Text().isEmpty() || name.isEmpty() || !IsPlainFileName(name) || !FileExists(saved)) {
        vb::MsgBox(QStringLiteral("No comments to export! Open an exisiting comment file or Save the current "
                                  "comment file first."),
                   vb::vbInformation);
        Command3(1).SetFocus();
        return;
    }
    vb::CommonDialog dlgCommon;
    dlgCommon.InitDir = eng.DocumentsFolder;
    dlgCommon.DialogTitle = QStringLiteral("Export Custom Comment file");
    dlgCommon.FileName = name + kExtension;
    dlgCommon.Flags = vb::cdlOFNOverwritePrompt | vb::cdlOFNHideReadOnly;
    dlgCommon.Filter = kFilter;
    try {
        dlgCommon.ShowSave();
    } catch (const vb::Error&) {
        return;  // cancelled
    }
    // Exporting onto the saved file itself would be no copy at all.
    if (dlgCommon.FileName.isEmpty() ||
        QFileInfo(dlgCommon.FileName).absoluteFilePath() == QFileInfo(saved).absoluteFilePath())
        return;
    CopyFileWhole(saved, dlgCommon.FileName);
}

void FrmCustom::UseCommentsNow() {
    for (int i = 1; i <= kCommentFileLines; ++i) {
        const QString line = vb::Trim(Text1(i).Text());
        eng.Comments(i) = line;
        eng.Player2.RecComments(i) = line;
        if (inet.NetPeers != 0 && FrmChatExists() && frmChat().CmdChat.exists(i))
            frmChat().CmdChat(i).setToolTipText(line);
    }
    // The lines are spoken from now on, as when the choice is loaded.
    eng.NoComments = eng.Player2.CommentFile == QLatin1String(kNoComments);
    const QString choice = eng.Player2.CommentFile;
    if (!UpdateCurrentProfile([&choice] { recs.ProfileRec.Seats(1).Comments = choice; })) ReportProfileNotSaved();
}

void FrmCustom::Command1_Click() {
    if (Changed &&
        vb::MsgBox(QStringLiteral("Do you want to save your changes?"), vb::vbYesNo) == vb::vbYes && !saveSet())
        return;
    Unload();
}

void FrmCustom::ExitCus_Click() { Unload(); }

void FrmCustom::HelpComments_Click() {
    ShowHelpTopic(QStringLiteral("Keyword"), QStringLiteral("Customizing Comments"));
}

FrmCustom& frmCustom() { return vb::DefaultInstance<FrmCustom>::get(); }
bool FrmCustomExists() { return vb::DefaultInstance<FrmCustom>::exists(); }
void ReleaseFrmCustom() { vb::DefaultInstance<FrmCustom>::release(); }

void ShowCommentEditor() {
    FrmCustom& w = frmCustom();
    if (!w.isLoaded()) w.LoadAsDesigned();
    w.Show(false);
}

}  // namespace grisk
