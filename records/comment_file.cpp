#include "records/comment_file.h"

#include <QSaveFile>

#include "platform/recordfile.h"
#include "platform/vb.h"
#include "records/record_fields.h"
#include "records/text_line_record.h"

namespace grisk {

bool ReadCommentFile(const QString& path, QStringList& lines) {
    lines.clear();
    vb::RecordFile f;
    if (!f.open(path, kTextLineRecordLength)) return false;
    for (int i = 1; i <= kCommentFileLines; ++i) {
        QByteArray bytes;
        f.read(i, bytes);
        lines << StoredText(TextLineRecord::decode(bytes).Text);
    }
    return true;
}

bool WriteCommentFile(const QString& path, const QStringList& lines) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    for (int i = 0; i < kCommentFileLines; ++i) {
        const QString line = i < lines.size() ? vb::Trim(lines[i]) : QString();
        const QByteArray record = TextLineRecord{line}.encode();
        if (out.write(record) != record.size()) return false;
    }
    return out.commit();
}

}  // namespace grisk
