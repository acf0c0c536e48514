#include "engine/paths.h"

#include <cstdio>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "engine/state.h"
#include "platform/run_files.h"
#include "platform/vb.h"

namespace grisk {

QString GetAppDataFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) return QString();
    return base + "/Quenmoor/Grisk and Varnok";
}

QString GetSpecialFolder(long folderId) {
    QString path;
    if (folderId == kFolderPersonal)
        path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    else if (folderId == kFolderAppData)
        path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (path.isEmpty()) return eng.AppFolder;
    return path;
}

QString ProgramFolder() {
    return StripTrailingSlash(QCoreApplication::applicationDirPath());
}

QString UserSoundsFolder() {
    run_files::WriteNow();
    return eng.UserFolder + "Sounds/";
}

void SetFolders() {
    eng.AppFolder = ProgramFolder();
    const QString base = GetAppDataFolder();
    eng.DataFolder = base + "/Data/";
    eng.UserFolder = base + "/User/";
    eng.DocumentsFolder = GetSpecialFolder(kFolderPersonal);
}

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    if (path.contains('*') || path.contains('?')) {
        const QFileInfo fi(path);
        const QDir dir = fi.dir();
        if (!dir.exists()) return false;
        return !dir.entryList({fi.fileName()}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                                   QDir::System)
                    .isEmpty();
    }
    return QFileInfo::exists(path);
}

QString StripTrailingSlash(const QString& path) {
    QString p = vb::Trim(path);
    if (p.size() > 1 && (p.endsWith('/') || p.endsWith('\\'))) p.chop(1);
    return p;
}

bool FolderExists(QString& path) {
    path = StripTrailingSlash(path);
    if (path.isEmpty()) return false;
    const QFileInfo fi(path);
    return fi.exists() && fi.isDir();
}

bool CopyFileWhole(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) return false;
    }
    return out.commit();
}

namespace {
bool replaceFails = false;
}  // namespace

void FailNextReplaceFileForTests(bool fail) { replaceFails = fail; }

bool ReplaceFile(const QString& from, const QString& to) {
    if (std::exchange(replaceFails, false)) return false;
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace grisk
