#include "engine/flash.h"

#include <QFile>
#include <QPainter>
#include <algorithm>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/state.h"
#include "platform/personality_programs.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "table/animation_flow.h"
#include "table/background.h"

namespace grisk {

namespace {

constexpr int kFrames = pms::kFrameCount;
constexpr int kSteps = 14;
// How long the show waits for a personality's program to write its frames.
constexpr int kProgramWaitMs = 3000;
// The waits between frames are taken in slices, so that a new game or a
// close is seen soon.
constexpr double kSliceSeconds = 0.05;
const QString kDefaultOpponent = QStringLiteral("Grisk");

// The frames of a personality from its program's files; true when at least
// one frame was loaded (a frame that cannot be loaded keeps its picture).
bool loadProgramFrames(const QString& name) {
    pms::RunPersonalityProgram(name, QStringLiteral("/QORVN"), eng.AppFolder + "/Data/PMS/", eng.DataFolder,
                               kProgramWaitMs);
    FrmFlasher& flasher = frmFlasher();
    bool any = false;
    for (int i = 1; i <= kFrames; ++i) {
        const QString file = eng.DataFolder + name + QString::number(i) + ".tmp";
        QImage frame;
        if (QFile::exists(file) && frame.load(file)) {
            flasher.ImgFlash(i).setPicture(frame);
            any = true;
        }
        QFile::remove(file);
    }
    return any;
}

// Where the show is painted (twips), hiding the pile it covers.
QPointF showPlace(FrmGrisk& f) {
    if (eng.NumPlayers == 2 && eng.NumCenters == 3) {
        f.PicCenter(1).setVisible(false);
        return {0, f.Label9(2).topTw()};
    }
    if (eng.NumPlayers == 2) return {40, f.imgCenter.topTw()};
    f.Picture7(1).setVisible(false);
    return {f.imgCenter.leftTw() + f.imgCenter.widthTw(), f.Label9(2).topTw() - 220};
}

void paintFrame(FrmGrisk& f, const QImage& table, QPointF placeTw, int frame) {
    FrmFlasher& flasher = frmFlasher();
    flasher.setPicture(flasher.ImgFlash(frame).Picture());
    QImage surface = table;
    QPainter p(&surface);
    p.drawImage(QPointF(screen::TwipsToPixels(placeTw.x()), screen::TwipsToPixels(placeTw.y())), flasher.Picture());
    p.end();
    f.setPicture(surface);
    flasher.FramesShown.push_back(frame);
}

// A new game has begun with another seat to move.
bool showOvertaken() { return eng.OppSideCount != 0 && eng.Pturn != 1; }

// Waits out a frame's time, letting events run. False when the show is to
// end: the program is closing or a new game overtook it.
bool frameWait(double seconds) {
    for (double waited = 0; waited < seconds; waited += kSliceSeconds) {
        Pause(std::min(kSliceSeconds, seconds - waited));
        if (eng.Quitting || showOvertaken()) return false;
    }
    return true;
}

}  // namespace

FrmFlasher::FrmFlasher()
    : vb::Form(QStringLiteral("frmFlasher")), ImgFlash(addArray(vb::Kind::Image, "ImgFlash", 1)) {
    for (int i = 2; i <= kFrames; ++i) ImgFlash.Load(i);
    for (int i = 1; i <= kFrames; ++i) {
        vb::Control& frame = ImgFlash(i);
        frame.setGeometryTw(0, 0, screen::PixelsToTwips(pms::kFrameWidth), screen::PixelsToTwips(pms::kFrameHeight));
        frame.setPicture(pms::PersonalityFrame(kDefaultOpponent, i));
    }
}

FrmFlasher& frmFlasher() { return vb::DefaultInstance<FrmFlasher>::getLoaded(); }
bool FrmFlasherExists() { return vb::DefaultInstance<FrmFlasher>::exists(); }
void ReleaseFrmFlasher() { vb::DefaultInstance<FrmFlasher>::release(); }

void Flash(int tempPerson) {
    if (!recs.OppTable.inRange({tempPerson, 1})) return;
    const int mode = static_cast<int>(vb::Val(eng.SoundFiles(0)));
    QString name = vb::Trim(recs.OppTable(tempPerson, 1));
    if (name == QLatin1String("Zozida")) name = QStringLiteral("Voze");

    if (name == kDefaultOpponent && eng.FlashLoaded) {
        // Back to the frames as designed.
        frmFlasher().Unload();
        eng.FlashLoaded = false;
    }
    if (eng.FlashLoadedFor != tempPerson) {
        eng.FlashLoaded = false;
        eng.FlashLoadedFor = tempPerson;
    }
    if (name != kDefaultOpponent && !eng.FlashLoaded) eng.FlashLoaded = loadProgramFrames(name);

    FrmGrisk& f = frmGrisk();
    frmFlasher().FramesShown.clear();
    const QPointF place = showPlace(f);
    const QImage table = TableSurface(f);
    int frame = 0;
    bool forward = true;
    for (int step = 1; step <= kSteps; ++step) {
        if (eng.Quitting) return;
        double delay = 0.25;
        if (!forward) {
            frame -= 1;
            if (frame == 0) break;
        } else {
            frame += 1;
            if (frame == 1) delay = 0.45;
            if (frame == kFrames) delay = 0.75;
        }
        paintFrame(f, table, place, frame);
        if (forward && frame == kFrames) {
            forward = false;
            if (mode == 1) {
                frame = 0;
                forward = true;
            }
        }
        if (!frameWait(delay)) {
            if (eng.Quitting) return;
            break;
        }
    }

    Pause(0.2);
    if (BackgroundPictureChosen())
        LoadTableBackground();
    else
        f.setPicture(QImage());
    f.Picture7(1).setVisible(true);
    f.PicCenter(1).setVisible(true);
}

}  // namespace grisk
