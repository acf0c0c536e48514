#include "engine/menu_hint.h"

#include "engine/frm_grisk.h"
#include "platform/msgbox.h"

namespace grisk {

void ShowMenuHint(int which) {
    if (which == 1)
        vb::MsgBox(QStringLiteral("Please use the Internet Menu during Internet games."),
                   vb::vbInformation | vb::vbOKOnly,
                   QStringLiteral("Quenmoor Online"));
    else if (which == 2)
        frmGrisk().Label9(2).setCaption(QStringLiteral("Select NEW from the Game Menu to start a new game."));
}

}  // namespace grisk
