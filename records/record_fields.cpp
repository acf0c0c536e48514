#include "records/record_fields.h"

#include <algorithm>

#include "platform/vb.h"

namespace grisk {

QString StoredText(const QString& field) {
    const qsizetype end = field.indexOf(QChar(0));
    return vb::Trim(end < 0 ? field : field.left(end));
}

bool FitsStoredText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

}  // namespace grisk
