#include "net/internet_setup.h"

#include "engine/deal.h"
#include "engine/state.h"
#include "net/state.h"

namespace grisk {

void ShowInternetPlayerSetup() { inet.NetSetupCancelled = true; }

void ShowHostRulesWindow() { eng.SkipGameSave = true; }

void NetStartNewGame() { Game_New(); }

}  // namespace grisk
