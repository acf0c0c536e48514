#include "records/record_fields.h"

#include "platform/vb.h"

namespace grisk {

QString StoredText(const QString& field) {
    const qsizetype end = field.indexOf(QChar(0));
    return vb::Trim(end < 0 ? field : field.left(end));
}

}  // namespace grisk
