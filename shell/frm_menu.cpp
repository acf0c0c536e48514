#include "shell/frm_menu.h"

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/formwindow.h"
#include "platform/twips.h"
#include "platform/vb.h"
#include "records/state.h"
#include "shell/state.h"
#include "table/control_art.h"
#include "table/frm_pic.h"

namespace grisk {

namespace {

constexpr int kRowHeightPx = 18;
// Wide enough for the longest caption in the program's font.
constexpr double kListWidthTw = 3600;
constexpr int32_t kTipBack = vb::RGB(255, 255, 225);  // the tooltip background
constexpr int32_t kPicked = vb::RGB(10, 36, 106);

MenuRow row(const char* caption, const char* key = "") {
    return {QString::fromUtf8(caption), QString::fromLatin1(key), false};
}
MenuRow separator() { return {QString(21, QChar(0x2014)), QString(), true}; }

bool isSeparator(const std::vector<MenuRow>& rows, int r) {
    return r < 0 || r >= static_cast<int>(rows.size()) || rows[static_cast<std::size_t>(r)].separator;
}

}  // namespace

std::vector<MenuRow> MenuRows(int menu) {
    switch (menu) {
    case 1:
        return {row("New Game", "F2"), row("Change/New Player"), separator(), row("Save", "Ctrl+S"),
                row("Restore", "Ctrl+R"), separator(), row("Previous Turn", "F4"),
                row("Restart Current Game"), separator(), row("Scores and Stats", "F3"), separator(),
                row("Exit", "F12")};
    case 2:
        return {row("Speed", "F5"), row("Sound..."), row("Preferences"), separator(), row("Rules", "F6"),
                row("Opponents Setup", "F10"), separator(), row("Customize Comments"), separator(),
                row("Change Background  [up/down arrows]"), row("Stretch Background  [right arrow key]"),
                row("Add Background"), separator(), row("Display Size...")};
    case 3: {
        std::vector<MenuRow> rows;
        if (inet.NetPeers == 0)
            rows.push_back(row("Start Internet Game", "F11"));
        else
            rows.push_back(row(inet.IsHost == 1 ? "Host - END Internet Game" : "Remote - END Internet Game"));
        rows.push_back(row("Internet Game Scores"));
        rows.push_back(separator());
        if (inet.NetPeers >= 1 && inet.NetPeers != 99) {
            rows.push_back(row("Internet Players Setup", "F10"));
            rows.push_back(row("Save This Game"));
            if (inet.IsHost == 1) {
                rows.push_back(row("Send Saved Internet Game"));
                rows.push_back(separator());
                rows.push_back(row("Host Setup and Rules"));
                rows.push_back(separator());
                rows.push_back(row("Restart Current Game"));
                rows.push_back(row("New Game", "F2"));
            }
        }
        return rows;
    }
    case 4: {
        const bool barShown = FrmGriskExists() && frmGrisk().StatusBar1.Visible();
        return {row("Help - User's Manual", "F1"), row("Tutorial"), row("Daily Tips"),
                row(eng.Peeking ? "Stop Peeking" : "Peek", "F7"), row("Card Counter", "F8"),
                row(barShown ? "Hide Status Bar" : "Show Status Bar", "F9"), separator(),
                row("Visit the Quenmoor Website..."), row("About")};
    }
    default: return {};
    }
}

FrmMenu::FrmMenu()
    : vb::Form(QStringLiteral("frmMenu")),
      List1(addArray(vb::Kind::Label, "List1", 0)),
      Keys(addArray(vb::Kind::Label, "Keys", 0)),
      imgTop(addControl(vb::Kind::Image, "imgTop")) {
    setCaption(QStringLiteral("Grisk"));
    setPopup(true);
    setBackColor(kTipBack);
    for (vb::ControlArray* a : {&List1, &Keys}) {
        vb::Control& first = (*a)(0);
        first.setBackStyle(0);
        first.setBackColor(kPicked);
        first.setForeColor(0);
        first.setFontName(QStringLiteral("DejaVu Sans"));
        first.setFontSize(9.75);
        first.setVisible(false);
    }
    Keys(0).setAlignment(1);
    imgTop.setStretch(true);
}

void FrmMenu::Form_Load() { setStayOnTop(true); }

void FrmMenu::Form_Unload(int&) {
    setStayOnTop(false);
    cmd.MenuOpen = false;
    // The menu strip waits for the list to close.
    waits::WakeAll();
}

void FrmMenu::LoadList(int menu) {
    double listWidth = kListWidthTw + (menu == 1 ? 250 : menu == 2 || menu == 3 ? 620 : 0);
    // The key labels stand at a tab stop, in dialog units (a quarter of an
    // average character, about 1.75 pixels).
    const int tabStop = menu == 1 ? 90 : menu == 2 ? 100 : menu == 3 ? 115 : 90;
    const double keyLeftTw = 120 + screen::PixelsToTwips(tabStop * 1.75);
    setWidth(listWidth + 500);
    imgTop.setPicture(control_art::MenuStrip(recs.MenuStyle).copy(660, 0, 120, 20));
    imgTop.setGeometryTw(0, 0, listWidth + 500, screen::PixelsToTwips(20));
    imgTop.setVisible(true);

    cmd.MenuNum = menu;
    rows_ = MenuRows(menu);
    for (vb::ControlArray* a : {&List1, &Keys})
        for (int i : a->indexes())
            if (i != 0) a->Unload(i);
    const double top = screen::PixelsToTwips(22);
    const double rowTw = screen::PixelsToTwips(kRowHeightPx);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const int r = static_cast<int>(i);
        vb::Control& caption = List1.ensure(r);
        caption.setGeometryTw(60, top + r * rowTw, listWidth, rowTw);
        caption.setCaption(rows_[i].caption);
        caption.setForeColor(rows_[i].separator ? vb::RGB(128, 128, 128) : 0);
        caption.setBackStyle(0);
        caption.setVisible(true);
        vb::Control& key = Keys.ensure(r);
        key.setGeometryTw(keyLeftTw, top + r * rowTw, listWidth - keyLeftTw + 60, rowTw);
        key.setAlignment(0);
        key.setCaption(rows_[i].key);
        key.setBackStyle(0);
        key.setVisible(!rows_[i].key.isEmpty());
    }
    listIndex_ = -1;
    const double listHeight = static_cast<double>(rows_.size()) * rowTw + 125;
    setHeight(top + listHeight + 400);
}

