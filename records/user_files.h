// The lists of the user's files that the set-up windows and menus offer:
// background pictures, comment files, Internet score files, and the table of
// opponent personalities. Each list is 1-based (entry 0 unused) with its
// count; files are listed in name order, ignoring case, hidden files left
// out.
#pragma once

#include <QString>
#include <QStringList>

namespace grisk {

// The JPG, GIF and BMP pictures of "Backgrounds/" in UserFolder into
// Backgrounds, "GameBoard.gif" first, and NumBackgrounds; DefaultBoardIndex
// notes "GameBoard.gif" (unchanged when it is missing). A BackgroundIdx
// below 0 or above NumBackgrounds + 1 becomes 1.
void ListBackgroundFiles();

// The comment files (".cmt") of UserFolder into CommentFiles, without the
// extension, and NumCommentFiles.
void ListCommentFiles();

// The Internet score files (".ran") of UserFolder into ScoreFileList,
// without the extension, and ScoreFileCount.
void ListScoreFiles();

// The plain files of folder whose last three letters, in upper case, are
// one of types ({"WAV", "PMW"}), in name order ignoring case; a missing
// folder has none.
QStringList UserFilesOfTypes(const QString& folder, const QStringList& types);

// The JPG, GIF and BMP pictures of "Avatars/" in UserFolder into
// AvatarFiles and NumAvatars.
void ListAvatarFiles();

// The opponent table OppTable from the personality files (".pms") of
// "Data/PMS/" in AppFolder: column 1 the personality's name, column 0 the
// description its file holds; "Grisk" in row 0, "Zozida" (when its file is
// there) in the last row, the others between; NumOpps the last row and
// OppIndex = 0. False when "Grisk.pms" is missing: the table then holds
// "Grisk" alone and the program cannot start.
[[nodiscard]] bool ListPersonalityFiles();

}  // namespace grisk
