// grisk-help SOURCEDIR OUTFILE: writes the help document the program shows
// (platform/help_document.h) from the manual's sources, one topic a file,
// taken in the order of their file names (SOURCEDIR/*.txt).
//
// A source file starts with its settings, one a line:
//   @topic NAME              the topic's name (letters, digits, "-")
//   @title TEXT              its title in the contents
//   @index KEYWORD[; ...] [-> #ANCHOR]
//                            entries of the keyword index, leading to the
//                            topic or to a section of it
// The first source is the document's default topic; the contents tree of
// every topic and its sections is written at its end.
//
// Then the text, in a small markup:
//   # Title / ## Section {#anchor} / ### Sub-section
//   a blank line ends a paragraph; "- " starts a list item
//   "| a | b |" is a table row, "|! a | b |" a heading row
//   **bold**, `a key`, [text](topic#anchor)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>
#include <cstdio>

#include "platform/help_document.h"

namespace {

struct Section {
    QString anchor;
    QString title;
};

struct Topic {
    QString name;
    QString title;
    QString html;
    std::vector<Section> sections;
    std::vector<help::IndexEntry> index;
};

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// Bold, keys and links within a line (the text is escaped first).
QString inlineMarkup(const QString& line) {
    QString s = escaped(line);
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    static const QRegularExpression key(QStringLiteral("`(.+?)`"));
    static const QRegularExpression link(QStringLiteral("\\[(.+?)\\]\\(([A-Za-z0-9_#-]+)\\)"));
    s.replace(bold, QStringLiteral("<b>\\1</b>"));
    s.replace(key, QStringLiteral("<span class=\"key\">\\1</span>"));
    s.replace(link, QStringLiteral("<a href=\"\\2\">\\1</a>"));
    return s;
}

class Converter {
public:
    explicit Converter(Topic& topic) : topic_(topic) {}

    void line(const QString& raw) {
        const QString text = raw.trimmed();
        if (text.isEmpty()) {
            closeBlocks();
            return;
        }
        if (text.startsWith('#')) {
            closeBlocks();
            heading(text);
        } else if (text.startsWith(QLatin1String("- "))) {
            closeParagraph();
            closeTable();
            if (!inList_) out_ += "<ul>\n";
            inList_ = true;
            out_ += "<li>" + inlineMarkup(text.mid(2)) + "</li>\n";
        } else if (text.startsWith('|')) {
            closeParagraph();
            closeList();
            tableRow(text);
        } else {
            closeList();
            closeTable();
            out_ += inParagraph_ ? "\n" : "<p>";
            inParagraph_ = true;
            out_ += inlineMarkup(text);
        }
    }

    QString finish() {
        closeBlocks();
        return out_;
    }

private:
    void heading(const QString& text) {
        static const QRegularExpression pattern(QStringLiteral("^(#{1,3})\\s+(.*?)\\s*(\\{#([A-Za-z0-9_-]+)\\})?$"));
        const QRegularExpressionMatch m = pattern.match(text);
        const int level = static_cast<int>(m.captured(1).size());
        const QString title = m.captured(2);
        const QString anchor = m.captured(4);
        const QString tag = "h" + QString::number(level);
        out_ += "<" + tag + ">";
        if (!anchor.isEmpty()) {
            out_ += "<a name=\"" + anchor + "\"></a>";
            if (level == 2) topic_.sections.push_back({anchor, title});
        }
        out_ += inlineMarkup(title) + "</" + tag + ">\n";
    }

    void tableRow(const QString& text) {
        const bool head = text.startsWith(QLatin1String("|!"));
        QString body = text.mid(head ? 2 : 1);
        if (body.endsWith('|')) body.chop(1);
        if (!inTable_) out_ += "<table cellspacing=\"0\">\n";
        inTable_ = true;
        const QString cell = head ? QStringLiteral("th") : QStringLiteral("td");
        out_ += "<tr>";
        for (const QString& c : body.split('|'))
            out_ += "<" + cell + ">" + inlineMarkup(c.trimmed()) + "</" + cell + ">";
        out_ += "</tr>\n";
    }

    void closeParagraph() {
        if (inParagraph_) out_ += "</p>\n";
        inParagraph_ = false;
    }
    void closeList() {
        if (inList_) out_ += "</ul>\n";
        inList_ = false;
    }
    void closeTable() {
        if (inTable_) out_ += "</table>\n";
        inTable_ = false;
    }
    void closeBlocks() {
        closeParagraph();
        closeList();
        closeTable();
    }

