#include "net/frm_sounds.h"

#include <QFile>

#include "engine/paths.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/personality_programs.h"
#include "records/personality.h"
#include "records/state.h"

namespace grisk {

namespace {

// The row of OppTable that names name, as the table spells it; -1 none.
int personalityRow(const QString& name) {
    for (int i = recs.OppTable.lbound(1); i <= recs.OppTable.ubound(1); ++i)
        if (!name.isEmpty() && recs.OppTable(i, 1).compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

}  // namespace

FrmSounds::FrmSounds()
    : vb::Form(QStringLiteral("frmSounds")),
      lstSounds(addControl(vb::Kind::ListBox, "lstSounds")),
      lblSounds(addControl(vb::Kind::Label, "lblSounds")),
      lblDescription(addControl(vb::Kind::Label, "lblDescription")),
      cmdDone(addControl(vb::Kind::CommandButton, "cmdDone")),
      CmdCancel(addControl(vb::Kind::CommandButton, "CmdCancel")) {
    setCaption(QStringLiteral("Online Personality Sounds"));
    Move(0, 0, 6300, 4200);
    lblSounds.setGeometryTw(150, 120, 5850, 690);
    lblSounds.setWordWrap(true);
    lstSounds.setGeometryTw(150, 900, 2700, 2400);
    lstSounds.setStyle(1);
    lblDescription.setGeometryTw(3000, 900, 3000, 2400);
    lblDescription.setWordWrap(true);
    lblDescription.setBorderStyle(1);
    lblDescription.setCaption(QStringLiteral("Description"));
    cmdDone.setGeometryTw(3000, 3420, 1400, 400);
    cmdDone.setCaption(QStringLiteral("Update"));
    CmdCancel.setGeometryTw(4600, 3420, 1400, 400);
    CmdCancel.setCaption(QStringLiteral("Cancel"));
}

void FrmSounds::Form_Load() {
    CmdCancel.setDefault(true);
    lblSounds.setCaption(QStringLiteral("Select up to 3 personalities and their sounds will be included in the Chat "
                                        "box.\r\nRemember: your opponent must have the same sounds in order to hear "
                                        "the sounds you send."));
    CheckedCount = 0;
    Filling = true;
    lstSounds.Clear();
    for (int i = 1; i <= recs.NumOpps && recs.OppTable.inRange({i, 1}); ++i) {
        const QString name = recs.OppTable(i, 1);
        if (name == QLatin1String("Zozida")) continue;
        lstSounds.AddItem(name);
        const int entry = lstSounds.NewIndex();
        for (int j = 1; j <= 3; ++j) {
            if (inet.ChatSoundSets(j) != name) continue;
            if (!lstSounds.Selected(entry)) {
                lstSounds.setSelected(entry, true);
                CheckedCount += 1;
            } else {
                inet.ChatSoundSets(j).clear();  // a name listed twice keeps one place
            }
        }
    }
    Filling = false;
}

void FrmSounds::Click(vb::Control& c) {
    if (&c == &cmdDone)
        cmdDone_Click();
    else if (&c == &CmdCancel)
        CmdCancel_Click();
    else if (&c == &lstSounds)
        lstSounds_Click();
}

void FrmSounds::lstSounds_Click() {
    const int row = lstSounds.ListIndex() + 1;
    if (lstSounds.ListIndex() >= 0 && recs.OppTable.inRange({row, 0}))
        lblDescription.setCaption(recs.OppTable(row, 0));
}

void FrmSounds::cmdDone_Click() {
    for (int j = 1; j <= 3; ++j) NewSoundSets(j).clear();
    int checked = 0;
    for (int i = 0; i < lstSounds.ListCount(); ++i) {
        if (!lstSounds.Selected(i)) continue;
        checked += 1;
        if (checked > 3) {
            vb::MsgBox(QStringLiteral("You have more than 3 checked and 3 is the maximum. Uncheck somebody and then "
                                      "click the Update button again."),
                       vb::vbInformation, QStringLiteral("3 Maximum"));
            return;
        }
        NewSoundSets(checked) = lstSounds.List(i);
    }
    InstallPersonalitySounds();
    Unload();
}

void FrmSounds::CmdCancel_Click() { Unload(); }

void FrmSounds::InstallPersonalitySounds() {
    for (int i = 1; i <= 3; ++i) {
        QString& place = inet.ChatSoundSets(i);
        if (place.isEmpty()) continue;
        bool kept = false;
        for (int j = 1; j <= 3 && !kept; ++j) {
            if (NewSoundSets(j) != place) continue;
            NewSoundSets(j).clear();  // installed already
            kept = true;
        }
        if (kept) continue;
        RemovePersonalitySounds(place);
        place.clear();
    }
    for (int j = 1; j <= 3; ++j) {
        const QString name = NewSoundSets(j);
        if (name.isEmpty()) continue;
        for (int i = 1; i <= 3; ++i) {
            if (!inet.ChatSoundSets(i).isEmpty()) continue;
            inet.ChatSoundSets(i) = name;
            break;
        }
        if (personalityRow(name) >= 0 && pms::HasPersonalityProgram(name))
            pms::RunPersonalityProgram(name, QStringLiteral("/SND"), PersonalityFolder(), UserSoundsFolder(),
                                       pms::kProgramTimeoutMs);
        else
            vb::MsgBox(QStringLiteral("This personality has not been installed. No sounds available."),
                       vb::vbInformation, QStringLiteral("Missing Person"));
    }
}

FrmSounds& frmSounds() { return vb::DefaultInstance<FrmSounds>::get(); }
bool FrmSoundsExists() { return vb::DefaultInstance<FrmSounds>::exists(); }
void ReleaseFrmSounds() { vb::DefaultInstance<FrmSounds>::release(); }

void ShowSoundsWindow() {
    FrmSounds& w = frmSounds();
    w.Show(true);
    if (w.isLoaded()) w.Unload();
    ReleaseFrmSounds();
}

void RemovePersonalitySounds(const QString& name) {
    const int row = personalityRow(name);
    if (row < 0) return;
    const QString folder = UserSoundsFolder();
    for (const QString& sound : pms::SoundPackNames(recs.OppTable(row, 1), PersonalityFolder()))
        QFile::remove(folder + sound);  // a missing or locked file is passed over
}

}  // namespace grisk
