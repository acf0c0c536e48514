#include "engine/state.h"

#include "engine/card_handling.h"
#include "engine/startup.h"
#include "net/state.h"
#include "opponent/state.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/state.h"

namespace grisk {

EngineState eng;
TableState tbl;
RecordsState recs;
ShellState cmd;
InternetState inet;

void ResetEngineState() { eng = EngineState{}; }
void ResetTableState() { tbl = TableState{}; }
void ResetRecordsState() { recs = RecordsState{}; }
void ResetShellState() { cmd = ShellState{}; }
void ResetInternetState() { inet = InternetState{}; }

void ResetAllState() {
    ResetEngineState();
    ResetTableState();
    ResetRecordsState();
    ResetShellState();
    ResetInternetState();
    ResetOpponentState();
    ResetStartupState();
    ResetCardHandlingState();
}

}  // namespace grisk
