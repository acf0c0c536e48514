#include "records/saved_game_record.h"

#include "platform/recordfile.h"
#include "platform/vberror.h"
#include "records/record_fields.h"

namespace grisk {

namespace {
constexpr int kUnused1Length = 866 - 26;
constexpr int kUnused2Length = 5938 - 5908;

// A kept span: as read, or zeros when the record was made here.
QByteArray span(const QByteArray& kept, int length) {
    QByteArray out = kept.left(length);
    out.append(QByteArray(length - out.size(), '\0'));
    return out;
}

int wildIndex(int seat, int kind) {
    if (seat < 1 || seat > 4 || kind < 0 || kind > 1) vb::raise(vb::ErrSubscript);
    return 2 * (seat - 1) + 1 + kind;
}
}  // namespace

int& SavedGameRecord::WildCounter(int seat, int kind) {
    return PlayerHold(1, 0, wildIndex(seat, kind));
}

int SavedGameRecord::WildCounter(int seat, int kind) const {
    return PlayerHold(1, 0, wildIndex(seat, kind));
}

QByteArray SavedGameRecord::encode() const {
    vb::RecordWriter w(kSavedGameRecordLength);
    for (int v : {NoWildAce, Pturn, OppSideCount, SideCount, OppSideShape, SideShape, StockCount,
                  UsedCount, HandCount, SideOption, ForcedCards, NumCenters, NumPlayers})
        w.putInt16(v);
    w.putBytes(span(Unused1, kUnused1Length));
    PutInt16Array(w, Deck);
    PutInt16Array(w, Used);
    PutInt16Array(w, Side);
    PutInt16Array(w, SeatSideCount);
    PutInt16Array(w, SeatSideShape);
    PutInt16Array(w, Slots);
    PutInt16Array(w, CenterPile);
    PutInt16Array(w, CenterCount);
    PutInt16Array(w, SeatHold);
    PutInt16Array(w, PlayerHold);
    w.putBytes(span(Unused2, kUnused2Length));
    PutInt16Array(w, SeatHoldCount);
    PutInt16Array(w, SeatHoldRun);
    PutInt16Array(w, PlayerHoldCount);
    w.putText(Title, kSavedGameTitleLength);
    return w.bytes();
}

SavedGameRecord SavedGameRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    SavedGameRecord g;
    for (int* v : {&g.NoWildAce, &g.Pturn, &g.OppSideCount, &g.SideCount, &g.OppSideShape,
                   &g.SideShape, &g.StockCount, &g.UsedCount, &g.HandCount, &g.SideOption,
                   &g.ForcedCards, &g.NumCenters, &g.NumPlayers})
        *v = r.getInt16();
    g.Unused1 = r.getBytes(kUnused1Length);
    GetInt16Array(r, g.Deck);
    GetInt16Array(r, g.Used);
    GetInt16Array(r, g.Side);
    GetInt16Array(r, g.SeatSideCount);
    GetInt16Array(r, g.SeatSideShape);
    GetInt16Array(r, g.Slots);
    GetInt16Array(r, g.CenterPile);
    GetInt16Array(r, g.CenterCount);
    GetInt16Array(r, g.SeatHold);
    GetInt16Array(r, g.PlayerHold);
    g.Unused2 = r.getBytes(kUnused2Length);
    GetInt16Array(r, g.SeatHoldCount);
    GetInt16Array(r, g.SeatHoldRun);
    GetInt16Array(r, g.PlayerHoldCount);
    g.Title = r.getText(kSavedGameTitleLength);
    return g;
}

}  // namespace grisk
