#include "records/shipped_data.h"

#include <QHash>
#include <QStringList>
#include <functional>
#include <map>

#include "records/record_fields.h"
#include "records/saved_game_record.h"
#include "records/score_record.h"
#include "records/text_line_record.h"

namespace grisk {

namespace {

using P = PlayerProfileRecord;
// Sets one field from its value text; returns the reason when it cannot.
using Setter = std::function<QString(P&, const QString&)>;

QString parseNumber(const QString& v, long long lo, long long hi, long long& out) {
    bool ok = false;
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        out = -1;
        ok = true;
    } else if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        out = 0;
        ok = true;
    } else if (v.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        // Hexadecimal gives the field's bit pattern: up to eight digits for
        // a 32-bit field, four for a 16-bit one.
        const bool wide = hi > 32767;
        const QString digits = v.mid(2);
        const qulonglong u = digits.size() <= 8 ? digits.toULongLong(&ok, 16) : 0;
        ok = ok && u <= (wide ? 0xFFFFFFFFull : 0xFFFFull);
        out = wide ? static_cast<long long>(static_cast<int32_t>(static_cast<uint32_t>(u)))
                   : static_cast<long long>(static_cast<int16_t>(static_cast<uint16_t>(u)));
    } else {
        out = v.toLongLong(&ok, 10);
        ok = ok && out >= lo && out <= hi;
    }
    return ok ? QString() : QStringLiteral("\"%1\" is not a number that fits the field").arg(v);
}

QString parseInt16(const QString& v, int& field) {
    long long n = 0;
    QString why = parseNumber(v, -32768, 32767, n);
    if (why.isEmpty()) field = static_cast<int>(n);
    return why;
}

QString parseText(const QString& v, int width, QString& field) {
    if (v.size() < 2 || !v.startsWith('"') || !v.endsWith('"'))
        return QStringLiteral("a text must be written in double quotes");
    const QString inner = v.mid(1, v.size() - 2);
    if (inner.contains('"')) return QStringLiteral("a text may not contain a double quote");
    if (inner.size() > width) return QStringLiteral("the text is longer than %1 characters").arg(width);
    if (!FitsStoredText(inner)) return QStringLiteral("the text has a character outside Latin-1");
    field = inner;
    return QString();
}

Setter integer(int P::*m) {
    return [m](P& p, const QString& v) { return parseInt16(v, p.*m); };
}

Setter element(vb::Array<int, 1> P::*m, int i) {
    return [m, i](P& p, const QString& v) { return parseInt16(v, (p.*m)(i)); };
}

Setter colour(int32_t P::*m) {
    return [m](P& p, const QString& v) {
        long long n = 0;
        QString why = parseNumber(v, INT32_MIN, INT32_MAX, n);
        if (why.isEmpty()) p.*m = static_cast<int32_t>(n);
        return why;
    };
}

Setter seatNumber(int seat, int OpponentSeatRecord::*m) {
    return [seat, m](P& p, const QString& v) { return parseInt16(v, p.Seats(seat).*m); };
}

Setter seatText(int seat, QString OpponentSeatRecord::*m, int width) {
    return [seat, m, width](P& p, const QString& v) { return parseText(v, width, p.Seats(seat).*m); };
}

const std::map<QString, Setter>& profileFields() {
    static const std::map<QString, Setter> fields = [] {
        std::map<QString, Setter> f;
        f["NameColor"] = colour(&P::NameColor);
        f["TableColor"] = colour(&P::TableColor);
        f["PlainColor"] = colour(&P::PlainColor);
        const std::pair<const char*, int P::*> numbers[] = {
            {"NumPlayers", &P::NumPlayers},     {"NumCenters", &P::NumCenters},
            {"NameFontSize", &P::NameFontSize}, {"PrevBackground", &P::PrevBackground},
            {"SpeedOption", &P::SpeedOption},   {"AnimSpeed", &P::AnimSpeed},
            {"SoundLevel", &P::SoundLevel},     {"SoundSet", &P::SoundSet},
            {"DeckStyle", &P::DeckStyle},       {"BackStyle", &P::BackStyle},
            {"OpaqueLabels", &P::OpaqueLabels}, {"StatusBarOn", &P::StatusBarOn},
            {"IntroOn", &P::IntroOn},           {"SkinOn", &P::SkinOn},
            {"MenuStyle", &P::MenuStyle},       {"SmallDisplay", &P::SmallDisplay},
            {"AvatarOn", &P::AvatarOn},         {"AutoSaveOn", &P::AutoSaveOn},
            {"SkipWinShow", &P::SkipWinShow},   {"SkipLoseShow", &P::SkipLoseShow},
            {"BackgroundTiled", &P::BackgroundTiled}};
        for (const auto& [key, member] : numbers) f[key] = integer(member);
        for (int i = 0; i <= 1; ++i) f[QStringLiteral("HoldPosition(%1)").arg(i)] = element(&P::HoldPosition, i);
        for (int i = 0; i <= 3; ++i) f[QStringLiteral("RuleOptions(%1)").arg(i)] = element(&P::RuleOptions, i);
        for (int s = 0; s <= 3; ++s) {
            const QString seat = QStringLiteral("Seats(%1).").arg(s);
            f[seat + "Name"] = seatText(s, &OpponentSeatRecord::Name, 20);
            f[seat + "Avatar"] = seatText(s, &OpponentSeatRecord::Avatar, 30);
            f[seat + "Comments"] = seatText(s, &OpponentSeatRecord::Comments, 100);
            f[seat + "Level"] = seatNumber(s, &OpponentSeatRecord::Level);
            f[seat + "SoundSource"] = seatNumber(s, &OpponentSeatRecord::SoundSource);
        }
        return f;
    }();
    return fields;
}

