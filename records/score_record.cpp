#include "records/score_record.h"

#include "platform/recordfile.h"

namespace grisk {

namespace {
constexpr int kScoreNameWidth = 30;
constexpr int kHighScoreNameWidth = 20;

void writeScore(vb::RecordWriter& w, const ScoreRecord& s) {
    w.putText(s.Name, kScoreNameWidth);
    for (int v : {s.Value1, s.Value2, s.Value3, s.Value4}) w.putInt16(v);
}
}  // namespace

QByteArray ScoreRecord::encode() const {
    vb::RecordWriter w(kScoreRecordLength);
    writeScore(w, *this);
    return w.bytes();
}

QByteArray ScoreRecord::encodeOver(const QByteArray& base) const {
    vb::RecordWriter w(kScoreRecordLength);
    w.setBase(base);
    writeScore(w, *this);
    return w.bytes();
}

ScoreRecord ScoreRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    ScoreRecord s;
    s.Name = r.getText(kScoreNameWidth);
    s.Value1 = r.getInt16();
    s.Value2 = r.getInt16();
    s.Value3 = r.getInt16();
    s.Value4 = r.getInt16();
    return s;
}

QByteArray HighScoreRecord::encode() const {
    vb::RecordWriter w(kHighScoreRecordLength);
    w.putDouble(When);
    w.putText(PlayerName, kHighScoreNameWidth);
    for (int v : {Side, Hand, Hold, Total}) w.putInt16(v);
    return w.bytes();
}

HighScoreRecord HighScoreRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    HighScoreRecord h;
    h.When = r.getDouble();
    h.PlayerName = r.getText(kHighScoreNameWidth);
    h.Side = r.getInt16();
    h.Hand = r.getInt16();
    h.Hold = r.getInt16();
    h.Total = r.getInt16();
    return h;
}

}  // namespace grisk