QRect FrmMenu::rowOnScreen(int row) const {
    // The row across the whole list window.
    const QRect caption = vb::ScreenRectPx(List1(row));
    const QRect list = vb::ScreenRectPx(imgTop);
    return QRect(list.left(), caption.top(), list.width(), caption.height());
}

void FrmMenu::List1_MouseMove(int row) {
    if (row == listIndex_) return;
    for (int i : List1.indexes()) {
        const bool on = i == row && !isSeparator(rows_, i);
        for (vb::ControlArray* a : {&List1, &Keys}) {
            if (!a->exists(i)) continue;
            (*a)(i).setBackStyle(on ? 1 : 0);
            (*a)(i).setForeColor(on ? vb::RGB(255, 255, 255) : isSeparator(rows_, i) ? vb::RGB(128, 128, 128) : 0);
        }
    }
    listIndex_ = row;
}

void FrmMenu::List1_MouseDown(int r) {
    cmd.MenuItem = r;
    if (isSeparator(rows_, r)) return;
    // A sub-list opens beside its row, not over it.
    if (cmd.MenuNum == 2 && r == 1) {
        const int before = recs.SoundLevel;
        frmPic().PopupNoiseControl(rowOnScreen(r));
        if (recs.SoundLevel == before) return;
    } else if (cmd.MenuNum == 2 && r == 13) {
        frmPic().PopupDisplaySize(rowOnScreen(r));
        if (!frmPic().DisplayPicked) return;
    } else if (cmd.MenuNum == 4 && r == 7) {
        frmPic().PopupToInternet(rowOnScreen(r));
        if (frmPic().NetItem == 0) return;
    }
    cmd.MenuPicked = true;
    Unload(1);
}

void FrmMenu::MouseDown(vb::Control& c, int, int, double, double) {
    if (c.Name() == QLatin1String("List1") || c.Name() == QLatin1String("Keys")) List1_MouseDown(c.Index());
}

void FrmMenu::MouseMove(vb::Control& c, int, int, double, double) {
    if (c.Name() == QLatin1String("List1") || c.Name() == QLatin1String("Keys")) List1_MouseMove(c.Index());
}

void CloseCommandList() {
    if (FrmMenuExists() && frmMenu().isLoaded()) frmMenu().Unload(1);
    cmd.MenuOpen = false;
}

FrmMenu& frmMenu() { return vb::DefaultInstance<FrmMenu>::get(); }
bool FrmMenuExists() { return vb::DefaultInstance<FrmMenu>::exists(); }
void ReleaseFrmMenu() { vb::DefaultInstance<FrmMenu>::release(); }

}  // namespace grisk
