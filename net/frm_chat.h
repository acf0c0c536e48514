// The chat window of an Internet game, " ROZOReri Thoughts ": the history
// of the talk, the input line and its Send button, twenty quick phrases,
// the lists of icons and sounds to send, the chat log and the chat menu,
// keep-on-top, two sizes and the font size. It has no title bar: it is
// dragged by its body or its title strip.
#pragma once

#include <QString>
#include <memory>

#include "platform/controls.h"

namespace grisk {

class Class1;

class FrmChat : public vb::Form {
public:
    FrmChat();
    ~FrmChat() override;
    vb::Control& Label1;           // the title strip
    vb::Control& lblOptions;       // " &Options ": the chat menu
    vb::Control& Text1;            // the history box
    vb::Control& Text2;            // the input box
    vb::Control& Command1;         // Send
    vb::ControlArray& CmdChat;     // the quick-phrase buttons 1..20; each tip holds its phrase
    vb::Control& lstIcons;         // "-Select Icon:", the Icons folder's pictures, "(refresh)"
    vb::Control& lstWavs;          // "-Select Sound:", the Sounds folder's sounds, "(refresh)"
    vb::Control& cmdIcon;          // "Send Picon": shows the icon list
    vb::Control& cmdShowSounds;    // "Send Sound": shows the sound list
    vb::Control& Picture1;         // the frame of the chosen icon's preview
    vb::Control& imgIcon;          // the preview
    vb::Control& cmdOnTop;         // keep-on-top, with a pin picture
    vb::ControlArray& imgPin;      // 0 "Always-on-top OFF", 1 "Always-on-top ON"
    vb::Control& cmdSize;          // the two window sizes
    vb::ControlArray& cmdText;     // 0 a larger font, 1 a smaller one
    vb::ControlArray& Line1;       // the bevelled frame
    vb::ControlArray& Line2;

    QString OutLine;         // the line the Send button builds
    QString WavFile;         // the sound picked last, with its extension
    bool IconChosen = false; // an icon goes with the next line
    QString IconName;        // that icon's list entry
    bool OnTopFlag = false;  // the next click of the pin switches keep-on-top on
    bool LargeSize = false;

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Click(vb::Control& c) override;
    void MouseMove(vb::Control& c, int button, int shift, double x, double y) override;
    void FormMouseMove(int button, int shift, double x, double y) override;

    // Keeps the window above the table, or lets the table cover it.
    void OnTop(bool isTop);
    void GetIconList();
    // Shows the picture file name as the preview beside a narrower input
    // box; "None" hides it, widens the box again and clears IconChosen.
    void IconShow(const QString& name, bool show);
    // The text with its first smiley shortcut cut out; the smiley picks its
    // icon as a click in the icon list does.
    QString ShortCutCheck(const QString& checkString);
    // title "Icon" or "Sound".
    void ImportThis(const QString& title);
    void ExportThis(const QString& title);
    // Lays the controls out for the window's size.
    void ResizeChat();

    void Command1_Click();
    void CmdChat_Click(int index);
    void lstIcons_Click();
    void lstWavs_Click();
    void cmdOnTop_Click();
    void cmdSize_Click();
    void cmdText_Click(int index);
    void lblOptions_Click();

private:
    std::unique_ptr<Class1> onTop_;
    void hideLists();
    bool stillTalking() const;
    void scaleKeepingTheTable(int mode, int step);
    void startLogging();
    void stopLogging();
};

FrmChat& frmChat();
bool FrmChatExists();
void ReleaseFrmChat();

// Rebuilds the chat window's sound list (the Internet player set-up calls
// it after the chat sounds changed); nothing while the window is not
// loaded: it builds its lists when it opens.
void GetSoundList();

// Adds a line to the chat window's history box (on a new line), keeps the
// box's last 3700 characters once it grows beyond 4000, and puts its caret
// at the end.
void AddChatHistory(const QString& line);

// The picture of a chat icon: its GIF, JPG or BMP in the user's Icons
// folder; "" when the name is not one plain file name or there is none.
QString ChatIconFile(const QString& icon);
// The sound file of the user's Sounds folder that a chat line names (its
// extension ".wav" or ".pmw"), whatever the case of its letters; "" when the
// name is not one plain file name or there is none.
QString ChatSoundFile(const QString& file);

}  // namespace grisk