    Topic& topic_;
    QString out_;
    bool inParagraph_ = false;
    bool inList_ = false;
    bool inTable_ = false;
};

bool readTopic(const QString& path, Topic& topic, QString& error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = f.errorString();
        return false;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    Converter convert(topic);
    bool settings = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (settings && line.startsWith('@')) {
            const QString name = line.section(' ', 0, 0);
            const QString value = line.section(' ', 1).trimmed();
            if (name == "@topic") {
                topic.name = value;
            } else if (name == "@title") {
                topic.title = value;
            } else if (name == "@index") {
                const QString keywords = value.section(QStringLiteral("->"), 0, 0);
                const QString anchor = value.section(QStringLiteral("->"), 1).trimmed();
                if (!anchor.isEmpty() && !anchor.startsWith('#')) {
                    error = "an index entry leads to \"" + anchor + "\", not to an anchor";
                    return false;
                }
                for (const QString& k : keywords.split(';'))
                    if (!k.trimmed().isEmpty()) topic.index.push_back({k.trimmed(), anchor});
            } else {
                error = "unknown setting " + name;
                return false;
            }
            continue;
        }
        settings = false;
        convert.line(line);
    }
    topic.html = convert.finish();
    if (topic.name.isEmpty() || topic.title.isEmpty()) {
        error = "no @topic or no @title";
        return false;
    }
    for (help::IndexEntry& e : topic.index) e.target = topic.name + e.target;
    return true;
}

// Every anchor an index entry leads to stands in its page, and no keyword
// stands twice in the index (the viewer would only ever find the first).
bool checkIndex(const std::vector<Topic>& topics, QString& error) {
    QSet<QString> keywords;
    for (const Topic& t : topics)
        for (const help::IndexEntry& e : t.index) {
            if (keywords.contains(e.keyword.toLower())) {
                error = "the keyword \"" + e.keyword + "\" stands twice in the index";
                return false;
            }
            keywords.insert(e.keyword.toLower());
            const QString anchor = help::TargetAnchor(e.target);
            if (!anchor.isEmpty() && !t.html.contains("<a name=\"" + anchor + "\">")) {
                error = "the index entry \"" + e.keyword + "\" leads to the missing anchor #" + anchor;
                return false;
            }
        }
    return true;
}

QString contentsList(const std::vector<Topic>& topics) {
    QString html = "<ul>\n";
    for (std::size_t i = 1; i < topics.size(); ++i) {
        const Topic& t = topics[i];
        html += "<li><a href=\"" + t.name + "\">" + escaped(t.title) + "</a>";
        if (!t.sections.empty()) {
            html += "\n<ul>\n";
            for (const Section& s : t.sections)
                html += "<li><a href=\"" + t.name + "#" + s.anchor + "\">" + inlineMarkup(s.title) + "</a></li>\n";
            html += "</ul>\n";
        }
        html += "</li>\n";
    }
    return html + "</ul>\n";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: grisk-help SOURCEDIR OUTFILE\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    const QStringList files = sources.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    std::vector<Topic> topics;
    QString error;
    for (const QString& name : files) {
        Topic t;
        if (!readTopic(sources.filePath(name), t, error)) {
            std::fprintf(stderr, "grisk-help: %s: %s\n", qUtf8Printable(name), qUtf8Printable(error));
            return 1;
        }
        topics.push_back(std::move(t));
    }
    if (topics.empty()) {
        std::fprintf(stderr, "grisk-help: no topics in %s\n", argv[1]);
        return 1;
    }
    if (!checkIndex(topics, error)) {
        std::fprintf(stderr, "grisk-help: %s\n", qUtf8Printable(error));
        return 1;
    }

    help::Document doc;
    doc.title = QStringLiteral("Grisk and Varnok Help");
    doc.defaultTopic = topics.front().name;
    doc.windows.push_back({QStringLiteral("Size"), 800, 600});
    topics.front().html += contentsList(topics);
    for (const Topic& t : topics) {
        doc.contents.push_back({1, t.name, t.title});
        for (const Section& s : t.sections) doc.contents.push_back({2, t.name + "#" + s.anchor, s.title});
        doc.index.insert(doc.index.end(), t.index.begin(), t.index.end());
        doc.pages.push_back({t.name, t.html});
    }
    QByteArray bytes;
    if (!help::Encode(doc, bytes, error)) {
        std::fprintf(stderr, "grisk-help: %s\n", qUtf8Printable(error));
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "grisk-help: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
