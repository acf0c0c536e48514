// The pop-up command list under a title of the menu strip: one row per
// command of the Game, Options, Internet or Help menu, the command's key at
// the right. It is a pop-up above the table (no frame, no taskbar entry) that
// closes when the mouse is pressed elsewhere or the program loses the focus;
// a pick records the row and closes it.
#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "platform/controls.h"

namespace grisk {

// One row of a command list: its caption and key label; a separator row has
// neither and is no command.
struct MenuRow {
    QString caption;
    QString key;
    bool separator = false;
};

// The rows of menu 1..4 as they stand now (the Internet and Help rows depend
// on the game); the row index is the command's item number.
std::vector<MenuRow> MenuRows(int menu);

class FrmMenu : public vb::Form {
public:
    FrmMenu();

    // A row's caption (1) and its key label (2), from row 0.
    vb::ControlArray& List1;
    vb::ControlArray& Keys;
    vb::Control& imgTop;

    // Fills and sizes the list for menu 1..4 and stores MenuNum.
    void LoadList(int menu);
    // The row under the mouse is shown selected; -1 none.
    int ListIndex() const { return listIndex_; }
    void List1_MouseMove(int row);
    // A press on a row: a separator keeps the list open; "Sound...",
    // "Display Size..." and the website row show their sub-menu first and
    // keep the list open when nothing was chosen; else MenuPicked is set and
    // the list closes.
    void List1_MouseDown(int row);

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void MouseDown(vb::Control& c, int button, int shift, double x, double y) override;
    void MouseMove(vb::Control& c, int button, int shift, double x, double y) override;

private:
    // Where row r lies on the screen, across the list's width (pixels).
    QRect rowOnScreen(int row) const;

    std::vector<MenuRow> rows_;
    int listIndex_ = -1;
};

// Closes the command list when it is open; MenuOpen is cleared either way.
void CloseCommandList();

FrmMenu& frmMenu();
bool FrmMenuExists();
void ReleaseFrmMenu();

}  // namespace grisk
