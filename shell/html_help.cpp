#include "shell/html_help.h"

#include <exception>

#include "engine/paths.h"
#include "engine/state.h"
#include "platform/help_viewer.h"
#include "platform/msgbox.h"
#include "platform/vb.h"

namespace grisk {

namespace {
// The class's messages: a box of its own title, with the warning icon.
void warn(const QString& text) { vb::MsgBox(text, vb::vbExclamation, QStringLiteral("HTML Help Class")); }

// A display that meets a run-time error ends quietly.
template <class F>
void quietly(F&& display) {
    try {
        display();
    } catch (const std::exception&) {
    }
}
}  // namespace

bool HTMLHelp::EnsureFileExists(QString& fileName) {
    if (!fileName.contains('/')) fileName = eng.AppFolder + "/" + fileName;
    if (FileExists(fileName)) return true;
    warn("The file " + fileName + " does not exist.\nPlease make sure the correct path and file name have been specified.");
    return false;
}

bool HTMLHelp::checkFile() {
    if (vb::Right(CHMFile, 3).compare(QLatin1String("chm"), Qt::CaseInsensitive) != 0) warn(CHMFile + " is not a valid HTML Help file.");
    return EnsureFileExists(CHMFile);
}

void HTMLHelp::HHDisplayContents() {
    quietly([this] {
        if (!checkFile()) return;
        const QString target = vb::Trim(HHWindow).isEmpty() ? CHMFile : CHMFile + ">" + HHWindow;
        handle_ = help::DisplayContents(target);
    });
}

void HTMLHelp::HHDisplayKeyword() {
    quietly([this] {
        if (!checkFile()) return;
        handle_ = help::DisplayTopic(CHMFile);
        help::KeywordLink link;
        link.keywords = HHKeyword;
        link.urlIfNotFound = HHDefaultURL;
        link.msgText = HHMsgText;
        link.msgTitle = HHMsgTitle;
        if (!vb::Trim(HHWindow).isEmpty()) link.window = HHWindow;
        handle_ = help::KeywordLookup(CHMFile, link);
    });
}

void HTMLHelp::HHClose() {
    quietly([] { help::CloseAll(); });
}

quintptr HTMLHelp::HHWndHandle() {
    if (handle_ == 0) warn(QStringLiteral("No HTML Help window handle to retrieve."));
    return handle_;
}

}  // namespace grisk
