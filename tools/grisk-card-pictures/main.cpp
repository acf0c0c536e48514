// grisk-card-pictures OUTDIR: paints every card picture the program shows
// (face sheets in both card sizes, rank-only decks, backs, the plain back,
// the empty-pile marks and the centre boards) into one pack,
// OUTDIR/card_pictures.pack, and writes OUTDIR/card_pictures_pack.h, which
// names the pack and its checksum for the source file that builds the pack
// into the program. It runs at build time, so the program never paints a
// card at start-up.
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "table/card_art_paint.h"

namespace art = grisk::card_art;

namespace {

// Writes bytes to path unless the file already holds them, so that an
// unchanged picture does not make the build compile the resources again.
bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes) return true;
    old.close();
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size() && out.flush())
        return true;
    std::fprintf(stderr, "grisk-card-pictures: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grisk-card-pictures OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "grisk-card-pictures: cannot make %s\n", argv[1]);
        return 1;
    }
    const QByteArray pack = art::PackPictures(art::CompiledPictures());
    const QString packPath = out.absoluteFilePath(QStringLiteral("card_pictures.pack"));
    const QByteArray header =
        "// Written by grisk-card-pictures: the card pictures' pack and its checksum.\n"
        "#define GRISK_CARD_PICTURES_PACK \"" + packPath.toUtf8() + "\"\n"
        "#define GRISK_CARD_PICTURES_SUM \"" +
        QCryptographicHash::hash(pack, QCryptographicHash::Sha256).toHex() + "\"\n";
    bool ok = writeIfChanged(packPath, pack);
    ok = writeIfChanged(out.filePath(QStringLiteral("card_pictures_pack.h")), header) && ok;
    return ok ? 0 : 1;
}
