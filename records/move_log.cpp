#include "records/move_log.h"

#include "engine/open_files.h"
#include "engine/state.h"
#include "records/saved_game_record.h"
#include "records/state.h"

namespace grisk {

bool OpenMoveLog(bool LogOn) {
    vb::RecordFile& log = MoveLogFile();
    if (!LogOn) {
        recs.AutoSaveOn = false;
        recs.TurnCount = 0;
        log.close();
        return false;
    }
    recs.AutoSaveOn = true;
    if (log.isOpen()) return true;
    return log.open(eng.DataFolder + "~tempmoves.sav", kSavedGameRecordLength,
                    vb::RecordFile::Mode::OpenOrCreate);
}

}  // namespace grisk
