#include "records/text_line_record.h"

#include "platform/recordfile.h"

namespace grisk {

QByteArray TextLineRecord::encode() const {
    vb::RecordWriter w(kTextLineRecordLength);
    w.putText(Text, kTextLineRecordLength);
    return w.bytes();
}

TextLineRecord TextLineRecord::decode(const QByteArray& bytes) {
    vb::RecordReader r(bytes);
    return TextLineRecord{r.getText(kTextLineRecordLength)};
}

}  // namespace grisk
