// Files that live only for the run (the close deletes them) and that nothing
// reads before the main window shows: their writing waits until just after
// that window has painted, or until the first reader asks for them,
// whichever comes first, so that the table appears without waiting for the
// disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace run_files {

// Keeps write until the window has painted; a writer still pending under
// the same key is replaced.
void Defer(const QString& key, std::function<void()> write);
// Forgets the pending writer of that key (what it would write is made
// otherwise, or no longer wanted).
void Cancel(const QString& key);
bool IsPending(const QString& key);
bool AnyPending();
// Runs every pending writer now, in the order they were kept. Every reader
// of these files calls it first.
void WriteNow();
// Runs the pending writer of that key now, and only that one.
void WriteNow(const QString& key);
// Forgets every pending writer: the run ends and its files are deleted.
void DropPending();

// The window whose paint lets the pending writers run (once events run
// again after it); null: none, they wait for their readers.
void SetShownWindow(const void* window);
// Told by a window that it has painted.
void Painted(const void* window);

// Writes the whole file, or removes what was written of it. Without waiting
// for the disk: these files do not outlive the run.
enum class WriteResult { Written, CannotOpen, Failed };
WriteResult WriteWhole(const QString& path, const QByteArray& bytes);

}  // namespace run_files
