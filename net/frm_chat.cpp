#include "net/frm_chat.h"

#include <memory>

#include "net/chat_lines.h"

namespace grisk {

FrmChat::FrmChat()
    : vb::Form(QStringLiteral("frmChat")),
      Text1(addControl(vb::Kind::TextBox, "Text1")),
      Text2(addControl(vb::Kind::TextBox, "Text2")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      CmdChat(addArray(vb::Kind::CommandButton, "CmdChat", 1)) {
    setCaption(QStringLiteral("Chat"));
    Command1.setCaption(QStringLiteral("Send"));
    Text1.setLocked(true);
    for (int i = 2; i <= 20; ++i) CmdChat.ensure(i).setVisible(true);
}

void FrmChat::OnTop(bool isTop) { setStayOnTop(isTop); }

FrmChat& frmChat() {
    return vb::DefaultInstance<FrmChat>::get();
}

bool FrmChatExists() { return vb::DefaultInstance<FrmChat>::exists(); }

void ReleaseFrmChat() { vb::DefaultInstance<FrmChat>::release(); }

}  // namespace grisk

namespace grisk {

void AddChatHistory(const QString& line) {
    FrmChat& chat = frmChat();
    chat.Text1.setText(CutChatHistory(chat.Text1.Text() + "\r\n" + line));
    chat.Text1.setSelStart(static_cast<int>(chat.Text1.Text().size()));
}

}  // namespace grisk
