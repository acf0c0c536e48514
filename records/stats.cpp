#include "records/stats.h"

#include <QDate>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/score_record.h"
#include "records/state.h"

namespace grisk {

namespace {
constexpr int kHumanRow = 1;
constexpr int kComputerBestRow = 5;
constexpr int kRunTableFirst = 1;
constexpr int kOpponentsRunRecord = 10;
constexpr int kOpponentsSideRecord = 11;


void showOnPanel(int n, const QString& text) { frmGrisk().StatusBar1.Panels(n).Text = text; }

int sumOf(int row, int first) {
    return recs.BestRun(row, first) + recs.BestRun(row, first + 1) + recs.BestRun(row, first + 2);
}

void copyColumns(int from, int to, int first) {
    for (int k = first; k <= first + 2; ++k) recs.BestRun(to, k) = recs.BestRun(from, k);
}

HighScoreRecord readHigh(vb::RecordFile& f, int n) {
    QByteArray bytes;
    f.read(n, bytes);
    return HighScoreRecord::decode(bytes);
}

// The computer opponents keep one entry a table: true when this run beats
// the one they have entered, which is then replaced and taken out of the table.
bool replacesOpponentsEntry(int first, int last, int position, int value, int total) {
    const bool sideTable = first != kRunTableFirst;
    vb::RecordFile scores;
    if (!scores.open(eng.DataFolder + "scores.ran", kScoreRecordLength)) return false;
    const int recordNo = sideTable ? kOpponentsSideRecord : kOpponentsRunRecord;
    QByteArray bytes;
    scores.read(recordNo, bytes);
    ScoreRecord best = ScoreRecord::decode(bytes);
    if (sideTable ? value < best.Value1 : total < best.Value4) return false;
    best.Value1 = recs.BestRun(kComputerBestRow, position);
    best.Value2 = recs.BestRun(kComputerBestRow, position + 1);
    best.Value3 = recs.BestRun(kComputerBestRow, position + 2);
    best.Value4 = total;
    scores.write(recordNo, best.encodeOver(bytes));

    vb::RecordFile high;
    if (!high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength)) return true;
    for (int n = first; n <= last; ++n) {
        if (vb::Trim(readHigh(high, n).PlayerName) != QLatin1String("Grisk")) continue;
        for (int m = n; m < last; ++m) high.write(m, readHigh(high, m + 1).encode());
        high.write(last, HighScoreRecord{}.encode());
        break;
    }
    return true;
}
}  // namespace

QString RunText(int row) {
    QString text;
    for (int c = 0; c <= 2; ++c) text += vb::Str(recs.BestRun(row, c)) + "-";
    return text + " [" + vb::Str(sumOf(row, 0)) + " ]";
}

void StatsAdd(int category, int who) {
    const int column = category == 1 ? 0 : category <= 6 ? 1 : 2;
    recs.BestRun(who, column) += 1;
    recs.BestRun(who, column + 3) += 1;
    showOnPanel(who == kHumanRow ? 2 : 6, RunText(who));
}

void StatsCk(int ckNew, int ckOld) {
    int runPanel = 0;
    if (eng.Pturn >= 2 || eng.OppSideCount == 0) runPanel = 6;
    if (eng.Pturn == 1 || eng.SideCount == 0) runPanel = 2;
    const bool gameOver = eng.Pturn == 0;
    const bool entersHighScores = gameOver && inet.NetPeers == 0;

    const int newSum = sumOf(ckNew, 0);
    const int oldSum = sumOf(ckOld, 0);
    const QString run = RunText(ckNew);
    if (newSum != 0 && newSum > oldSum) {
        copyColumns(ckNew, ckOld, 0);
        if (!gameOver && runPanel != 0) showOnPanel(runPanel + 1, RunText(ckOld));
        if (entersHighScores) {
            StatsHigh(ckOld, 1, 10, 0, newSum);
            StatsNotify();
        }
    }

    const int newSide = recs.BestRun(ckNew, 3);
    const int oldSide = recs.BestRun(ckOld, 3);
    if ((newSide != 0 || oldSide != 0) && newSide >= oldSide) {
        if (newSide > oldSide || sumOf(ckNew, 3) >= sumOf(ckOld, 3)) {
            copyColumns(ckNew, ckOld, 3);
            if (entersHighScores) {
                StatsHigh(ckOld, 11, 20, 3, sumOf(ckOld, 3), recs.BestRun(ckOld, 3));
                StatsNotify();
            }
        }
    }

    if (!gameOver) {
        if (runPanel != 0) showOnPanel(runPanel, run);
        for (int c = 0; c <= 5; ++c) recs.BestRun(ckNew, c) = 0;
    }
}

void StatsSave(int ckNew, int whoSaved) {
    // The profile keeps a best-ever row as two triples: by total, then the
    // side run.
    const int first = whoSaved == 0 ? 0 : 2;
    auto& best = recs.ProfileRec.BestRuns;
    if (whoSaved == 0)
        for (int k = 0; k <= 2; ++k) {
            recs.BestRun(0, k) = best(0, k);
            recs.BestRun(0, 3 + k) = best(1, k);
        }
    StatsCk(ckNew, whoSaved);
    for (int k = 0; k <= 2; ++k) {
        best(first, k) = recs.BestRun(whoSaved, k);
        best(first + 1, k) = recs.BestRun(whoSaved, 3 + k);
    }
}

void StatsHigh(int player, int first, int last, int position, int total, int bestSide) {
    const bool sideTable = first != kRunTableFirst;
    const int value = sideTable ? bestSide : total;
    if (player == kComputerBestRow && !replacesOpponentsEntry(first, last, position, value, total)) return;

    vb::RecordFile high;
    if (!high.open(eng.DataFolder + "highscore.ran", kHighScoreRecordLength)) return;
    int place = 0;
    for (int n = first; n <= last && place == 0; ++n) {
        const HighScoreRecord entry = readHigh(high, n);
        const bool below = sideTable ? entry.Side < value || (entry.Side == value && entry.Total <= total)
                                     : entry.Total <= value;
        if (below) place = n;
    }
    if (place == 0) return;
    for (int n = last - 1; n >= place; --n) high.write(n + 1, readHigh(high, n).encode());
    HighScoreRecord entry;
    entry.When = TodayAsDayCount();
    entry.PlayerName = player != 0 ? QStringLiteral("Grisk") : eng.PlayerName;
    entry.Side = recs.BestRun(player, position);
    entry.Hand = recs.BestRun(player, position + 1);
    entry.Hold = recs.BestRun(player, position + 2);
    entry.Total = total;
    high.write(place, entry.encode());
}

void StatsNotify() {
    vb::Control& notice = frmGrisk().LabelPeek;
    notice.setCaption(QStringLiteral("New Stats Record!\n"));
    notice.setVisible(true);
}

double TodayAsDayCount() { return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate::currentDate())); }

}  // namespace grisk
