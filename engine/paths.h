// The program's folders and the file and folder tests.
#pragma once

#include <QString>

namespace grisk {

// Shell folder identifiers the program asks for.
constexpr long kFolderPersonal = 5;
constexpr long kFolderAppData = 26;

// The per-user application-data folder followed by "/Quenmoor/Grisk and
// Varnok"; "" when the system cannot give it.
QString GetAppDataFolder();
// The path of a special folder (kFolderPersonal: the documents folder), or
// AppFolder when the system cannot give it.
QString GetSpecialFolder(long folderId);
// The folder of the running program, without a trailing separator.
QString ProgramFolder();
// Sets AppFolder, DataFolder, UserFolder and DocumentsFolder.
void SetFolders();
// The user's "Sounds" folder, with a separator, holding every sound the run
// has put off writing there: whatever lists, reads or deletes its files
// takes the folder from here.
QString UserSoundsFolder();

// True when the file system has an entry for path (a file or a folder); a
// pattern with * or ? counts when something matches it.
bool FileExists(const QString& path);
// Strips one trailing separator (and surrounding blanks) from the caller's
// variable, then True when it names a folder.
bool FolderExists(QString& path);
// path without leading and trailing blanks and without one trailing separator.
QString StripTrailingSlash(const QString& path);

// Copies a file whole: the copy appears under its name only once it is
// complete, and a failed copy leaves what was there. False when the file
// cannot be read or the copy cannot be written.
bool CopyFileWhole(const QString& from, const QString& to);

// Puts the file from under the name to in one step: the old file goes only
// as the new one takes its name. False, with both as they were, when it
// cannot.
bool ReplaceFile(const QString& from, const QString& to);
// Tests: the next ReplaceFile fails, as a rename the folder refuses would
// (false clears it).
void FailNextReplaceFileForTests(bool fail = true);

}  // namespace grisk
