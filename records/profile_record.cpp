#include "records/profile_record.h"

#include "records/record_fields.h"

namespace grisk {

namespace {
constexpr int kSeatNameWidth = 20;
constexpr int kSeatAvatarWidth = 30;
constexpr int kSeatCommentsWidth = 100;
}  // namespace

void OpponentSeatRecord::writeTo(vb::RecordWriter& w) const {
    w.putText(Name, kSeatNameWidth);
    w.putText(Avatar, kSeatAvatarWidth);
    w.putText(Comments, kSeatCommentsWidth);
    w.putInt16(Level);
    w.putInt16(SoundSource);
}

OpponentSeatRecord OpponentSeatRecord::readFrom(vb::RecordReader& r) {
    OpponentSeatRecord s;
    s.Name = r.getText(kSeatNameWidth);
    s.Avatar = r.getText(kSeatAvatarWidth);
    s.Comments = r.getText(kSeatCommentsWidth);
    s.Level = r.getInt16();
    s.SoundSource = r.getInt16();
    return s;
}

QByteArray OpponentSeatRecord::encode() const {
    vb::RecordWriter w(kOpponentSeatRecordLength);
    writeTo(w);
    return w.bytes();
}

OpponentSeatRecord OpponentSeatRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    return readFrom(r);
}

QByteArray PlayerProfileRecord::encode() const {
    vb::RecordWriter w(kPlayerProfileRecordLength);
    w.putInt32(NameColor);
    w.putInt32(TableColor);
    w.putInt32(PlainColor);
    for (int v : {NumPlayers, NumCenters, NameFontSize, PrevBackground, SpeedOption, AnimSpeed,
                  SoundLevel, SoundSet, DeckStyle, BackStyle})
        w.putInt16(v);
    PutInt16Array(w, HoldPosition);
    for (int v : {OpaqueLabels, StatusBarOn, IntroOn, SkinOn, MenuStyle, SmallDisplay, AvatarOn,
                  AutoSaveOn, SkipWinShow, SkipLoseShow})
        w.putInt16(v);
    PutInt16Array(w, RuleOptions);
    PutInt16Array(w, BestRuns);
    PutInt16Array(w, GamesPlayed);
    PutInt16Array(w, GamesWon);
    PutInt16Array(w, Margin);
    for (int s = 0; s <= 3; ++s) Seats(s).writeTo(w);
    w.putInt16(BackgroundTiled);
    PutInt16Array(w, Spare);
    return w.bytes();
}

PlayerProfileRecord PlayerProfileRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    PlayerProfileRecord p;
    p.NameColor = r.getInt32();
    p.TableColor = r.getInt32();
    p.PlainColor = r.getInt32();
    for (int* v : {&p.NumPlayers, &p.NumCenters, &p.NameFontSize, &p.PrevBackground, &p.SpeedOption,
                   &p.AnimSpeed, &p.SoundLevel, &p.SoundSet, &p.DeckStyle, &p.BackStyle})
        *v = r.getInt16();
    GetInt16Array(r, p.HoldPosition);
    for (int* v : {&p.OpaqueLabels, &p.StatusBarOn, &p.IntroOn, &p.SkinOn, &p.MenuStyle,
                   &p.SmallDisplay, &p.AvatarOn, &p.AutoSaveOn, &p.SkipWinShow, &p.SkipLoseShow})
        *v = r.getInt16();
    GetInt16Array(r, p.RuleOptions);
    GetInt16Array(r, p.BestRuns);
    GetInt16Array(r, p.GamesPlayed);
    GetInt16Array(r, p.GamesWon);
    GetInt16Array(r, p.Margin);
    for (int s = 0; s <= 3; ++s) p.Seats(s) = OpponentSeatRecord::readFrom(r);
    p.BackgroundTiled = r.getInt16();
    GetInt16Array(r, p.Spare);
    return p;
}

}  // namespace grisk
