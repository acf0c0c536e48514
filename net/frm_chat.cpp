#include "net/frm_chat.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "engine/class1.h"
#include "engine/frm_grisk.h"
#include "engine/paths.h"
#include "engine/state.h"
#include "net/chat_lines.h"
#include "net/chat_log.h"
#include "net/sockets.h"
#include "net/state.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/personality.h"
#include "records/profile.h"
#include "records/state.h"
#include "records/user_files.h"
#include "table/avatar.h"
#include "table/form_scaling.h"
#include "table/form_skin.h"
#include "table/state.h"

namespace grisk {

namespace {

// The window as designed, and its small buttons.
constexpr double kDesignW = 5400;
constexpr double kDesignH = 3600;
constexpr double kMargin = 60;
constexpr double kGap = 45;
constexpr double kSmallW = 350;
// The narrowest a small button gets when the window is made smaller: the
// phrases and the tools always fit side by side.
constexpr double kSmallMinW = 240;
constexpr int kSmallPerRow = 13;  // ten phrases and three tools
constexpr double kSmallH = 315;
constexpr double kTitleH = 285;
constexpr double kInputH = 375;
constexpr double kSendW = 900;
constexpr double kOptionsW = 1300;
constexpr double kPreviewW = 420;
constexpr int kPhrases = 20;
constexpr int kPhrasesPerRow = 10;
constexpr double kStartFont = 9;

const QString kSelectSound = QStringLiteral("-Select Sound:");
const QString kSelectIcon = QStringLiteral("-Select Icon:");
const QString kRefresh = QStringLiteral("(refresh)");

// A small button picture of our own, 20 x 18 pixels.
QImage buttonPicture(const std::function<void(QPainter&)>& draw) {
    QImage img(20, 18, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

QImage smileyPicture() {
    return buttonPicture([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 214, 0));
        p.drawEllipse(QRectF(3, 1, 15, 15));
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(7, 5, 2, 2.5));
        p.drawEllipse(QRectF(12, 5, 2, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.5, 6, 8, 6), 200 * 16, 140 * 16);
    });
}

QImage notePicture() {
    return buttonPicture([](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 128), 1.5));
        p.setBrush(QColor(0, 0, 128));
        p.drawEllipse(QRectF(4, 11, 5, 4));
        p.drawEllipse(QRectF(11, 9, 5, 4));
        p.drawLine(QPointF(8.5, 13), QPointF(8.5, 3));
        p.drawLine(QPointF(15.5, 11), QPointF(15.5, 1.5));
        p.drawLine(QPointF(8.5, 3), QPointF(15.5, 1.5));
    });
}

// The pin: upright and pressed in (on top), or lying loose.
QImage pinPicture(bool pressed) {
    return buttonPicture([pressed](QPainter& p) {
        if (!pressed) p.translate(10, 9), p.rotate(-45), p.translate(-10, -9);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(200, 30, 30));
        p.drawEllipse(QRectF(6, 1, 8, 6));
        p.drawRect(QRectF(8, 6, 4, 5));
        p.setPen(QPen(QColor(90, 90, 90), 1.5));
        p.drawLine(QPointF(10, 11), QPointF(10, pressed ? 15 : 17));
    });
}

QImage sizePicture() {
    return buttonPicture([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(2.5, 2.5, 15, 13));
        p.drawRect(QRectF(2.5, 8.5, 8, 7));
    });
}

// The file of folder named name, whatever the case of its letters (a
// peer's "Boing.wav" is the player's "Boing.WAV"); "" when there is none.
QString findInFolder(const QString& folder, const QString& name) {
    if (FileExists(folder + name)) return folder + name;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return folder + entry;
    return QString();
}

void playUserSound(const QString& file) {
    const QString path = ChatSoundFile(file);
    if (!path.isEmpty()) sound::PlayAsync(path);
}

// A list of "first", the user's files of a folder with those extensions
// (shown without theirs), and "(refresh)"; the list shows "first".
void fillList(vb::Control& list, const QString& first, const QString& folder, const QStringList& types,
              const QString& dataType) {
    list.Clear();
    list.AddItem(first);
    for (const QString& name : ListFilesOfType(folder, types)) {
        list.AddItem(name.left(name.size() - 4));
        list.setItemData(list.NewIndex(), vb::UCase(vb::Right(name, 3)) == dataType ? 1 : 0);
    }
    list.AddItem(kRefresh);
    list.setListIndex(0);
}

void buildSoundList(FrmChat& chat) {
    fillList(chat.lstWavs, kSelectSound, UserSoundsFolder(), {"WAV", "PMW"}, QStringLiteral("WAV"));
}

}  // namespace

