// Parts of the platform layer that pull in large Qt libraries (Qt Multimedia
// for sounds, Qt Network for sockets) are built as modules of their own and
// loaded on first use, so that the program starts without loading those
// libraries and everything they bring with them.
#pragma once

#include <QString>

namespace late {

// The entry point a module exports, resolved on first use: null when the
// module or the entry cannot be loaded (logged once per module). Modules are
// looked for in the program's folder, or in the folder set below.
void* Resolve(const char* module, const char* entry);

// Where the modules lie when it is not the program's folder (test programs
// run from a folder of their own).
void SetModuleFolder(const QString& folder);

// The folder the modules are looked for in.
QString ModuleFolder();

// True once the module has been loaded in this run.
bool IsLoaded(const char* module);

}  // namespace late
