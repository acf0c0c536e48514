#include "table/card_test_support.h"

#include <QFileInfo>

#include "engine/state.h"
#include "platform/sound.h"
#include "table/card_store.h"

namespace grisk_test {

void CardTest::SetUp() {
    GriskTest::SetUp();
    grisk::ReleaseCardPictureStores();
    grisk::eng.DataFolder = tempFolder() + "/";
    grisk::FrmGrisk& f = table();
    f.setScaleMode(vb::ScaleMode::Pixels);
    for (vb::ControlArray* a : {&f.Picture7, &f.Picture1, &f.Picture2, &f.Picture3})
        for (int i = 1; i <= 10; ++i) a->ensure(i).Move(0, 0, 71, 96);
    f.Picture1(0).Move(0, 0, 71, 96);
    for (int c = 0; c <= 3; ++c) f.PicCenter(c).Move(0, 0, 71, 96);
}

void CardTest::TearDown() { grisk::ReleaseCardPictureStores(); }

QImage cellOf(const QImage& sheet, int n) {
    const int suit = (n - 1) / 13;
    const int rank = (n - 1) % 13 + 1;
    return sheet.copy(rank * 71 - 70, suit * 96, 71, 96);
}

QImage markedSheet() {
    QImage s(13 * 71 + 1, 4 * 96, QImage::Format_RGB32);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            if (x == 0) {
                s.setPixel(x, y, qRgb(255, 0, 255));
                continue;
            }
            const int rank = (x - 1) / 71 + 1, suit = y / 96;
            const int n = suit * 13 + rank;
            s.setPixel(x, y, qRgb(n * 4, ((x - 1) % 71) * 3, (y % 96) * 2));
        }
    return s;
}

QString soundOf(const std::function<void()>& f) {
    const QString sentinel = QStringLiteral("/nonexistent/no-sound-asked.wav");
    sound::PlayAsync(sentinel);
    f();
    const QString last = sound::LastRequested();
    return last == sentinel ? QString() : QFileInfo(last).fileName();
}

OptionsStandIn::OptionsStandIn()
    : vb::Form(QStringLiteral("frmOptions")),
      FilePic(addArray(vb::Kind::PictureBox, "FilePic", 0)),
      picCardBack(addArray(vb::Kind::PictureBox, "picCardBack", 0)) {
    for (int i = 1; i <= 15; ++i) FilePic.Load(i);
}

}  // namespace grisk_test
