#include "platform/late_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>
#include <string>

namespace late {

namespace {

QString& folderSet() {
    static QString folder;
    return folder;
}

// One library per module, kept loaded for the rest of the run: objects it
// made may live until the application object goes.
std::map<std::string, std::unique_ptr<QLibrary>>& libraries() {
    static std::map<std::string, std::unique_ptr<QLibrary>> libs;
    return libs;
}

QLibrary* load(const char* module) {
    auto& libs = libraries();
    auto it = libs.find(module);
    if (it == libs.end()) {
        const QString folder = ModuleFolder();
        auto lib = std::make_unique<QLibrary>(folder + "/" + QString::fromLatin1(module));
        if (!lib->load())
            qWarning("The module %s could not be loaded: %s", module, qUtf8Printable(lib->errorString()));
        it = libs.emplace(module, std::move(lib)).first;
    }
    return it->second->isLoaded() ? it->second.get() : nullptr;
}

}  // namespace

void* Resolve(const char* module, const char* entry) {
    QLibrary* lib = load(module);
    if (!lib) return nullptr;
    void* f = reinterpret_cast<void*>(lib->resolve(entry));
    if (!f) qWarning("The module %s has no entry %s", module, entry);
    return f;
}

void SetModuleFolder(const QString& folder) { folderSet() = folder; }

QString ModuleFolder() { return folderSet().isEmpty() ? QCoreApplication::applicationDirPath() : folderSet(); }

bool IsLoaded(const char* module) {
    const auto& libs = libraries();
    const auto it = libs.find(module);
    return it != libs.end() && it->second->isLoaded();
}

}  // namespace late
