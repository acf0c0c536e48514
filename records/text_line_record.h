// One line of text in a file of 100-character records: the comment files
// (".cmt") and the program's message texts ("snackade.ran").
#pragma once

#include <QByteArray>
#include <QString>

namespace grisk {

inline constexpr int kTextLineRecordLength = 100;

struct TextLineRecord {
    QString Text;  // 100 characters, one byte each, padded with blanks

    // A longer text is cut at 100 characters.
    QByteArray encode() const;
    // Any bytes decode; the text keeps its stored characters.
    static TextLineRecord decode(const QByteArray& bytes);
    bool operator==(const TextLineRecord&) const = default;
};

}  // namespace grisk
