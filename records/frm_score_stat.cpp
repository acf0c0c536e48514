#include "records/frm_score_stat.h"

#include <QDate>
#include <QLocale>
#include <algorithm>
#include <initializer_list>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "records/profile.h"
#include "records/profile_record.h"
#include "records/record_fields.h"
#include "records/score_record.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/form_scaling.h"

namespace grisk {

namespace {

constexpr int32_t kFormBack = 0xC8D0D4;
constexpr int32_t kMessageColour = 0x0000C0;
constexpr int32_t kDataTint = 0xFFFFC0;   // the high-score table's data columns
constexpr int32_t kOrderTint = 0xC0FFFF;  // the column the table is ordered by
constexpr int kComputerRow = 1;
constexpr int kFirstProfile = 2;
constexpr int kStatSlots = 7;
constexpr int kHighEntries = 10;
constexpr int kSideTableFirst = 11;
constexpr int kOpponentsRunRecord = 10;
constexpr int kOpponentsSideRecord = 11;

// The design, in twips.
constexpr double kMargin = 120;
constexpr double kStripWidth = 9600;
constexpr double kStripHeight = 5400;
constexpr double kPageTop = kMargin + 500;
constexpr double kButtonHeight = 420;

const QString kDeleteTitle = QStringLiteral("DELETE");

// Column widths (twips) of a grid, from its first column on.
void setWidths(vb::Control& grid, std::initializer_list<double> widths) {
    int col = 0;
    for (double w : widths)
        if (col < grid.Cols()) grid.setColWidth(col++, w);
}

const char* const kSlotNames[kStatSlots] = {"All games", "Average", "Clever", "Ruthless",
                                            "2 players", "3 players", "4 players"};

QString dateText(double when) {
    if (when == 0) return QString();
    const QDate day = QDate(1899, 12, 30).addDays(static_cast<qint64>(when));
    return QLocale().toString(day, QLocale::ShortFormat);
}

bool confirmed(const QString& prompt, const QString& title) {
    return vb::MsgBox(prompt, vb::vbYesNo | vb::vbQuestion, title) == vb::vbYes;
}

}  // namespace

FrmScoreStat::FrmScoreStat()
    : vb::Form(QStringLiteral("frmScoreStat")),
      SSTab1(addControl(vb::Kind::TabStrip, "SSTab1")),
      GridScores(addControl(vb::Kind::Grid, "GridScores")),
      fraMaintain(addControl(vb::Kind::Frame, "fraMaintain")),
      Maintance(addArray(vb::Kind::CommandButton, "Maintance", 0)),
      Combo1(addControl(vb::Kind::ComboBox, "Combo1")),
      GridStats(addControl(vb::Kind::Grid, "GridStats")),
      GridRun(addControl(vb::Kind::Grid, "GridRun")),
      cmdClearStats(addControl(vb::Kind::CommandButton, "cmdClearStats")),
      lblBest(addControl(vb::Kind::Label, "lblBest")),
      GridHigh(addControl(vb::Kind::Grid, "GridHigh")),
      cmdSwitch(addControl(vb::Kind::CommandButton, "cmdSwitch")),
      cmdClear(addControl(vb::Kind::CommandButton, "cmdClear")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      cmdClose(addControl(vb::Kind::CommandButton, "cmdClose")) {
    setCaption(QStringLiteral("Scores and Stats"));
    setBackColor(kFormBack);
    SSTab1.setGeometryTw(kMargin, kMargin, kStripWidth, kStripHeight);
    SSTab1.setTabs(4);
    const char* const tabs[] = {"Scoreboard", "Statistics", "Runs", "High Scores"};
    for (int t = 0; t < 4; ++t) SSTab1.setTabCaption(t, QString::fromLatin1(tabs[t]));
    const double inner = kMargin + 150;
    const double bottom = kMargin + kStripHeight - 150;

    // The scoreboard and its maintenance.
    GridScores.setContainer(&SSTab1, 0);
    GridScores.setGeometryTw(inner, kPageTop, 6000, bottom - kPageTop);
    GridScores.setFixedCols(0);
    GridScores.setFormatString(QStringLiteral("<Player|>Played|>Won|>Lost|>Margin"));
    setWidths(GridScores, {1900, 1000, 1000, 1000, 1000});
    fraMaintain.setContainer(&SSTab1, 0);
    fraMaintain.setCaption(QStringLiteral("Scoreboard Maintenance"));
    fraMaintain.setBackColor(SSTab1.BackColor());
    const double frameLeft = inner + 6000 + 150;
    fraMaintain.setGeometryTw(frameLeft, kPageTop, kMargin + kStripWidth - 150 - frameLeft, 2700);
    const char* const actions[] = {"Delete Player", "Delete ALL Players", "Clear Player Scores", "Clear ALL scores"};
    for (int i = 0; i <= 3; ++i) {
        vb::Control& b = Maintance.ensure(i);
        b.setContainer(&fraMaintain);
        b.setCaption(QString::fromLatin1(actions[i]));
        b.setGeometryTw(frameLeft + 200, kPageTop + 350 + i * 560, fraMaintain.widthTw() - 400, kButtonHeight);
        b.setBackColor(kFormBack);
        b.setVisible(true);
    }

    // The statistics and runs of one player.
    Combo1.setContainer(&SSTab1);
    Combo1.setStyle(2);
    Combo1.setGeometryTw(inner, kPageTop, 3500, 315);
    Combo1.setVisible(false);
    GridStats.setContainer(&SSTab1, 1);
    GridStats.setGeometryTw(inner, kPageTop + 500, kStripWidth - 300, 2700);
    GridStats.setFormatString(QStringLiteral("<Games|>Played|>Won|>Lost|>Margin"));
    setWidths(GridStats, {2400, 1200, 1200, 1200, 1200});
    GridRun.setContainer(&SSTab1, 2);
    GridRun.setGeometryTw(inner, kPageTop + 500, kStripWidth - 300, 1800);
    GridRun.setFormatString(QStringLiteral("<Best run|>Side|>Hand|>Hold|>Total"));
    setWidths(GridRun, {3600, 1000, 1000, 1000, 1000});
    cmdClearStats.setContainer(&SSTab1, 2);
    cmdClearStats.setCaption(QStringLiteral("Clear Run Stats"));
    cmdClearStats.setGeometryTw(inner, kPageTop + 2500, 2200, kButtonHeight);
    cmdClearStats.setBackColor(kFormBack);

    // The high scores.
    lblBest.setContainer(&SSTab1, 3);
    lblBest.setCaption(QStringLiteral("Best Overall"));
    lblBest.setGeometryTw(inner, kPageTop + 30, 3000, 300);
    lblBest.setForeColor(0);
    lblBest.setFontBold(true);
    GridHigh.setContainer(&SSTab1, 3);
    GridHigh.setGeometryTw(inner, kPageTop + 400, kStripWidth - 300, bottom - kPageTop - 400 - kButtonHeight - 120);
    cmdSwitch.setContainer(&SSTab1, 3);
    cmdSwitch.setCaption(QStringLiteral("Show Best Side"));
    cmdSwitch.setGeometryTw(inner, bottom - kButtonHeight, 2000, kButtonHeight);
    cmdClear.setContainer(&SSTab1, 3);
    cmdClear.setCaption(QStringLiteral("Clear Best Run Stats"));
    cmdClear.setGeometryTw(inner + 2200, bottom - kButtonHeight, 2400, kButtonHeight);
    for (vb::Control* b : {&cmdSwitch, &cmdClear}) b->setBackColor(kFormBack);

    const double lineTop = kMargin + kStripHeight + 150;
    Label1.setGeometryTw(kMargin, lineTop + 60, 6500, 300);
    Label1.setBackStyle(0);
    Label1.setForeColor(kMessageColour);
    cmdClose.setCaption(QStringLiteral("Close"));
    cmdClose.setGeometryTw(kMargin + kStripWidth - 1300, lineTop, 1300, kButtonHeight);
    cmdClose.setBackColor(kFormBack);
    cmdClose.setDefault(true);
    setWidth(kStripWidth + 2 * kMargin + vb::FrameWidthTw());
    setHeight(lineTop + kButtonHeight + kMargin + vb::FrameHeightTw());
}

void FrmScoreStat::Form_Load() {
    if (!cmd.FormLoading) ScaleFormToScreen(*this, kScaleToScreen, 0);
    FrmGrisk& main = frmGrisk();
    // Over the table, never above or left of the screen's edge.
    Move(std::max(0.0, main.Left() + (main.Width() - Width()) / 2),
         std::max(0.0, main.Top() + (main.Height() - Height()) / 3), Width(), Height());
    SelectedRow = 0;
    StatsRecord = 0;
    HighFirst = 1;
    comboFilled_ = false;
    if (!prefs_.open(PrefsPath(), kPlayerProfileRecordLength))
        qWarning("%s", qUtf8Printable(prefs_.errorText()));
    PrintNames();
    if (recs.StatsTab != 0) {
        SSTab1.setTab(std::clamp(recs.StatsTab, 0, SSTab1.Tabs() - 1));
        SSTab1_Click();
    }
}

void FrmScoreStat::Form_QueryUnload(int&, int) { prefs_.close(); }

void FrmScoreStat::Click(vb::Control& c) {
    if (&c == &SSTab1)
        SSTab1_Click();
    else if (&c == &GridScores)
        SelectedRow = GridScores.Row() >= 1 ? GridScores.Row() : 0;
    else if (c.Name() == QLatin1String("Maintance"))
        Maintance_Click(c.Index());
    else if (&c == &Combo1)
        Combo1_Click();
    else if (&c == &cmdClearStats)
        cmdClearStats_Click();
    else if (&c == &cmdSwitch)
        cmdSwitch_Click();
    else if (&c == &cmdClear)
        cmdClear_Click();
    else if (&c == &cmdClose)
        Unload();
}

int FrmScoreStat::lastRecord() const {
    // The records read whole; a torn last record is no player.
    vb::RecordFile& f = const_cast<vb::RecordFile&>(prefs_);
    QByteArray bytes;
    int n = kFirstProfile;
    while (f.read(n, bytes) == vb::ReadStatus::Ok) ++n;
    return n - 1;
}

bool FrmScoreStat::ownRecord(int recNo) const { return recs.HasProfile && recNo == recs.CurrentProfile; }

void FrmScoreStat::PrintNames() {
    GridScores.setRows(2);
    GridScores.setTextMatrix(kComputerRow, 0,
                             recs.OppIndex < 1 ? QStringLiteral("Grisk") : QStringLiteral("Grisk (& friends)"));
    RowRecord.assign(2, 0);
    RowRecord[kComputerRow] = 1;
    long long played = 0, won = 0, margin = 0;
    QByteArray bytes;
    for (int recNo = kFirstProfile; prefs_.read(recNo, bytes) == vb::ReadStatus::Ok; ++recNo) {
        const PlayerProfileRecord p = PlayerProfileRecord::decode(bytes);
        const QString name = vb::Trim(StoredText(p.Seats(0).Name));
        if (name.isEmpty()) continue;  // a removed player's place
        const int lost = p.GamesPlayed(0) - p.GamesWon(0);
        GridScores.AddItem(name + '\t' + QString::number(p.GamesPlayed(0)) + '\t' + QString::number(p.GamesWon(0)) +
                           '\t' + QString::number(lost) + '\t' + QString::number(p.Margin(0)));
        RowRecord.push_back(recNo);
        played += p.GamesPlayed(0);
        won += p.GamesWon(0);
        margin += p.Margin(0);
    }
    // The computer side's totals: the players' losses are its wins.
    GridScores.setTextMatrix(kComputerRow, 1, QString::number(played));
    GridScores.setTextMatrix(kComputerRow, 2, QString::number(played - won));
    GridScores.setTextMatrix(kComputerRow, 3, QString::number(won));
    GridScores.setTextMatrix(kComputerRow, 4, QString::number(-margin));
    GridScores.setRow(0);  // no player chosen
}

void FrmScoreStat::SSTab1_Click() {
    const int tab = SSTab1.Tab();
    Combo1.setVisible(tab == 1 || tab == 2);
    if (tab == 1 || tab == 2) {
        if (!comboFilled_) fillCombo();
        if (tab == 1 && StatsRecord != 0) GetStats(StatsRecord);
        if (tab == 2 && StatsRecord != 0) GetRun(StatsRecord);
    } else if (tab == 3) {
        SetUpGridHigh();
        HighStuff();
    }
}

void FrmScoreStat::fillCombo() {
    comboFilled_ = true;
    Combo1.Clear();
    const QString own = vb::UCase(vb::Trim(eng.PlayerName));
    if (recs.HasProfile && !own.isEmpty()) {
        Combo1.AddItem(vb::Trim(eng.PlayerName));
        Combo1.setListIndex(0);
        StatsRecord = recs.CurrentProfile;
    }
    for (int i = 1; i <= recs.NumPlayerNames; ++i) {
        const QString name = vb::Trim(recs.PlayerNames(i));
        if (name.isEmpty() || (recs.HasProfile && vb::UCase(name) == own)) continue;
        Combo1.AddItem(name);
    }
}

void FrmScoreStat::Combo1_Click() {
    const QString chosen = vb::UCase(Combo1.Text());
    for (int i = 1; i <= recs.NumPlayerNames; ++i)
        if (vb::UCase(vb::Trim(recs.PlayerNames(i))) == chosen) {
            StatsRecord = i + 1;
            break;
        }
    if (SSTab1.Tab() == 2)
        GetRun(StatsRecord);
    else
        GetStats(StatsRecord);
}

void FrmScoreStat::GetStats(int recNo) {
    QByteArray bytes;
    prefs_.read(recNo, bytes);
    const PlayerProfileRecord p = PlayerProfileRecord::decode(bytes);
    GridStats.setRows(1);
    for (int slot = 0; slot < kStatSlots; ++slot)
        GridStats.AddItem(QString::fromLatin1(kSlotNames[slot]) + '\t' + QString::number(p.GamesPlayed(slot)) + '\t' +
                          QString::number(p.GamesWon(slot)) + '\t' +
                          QString::number(p.GamesPlayed(slot) - p.GamesWon(slot)) + '\t' +
                          QString::number(p.Margin(slot)));
    GetRun(recNo);
}

void FrmScoreStat::GetRun(int recNo) {
    QByteArray bytes;
    prefs_.read(recNo, bytes);
    const PlayerProfileRecord p = PlayerProfileRecord::decode(bytes);
    const QString name = vb::Trim(StoredText(p.Seats(0).Name));
    const QString rows[4] = {name + "'s best run", name + "'s best side run", QStringLiteral("Grisk's best run"),
                             QStringLiteral("Grisk's best side run")};
    GridRun.setRows(1);
    for (int r = 0; r < 4; ++r) {
        const int side = p.BestRuns(r, 0), hand = p.BestRuns(r, 1), hold = p.BestRuns(r, 2);
        GridRun.AddItem(rows[r] + '\t' + QString::number(side) + '\t' + QString::number(hand) + '\t' +
                        QString::number(hold) + '\t' + QString::number(side + hand + hold));
    }
}

void FrmScoreStat::Maintance_Click(int index) {
    Label1.setCaption(QString());
    if ((index == 0 || index == 2) && SelectedRow == 0) {
        Label1.setCaption(QStringLiteral("Select a player"));
        vb::Beep();
        return;
    }
    if (!confirmed("Are you sure you want to " + Maintance(index).Caption() + "?", kDeleteTitle)) return;
    const int recNo = SelectedRow > 0 && SelectedRow < static_cast<int>(RowRecord.size()) ? RowRecord[SelectedRow] : 0;
    switch (index) {
    case 0:
        if (SelectedRow == kComputerRow) {
            Label1.setCaption(QStringLiteral("Sorry, Grisk stays."));
        } else if (ownRecord(recNo)) {
            ClearPlayerValues(recNo, false);
            Label1.setCaption(QStringLiteral("Scores removed!"));
        } else if (recNo >= kFirstProfile) {
            deletePlayer(recNo);
            Label1.setCaption(QStringLiteral("Player removed!"));
            vb::Beep();
        }
        break;
    case 1:
        deleteAllPlayers();
        Label1.setCaption(QStringLiteral("All is forgotten."));
        break;
    case 2:
        if (recNo >= kFirstProfile) ClearPlayerValues(recNo, false);
        Label1.setCaption(QStringLiteral("Scores removed!"));
        break;
    case 3:
        for (int n = kFirstProfile, last = lastRecord(); n <= last; ++n) ClearPlayerValues(n, false);
        break;
    default: break;
    }
    SelectedRow = 0;
    PrintNames();
}

void FrmScoreStat::blankRecord(int recNo) {
    if (!prefs_.write(recNo, PlayerProfileRecord{}.encode())) qWarning("%s", qUtf8Printable(prefs_.errorText()));
}

void FrmScoreStat::deletePlayer(int recNo) {
    const int last = lastRecord();
    QByteArray bytes;
    for (int n = recNo; n < last; ++n) {
        prefs_.read(n + 1, bytes);
        if (!prefs_.write(n, bytes)) qWarning("%s", qUtf8Printable(prefs_.errorText()));
    }
    blankRecord(last);
    // The list follows the records: entry i names record i + 1.
    const int entry = recNo - 1;
    for (int i = entry; i < recs.NumPlayerNames; ++i) recs.PlayerNames(i) = recs.PlayerNames(i + 1);
    if (entry >= 1 && entry <= recs.NumPlayerNames) {
        recs.NumPlayerNames -= 1;
        recs.PlayerNames.redimPreserve({{0, recs.NumPlayerNames}});
    }
    if (recs.CurrentProfile > recNo) recs.CurrentProfile -= 1;
    comboFilled_ = false;
}

void FrmScoreStat::deleteAllPlayers() {
    const int last = lastRecord();
    const int own = recs.HasProfile ? recs.CurrentProfile : 0;
    QByteArray ownBytes;
    if (own >= kFirstProfile) {
        ClearPlayerValues(own, false);
        prefs_.read(own, ownBytes);
    }
    for (int n = kFirstProfile; n <= last; ++n) blankRecord(n);
    if (own >= kFirstProfile) {
        if (!prefs_.write(kFirstProfile, ownBytes)) qWarning("%s", qUtf8Printable(prefs_.errorText()));
        recs.CurrentProfile = kFirstProfile;
        recs.NumPlayerNames = 1;
        recs.PlayerNames.redim({{0, 1}});
        recs.PlayerNames(1) = eng.PlayerName;
    } else {
        recs.NumPlayerNames = 0;
        recs.PlayerNames.redim({{0, 0}});
    }
    GridScores.setRows(2);
    StatsRecord = 0;
    comboFilled_ = false;
}

void FrmScoreStat::ClearPlayerValues(int recNo, bool runsOnly) {
    QByteArray bytes;
    if (prefs_.read(recNo, bytes) != vb::ReadStatus::Ok) return;
    const auto clear = [runsOnly](PlayerProfileRecord& p) {
        if (!runsOnly) {
            p.GamesPlayed.clear();
            p.GamesWon.clear();
            p.Margin.clear();
        }
        p.BestRuns.clear();
    };
    PlayerProfileRecord p = PlayerProfileRecord::decode(bytes);
    clear(p);
    if (!prefs_.write(recNo, p.encode())) qWarning("%s", qUtf8Printable(prefs_.errorText()));
    // The run table keeps the signed-in player's bests ever: they go too, or
    // the next game's end would write them back.
    if (ownRecord(recNo)) {
        clear(recs.ProfileRec);
        ChangeBestRun();
    }
}

void FrmScoreStat::cmdClearStats_Click() {
    if (StatsRecord == 0) return;
    if (!confirmed("Are you sure you want to " + cmdClearStats.Caption() + "\nfor this player and Grisk?",
                   kDeleteTitle))
        return;
    ClearPlayerValues(StatsRecord, true);
    // The signed-in player's run table starts again with them; another
    // player's cleared runs leave it as it is.
    if (ownRecord(StatsRecord)) recs.BestRun.clear();
    GetRun(StatsRecord);
}

void FrmScoreStat::cmdSwitch_Click() {
    if (cmdSwitch.Caption() == QLatin1String("Show Best Side")) {
        HighFirst = kSideTableFirst;
        lblBest.setCaption(QStringLiteral("Best Side Run"));
        cmdSwitch.setCaption(QStringLiteral("Show Overall"));
    } else {
        HighFirst = 1;
        lblBest.setCaption(QStringLiteral("Best Overall"));
        cmdSwitch.setCaption(QStringLiteral("Show Best Side"));
    }
    HighStuff();
}

void FrmScoreStat::SetUpGridHigh() {
    GridHigh.setRows(1);
    GridHigh.setFormatString(QStringLiteral(
        "    |Date                |< Player Name        |^Side     |^Hand    |^Hold    |^Total    "));
    setWidths(GridHigh, {500, 1900, 2600, 900, 900, 900, 900});
    GridHigh.setRows(kHighEntries + 1);
    for (int row = 1; row <= kHighEntries; ++row)
        for (int col = 1; col < GridHigh.Cols(); ++col) GridHigh.setCellBackColor(row, col, kDataTint);
}

void FrmScoreStat::HighStuff() {
    if (GridHigh.Rows() != kHighEntries + 1) SetUpGridHigh();
    const bool sideTable = HighFirst == kSideTableFirst;
    const int orderedCol = sideTable ? 3 : 6;
    vb::RecordFile high;
    const bool open = high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength);
    QByteArray bytes;
    for (int row = 1; row <= kHighEntries; ++row) {
        HighScoreRecord e;
        if (open) {
            high.read(HighFirst + row - 1, bytes);
            e = HighScoreRecord::decode(bytes);
        }
        // A blank entry shows no counts either.
        const bool blank = e.When == 0 && vb::Trim(e.PlayerName).isEmpty();
        const auto count = [blank](int n) { return blank ? QString() : QString::number(n); };
        const QString texts[7] = {QString::number(row), dateText(e.When), vb::Trim(e.PlayerName), count(e.Side),
                                  count(e.Hand),        count(e.Hold),    count(e.Total)};
        for (int col = 0; col < 7; ++col) GridHigh.setTextMatrix(row, col, texts[col]);
        for (int col : {3, 6}) GridHigh.setCellBackColor(row, col, col == orderedCol ? kOrderTint : kDataTint);
    }
}

void FrmScoreStat::cmdClear_Click() {
    if (vb::MsgBox(QStringLiteral("Clear all the high statistics in this table?"), vb::vbYesNo | vb::vbQuestion,
                   QStringLiteral("Delete Statistics")) == vb::vbNo)
        return;
    vb::RecordFile high;
    if (high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength))
        for (int n = 1; n <= 2 * kHighEntries; ++n)
            if (!high.write(n, HighScoreRecord{}.encode())) qWarning("%s", qUtf8Printable(high.errorText()));
    vb::RecordFile scores;
    if (scores.open(eng.DataFolder + "scores.ran", kScoreRecordLength))
        for (int n : {kOpponentsRunRecord, kOpponentsSideRecord}) {
            QByteArray bytes;
            scores.read(n, bytes);
            ScoreRecord r = ScoreRecord::decode(bytes);
            r.Value1 = r.Value2 = r.Value3 = r.Value4 = 0;
            if (!scores.write(n, r.encodeOver(bytes))) qWarning("%s", qUtf8Printable(scores.errorText()));
        }
    SetUpGridHigh();
    HighStuff();
}

void FrmScoreStat::ShowModal() {
    // Made afresh for each showing.
    LoadAsDesigned();
    Show(true);
}

FrmScoreStat& frmScoreStat() { return vb::DefaultInstance<FrmScoreStat>::get(); }
void ReleaseFrmScoreStat() { vb::DefaultInstance<FrmScoreStat>::release(); }

void ShowScoreStat(int tab) {
    recs.StatsTab = tab;
    frmScoreStat().ShowModal();
}

}  // namespace grisk
