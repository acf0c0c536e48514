#include "records/saved_games.h"

#include <QStringList>
#include <algorithm>
#include <utility>

#include "engine/open_files.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "platform/vb.h"
#include "records/record_fields.h"
#include "records/state.h"
#include "table/card_counter.h"

namespace grisk {

namespace {

void putSeat(SavedGameRecord& r, int seat, const PlayerRecord& rec) {
    const int j = seat - 2;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= 26; ++i) r.Side(f, i, seat) = rec.Side(f, i);
        for (int s = 1; s <= 10; ++s) r.Slots(f, s, seat) = rec.Slots(f, s);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) r.SeatHold(j + 3 * f, p, d) = rec.Hold(f, p, d);
    }
    r.SeatSideCount(seat) = rec.RecSideCount;
    r.SeatSideShape(seat) = rec.RecSideShape;
    r.WildCounter(seat, 0) = rec.WildSide;
    r.WildCounter(seat, 1) = rec.WildHand;
    for (int p = 1; p <= 4; ++p) {
        r.SeatHoldCount(j, p) = rec.HoldTable(p, 1);
        r.SeatHoldRun(j, p) = rec.HoldTable(p, 2);
    }
}

}  // namespace

void BuildSaveRecord() {
    if (recs.EndedNetGameSave && eng.Pturn != 1) GoUpdateOpponents();
    SavedGameRecord& r = recs.SaveRecord;
    const std::pair<int*, int> counts[] = {
        {&r.NoWildAce, FlagWord(eng.NoWildAce)}, {&r.Pturn, eng.Pturn},
        {&r.OppSideCount, eng.OppSideCount},     {&r.SideCount, eng.SideCount},
        {&r.OppSideShape, eng.OppSideShape},     {&r.SideShape, eng.SideShape},
        {&r.StockCount, eng.StockCount},         {&r.UsedCount, eng.UsedCount},
        {&r.HandCount, eng.HandCount},           {&r.SideOption, eng.SideOption},
        {&r.ForcedCards, eng.ForcedCards},       {&r.NumCenters, eng.NumCenters},
        {&r.NumPlayers, eng.NumPlayers}};
    for (const auto& [field, value] : counts) *field = value;
    for (int f = 0; f <= 1; ++f) {
        for (int i = 1; i <= eng.TotalCards; ++i) {
            r.Deck(f, i) = eng.Deck(f, i);
            r.Used(f, i) = eng.Used(f, i);
        }
        for (int i = 1; i <= 26; ++i) r.Side(f, i, 1) = eng.PlayerSide(f, i);
        for (int s = 1; s <= 10; ++s) r.Slots(f, s, 1) = eng.PlayerSlots(f, s);
        for (int c = 1; c <= eng.NumCenters; ++c)
            for (int k = 1; k <= 12; ++k) r.CenterPile(f, c, k) = eng.CenterPile(f, c, k);
        for (int p = 1; p <= 4; ++p)
            for (int d = 1; d <= 30; ++d) r.PlayerHold(f, p, d) = eng.PlayerHold(f, p, d);
    }
    for (int c = 1; c <= eng.NumCenters; ++c) r.CenterCount(c) = eng.CenterCount(c);
    r.WildCounter(1, 0) = eng.PlayerWildSide;
    r.WildCounter(1, 1) = eng.PlayerWildHand;
    for (int p = 1; p <= 4; ++p) r.PlayerHoldCount(p) = eng.PlayerHoldCount(p);
    for (int seat = 2; seat <= eng.NumPlayers; ++seat) putSeat(r, seat, SeatRecord(seat));
}

void AutoSaveGame() {
    BuildSaveRecord();
    recs.CurrentSlot = (recs.TurnCount == 0 || recs.TurnCount % 2 == 1) ? 12 : 11;
    recs.SaveRecord.Title = QStringLiteral("AutoSave");
    const QByteArray bytes = recs.SaveRecord.encode();
    vb::RecordFile& backup = BackupFile();
    if (!backup.isOpen()) return;
    bool written = backup.write(recs.CurrentSlot, bytes);
    written = backup.write(14, bytes) && written;
    if (recs.TurnCount == 0) {
        written = backup.write(11, bytes) && written;
        written = backup.write(13, bytes) && written;
    }
    if (!written) qWarning("The auto-save could not be written: %s", qUtf8Printable(backup.errorText()));
}

void WriteMoveLogRecord(int recordNo) {
    vb::RecordFile& log = MoveLogFile();
    if (log.isOpen() && !log.write(recordNo, recs.SaveRecord.encode()))
        qWarning("The move log could not be written: %s", qUtf8Printable(log.errorText()));
}

bool ReadSavedGame(vb::RecordFile& file, int recordNo, SavedGameRecord& out) {
    QByteArray bytes;
    if (!file.isOpen() || file.read(recordNo, bytes) == vb::ReadStatus::Failed) return false;
    out = SavedGameRecord::decode(bytes);
    return true;
}

QString TitleWithRuns(const QString& title) {
    QString numbers;
    for (int c = 0; c <= 5; ++c) numbers += vb::Str(recs.BestRun(1, c));
    const QStringList words = vb::Trim(title).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString first = words.isEmpty() ? QStringLiteral("AutoSave") : words.first();
    // The numbers always fit: the word gives way.
    return first.left(std::max<int>(0, kSavedGameTitleLength - static_cast<int>(numbers.size()))) + numbers;
}

void RunsFromTitle(const QString& title) {
    const QStringList words = vb::Trim(title).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int c = 0; c <= 5; ++c) {
        const QString word = c + 1 < words.size() ? words[c + 1] : QString();
        recs.BestRun(1, c) = vb::ClampToInteger(static_cast<long long>(vb::Fix(vb::Val(word))));
    }
}

}  // namespace grisk
