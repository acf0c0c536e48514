// The opponent set-up window's sound panel: a personality's custom sounds,
// one per sound event, played, changed, put back to the personality's own
// and saved into its personality file; and the notice of missing sounds.
#include <QFileInfo>

#include "engine/paths.h"
#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/frm_multi.h"
#include "records/personality.h"
#include "records/personality_record.h"
#include "records/record_fields.h"
#include "records/state.h"

namespace grisk {

namespace {

QString soundsFolder() { return UserSoundsFolder(); }

// The personality file cannot be used: the box says so, and nothing changes.
void refuseSounds(const QString& name, const QString& what) {
    vb::MsgBox(name + "'s personality file " + what + ", so its sounds cannot be changed.", vb::vbInformation,
               QStringLiteral("Personality Sounds"));
}

}  // namespace

void FrmMulti::cmdSounds_Click() {
    if (ChangedPerson) {
        vb::MsgBox(QStringLiteral("Save this new opponent first, then customize your sounds."), vb::vbInformation,
                   QStringLiteral("Save before customizing sounds"));
        return;
    }
    const QString name = CboOpponent.Text();
    PersonalityRecord pms;
    if (!ReadPersonalityFile(name, pms)) {
        refuseSounds(name, QStringLiteral("is missing or cannot be read"));
        return;
    }
    setWidth(FullWidth);
    recs.PmsRecord = pms;
    for (int i = 1; i <= 16; ++i) {
        SoundTable(i, 0) = StoredText(pms.Sounds(1, i));
        SoundTable(i, 1) = soundsFolder() + SoundTable(i, 0);
        SoundTable(i, 2) = StoredText(pms.Sounds(0, i));
    }
    showSoundTable();
}

void FrmMulti::showSoundTable() {
    for (int i = 1; i <= 16; ++i) lblSound(i).setCaption(SoundTable(i, 0));
}

void FrmMulti::playEvent(int Index) {
    if (SoundTable.inRange({Index, 1}) && !SoundTable(Index, 0).isEmpty()) sound::PlayAsync(SoundTable(Index, 1));
}

void FrmMulti::OptPlay_Click(int Index) {
    imgPoint.setTop(OptPlay(Index).Top());
    imgPoint.setVisible(true);
    SoundEvent = Index;
    playEvent(Index);
    // Not left selected, so that the same event can be played again.
    OptPlay(Index).setValue(0);
}

void FrmMulti::CmdChangeSound_Click() {
    vb::CommonDialog dlgCommon;
    dlgCommon.InitDir = StripTrailingSlash(UserSoundsFolder());
    dlgCommon.FileName.clear();
    dlgCommon.Flags = vb::cdlOFNHideReadOnly;
    dlgCommon.Filter = QStringLiteral("Wav Sounds (*.wav)|*.wav");
    try {
        dlgCommon.ShowOpen();
    } catch (const vb::Error&) {
        return;  // cancelled
    }
    if (dlgCommon.FileName.isEmpty()) return;
    // The personality file keeps a name of at most 80 characters.
    if (dlgCommon.FileTitle.size() > kPersonalitySoundWidth) {
        vb::MsgBox("The sound's file name is too long: please use a name of at most " +
                       QString::number(kPersonalitySoundWidth) + " characters.",
                   vb::vbInformation, QStringLiteral("Personality Sounds"));
        return;
    }
    SoundTable(SoundEvent, 0) = dlgCommon.FileTitle;
    SoundTable(SoundEvent, 1) = dlgCommon.FileName;
    CmdApply.setEnabled(true);
    showSoundTable();
    playEvent(SoundEvent);
}

void FrmMulti::cmdResetSounds_Click() {
    SoundTable(SoundEvent, 1) = soundsFolder() + SoundTable(SoundEvent, 2);
    SoundTable(SoundEvent, 0) = SoundTable(SoundEvent, 2);
    showSoundTable();
    playEvent(SoundEvent);
}

void FrmMulti::CmdSaveSounds_Click() {
    const QString name = CboOpponent.Text();
    PersonalityRecord pms;
    // A personality file that cannot be read or written changes nothing.
    if (!ReadPersonalityFile(name, pms)) {
        refuseSounds(name, QStringLiteral("is missing or cannot be read"));
        return;
    }
    if (!QFileInfo(PersonalityFilePath(name)).isWritable()) {
        refuseSounds(name, QStringLiteral("cannot be written"));
        return;
    }
    // Sounds chosen from other folders are copied into the user's sounds.
    for (int i = 1; i <= 16; ++i) {
        const QString& path = SoundTable(i, 1);
        if (path.startsWith(soundsFolder()) || !path.contains('/')) continue;
        if (!CopyFileWhole(path, soundsFolder() + SoundTable(i, 0))) {
            vb::MsgBox("The sound \"" + SoundTable(i, 0) + "\" could not be copied into your Sounds folder.",
                       vb::vbInformation, QStringLiteral("Personality Sounds"));
            return;
        }
    }
    for (int i = 1; i <= 16; ++i) pms.Sounds(1, i) = vb::Trim(SoundTable(i, 0));
    if (!WritePersonalityFile(name, pms)) {
        refuseSounds(name, QStringLiteral("cannot be written"));
        return;
    }
    recs.PmsRecord = pms;
    TakeCustomSounds(name, pms);
    narrow();
}

void FrmMulti::CheckPersonalitySounds() {
    if (SoundsWarned) return;
    SoundsWarned = true;
    // The personality sounds come as Varnok's sound pack.
    if (CboOpponent.Text() == QLatin1String("Grisk") || FileExists(PersonalityFolder() + "Varnok.pmp")) return;
    eng.MsgText = QStringLiteral(
        "Varnok and Rips's personality sounds were not found.\n\n"
        "You can download them separately from\n"
        "the Grisk and Varnok download page, as the sound packs of the personalities (\"Varnok.pmp\").\n\n"
        "You can still use these personalities but only Grisk's personality currently has sounds.");
    vb::MsgBox(eng.MsgText, vb::vbInformation, QStringLiteral("Missing Personality Sounds"));
    eng.MsgText.clear();
}

}  // namespace grisk
