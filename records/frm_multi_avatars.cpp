// The opponent set-up window's avatars: the preview and its scroll bar, the
// import, export and deletion of a picture, and the two avatar switches.
#include <QFile>

#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "platform/common_dialog.h"
#include "platform/msgbox.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "records/frm_multi.h"
#include "records/personality.h"
#include "records/state.h"
#include "records/user_files.h"
#include "records/user_pictures.h"
#include "table/avatar.h"

namespace grisk {

namespace {

const QString kDeleteTitle = QStringLiteral("Delete Avatar Picture");

QString avatarPath(const QString& file) { return eng.UserFolder + "Avatars/" + file; }

}  // namespace

void FrmMulti::showPreview(const QString& file) { ShowAvatarPreview(imgOppAvatar, file); }

void FrmMulti::clearPreview() { ClearAvatarPreview(imgOppAvatar); }

void FrmMulti::HScrollAvatar_Change() {
    const int i = HScrollAvatar.Value();
    AvatarChoice = (i >= 1 && i <= recs.NumAvatars && recs.AvatarFiles.inRange({i})) ? recs.AvatarFiles(i) : QString();
    showPreview(AvatarChoice);
    panelEdited();
}

void FrmMulti::SelectAvatarByName(const QString& Name) {
    int found = 1;
    for (int i = 1; i <= recs.NumAvatars; ++i) {
        if (vb::Trim(recs.AvatarFiles(i)) == Name) {
            found = i;
            break;
        }
    }
    if (HScrollAvatar.Value() == found) return;
    HScrollAvatar.setValue(found);
    HScrollAvatar_Change();
}

void FrmMulti::Command1_Click() {
    if (!ImportAvatarToList(HScrollAvatar)) return;
    SelectAvatarByName(recs.AvatarFile);
    // The list under the bar changed: the choice is read again.
    HScrollAvatar_Change();
}

void FrmMulti::cmdExport_Click() { ExportAvatar(AvatarChoice); }

void FrmMulti::imgOppAvatar_MouseDown(int button) {
    if (button != 2) return;
    if (IsStockAvatar(AvatarChoice)) {
        vb::MsgBox(QStringLiteral("Personality's default avatar picture cannot be deleted."), vb::vbInformation,
                   kDeleteTitle);
        return;
    }
    // No picture chosen, or none there: nothing to delete.
    if (!IsPlainFileName(AvatarChoice) || !FileExists(avatarPath(AvatarChoice))) return;
    if (vb::MsgBox(QStringLiteral("Are you sure you want to delete this Avatar picture?"), vb::vbYesNo,
                   kDeleteTitle) == vb::vbNo)
        return;
    if (!QFile::remove(avatarPath(AvatarChoice))) return;
    ListAvatarFiles();
    HScrollAvatar.setMax(std::max(1, recs.NumAvatars));
    if (SeatPanel == 3) {
        ckNoPlayerAvatar.setValue(0);
        ckNoPlayerAvatar_Click();
        eng.PlayerAvatar.clear();
        return;
    }
    const QString own = CboOpponent.Text() + ".jpg";
    showPreview(own);
    SelectAvatarByName(own);
    // The list under the bar changed: the choice is read again.
    HScrollAvatar_Change();
    AvatarChoice = vb::Trim(AvatarChoice);
    recs.ProfileRec.Seats(SeatPanel + 1).Avatar = AvatarChoice;
    ReloadSeatPersonality();
}

void FrmMulti::ckShowAvatar_Click() { frmGrisk().ImgAvatar.setVisible(ckShowAvatar.Value() == 1); }

void FrmMulti::ckNoPlayerAvatar_Click() {
    // Ticking only says that a picture is wanted: the scroll bar picks it.
    if (ckNoPlayerAvatar.Value() != 0) return;
    clearPreview();
    if (frmGrisk().ImgAvatar.Visible() && eng.NumPlayers >= 3 && eng.Pturn == 1) ShowAvatar(eng.Player2.Avatar);
    // No picture: the choice stays empty, ready to be saved.
    AvatarChoice.clear();
    HScrollAvatar.setValue(1);
    panelEdited();
}

}  // namespace grisk
