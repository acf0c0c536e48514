#include "shell/tutorial_script.h"

#include <QFile>
#include <QTextStream>
#include <array>

namespace grisk {

namespace {

struct Range {
    int first;
    int last;
    int record;
};
constexpr std::array<Range, kPreparedRanges> kRanges = {{
    {6, 8, 31},
    {10, 11, 32},
    {12, 14, 33},
    {16, 17, 34},
    {18, 19, 35},
    {20, 21, 36},
    {22, 28, 37},
    {29, 32, 38},
}};

QChar charAt(const QString& s, qsizetype i) { return i < s.size() ? s.at(i) : QChar(u' '); }

// Two digits from position i; a character that is no digit ends the number.
int twoDigits(const QString& s, qsizetype i) {
    int n = 0;
    for (qsizetype k = i; k < i + 2; ++k) {
        const QChar c = charAt(s, k);
        if (!c.isDigit()) break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

}  // namespace

TutorialTag ReadTutorialTag(const QString& step) {
    TutorialTag tag;
    const qsizetype p = step.indexOf(QLatin1Char('<'));
    if (p < 0) {
        tag.text = step;
        return tag;
    }
    tag.present = true;
    tag.text = step.left(p);
    const QString t = step.mid(p);
    tag.first = charAt(t, 1).toUpper();
    tag.firstNumber = twoDigits(t, 3);
    tag.second = charAt(t, 5).toUpper();
    tag.secondNumber = twoDigits(t, 7);
    return tag;
}

QString TutorialParagraphs(const QString& line) {
    QString shown = line;
    return shown.replace(QLatin1Char('~'), QStringLiteral("\n\n"));
}

PreparedRange PreparedRangeOf(int step) {
    for (const Range& r : kRanges)
        if (step >= r.first && step <= r.last) return {r.record, r.first};
    return {};
}

PreparedRange PreparedRangeAt(int index) {
    const Range& r = kRanges.at(static_cast<std::size_t>(index));
    return {r.record, r.first};
}

int PreparedRangeLastStep(int index) { return kRanges.at(static_cast<std::size_t>(index)).last; }

bool ReadTutorialScript(const QString& fileName, QStringList& steps) {
    steps.clear();
    if (fileName.isEmpty()) return false;
    QFile f(fileName);
    if (!f.exists() || !f.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) steps.append(in.readLine());
    return true;
}

}  // namespace grisk