FrmChat::FrmChat()
    : vb::Form(QStringLiteral("frmChat")),
      Label1(addControl(vb::Kind::Label, "Label1")),
      lblOptions(addControl(vb::Kind::Label, "lblOptions")),
      Text1(addControl(vb::Kind::TextBox, "Text1")),
      Text2(addControl(vb::Kind::TextBox, "Text2")),
      Command1(addControl(vb::Kind::CommandButton, "Command1")),
      CmdChat(addArray(vb::Kind::CommandButton, "CmdChat", 1)),
      lstIcons(addControl(vb::Kind::ListBox, "lstIcons")),
      lstWavs(addControl(vb::Kind::ListBox, "lstWavs")),
      cmdIcon(addControl(vb::Kind::CommandButton, "cmdIcon")),
      cmdShowSounds(addControl(vb::Kind::CommandButton, "cmdShowSounds")),
      Picture1(addControl(vb::Kind::PictureBox, "Picture1")),
      imgIcon(addControl(vb::Kind::Image, "imgIcon")),
      cmdOnTop(addControl(vb::Kind::CommandButton, "cmdOnTop")),
      imgPin(addArray(vb::Kind::Image, "imgPin", 0)),
      cmdSize(addControl(vb::Kind::CommandButton, "cmdSize")),
      cmdText(addArray(vb::Kind::CommandButton, "cmdText", 0)),
      Line1(addArray(vb::Kind::Line, "Line1", 0)),
      Line2(addArray(vb::Kind::Line, "Line2", 0)) {
    setCaption(QStringLiteral(" ROZOReri Thoughts "));
    setBorderless(true);
    KeyPreview = true;
    Move(0, 0, kDesignW, kDesignH);
    Label1.setCaption(QStringLiteral(" Rozoreri Thoughts "));
    Label1.setFontBold(true);
    Label1.setFontSize(10);
    Label1.setBackStyle(0);
    lblOptions.setCaption(QStringLiteral(" &Options "));
    lblOptions.setAlignment(2);
    lblOptions.setBorderStyle(1);
    lblOptions.setBackStyle(0);
    lblOptions.setToolTipText(QStringLiteral("Logging, import and export, help"));
    Text1.setMultiLine(true);
    Text1.setLocked(true);
    for (vb::Control* box : {&Text1, &Text2}) box->setFontSize(kStartFont);
    Command1.setCaption(QStringLiteral("Send"));
    Command1.setDefault(true);
    CmdChat(1).setCaption(QStringLiteral("1"));
    for (int i = 2; i <= kPhrases; ++i) {
        CmdChat.ensure(i).setCaption(QString::number(i));
        CmdChat(i).setVisible(true);
    }
    for (vb::Control* list : {&lstIcons, &lstWavs}) list->setVisible(false);
    cmdIcon.setToolTipText(QStringLiteral("Send Picon"));
    cmdIcon.setPicture(smileyPicture());
    cmdShowSounds.setToolTipText(QStringLiteral("Send Sound"));
    cmdShowSounds.setPicture(notePicture());
    Picture1.setVisible(false);
    Picture1.setBorderStyle(1);
    imgIcon.setVisible(false);
    imgIcon.setStretch(true);
    imgPin(0).setPicture(pinPicture(true));
    imgPin(0).setToolTipText(QStringLiteral("Always-on-top OFF"));
    imgPin.Load(1).setPicture(pinPicture(false));
    imgPin(1).setToolTipText(QStringLiteral("Always-on-top ON"));
    for (int i = 0; i <= 1; ++i) imgPin(i).setVisible(false);
    cmdOnTop.setToolTipText(QStringLiteral("Keep this window on top"));
    cmdOnTop.setPicture(imgPin(0).Picture());
    cmdSize.setToolTipText(QStringLiteral("Change window size"));
    cmdSize.setPicture(sizePicture());
    cmdText(0).setCaption(QStringLiteral("A+"));
    cmdText(0).setToolTipText(QStringLiteral("Make font larger"));
    cmdText.Load(1).setCaption(QStringLiteral("A-"));
    cmdText(1).setToolTipText(QStringLiteral("Make font smaller"));
    cmdText(1).setVisible(true);
    DesignFormBorderLines(*this);
    ResizeChat();
}

FrmChat::~FrmChat() = default;

