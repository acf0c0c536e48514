#include "platform/common_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "platform/eventwait.h"
#include "platform/vb.h"
#include "platform/vberror.h"

namespace vb {
namespace {

struct Answer {
    QString file;
    int32_t color = 0;
    bool cancel = true;
};

struct Script {
    bool on = false;
    std::deque<Answer> answers;
    std::vector<ShownDialog> shown;
    std::function<void()> whileOpen;
};

Script& script() {
    static Script s;
    return s;
}


// The answer of the dialog: scripted, or from the person at the screen.
std::optional<Answer> ask(ShownDialog::Kind kind, CommonDialog& d) {
    ShownDialog record{kind, d.DialogTitle, d.Filter, d.InitDir, d.Flags, false};
    Script& s = script();
    Answer a;
    if (s.on) {
        if (s.whileOpen) std::exchange(s.whileOpen, nullptr)();
        if (!s.answers.empty()) {
            a = s.answers.front();
            s.answers.pop_front();
        }
    } else {
        waits::BusyScope busy;
        QWidget* parent = QApplication::activeWindow();
        if (kind == ShownDialog::Colour) {
            const QColor start((d.Flags & cdlCCRGBInit) ? QColor(ColorRed(d.Color), ColorGreen(d.Color), ColorBlue(d.Color))
                                                        : QColor(Qt::white));
            const QColor c = QColorDialog::getColor(start, parent, d.DialogTitle);
            a.cancel = !c.isValid();
            a.color = RGB(c.red(), c.green(), c.blue());
        } else {
            QString dir = d.InitDir;
            if (!d.FileName.isEmpty()) dir = QFileInfo(d.FileName).isAbsolute() ? d.FileName : dir + "/" + d.FileName;
            // The patterns are shown as the caller named them, not as matched.
            QFileDialog::Options options = QFileDialog::HideNameFilterDetails;
            if (!(d.Flags & cdlOFNOverwritePrompt)) options |= QFileDialog::DontConfirmOverwrite;
            a.file = kind == ShownDialog::Open
                         ? QFileDialog::getOpenFileName(parent, d.DialogTitle, dir, QtNameFilter(d.Filter), nullptr, options)
                         : QFileDialog::getSaveFileName(parent, d.DialogTitle, dir, QtNameFilter(d.Filter), nullptr, options);
            a.cancel = a.file.isEmpty();
        }
    }
    record.cancelled = a.cancel;
    s.shown.push_back(record);
    if (s.shown.size() > 1000) s.shown.erase(s.shown.begin());
    if (a.cancel) {
        if (d.CancelError) raise(cdlCancel, "Cancel was selected.");
        return std::nullopt;
    }
    return a;
}

void takeFile(CommonDialog& d, const std::optional<Answer>& a, bool saving) {
    if (!a) return;
    QString path = a->file;
    if (saving && !d.DefaultExt.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += "." + d.DefaultExt;
    d.FileName = path;
    d.FileTitle = QFileInfo(path).fileName();
}

}  // namespace

QString QtNameFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // Every letter matches in either case: "*.jpg" offers "PHOTO.JPG".
        QString patterns;
        for (const QChar c : parts[i + 1]) {
            if (c == ';')
                patterns += ' ';
            else if (c.isLetter() && c.toLower() != c.toUpper())
                patterns += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
            else
                patterns += c;
        }
        out << parts[i] + " (" + patterns + ")";
    }
    return out.join(";;");
}

void CommonDialog::ShowOpen() { takeFile(*this, ask(ShownDialog::Open, *this), false); }

void CommonDialog::ShowSave() { takeFile(*this, ask(ShownDialog::Save, *this), true); }

void CommonDialog::ShowColor() {
    if (const std::optional<Answer> a = ask(ShownDialog::Colour, *this)) Color = a->color;
}

namespace dialog_script {
void enable() {
    Script& s = script();
    s.on = true;
    s.answers.clear();
    s.shown.clear();
    s.whileOpen = nullptr;
}
void disable() { script().on = false; }
bool enabled() { return script().on; }
void pushFile(const QString& path) { script().answers.push_back(Answer{path, 0, false}); }
void pushColor(int32_t color) { script().answers.push_back(Answer{QString(), color, false}); }
void pushCancel() { script().answers.push_back(Answer{}); }
void runWhileOpen(std::function<void()> act) { script().whileOpen = std::move(act); }
const std::vector<ShownDialog>& shown() { return script().shown; }
}  // namespace dialog_script

}  // namespace vb
