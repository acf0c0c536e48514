#include "platform/run_files.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <utility>
#include <vector>

namespace run_files {
namespace {

struct Writer {
    QString key;
    std::function<void()> write;
};

struct State {
    std::vector<Writer> pending;
    const void* shownWindow = nullptr;
    bool scheduled = false;
};

State& state() {
    static State s;
    return s;
}

}  // namespace

void Defer(const QString& key, std::function<void()> write) {
    Cancel(key);
    state().pending.push_back({key, std::move(write)});
}

void Cancel(const QString& key) {
    std::erase_if(state().pending, [&](const Writer& w) { return w.key == key; });
}

bool IsPending(const QString& key) {
    const std::vector<Writer>& p = state().pending;
    return std::any_of(p.begin(), p.end(), [&](const Writer& w) { return w.key == key; });
}

bool AnyPending() { return !state().pending.empty(); }

void WriteNow() {
    // A writer that reads these files itself finds nothing pending.
    std::vector<Writer> writers = std::exchange(state().pending, {});
    for (Writer& w : writers) w.write();
}

void WriteNow(const QString& key) {
    std::vector<Writer>& p = state().pending;
    const auto it = std::find_if(p.begin(), p.end(), [&](const Writer& w) { return w.key == key; });
    if (it == p.end()) return;
    const std::function<void()> write = std::move(it->write);
    p.erase(it);
    write();
}

void DropPending() { state().pending.clear(); }

void SetShownWindow(const void* window) { state().shownWindow = window; }

void Painted(const void* window) {
    State& s = state();
    if (!window || window != s.shownWindow || s.pending.empty() || s.scheduled || !QCoreApplication::instance())
        return;
    s.scheduled = true;
    // After the paint has reached the screen: the next turn of the event loop.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        state().scheduled = false;
        WriteNow();
    });
}

WriteResult WriteWhole(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return WriteResult::CannotOpen;
    const bool whole = out.write(bytes) == bytes.size() && out.flush();
    out.close();
    if (whole && out.error() == QFileDevice::NoError) return WriteResult::Written;
    out.remove();
    return WriteResult::Failed;
}

}  // namespace run_files