void FrmChat::Form_Load() {
    FrmGrisk& f = frmGrisk();
    // A window opened again starts at its designed size, with no talk.
    Text1.setText(QString());
    Text2.setText(QString());
    WavFile.clear();
    IconShow(QStringLiteral("None"), false);
    LargeSize = false;
    setWidth(kDesignW);
    setHeight(kDesignH);
    const double screenW = screen::Current().widthTw;
    if (screenW < 10000)
        scaleKeepingTheTable(kScaleByStep, kStepSmaller);
    else if (screenW > 12000)
        scaleKeepingTheTable(kScaleToScreen, 0);
    ResizeChat();
    // Under the table, at its right; where the screen ends first, over the
    // table from just below the top of the player's pay-off pile.
    setLeft(std::max(0.0, std::min(f.Left() + f.Width(), screenW) - Width()));
    setTop(f.Top() + f.Height());
    const screen::Metrics m = screen::Current();
    const double screenBottom = m.workHeightTw > 0 ? m.workHeightTw : m.heightTw;
    if (Top() + Height() > screenBottom)
        setTop(f.Top() + f.frameHeightTw() - f.frameWidthTw() / 2 + f.Picture7(1).topTw() + 300);

    // The quick phrases: the player's comment file, or seat 2's remarks.
    const QString file = vb::Trim(CurrentProfileCommentFile());
    if (file == QLatin1String(kDefaultPersonality) || file.isEmpty() || file == QLatin1String(kNoComments)) {
        for (int i = 1; i <= kPhrases; ++i) eng.Comments(i) = eng.Player2.RecComments(i);
    } else {
        LoadCommentFile(file);
    }
    for (int i = 1; i <= kPhrases; ++i) CmdChat(i).setToolTipText(eng.Comments(i));

    ApplyFormSkin(*this);
    DrawFormBorderLines(*this);
    onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(true);
    onTop_->setTopForm(*this);
    OnTopFlag = false;
    cmdOnTop.setPicture(imgPin(0).Picture());

    const PlayerRecord* seats[] = {&eng.Player2, &eng.Player3, &eng.Player4};
    for (int j = 1; j <= 3; ++j) {
        const QString& name = seats[j - 1]->Name;
        inet.ChatSoundSets(j) = name == QLatin1String("Grisk") ? QString() : name;
    }
    buildSoundList(*this);
    GetIconList();
}

void FrmChat::Form_Unload(int&) {
    if (onTop_) {
        onTop_->setOnTop(false);
        onTop_->setTopForm(*this);
        onTop_.reset();
    }
    ChatLogClose();
}

void FrmChat::Form_KeyDown(int& keyCode, int) {
    // Backspace in an empty input box takes the chosen icon away.
    if (keyCode == vb::vbKeyBack && IconChosen && Text2.Text().isEmpty()) IconShow(QStringLiteral("None"), false);
}

void FrmChat::Click(vb::Control& c) {
    const QString& name = c.Name();
    if (&c == &Command1)
        Command1_Click();
    else if (name == QLatin1String("CmdChat"))
        CmdChat_Click(c.Index());
    else if (&c == &lstIcons)
        lstIcons_Click();
    else if (&c == &lstWavs)
        lstWavs_Click();
    else if (&c == &cmdIcon || &c == &cmdShowSounds) {
        vb::Control& list = &c == &cmdIcon ? lstIcons : lstWavs;
        (&c == &cmdIcon ? lstWavs : lstIcons).setVisible(false);
        list.setVisible(true);
        list.ZOrder(0);
        list.SetFocus();
    } else if (&c == &cmdOnTop)
        cmdOnTop_Click();
    else if (&c == &cmdSize)
        cmdSize_Click();
    else if (name == QLatin1String("cmdText"))
        cmdText_Click(c.Index());
    else if (&c == &lblOptions)
        lblOptions_Click();
    else if (&c == &Text2)
        hideLists();
}

void FrmChat::MouseMove(vb::Control& c, int button, int, double, double) {
    if (button == 1 && &c == &Label1) DragByBody();
}

void FrmChat::FormMouseMove(int button, int, double, double) {
    if (button == 1) DragByBody();
}

void FrmChat::hideLists() {
    lstIcons.setVisible(false);
    lstWavs.setVisible(false);
}

void FrmChat::OnTop(bool isTop) {
    if (!onTop_) onTop_ = std::make_unique<Class1>();
    onTop_->setOnTop(isTop);
    onTop_->setTopForm(*this);
}

void FrmChat::CmdChat_Click(int index) {
    hideLists();
    Text2.setText(eng.Comments(index));
    Text2.setSelStart(static_cast<int>(Text2.Text().size()));
}

// ---- Sending ---------------------------------------------------------------

