// The help viewer: our stand-in for the platform's help control. It shows a
// help document (platform/help_document.h) in a window of its own, with the
// contents tree and the keyword index beside the page, and answers the
// calls the help control answers: show a topic, show the contents, look a
// keyword up, close every help window. One window serves each document; a
// call for a document whose window is open raises that window.
//
// A file names the document, optionally followed by ">" and the name of a
// window layout the document defines (its size; used when the window is
// made). Each call returns the handle of the window it showed, 0 when it
// showed none.
#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

namespace help {

// The page of a topic ("" for the document's default topic), or of a
// target within it ("topic#anchor").
quintptr DisplayTopic(const QString& file, const QString& target = QString());

// The document with its contents tree in front, at its default topic.
quintptr DisplayContents(const QString& file);

// What a keyword lookup is given: keywords split by ";" (the first one the
// index knows is shown); a target shown when none is known; else a message
// (text and title) shown when none is known; the window layout to use.
struct KeywordLink {
    QString keywords;
    QString urlIfNotFound;
    QString msgText;
    QString msgTitle;
    QString window;
};
// Opens the document's window when needed and shows the index entry of the
// first known keyword at its section. When none is known the window shows
// what it showed before (or urlIfNotFound, or the message).
quintptr KeywordLookup(const QString& file, const KeywordLink& link);

// Closes every help window. Nothing happens when none is open.
void CloseAll();

// For tests and the program's own checks: the help windows open now, and
// what the window of a handle shows ("topic" or "topic#anchor"; "" for a
// handle of no open window), which of its side tabs is in front (0 the
// contents, 1 the index) and its caption.
int OpenWindowCount();
std::vector<quintptr> OpenWindows();
QString ShownTarget(quintptr handle);
int FrontTab(quintptr handle);
QString WindowCaption(quintptr handle);
// Follows a link of the page on show, as a click on it does.
void FollowLink(quintptr handle, const QString& href);

}  // namespace help
