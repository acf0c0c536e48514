#include "engine/general.h"

#include <vector>

#include <QDesktopServices>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <cmath>

#include "engine/paths.h"
#include "engine/state.h"
#include "platform/controls.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/recordfile.h"
#include "platform/settings.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "records/text_line_record.h"

namespace grisk {

namespace {
constexpr double kDaySeconds = 86400.0;
// The longest single sleep inside a pause: keeps the loop's tests of
// Quitting and the clock regular.
constexpr int kSliceMs = 250;

QString& cpuInfoPath() {
    static QString path = QStringLiteral("/proc/cpuinfo");
    return path;
}
}  // namespace

void Pause(double seconds) {
    const double wanted = seconds * waits::PauseScale();
    if (!(wanted > 0)) return;
    waits::BusyScope busy;
    const double start = waits::SecondsSinceMidnight();
    const double end = std::min(start + wanted, kDaySeconds);
    for (;;) {
        if (eng.Quitting) break;
        const double now = waits::SecondsSinceMidnight();
        if (!(now < start + wanted)) break;
        if (now < start) break;  // the clock passed midnight
        const int ms = std::clamp(static_cast<int>(std::ceil((end - now) * 1000.0)), 1, kSliceMs);
        if (eng.Flipping)
            waits::SleepNoEvents(ms);
        else
            waits::WaitEvents(ms);
    }
}

int AnimSpeedForMhz(long mhz) {
    if (mhz < 850) return 20;
    if (mhz < 1800) return 45;
    if (mhz < 2400) return 70;
    return 95;
}

long CpuMhzFromText(const QString& cpuinfo) {
    static const QRegularExpression re(QStringLiteral("^cpu MHz\\s*:\\s*([0-9]+(\\.[0-9]*)?)"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = re.match(cpuinfo);
    if (!m.hasMatch()) return 0;
    return static_cast<long>(m.captured(1).toDouble() + 0.5);
}

void SetCpuInfoPath(const QString& path) { cpuInfoPath() = path; }

long GetCpuMhz(bool setSpeed) {
    long mhz = 0;
    QFile f(cpuInfoPath());
    if (f.open(QIODevice::ReadOnly)) mhz = CpuMhzFromText(QString::fromLatin1(f.readAll()));
    if (mhz == 0 && cpuInfoPath() == QLatin1String("/proc/cpuinfo")) {
        // Some processors report no current speed; the frequency driver knows
        // the highest (in kHz).
        QFile maxFreq(QStringLiteral("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"));
        if (maxFreq.open(QIODevice::ReadOnly)) mhz = maxFreq.readAll().trimmed().toLong() / 1000;
    }
    if (setSpeed) recs.AnimSpeed = AnimSpeedForMhz(mhz);
    return mhz;
}

bool IsNormalDpi() { return screen::Current().logicalDpiX == 96; }

void OpenWebPage(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target, eng.AppFolder, QUrl::AssumeLocalFile);
    const bool ok = url.isValid() && !target.trimmed().isEmpty() && QDesktopServices::openUrl(url);
    eng.RetVal = ok ? 33 : 0;
    if (eng.RetVal <= 32) vb::MsgBox(QStringLiteral("Unable to launch default browser"), vb::vbOKOnly);
}

bool HasBadFileNameChar(const QString& name) {
    static const QString bad = QLatin1String(kBadFileNameChars);
    for (eng.LoopIndex = 1; eng.LoopIndex <= bad.size(); ++eng.LoopIndex) {
        if (name.contains(bad[eng.LoopIndex - 1])) {
            eng.LoopIndex2 = eng.LoopIndex;
            vb::MsgBox(QStringLiteral("Please do not use the following characters:  \n\n"
                                      "/ \\ : * . ? ! < > | \"\n\nPlease re-enter."),
                       vb::vbExclamation, QStringLiteral("Non-standard filename character"));
            return true;
        }
    }
    return false;
}

bool IsFormLoaded(const QString& formName) {
    for (vb::Form* f : vb::forms::loaded())
        if (f->Name() == formName) return true;
    return false;
}

void UnloadFormNamed(const QString& formName) {
    for (vb::Form* form : std::vector<vb::Form*>(vb::forms::loaded()))
        if (form->Name() == formName) form->Unload(1);
}

QString MessageTextFile() { return eng.AppFolder + "/Data/snackade.ran"; }

QString GetMessageText(int first, int last) {
    QString text;
    if (first > last) return text;
    vb::RecordFile file;
    // A missing message file reads as blank records: the texts are only
    // missing from what is shown.
    const bool open = file.open(MessageTextFile(), kTextLineRecordLength);
    eng.TextFileNum = open ? 1 : 0;
    for (int n = first; n <= last; ++n) {
        QByteArray record;
        if (open && n >= 1) file.read(n, record);
        text += vb::Trim(TextLineRecord::decode(record).Text.remove(QChar(0))) + " ";
    }
    return text;
}

QString GetLastFolder() {
    QString folder = vb::GetSetting("Quenmoor", "Settings10", "LastDir", "");
    if (!folder.isEmpty() && FolderExists(folder)) return folder;
    return eng.DocumentsFolder;
}

void SaveLastFolder(const QString& folder) {
    vb::SaveSetting("Quenmoor", "Settings10", "LastDir", folder);
}

QString CutFileTitle(const QString& path, const QString& title) {
    const int n = static_cast<int>(path.size()) - static_cast<int>(title.size()) - 1;
    if (n <= 0) return QString();
    return path.left(n);
}

}  // namespace grisk
