#include "net/frm_chat.h"

#include <memory>

namespace grisk {

FrmChat::FrmChat()
    : vb::Form(QStringLiteral("frmChat")), Command1(addControl(vb::Kind::CommandButton, "Command1")) {
    setCaption(QStringLiteral("Chat"));
    Command1.setCaption(QStringLiteral("Send"));
}

void FrmChat::OnTop(bool isTop) { setStayOnTop(isTop); }

FrmChat& frmChat() {
    return vb::DefaultInstance<FrmChat>::get();
}

bool FrmChatExists() { return vb::DefaultInstance<FrmChat>::exists(); }

void ReleaseFrmChat() { vb::DefaultInstance<FrmChat>::release(); }

}  // namespace grisk