// Splits a "left = right" line; false when it has no "=".
bool splitLine(const QString& line, QString& left, QString& right) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) return false;
    left = line.left(eq).trimmed();
    right = line.mid(eq + 1).trimmed();
    return true;
}

bool fail(QString* error, int lineNo, const QString& why) {
    if (error) *error = QStringLiteral("line %1: %2").arg(lineNo).arg(why);
    return false;
}

QByteArray repeated(const QByteArray& record, int count) {
    QByteArray out;
    out.reserve(record.size() * count);
    for (int i = 0; i < count; ++i) out += record;
    return out;
}

}  // namespace

bool ProfileFromDefaults(const QString& text, PlayerProfileRecord& profile, QString* error) {
    PlayerProfileRecord p;
    QHash<QString, int> seen;
    const QStringList lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QString key, value;
        if (!splitLine(line, key, value)) return fail(error, n + 1, QStringLiteral("expected \"key = value\""));
        const auto field = profileFields().find(key);
        if (field == profileFields().end())
            return fail(error, n + 1, QStringLiteral("unknown field \"%1\"").arg(key));
        if (seen.contains(key))
            return fail(error, n + 1, QStringLiteral("\"%1\" is already set on line %2").arg(key).arg(seen[key]));
        seen.insert(key, n + 1);
        const QString why = field->second(p, value);
        if (!why.isEmpty()) return fail(error, n + 1, why);
    }
    profile = p;
    return true;
}

bool BuildMessageTexts(const QString& source, QByteArray& file, QString* error) {
    std::map<int, QString> texts;
    const QStringList lines = source.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QString number, text;
        if (!splitLine(line, number, text)) return fail(error, n + 1, QStringLiteral("expected \"number = text\""));
        bool ok = false;
        const int recNo = number.toInt(&ok);
        if (!ok || recNo < 1 || recNo > 9999)
            return fail(error, n + 1, QStringLiteral("\"%1\" is not a record number").arg(number));
        if (texts.count(recNo)) return fail(error, n + 1, QStringLiteral("record %1 is already written").arg(recNo));
        if (text.size() > kTextLineRecordLength)
            return fail(error, n + 1,
                        QStringLiteral("the text is longer than %1 characters").arg(kTextLineRecordLength));
        if (!FitsStoredText(text))
            return fail(error, n + 1, QStringLiteral("the text has a character outside Latin-1"));
        texts[recNo] = text;
    }
    const int last = texts.empty() ? 0 : texts.rbegin()->first;
    QByteArray out;
    for (int recNo = 1; recNo <= last; ++recNo) {
        const auto t = texts.find(recNo);
        out += TextLineRecord{t == texts.end() ? QString() : t->second}.encode();
    }
    file = out;
    return true;
}

bool BuildPersonalityFile(const QString& source, PersonalityRecord& personality, QString* error) {
    PersonalityRecord p;
    QHash<QString, int> seen;
    const QStringList lines = source.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        QString key, value;
        if (!splitLine(line, key, value)) return fail(error, n + 1, QStringLiteral("expected \"key = value\""));
        if (seen.contains(key))
            return fail(error, n + 1, QStringLiteral("\"%1\" is already set on line %2").arg(key).arg(seen[key]));
        seen.insert(key, n + 1);
        if (!FitsStoredText(value))
            return fail(error, n + 1, QStringLiteral("the text has a character outside Latin-1"));
        bool isNumber = false;
        const int remark = key.toInt(&isNumber);
        const int sound = key.startsWith(QLatin1String("Sound ")) ? key.mid(6).toInt() : 0;
        int width = kPersonalityLineWidth;
        if (key == QLatin1String("Description")) {
            p.Comments(0) = value;
        } else if (isNumber && remark >= 1 && remark <= 35) {
            p.Comments(remark) = value;
        } else if (sound >= 1 && sound <= 16) {
            width = kPersonalitySoundWidth;
            if (!value.endsWith(QLatin1String(".pmw")) || value.contains('/') || value.contains('\\'))
                return fail(error, n + 1, QStringLiteral("a sound is a plain \".pmw\" file name"));
            p.Sounds(0, sound) = p.Sounds(1, sound) = value;
        } else if (key == QLatin1String("Show")) {
            width = kPersonalitySoundWidth;
            p.Sounds(0, 0) = value;
        } else if (key == QLatin1String("Picture")) {
            width = kPersonalityPictureWidth;
            p.Picture = value;
        } else {
            return fail(error, n + 1, QStringLiteral("unknown field \"%1\"").arg(key));
        }
        if (value.isEmpty()) return fail(error, n + 1, QStringLiteral("\"%1\" is empty").arg(key));
        if (value.size() > width) return fail(error, n + 1, QStringLiteral("the text is longer than %1 characters").arg(width));
    }
    QStringList missing;
    for (const QString& key : {QStringLiteral("Description"), QStringLiteral("Picture"), QStringLiteral("Show")})
        if (!seen.contains(key)) missing << key;
    for (int i = 1; i <= 35; ++i)
        if (!seen.contains(QString::number(i))) missing << QString::number(i);
    for (int i = 1; i <= 16; ++i)
        if (!seen.contains("Sound " + QString::number(i))) missing << "Sound " + QString::number(i);
    if (!missing.isEmpty()) {
        if (error) *error = "missing: " + missing.join(", ");
        return false;
    }
    personality = p;
    return true;
}

QByteArray BlankScoresFile() { return repeated(ScoreRecord{}.encode(), kStartingScoreRecords); }

QByteArray BlankHighScoreFile() { return repeated(HighScoreRecord{}.encode(), kHighScoreEntries); }

QByteArray BlankSavedGamesFile() { return repeated(SavedGameRecord{}.encode(), kSavedGameSlots); }

}  // namespace grisk
