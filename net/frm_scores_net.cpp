#include "net/frm_scores_net.h"

#include <QFile>
#include <algorithm>

#include "engine/state.h"
#include "net/internet_scores.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/dialog_look.h"
#include "records/state.h"
#include "records/user_files.h"

namespace grisk {

namespace {

constexpr int32_t kSeparatorColour = 0xFFFFC0;
constexpr int kShownRows = 12;  // the rows of names the grid holds before it grows
const QString kDefaultFile = QStringLiteral("Default Score File");
const QString kDeleteFileTitle = QStringLiteral("DELETE Score File");

QString rowText(const ScoreRecord& r) {
    return vb::Trim(r.Name) + '\t' + QString::number(r.Value1) + '\t' + QString::number(r.Value2) + '\t' +
           QString::number(r.Value1 - r.Value2) + '\t' + QString::number(r.Value3);
}

}  // namespace

FrmScoresNet::FrmScoresNet()
    : vb::Form(QStringLiteral("frmScoresNet")),
      lblPlayer(addControl(vb::Kind::Label, "lblPlayer")),
      lblSize(addControl(vb::Kind::Label, "lblSize")),
      cboMulti(addControl(vb::Kind::ComboBox, "cboMulti")),
      lblCompete(addControl(vb::Kind::Label, "lblCompete")),
      Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
      GridNET(addControl(vb::Kind::Grid, "GridNET")),
      CmdNext(addControl(vb::Kind::CommandButton, "CmdNext")),
      Command2(addControl(vb::Kind::CommandButton, "Command2")),
      Command4(addControl(vb::Kind::CommandButton, "Command4")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")) {
    setCaption(QStringLiteral("Internet Game Scores"));
    setBackColor(kDialogBackColor);
    Move(2000, 1500, 7080 + vb::FrameWidthTw(), 5940 + vb::FrameHeightTw());
    DialogControl(lblPlayer, QString(), 240, 160, 6600, 300);
    lblPlayer.setFontBold(true);
    DialogControl(lblSize, QStringLiteral("Table size:"), 240, 600, 1200, 255);
    DialogControl(cboMulti, QString(), 1440, 540, 2040, 315);
    DialogControl(lblCompete, QStringLiteral("Score file:"), 3660, 600, 960, 255);
    DialogControl(Combo1, QString(), 4620, 540, 2220, 315);
    for (vb::Control* list : {&cboMulti, &Combo1}) list->setStyle(2);
    GridNET.setGeometryTw(240, 1020, 6600, 4020);
    GridNET.setFixedCols(0);
    GridNET.setFormatString(QStringLiteral("<Opponent|>Played|>Won|>Lost|>Margin"));
    const double widths[] = {2280, 1020, 1020, 1020, 1020};
    for (int c = 0; c < 5; ++c) GridNET.setColWidth(c, widths[c]);
    const std::pair<vb::Control*, const char*> buttons[] = {{&CmdNext, "&Next Player"},
                                                            {&Command2, "Delete &File"},
                                                            {&Command4, "Delete &Opponent"},
                                                            {&Command1, "&Close"}};
    int column = 0;
    for (const auto& [button, caption] : buttons)
        DialogControl(*button, QString::fromLatin1(caption), 240 + 1680 * column++, 5220, 1560, 420);
}

void FrmScoresNet::Form_Load() {
    cboMulti.Clear();
    for (const char* size : {"2 Player Games", "3 Player Games", "4 Player Games"})
        cboMulti.AddItem(QString::fromLatin1(size));
    ClearGridNET();
    GroupStart = 0;
    const int count = std::min(recs.ScoreFileCount, recs.ScoreFileList.ubound(1));
    FileIndex = count >= 1 ? 1 : 0;
    const QString own = vb::UCase(vb::Trim(eng.PlayerName) + "_2");
    for (int i = 1; i <= count; ++i)
        if (vb::UCase(recs.ScoreFileList(i)) == own) {
            FileIndex = i;
            break;
        }
    CmdNext.setEnabled(count > 1);
    showEntry(FileIndex);
}

// The entry's player with their two-player file, the competition list of
// two players.
void FrmScoresNet::showEntry(int index) {
    FileIndex = index;
    const int count = std::min(recs.ScoreFileCount, recs.ScoreFileList.ubound(1));
    if (index >= 1 && index <= count)
        PlayerBase = vb::Left(recs.ScoreFileList(index), std::max(0, static_cast<int>(recs.ScoreFileList(index).size()) - 2));
    else
        PlayerBase = vb::Trim(eng.PlayerName);
    lblPlayer.setCaption("Quenmoor Player: " + PlayerBase);
    cboMulti.setListIndex(0);
    cboMulti_Click();
}

void FrmScoresNet::Click(vb::Control& c) {
    if (&c == &cboMulti) cboMulti_Click();
    else if (&c == &Combo1) Combo1_Click();
    else if (&c == &CmdNext) CmdNext_Click();
    else if (&c == &Command1) Command1_Click();
    else if (&c == &Command2) Command2_Click();
    else if (&c == &Command4) Command4_Click();
    else if (&c == &GridNET) GridNET_Click();
}

void FrmScoresNet::cboMulti_Click() {
    ShownPlayers = std::max(0, cboMulti.ListIndex()) + 2;
    CompetitionList();
    Combo1_Click();
}

void FrmScoresNet::CompetitionList() {
    Combo1.Clear();
    Combo1.AddItem(kDefaultFile);
    inet.NumCompetitionFiles = 0;
    ListCompetitionFiles(PlayerBase + "_" + QString::number(ShownPlayers));
    for (int i = 1; i <= inet.NumCompetitionFiles; ++i) Combo1.AddItem(inet.CompetitionFiles(i));
    Combo1.setListIndex(0);
}

void FrmScoresNet::Combo1_Click() {
    const QString base = eng.UserFolder + PlayerBase + "_" + QString::number(ShownPlayers);
    ScoreFileName = Combo1.ListIndex() <= 0 ? base + ".ran" : base + "_" + Combo1.Text() + ".rcm";
    showFile();
}

void FrmScoresNet::showFile() {
    GroupStart = 0;
    if (!QFile::exists(ScoreFileName)) {
        ClearGridNET();
        return;
    }
    if (ShownPlayers == 2)
        PrintUsers();
    else
        ShowCompetitionScores();
}

void FrmScoresNet::ClearGridNET() {
    GridNET.setRows(1);
    GridNET.setRows(kShownRows + 1);
    for (int r = 1; r <= kShownRows; ++r)
        for (int c = 0; c < GridNET.Cols(); ++c) GridNET.setCellBackColor(r, c, 0xFFFFFF);
    GridNET.setRow(0);
    ShownRecords = 0;
}

void FrmScoresNet::PrintUsers() {
    ClearGridNET();
    lblPlayer.setCaption("Quenmoor Player: " + PlayerBase);
    std::vector<ScoreRecord> rows = ReadScoreRows(ScoreFileName, 2).rows;
    if (rows.size() >= 2)
        std::stable_sort(rows.begin(), rows.end(), [](const ScoreRecord& a, const ScoreRecord& b) {
            return vb::Trim(a.Name).compare(vb::Trim(b.Name), Qt::CaseInsensitive) < 0;
        });
    int r = 0;
    for (const ScoreRecord& rec : rows) {
        ++r;
        if (r > kShownRows) GridNET.setRows(r + 1);
        const QStringList cells = rowText(rec).split('\t');
        for (int c = 0; c < cells.size(); ++c) GridNET.setTextMatrix(r, c, cells[c]);
    }
    ShownRecords = r;
}

void FrmScoresNet::ShowCompetitionScores() {
    ClearGridNET();
    lblPlayer.setCaption("Quenmoor Player: " + PlayerBase);
    const std::vector<ScoreRecord> rows = ReadScoreRows(ScoreFileName, ShownPlayers).rows;
    GridNET.setRows(1);
    int k = 0;
    for (const ScoreRecord& rec : rows) {
        GridNET.AddItem(rowText(rec));
        if (++k % ShownPlayers == 0) {
            GridNET.AddItem(QStringLiteral(" \t \t \t \t "));
            for (int c = 0; c < GridNET.Cols(); ++c) GridNET.setCellBackColor(GridNET.Rows() - 1, c, kSeparatorColour);
        }
    }
    if (GridNET.Rows() < kShownRows + 1) GridNET.setRows(kShownRows + 1);
    ShownRecords = static_cast<int>(rows.size());
}

// A click on any cell of a row chooses what the grid then shows selected:
// that opponent (the grid selects the row), or the row's whole group. What
// Delete Opponent removes is always what is shown chosen.
void FrmScoresNet::GridNET_Click() {
    if (ShownPlayers == 2) return;  // the row is selected
    const int row = GridNET.Row();
    if (row < 1 || GridNET.CellBackColor(row, 0) == kSeparatorColour || vb::Trim(GridNET.TextMatrix(row, 0)).isEmpty()) {
        // The heading, a separator or an empty row chooses nothing.
        GroupStart = 0;
        GridNET.setRow(0);
        return;
    }
    const int group = (row - 1) / (ShownPlayers + 1);
    const int first = 1 + group * (ShownPlayers + 1);
    GridNET.setRow(first);
    GridNET.setRowSel(first + ShownPlayers - 1);
    GroupStart = 2 + group * ShownPlayers;
}

void FrmScoresNet::CmdNext_Click() {
    const int count = std::min(recs.ScoreFileCount, recs.ScoreFileList.ubound(1));
    if (count < 1) return;
    auto base = [](int i) {
        const QString& entry = recs.ScoreFileList(i);
        return vb::Left(entry, std::max(0, static_cast<int>(entry.size()) - 2));
    };
    const QString current = FileIndex >= 1 && FileIndex <= count ? base(FileIndex) : PlayerBase;
    int next = 1;
    for (int i = std::max(FileIndex, 0) + 1; i <= count; ++i)
        if (base(i) != current) {
            next = i;
            break;
        }
    showEntry(next);
}

void FrmScoresNet::Command2_Click() {
    // The grid shows an empty file for a player's file that is not there.
    if (!QFile::exists(ScoreFileName)) {
        vb::MsgBox(QStringLiteral("There is no score file to delete."), vb::vbExclamation, kDeleteFileTitle);
        return;
    }
    if (vb::MsgBox(QStringLiteral("Are you sure you want to delete this entire score file?"), vb::vbYesNo,
                   QStringLiteral("DELETE PLAYER")) != vb::vbYes)
        return;
    ClearGridNET();
    if (!QFile::remove(ScoreFileName)) {
        vb::MsgBox(QStringLiteral("The score file could not be deleted."), vb::vbExclamation, kDeleteFileTitle);
        showFile();
        return;
    }
    vb::MsgBox(QStringLiteral("Score file eliminated."), vb::vbExclamation, kDeleteFileTitle);
    ListScoreFiles();
    const int count = std::min(recs.ScoreFileCount, recs.ScoreFileList.ubound(1));
    if (count < 1) {
        Unload();
        return;
    }
    CmdNext.setEnabled(count > 1);
    showEntry(std::clamp(FileIndex, 1, count));
}

void FrmScoresNet::Command4_Click() {
    const int row = GridNET.Row();
    const bool groups = ShownPlayers > 2;
    const bool chosen = groups ? GroupStart >= 2 : row >= 1 && row <= ShownRecords;
    if (!chosen) {
        lblPlayer.setCaption(QStringLiteral("Select a player"));
        return;
    }
    if (vb::MsgBox(QStringLiteral("Are you sure you want to delete this opponent?"), vb::vbYesNo,
                   QStringLiteral("DELETE OPPONENT")) != vb::vbYes)
        return;
    const ScoreEdit done = groups ? DeleteScoreGroup(ScoreFileName, GroupStart, ShownPlayers)
                                  : DeleteScoreOpponent(ScoreFileName, GridNET.TextMatrix(row, 0));
    if (done == ScoreEdit::NotFound)
        vb::MsgBox(QStringLiteral("Opponent Not Found"), vb::vbOKOnly, QStringLiteral("DELETE OPPONENT"));
    else if (done == ScoreEdit::Failed)
        vb::MsgBox(QStringLiteral("The score file could not be changed."), vb::vbExclamation,
                   QStringLiteral("DELETE OPPONENT"));
    showFile();
}

void FrmScoresNet::Command1_Click() { Unload(); }

void FrmScoresNet::Form_QueryUnload(int&, int) { GroupStart = 0; }

FrmScoresNet& frmScoresNet() { return vb::DefaultInstance<FrmScoresNet>::get(); }
bool FrmScoresNetExists() { return vb::DefaultInstance<FrmScoresNet>::exists(); }
void ReleaseFrmScoresNet() { vb::DefaultInstance<FrmScoresNet>::release(); }

}  // namespace grisk