void FrmChat::Command1_Click() {
    hideLists();
    QString text = vb::Trim(Text2.Text());
    if (text.isEmpty() && !IconChosen) return;
    // A sound typed by its name rather than picked from the list.
    if (TypedChatSendsSound(text)) {
        const QString name = vb::Trim(vb::Mid(text, 5));
        if (!WavFile.startsWith(name + ".", Qt::CaseInsensitive))
            WavFile = ChatSoundFile(name + ".wav").isEmpty() ? name + ".pmw" : name + ".wav";
    }
    if (inet.PeerVersion.compare(QLatin1String("81")) >= 0) text = ShortCutCheck(text);
    const int number = NextChatNumber();
    OutLine = TypedChatBody(text, IconChosen ? IconName : QString(), WavFile, eng.PlayerName, inet.PeerVersion);
    QString input = text;
    if (IconChosen) {
        input = "PIC <" + IconName + "> " + text;
        Text2.setText(input);
        IconShow(QStringLiteral("None"), false);
    }
    NetSendToPeers(BuildChatLine(number, OutLine));
    if (inet.NetPeers == 0) {
        Unload();
        return;
    }
    if (TypedChatSendsSound(input)) playUserSound(WavFile);
    if (TypedChatSmacks(input)) AvatarSlap();
    const QString echo = TypedChatEcho(input, WavFile, eng.PlayerName, recs.OppName, inet.PeerVersion);
    ChatLogWrite(echo);
    AddChatHistory(echo);
    Text2.setText(QString());
}

QString FrmChat::ShortCutCheck(const QString& checkString) {
    const SmileyMatch match = FindSmiley(checkString);
    if (match.icon.isEmpty()) return checkString;
    for (int i = 0; i < lstIcons.ListCount(); ++i) {
        if (lstIcons.List(i).compare(match.icon, Qt::CaseInsensitive) != 0) continue;
        lstIcons.setListIndex(i);
        lstIcons_Click();
        break;
    }
    return match.text;
}

// ---- The lists ---------------------------------------------------------------

void FrmChat::GetIconList() {
    fillList(lstIcons, kSelectIcon, eng.UserFolder + "Icons/", {"GIF", "JPG", "BMP"}, QString());
}

void FrmChat::lstIcons_Click() {
    lstIcons.setVisible(false);
    const int i = lstIcons.ListIndex();
    if (i < 0) return;
    const QString item = lstIcons.List(i);
    if (item == kRefresh) {
        GetIconList();
        return;
    }
    if (item == kSelectIcon) return;
    IconShow(ChatIconFile(item), true);
    IconChosen = true;
    IconName = item;
    if (inet.NetPeers != 99 && inet.PeerVersion.compare(QLatin1String("81")) < 0)
        AddChatHistory(">>> " + recs.OppName +
                       " can't see the picture you are sending. Feature only works with v.8.2+");
    if (Text2.shown() && Text2.Enabled()) Text2.SetFocus();
}

void FrmChat::lstWavs_Click() {
    IconShow(QStringLiteral("None"), false);
    lstWavs.setVisible(false);
    const int i = lstWavs.ListIndex();
    if (i < 0) return;
    const QString item = lstWavs.List(i);
    if (item == kRefresh) {
        buildSoundList(*this);
        return;
    }
    if (item == kSelectSound) return;
    Text2.setText("WAV " + item);
    if (item.compare(QLatin1String("SLAP"), Qt::CaseInsensitive) == 0) {
        Text2.setText(QStringLiteral("<SLAP>"));
        playUserSound(QStringLiteral("slap.wav"));
    }
    WavFile = item + (lstWavs.ItemData(i) == 1 ? ".wav" : ".pmw");
    if (inet.NetPeers == 99)
        playUserSound(WavFile);
    else
        Command1_Click();
}

void FrmChat::IconShow(const QString& name, bool show) {
    if (name == QLatin1String("None") || !show) {
        imgIcon.setPicture(QImage());
        imgIcon.setVisible(false);
        Picture1.setVisible(false);
        IconChosen = false;
    } else {
        imgIcon.setPicture(QImage(name));  // a picture that does not load leaves it empty
        imgIcon.setVisible(true);
        Picture1.setVisible(true);
    }
    ResizeChat();
}

// ---- Window handling -----------------------------------------------------------

