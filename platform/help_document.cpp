#include "platform/help_document.h"

#include <QRegularExpression>
#include <QSet>

namespace help {

namespace {

constexpr char kHead[] = "Grisk and Varnok help 1";
constexpr int kMaxLevel = 9;
constexpr int kMinWindowPx = 100;
constexpr int kMaxWindowPx = 4000;

bool validTopic(const QString& topic) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    return pattern.match(topic).hasMatch();
}

bool validField(const QString& field) {
    return !field.contains('\t') && !field.contains('\n') && !field.contains('\r');
}

// Every target names a page, and so does the default topic.
bool checkTargets(const Document& doc, QString& error) {
    QSet<QString> topics;
    for (const Page& p : doc.pages) {
        if (!validTopic(p.topic)) {
            error = "a page has the name \"" + p.topic + "\"";
            return false;
        }
        if (topics.contains(p.topic)) {
            error = "two pages are named \"" + p.topic + "\"";
            return false;
        }
        topics.insert(p.topic);
    }
    const auto known = [&](const QString& target) { return topics.contains(TargetTopic(target)); };
    if (!known(doc.defaultTopic)) {
        error = "the default topic \"" + doc.defaultTopic + "\" has no page";
        return false;
    }
    for (const ContentsRow& row : doc.contents)
        if (!known(row.target)) {
            error = "the contents row \"" + row.title + "\" leads to no page";
            return false;
        }
    for (const IndexEntry& entry : doc.index)
        if (!known(entry.target)) {
            error = "the index entry \"" + entry.keyword + "\" leads to no page";
            return false;
        }
    return true;
}

// A whole number in range, or false.
bool number(const QString& text, int low, int high, int& out) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < low || n > high) return false;
    out = n;
    return true;
}

}  // namespace

QString TargetTopic(const QString& target) { return target.section('#', 0, 0); }

QString TargetAnchor(const QString& target) {
    const qsizetype hash = target.indexOf('#');
    return hash < 0 ? QString() : target.mid(hash + 1);
}

const Page* Document::page(const QString& topic) const {
    for (const Page& p : pages)
        if (p.topic == topic) return &p;
    return nullptr;
}

const WindowType* Document::window(const QString& name) const {
    for (const WindowType& w : windows)
        if (w.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0) return &w;
    return nullptr;
}

const IndexEntry* Document::lookup(const QString& keyword) const {
    const QString wanted = keyword.trimmed();
    if (wanted.isEmpty()) return nullptr;
    for (const IndexEntry& e : index)
        if (e.keyword.compare(wanted, Qt::CaseInsensitive) == 0) return &e;
    return nullptr;
}

bool Encode(const Document& doc, QByteArray& out, QString& error) {
    if (!checkTargets(doc, error)) return false;
    QStringList fields{doc.title, doc.defaultTopic};
    for (const WindowType& w : doc.windows) fields << w.name;
    for (const ContentsRow& r : doc.contents) fields << r.title << r.target;
    for (const IndexEntry& e : doc.index) fields << e.keyword << e.target;
    for (const QString& f : fields)
        if (!validField(f)) {
            error = "the field \"" + f + "\" holds a tab or a line break";
            return false;
        }
    for (const WindowType& w : doc.windows)
        if (w.width < kMinWindowPx || w.width > kMaxWindowPx || w.height < kMinWindowPx || w.height > kMaxWindowPx) {
            error = "the window \"" + w.name + "\" has no sensible size";
            return false;
        }
    for (const ContentsRow& r : doc.contents)
        if (r.level < 1 || r.level > kMaxLevel) {
            error = "the contents row \"" + r.title + "\" has level " + QString::number(r.level);
            return false;
        }

    out.clear();
    const auto line = [&out](const QStringList& parts) { out += parts.join('\t').toUtf8() + '\n'; };
    out += kHead;
    out += '\n';
    line({"title", doc.title});
    line({"default", doc.defaultTopic});
    for (const WindowType& w : doc.windows)
        line({"window", w.name, QString::number(w.width), QString::number(w.height)});
    for (const ContentsRow& r : doc.contents) line({"contents", QString::number(r.level), r.target, r.title});
    for (const IndexEntry& e : doc.index) line({"index", e.keyword, e.target});
    for (const Page& p : doc.pages) {
        const QByteArray html = p.html.toUtf8();
        line({"page", p.topic, QString::number(html.size())});
        out += html;
        out += '\n';
    }
    out += "end\n";
    return true;
}

bool Decode(const QByteArray& bytes, Document& out, QString& error) {
    Document doc;
    qsizetype at = 0;
    int lineNo = 0;
    // The next line without its line feed; false at the end of the bytes.
    const auto nextLine = [&](QString& text) {
        if (at >= bytes.size()) return false;
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) end = bytes.size();
        text = QString::fromUtf8(bytes.constData() + at, end - at);
        at = end + 1;
        ++lineNo;
        return true;
    };
    const auto fail = [&](const QString& why) {
        error = "line " + QString::number(lineNo) + ": " + why;
        return false;
    };

    QString text;
    if (!nextLine(text) || text != QLatin1String(kHead)) {
        error = "this is no help document of this program";
        return false;
    }
    bool ended = false;
    while (!ended && nextLine(text)) {
        const QStringList f = text.split('\t');
        const QString& kind = f[0];
        if (kind == "title" && f.size() == 2) {
            doc.title = f[1];
        } else if (kind == "default" && f.size() == 2) {
            doc.defaultTopic = f[1];
        } else if (kind == "window" && f.size() == 4) {
            WindowType w{f[1], 0, 0};
            if (!number(f[2], kMinWindowPx, kMaxWindowPx, w.width) ||
                !number(f[3], kMinWindowPx, kMaxWindowPx, w.height))
                return fail("a window of no sensible size");
            doc.windows.push_back(w);
        } else if (kind == "contents" && f.size() == 4) {
            ContentsRow r{0, f[2], f[3]};
            if (!number(f[1], 1, kMaxLevel, r.level)) return fail("a contents row at no level");
            doc.contents.push_back(r);
        } else if (kind == "index" && f.size() == 3) {
            doc.index.push_back({f[1], f[2]});
        } else if (kind == "page" && f.size() == 3) {
            int length = 0;
            if (!number(f[2], 0, static_cast<int>(std::min<qsizetype>(bytes.size() - at, INT32_MAX)), length) ||
                at + length >= bytes.size() || bytes[at + length] != '\n')
                return fail("the page \"" + f[1] + "\" is cut short");
            doc.pages.push_back({f[1], QString::fromUtf8(bytes.constData() + at, length)});
            at += length + 1;
            lineNo += static_cast<int>(bytes.mid(at - length - 1, length).count('\n')) + 1;
        } else if (kind == "end" && f.size() == 1) {
            ended = true;
        } else {
            return fail("a record this program does not know: \"" + text.left(40) + "\"");
        }
    }
    if (!ended) {
        error = "the document is cut short (no end record)";
        return false;
    }
    if (!checkTargets(doc, error)) return false;
    out = std::move(doc);
    return true;
}

}  // namespace help
