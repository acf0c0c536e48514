// The comment files: twenty remark lines of the user's own, one
// 100-character record each (".cmt" in UserFolder).
#pragma once

#include <QString>
#include <QStringList>

namespace grisk {

inline constexpr int kCommentFileLines = 20;

// Lines 1..20 of the comment file at path, each without the blanks around
// it (a short file reads its missing lines as empty). False, with no lines,
// when the file cannot be opened.
bool ReadCommentFile(const QString& path, QStringList& lines);

// Writes lines 1..20 (each without the blanks around it, cut at 100
// characters; missing ones blank) as the comment file at path. The file is
// replaced whole once the new one is complete; false when it cannot be
// written (what was there stays).
bool WriteCommentFile(const QString& path, const QStringList& lines);

}  // namespace grisk