void FrmChat::ResizeChat() {
    const double w = std::max(ScaleWidth(), kSmallPerRow * kSmallMinW + 2 * kMargin + kGap);
    const double smallW = std::clamp((w - 2 * kMargin - kGap) / kSmallPerRow, kSmallMinW, kSmallW);
    const double h = std::max(ScaleHeight(), 2000.0);
    Label1.Move(kMargin, kMargin, w - 2 * kMargin - kOptionsW, kTitleH);
    lblOptions.Move(w - kMargin - kOptionsW, kMargin, kOptionsW, kTitleH);
    const double inputTop = h - kMargin - kInputH;
    const double phrasesTop = inputTop - kGap - 2 * kSmallH;
    const double historyTop = kMargin + kTitleH + kGap;
    Text1.Move(kMargin, historyTop, w - 2 * kMargin, phrasesTop - kGap - historyTop);
    for (int i = 1; i <= kPhrases; ++i) {
        const int row = (i - 1) / kPhrasesPerRow;
        const int col = (i - 1) % kPhrasesPerRow;
        CmdChat(i).Move(kMargin + col * smallW, phrasesTop + row * kSmallH, smallW, kSmallH);
    }
    vb::Control* tools[] = {&cmdIcon, &cmdShowSounds, &cmdOnTop, &cmdSize, &cmdText(0), &cmdText(1)};
    for (int k = 0; k < 6; ++k)
        tools[k]->Move(w - kMargin - (3 - k % 3) * smallW, phrasesTop + (k / 3) * kSmallH, smallW, kSmallH);
    Command1.Move(w - kMargin - kSendW, inputTop, kSendW, kInputH);
    const double preview = Picture1.Visible() ? kPreviewW : 0;
    Text2.Move(kMargin, inputTop, Command1.Left() - kGap - preview - kMargin, kInputH);
    Picture1.Move(Command1.Left() - kGap - kPreviewW + kGap, inputTop - (kPreviewW - kInputH) / 2, kPreviewW - kGap,
                  kPreviewW);
    imgIcon.Move(Picture1.Left() + 15, Picture1.Top() + 15, Picture1.Width() - 30, Picture1.Height() - 30);
    imgIcon.ZOrder(0);
    for (vb::Control* list : {&lstIcons, &lstWavs})
        list->Move(w / 2, historyTop, w / 2 - kMargin, Text1.Height());
}

void FrmChat::scaleKeepingTheTable(int mode, int step) {
    // A step sets the table's card spacing too: the chat window's size
    // leaves the table as it is.
    const int spacing = tbl.CardSpacing;
    ScaleFormToScreen(*this, mode, step);
    tbl.CardSpacing = spacing;
}

void FrmChat::cmdOnTop_Click() {
    OnTop(OnTopFlag);
    cmdOnTop.setPicture(imgPin(OnTopFlag ? 0 : 1).Picture());
    OnTopFlag = !OnTopFlag;
}

void FrmChat::cmdSize_Click() {
    scaleKeepingTheTable(kScaleByStep, LargeSize ? kStepLarger : kStepSmaller);
    ResizeChat();
    DrawFormBorderLines(*this);
    LargeSize = !LargeSize;
}

void FrmChat::cmdText_Click(int index) {
    for (vb::Control* box : {&Text1, &Text2}) {
        const double size = box->FontSize() + (index == 0 ? 2 : -2);
        if (size >= 6 && size <= 30) box->setFontSize(size);
    }
}

// ---- The window's instance and the shared helpers ----------------------------------

FrmChat& frmChat() { return vb::DefaultInstance<FrmChat>::get(); }
bool FrmChatExists() { return vb::DefaultInstance<FrmChat>::exists(); }
void ReleaseFrmChat() { vb::DefaultInstance<FrmChat>::release(); }

void GetSoundList() {
    if (FrmChatExists() && frmChat().isLoaded()) buildSoundList(frmChat());
}

void AddChatHistory(const QString& line) {
    FrmChat& chat = frmChat();
    chat.Text1.setText(CutChatHistory(chat.Text1.Text() + "\r\n" + line));
    chat.Text1.setSelStart(static_cast<int>(chat.Text1.Text().size()));
}

QString ChatIconFile(const QString& icon) {
    if (!IsChatFileName(icon + ".gif", {QStringLiteral("gif")})) return QString();
    for (const char* ext : {".gif", ".jpg", ".bmp"}) {
        const QString path = findInFolder(eng.UserFolder + "Icons/", icon + ext);
        if (!path.isEmpty()) return path;
    }
    return QString();
}

QString ChatSoundFile(const QString& file) {
    if (!IsChatFileName(file, {QStringLiteral("wav"), QStringLiteral("pmw")})) return QString();
    return findInFolder(UserSoundsFolder(), file);
}

}  // namespace grisk
