#include "engine/open_files.h"

namespace grisk {

vb::RecordFile& BackupFile() {
    static vb::RecordFile f;
    return f;
}

vb::RecordFile& MoveLogFile() {
    static vb::RecordFile f;
    return f;
}

}  // namespace grisk
