// The help document the help viewer shows ("GriskAndVarnok.chm" beside the
// program): its pages in HTML, a contents tree, a keyword index and the
// named window layouts. The build writes it (tools/grisk-help) and the
// viewer reads it; this file is the one codec of its bytes.
//
// The bytes are UTF-8 text, one record a line, fields split by tabs:
//
//   Grisk and Varnok help 1
//   title   TEXT                       the viewer's caption
//   default TOPIC                      the page shown first
//   window  NAME  WIDTH  HEIGHT        a window layout, in pixels
//   contents LEVEL TARGET TITLE        a row of the contents tree (level 1..)
//   index   KEYWORD  TARGET            an entry of the keyword index
//   page    TOPIC  LENGTH              then LENGTH bytes of HTML and a line feed
//   end
//
// A target is a topic, or a topic, "#" and an anchor named in its page.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace help {

struct WindowType {
    QString name;
    int width = 0;
    int height = 0;
};

struct ContentsRow {
    int level = 1;
    QString target;
    QString title;
};

struct IndexEntry {
    QString keyword;
    QString target;
};

struct Page {
    QString topic;
    QString html;
};

struct Document {
    QString title;
    QString defaultTopic;
    std::vector<WindowType> windows;
    std::vector<ContentsRow> contents;
    std::vector<IndexEntry> index;
    std::vector<Page> pages;

    const Page* page(const QString& topic) const;
    const WindowType* window(const QString& name) const;
    // The index entry of a keyword, compared without regard to case or the
    // blanks around it; null when the index has none.
    const IndexEntry* lookup(const QString& keyword) const;
};

// The topic and the anchor of a target ("rules#kings": "rules", "kings").
QString TargetTopic(const QString& target);
QString TargetAnchor(const QString& target);

// False, with the reason, when a field would break its line (a tab or a
// line break in it) or a target names no page of the document.
bool Encode(const Document& doc, QByteArray& out, QString& error);
// False, with the reason, for bytes that are no help document: another
// head, a record out of place or cut short, a number out of range, a
// target without its page, or no end record.
bool Decode(const QByteArray& bytes, Document& out, QString& error);

}  // namespace help
