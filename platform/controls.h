// A small model of the form run time's windows and controls. Positions and
// sizes are kept in twips as doubles (values such as 344.25 survive) and are
// read and set in the container's scale mode, as the run time does. Layout
// code and tests read exact values; a FormWindow shows them on the screen.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPainter;

namespace vb {

class Form;
class ControlArray;

enum class ScaleMode : int { Twips = 1, Pixels = 3 };

// How a form's picture covers the form: as it is from (0, 0), stretched
// over an area from (0, 0), or tiled at its natural size over an area from
// (0, 0). It is laid out as the window paints, so a window keeps no copy of
// its own size.
enum class PictureLayout { AsIs, Stretched, Tiled };

// Where a picture is painted to tile an area from (0, 0): a picture larger
// than the area is cut to it; each row and column advances by the tile
// until it reaches the area's edge, and the last one is clipped there. A
// picture or an area without size gives no tile.
std::vector<QPoint> TilePositions(QSize area, QSize picture);

enum class Kind {
    PictureBox,     // a window of its own: drawn above windowless controls
    CommandButton,  // a window
    StatusBar,      // a window
    ComboBox,       // a Qt widget of its own (platform/control_widgets.h)
    Image,          // windowless
    Label,          // windowless
    Shape,          // windowless
    Line,           // windowless
    TextBox,        // a Qt widget of its own
    // A check box: a Qt widget of its own; Value 0 unticked, 1 ticked. A
    // click by the user flips it before the Click event (see Form::Press).
    CheckBox,
    OptionButton,   // a Qt widget of its own
    Frame,          // a window: a border with its caption, round the controls it contains
    HScrollBar,     // a Qt widget of its own
    VScrollBar,     // a Qt widget of its own: Min at the top
    Menu,           // a title of the window's menu bar, or an entry of its menu
    // A tab strip: a row of tabs (a Qt widget of its own) along the top of a
    // page that the window paints; the controls placed on a tab's page are
    // shown while that tab is.
    TabStrip,
    // A grid of text cells (a Qt widget of its own): rows and columns, the
    // first FixedRows rows and FixedCols columns shaded as headings.
    Grid,
    // A list (a Qt widget of its own): the entries of AddItem, each with its
    // number (ItemData); Style 1 shows a check box before each entry, ticked
    // while the entry is Selected.
    ListBox,
};

// The height of a tab strip's row of tabs; its page lies below.
inline constexpr double kTabRowHeightTw = 375;

// The height of a window's menu bar. A window with menus shows the bar
// along the top of its inner area; its controls are laid out below it.
inline constexpr double kMenuBarHeightTw = 330;

// Shape styles of the run time.
enum ShapeStyle : int { ShapeRectangle = 0, ShapeSquare = 1, ShapeOval = 2, ShapeCircle = 3,
                        ShapeRoundedRectangle = 4, ShapeRoundedSquare = 5 };

struct Panel {
    QString Text;
    QString ToolTipText;
    int MinWidth = 0;  // twips
    bool Visible = true;
    bool Spring = false;  // takes the room the other panels leave
    QImage Picture;       // drawn before the text
};

class Control;
// Where each panel of a status bar lies within the bar's rectangle (pixels),
// panel 1 first; a hidden panel gets an empty cell. Painting and the panel
// click read the same cells.
std::vector<QRectF> StatusPanelCells(const Control& bar, const QRectF& barRect);
// The panel (from 1) under x pixels from the bar's left edge; 0 for none.
int StatusPanelAt(const Control& bar, double xPx);

// Declares a property with a getter named as the run time names it and a
// setter that tells the form to repaint.
#define VB_PROPERTY(Type, Name, Init)                              \
public:                                                            \
    const Type& Name() const { return Name##_; }                   \
    void set##Name(const Type& v) {                                \
        if (!(Name##_ == v)) {                                     \
            Name##_ = v;                                           \
            changed();                                             \
        }                                                          \
    }                                                              \
                                                                   \
private:                                                           \
    Type Name##_ = Init;

class Control {
public:
    Control(Form* form, Kind kind, QString name, int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const QString& Name() const { return name_; }
    int Index() const { return index_; }  // -1 when not in a control array
    Form* form() const { return form_; }
    bool windowless() const;

    // Geometry in the container's scale units.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    // Geometry in twips, whatever the scale mode.
    double leftTw() const { return leftTw_; }
    double topTw() const { return topTw_; }
    double widthTw() const { return widthTw_; }
    double heightTw() const { return heightTw_; }
    void setGeometryTw(double left, double top, double width, double height);
    // The same in pixels, whatever the scale mode.
    QRectF rectPx() const;
    void setRectPx(const QRectF& r);

    // ZOrder 0 brings the control to the front of its layer, 1 sends it to the
    // back. Windowless controls always stay under the controls with windows.
    void ZOrder(int position = 0);

    // What was drawn in the control last (a card face, a back, the empty
    // mark): a short text that tests and the simulator read.
    VB_PROPERTY(QString, Drawn, QString())
    VB_PROPERTY(bool, Visible, true)
    VB_PROPERTY(bool, Enabled, true)
    VB_PROPERTY(int, BorderStyle, 0)
    VB_PROPERTY(int, BorderWidth, 1)
    VB_PROPERTY(int32_t, BackColor, 0xFFFFFF)
    VB_PROPERTY(int32_t, ForeColor, 0)
    VB_PROPERTY(int32_t, BorderColor, 0)
    VB_PROPERTY(int32_t, FillColor, 0)
    VB_PROPERTY(int, FillStyle, 1)   // 0 solid, 1 transparent
    VB_PROPERTY(int, BackStyle, 1)   // 0 transparent, 1 opaque
    VB_PROPERTY(int, Shape, ShapeRectangle)
    VB_PROPERTY(QString, ToolTipText, QString())
    VB_PROPERTY(QString, Tag, QString())
    VB_PROPERTY(QString, Caption, QString())
    VB_PROPERTY(QString, FontName, QStringLiteral("DejaVu Sans"))
    VB_PROPERTY(double, FontSize, 8.25)
    VB_PROPERTY(bool, FontBold, false)
    VB_PROPERTY(bool, FontItalic, false)
    VB_PROPERTY(int, Alignment, 0)   // 0 left, 1 right, 2 centre
    VB_PROPERTY(bool, Stretch, false)
    VB_PROPERTY(bool, WordWrap, false)
    // 2: the control lies along the bottom of its form's inner area, across
    // its whole width, whatever size the form takes; 0: placed by hand.
    VB_PROPERTY(int, Align, 0)
    // The picture of a picture box or image control.
    VB_PROPERTY(QImage, Picture, QImage())
    // The mouse pointer shown over the control (none: the window's own).
    VB_PROPERTY(QImage, MouseIcon, QImage())
    // A picture box's own scale mode, for what is drawn inside it and for
    // the mouse coordinates it reports.
    VB_PROPERTY(ScaleMode, OwnScaleMode, ScaleMode::Twips)
    // A command button that Enter clicks, wherever the focus is in its window.
    VB_PROPERTY(bool, Default, false)

    // A check box's state: 0 unticked, 1 ticked.
    VB_PROPERTY(int, Value, 0)

public:
    // The text of a combo box (typed, or the entry picked from its list) or
    // of a text box. Text other than the picked entry's leaves no entry
    // picked.
    const QString& Text() const { return text_; }
    void setText(const QString& text);
    // The list of a combo box, numbered from 0. A number outside it raises
    // error 381; ListIndex -1 is no entry picked, and picking one (error 380
    // for a number outside the list) shows its text. Setting these raises
    // no event: the user actions below do.
    // On a grid, AddItem adds a row at the end whose cells take the item's
    // tab-separated parts, and RemoveItem removes a row.
    void AddItem(const QString& item);
    void RemoveItem(int index);
    void Clear();  // the list (the text stays); on a grid the cells' texts
    int ListCount() const { return static_cast<int>(list_.size()); }
    const QString& List(int index) const;
    int ListIndex() const { return listIndex_; }
    void setListIndex(int index);

    // A control drawn inside a picture box, a frame or a tab strip: painted
    // just above it, clipped to it and shown only while it is shown. Its
    // place stays in the form's coordinates. On a tab strip it lies on the
    // page of tab (from 0), shown only while that tab is; -1 is the strip
    // whatever its tab.
    Control* Container() const { return container_; }
    void setContainer(Control* box, int tab = -1);
    int ContainerTab() const { return containerTab_; }
    // Visible, and so is its container (and its page is the tab shown).
    bool shown() const;

    // Line ends, in the container's scale units.
    double X1() const;
    double Y1() const;
    double X2() const;
    double Y2() const;
    void setLineEnds(double x1, double y1, double x2, double y2);
    double x1Tw() const { return x1Tw_; }
    double y1Tw() const { return y1Tw_; }
    double x2Tw() const { return x2Tw_; }
    double y2Tw() const { return y2Tw_; }

    // Status bar panels, numbered from 1. The changing access asks for a
    // repaint; painting reads through the const one.
    Panel& Panels(int index);
    const Panel& Panels(int index) const;
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    void setPanelCount(int n);

    // Copies every property but name, index and panels (a new element of a
    // control array starts as a copy of the first one).
    void copyPropertiesFrom(const Control& other);
    // Copies every property and the panels: a control put back as designed.
    void copyDesignFrom(const Control& other);

    // ---- Text boxes and check boxes --------------------------------------
    // Where the caret stands in a text box's text (0 before the first
    // character). Setting it, the text or the tick raises no event: the
    // user actions do.
    VB_PROPERTY(int, SelStart, 0)
    // A locked text box takes no typing (it is still pressed and clicked).
    VB_PROPERTY(bool, Locked, false)
    // A text box of many lines (line breaks "\r\n"), wrapped at its width
    // and scrolled to its caret; set before its window is shown.
    VB_PROPERTY(bool, MultiLine, false)
    // A check box's tick and an option button's selection: Value (above).

    // ---- Option buttons, frames, scroll bars, list styles, focus ---------
    // An option button's Value is 1 while it is the one selected of its
    // group: the option buttons of its form with the same container (a
    // frame, or none). SelectOption selects one.
    // A scroll bar's Value runs from Min to Max; the arrows move it by
    // SmallChange, a press beside the thumb by LargeChange.
    VB_PROPERTY(int, Min, 0)
    VB_PROPERTY(int, Max, 32767)
    VB_PROPERTY(int, SmallChange, 1)
    VB_PROPERTY(int, LargeChange, 1)
    // A combo box: 0 a name may be typed or picked, 2 a drop-down list
    // that is only picked from (nothing typed ever becomes its text).
    VB_PROPERTY(int, Style, 0)
    // How many characters of a text box are selected from SelStart.
    VB_PROPERTY(int, SelLength, 0)

public:
    // ---- List boxes ------------------------------------------------------
    // A list box's entries are a combo box's list (AddItem, List,
    // ListIndex, ...); each also holds a number (ItemData, 0 when added) and
    // its tick in a list with check boxes (Selected). An entry outside the
    // list raises error 381. NewIndex is the entry added last (-1 none).
    int ItemData(int index) const;
    void setItemData(int index, int value);
    bool Selected(int index) const;
    void setSelected(int index, bool on);
    int NewIndex() const { return newIndex_; }

    // ---- Tab strips ------------------------------------------------------
    // The tabs, numbered from 0: how many, their captions, and the one whose
    // page is shown. A tab outside raises error 381 (captions) or 380
    // (Tab). Setting them raises no event: the player's pick does.
    int Tabs() const { return static_cast<int>(tabCaptions_.size()); }
    void setTabs(int count);
    const QString& TabCaption(int tab) const;
    void setTabCaption(int tab, const QString& caption);
    // The tip the tab shows under the pointer.
    const QString& TabToolTip(int tab) const;
    void setTabToolTip(int tab, const QString& tip);
    int Tab() const { return tab_; }
    void setTab(int tab);

    // ---- Grids -----------------------------------------------------------
    // Rows and columns numbered from 0; cells added are empty, cells cut
    // off go. A cell outside raises error 381. The current cell (Row, Col)
    // stays within the grid.
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    void setRows(int rows);
    void setCols(int cols);
    const QString& TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // A cell's own back colour; -1 (none) shows the grid's: BackColor, or
    // a grey for the fixed rows and columns.
    int32_t CellBackColor(int row, int col) const;
    void setCellBackColor(int row, int col, int32_t colour);
    // A column's width in twips; -1 fits it to its texts.
    double ColWidth(int col) const;
    void setColWidth(int col, double widthTw);
    // A column's alignment: 0 left, 1 right, 2 centre.
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    int Row() const { return row_; }
    int Col() const { return col_; }
    // Setting the current row selects that row alone (RowSel follows it).
    void setRow(int row);
    void setCol(int col);
    // The selection runs over the whole rows from Row to RowSel (either
    // way round); setting RowSel after Row selects a block of rows.
    int RowSel() const { return rowSel_; }
    void setRowSel(int row);
    // The heading texts of the first row, "|" between columns, each led by
    // "<" (left), "^" (centre) or ">" (right) for its column's alignment:
    // the grid takes as many columns as the string names.
    void setFormatString(const QString& format);
    VB_PROPERTY(int, FixedRows, 1)
    VB_PROPERTY(int, FixedCols, 1)

public:
    // Gives the control the keys (its window's screen widget takes them);
    // the form notes it as its ActiveControl.
    void SetFocus();

protected:
    void changed();

private:
    double toTw(double v) const;
    double fromTw(double v) const;

    Form* form_;
    Kind kind_;
    QString name_;
    int index_;
    double leftTw_ = 0, topTw_ = 0, widthTw_ = 0, heightTw_ = 0;
    double x1Tw_ = 0, y1Tw_ = 0, x2Tw_ = 0, y2Tw_ = 0;
    std::vector<Panel> panels_;
    Control* container_ = nullptr;
    int containerTab_ = -1;
    std::vector<QString> tabCaptions_;
    std::vector<QString> tabToolTips_;
    int tab_ = 0;
    int rows_ = 0, cols_ = 0, row_ = 0, col_ = 0, rowSel_ = 0;
    std::vector<QString> cells_;          // row by row
    std::vector<int32_t> cellColours_;    // row by row; -1 none
    std::vector<double> colWidths_;
    std::vector<int> colAlignments_;
    std::size_t cellAt(int row, int col) const;  // error 381 outside
    std::size_t colAt(int col) const;            // error 381 outside
    void resizeGrid(int rows, int cols);
    QString text_;
    std::vector<QString> list_;
    int listIndex_ = -1;
    std::vector<int> itemData_;   // beside list_
    std::vector<char> selected_;  // beside list_
    int newIndex_ = -1;
    std::size_t entryAt(int index) const;  // error 381 outside the list
};

// What the player does to a control, as its screen widget reports it. Each
// raises the form's events as the run time does; tests call them to act as
// the player. A control that is hidden or disabled takes nothing.
// Types into a combo box (the text, no entry picked) or into a text box
// that is not locked (its whole text), then Change.
void UserTypes(Control& c, const QString& text);
// Picks entry index of a combo box's list: its text, then Click.
void UserPicks(Control& c, int index);
// Clicks a control: a command button is pressed (Click); a text box raises
// MouseDown, MouseUp and Click; a check box MouseDown, then is pressed (its
// tick turned over, Click), then MouseUp, as the window does.
void UserClicks(Control& c);
// An option button is selected as a check box is ticked (MouseDown, Click
// and MouseUp), but raises Click only when it was not selected yet. A menu
// entry raises Click.
// Selects an option button: the others of its group are cleared. Raises no
// event (a click of the player's does, through UserClicks, and only when
// the button was not selected yet).
void SelectOption(Control& c);
// Moves a scroll bar to value (kept within Min..Max): Change, when the
// value is new.
void UserScrolls(Control& c, int value);
// Picks a tab of a tab strip: its page shows, then Click when it is new.
void UserPicksTab(Control& c, int tab);
// Clicks a cell of a grid: it becomes the current cell, then Click.
void UserClicksCell(Control& c, int row, int col);
// Ticks or unticks entry index of a list box with check boxes: its tick
// turns over, it becomes the picked entry, then Click.
void UserChecks(Control& c, int index);

// A control array: elements are loaded and unloaded by index. Looking up an
// element that is not loaded raises error 340 rather than handing out a
// null control.
class ControlArray {
public:
    ControlArray(Form* form, Kind kind, QString name);

    Control& operator()(int index);
    const Control& operator()(int index) const;
    bool exists(int index) const;
    // Load: the new element copies the lowest element's properties and
    // starts hidden. Loading an element that exists raises error 360.
    Control& Load(int index);
    // Loads the element when it is not loaded yet.
    Control& ensure(int index);
    void Unload(int index);
    int LBound() const;
    int UBound() const;
    int Count() const { return static_cast<int>(items_.size()); }
    std::vector<int> indexes() const;
    // The elements as they are now, and putting them back so: elements
    // loaded since are unloaded, unloaded ones loaded again, and every one
    // takes its properties from the copy.
    std::map<int, std::unique_ptr<Control>> copyElements() const;
    void restoreElements(const std::map<int, std::unique_ptr<Control>>& design);
    const QString& Name() const { return name_; }
    Kind kind() const { return kind_; }

private:
    Form* form_;
    Kind kind_;
    QString name_;
    std::map<int, std::unique_ptr<Control>> items_;
};

class FormWindow;

// Why a window is being unloaded, as Form_QueryUnload is told.
enum UnloadMode : int {
    vbFormControlMenu = 0,  // the user closed it (close button, window menu, Alt+F4)
    vbFormCode = 1,         // the program unloads it
    vbAppWindows = 2,       // the desktop session is ending
    vbAppTaskManager = 3,   // a task manager ends the program
};

// A window of the program: its controls, its size and place in twips, its
// scale mode, and the events the run time raises. Subclasses override the
// events they handle.
class Form {
public:
    explicit Form(QString name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& Name() const { return name_; }

    // Outer size and place of the window, in twips.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void Move(double left, double top, double width, double height);
    // The inner area in the form's scale units.
    double ScaleWidth() const;
    double ScaleHeight() const;
    ScaleMode scaleMode() const { return scaleMode_; }
    void setScaleMode(ScaleMode m) { scaleMode_ = m; }

    int WindowState() const { return windowState_; }  // 0 normal, 1 minimized, 2 maximized
    void setWindowState(int s);
    bool Visible() const { return visible_; }
    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    int32_t BackColor() const { return backColor_; }
    void setBackColor(int32_t c);
    // The window's own font size (text printed on the form itself).
    double FontSize() const { return fontSize_; }
    void setFontSize(double size) { fontSize_ = size; }
    QImage Picture() const { return picture_; }
    // The picture, laid out over the area (pixels; an empty one is the
    // whole window when tiled).
    void setPicture(const QImage& p, PictureLayout layout = PictureLayout::AsIs, QSize area = QSize());
    PictureLayout pictureLayout() const { return pictureLayout_; }
    QSize pictureArea() const { return pictureArea_; }
    // Paints the picture as laid out, within the rectangle (pixels).
    void paintPicture(QPainter& p, const QRect& within) const;
    bool KeyPreview = false;
    // Keeps the window above the others (the keep-on-top choice).
    bool StayOnTop() const { return stayOnTop_; }
    void setStayOnTop(bool on);
    // A window without frame or title bar: its inner area is the whole window.
    bool Borderless() const { return borderless_; }
    void setBorderless(bool on);
    // A pop-up window, such as a command list: no frame or title bar, no
    // taskbar entry, above the other windows; it never takes the focus from
    // the window it opens over, and it closes itself, as a close by the user
    // does, when the mouse is pressed outside it or the program loses the
    // focus.
    bool Popup() const { return popup_; }
    void setPopup(bool on);
    // Twips of this window's frame (both sides together) and of its title
    // bar plus frame: 0 for a borderless window.
    double frameWidthTw() const;
    double frameHeightTw() const;
    // Called while the left button is held on the window's body: the window
    // follows the mouse until the button is released, as if its title bar
    // were dragged. Nothing happens without a screen window.
    void DragByBody();

    // Controls. The form owns them.
    Control& addControl(Kind kind, const QString& name);
    ControlArray& addArray(Kind kind, const QString& name, int firstIndex = 0);
    // The control array of that name; null when the form has none.
    ControlArray* findArray(const QString& name) const;
    // Paint order: windowless controls first, then the ones with windows.
    std::vector<Control*> paintOrder() const;
    // The Controls collection: every control in the order it was made.
    const std::vector<Control*>& controls() const { return collection_; }
    void bringToFront(Control* c);
    void sendToBack(Control* c);

    // Life cycle. Load raises Form_Load once; Show loads when needed and
    // opens the window; Unload asks Form_QueryUnload and Form_Unload and
    // closes the window unless one of them cancels. The screen window is
    // made only when a display is wanted (see setHeadless).
    void Load();
    // Loads a window that was loaded and unloaded before as it was designed:
    // its controls and their properties as at the first call. It stays the
    // same object.
    void LoadAsDesigned();
    bool isLoaded() const { return loaded_; }
    void Show(bool modal = false);
    void Hide();
    // unloadMode: one of UnloadMode.
    bool Unload(int unloadMode = vbFormCode);
    FormWindow* window() const { return window_; }

    // Repaint request from the form itself, and the change of one of its
    // controls (a control with a widget of its own shows it there).
    void changed();
    void controlChanged(Control& c);

    // Event handlers, raised by the run time.
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode) { (void)cancel; (void)unloadMode; }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_Resize() {}
    // Places the controls aligned to an edge of the inner area.
    void AlignControls();
    virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode; (void)shift; }
    virtual void MouseDown(Control& c, int button, int shift, double x, double y);
    virtual void MouseMove(Control& c, int button, int shift, double x, double y);
    virtual void MouseUp(Control& c, int button, int shift, double x, double y);
    virtual void Click(Control& c) { (void)c; }
    // The text of a combo box or a text box was typed into.
    virtual void Change(Control& c) { (void)c; }
    // A click on a control as the user gives it: a check box flips its
    // Value, then Click runs. The window, UserClicks and tests press
    // controls so.
    void Press(Control& c);
    virtual void DblClick(Control& c) { (void)c; }
    virtual void KeyDown(Control& c, int& keyCode, int shift) { (void)c; (void)keyCode; (void)shift; }
    // A press, a move and a click on the form itself, outside every control.
    virtual void FormMouseDown(int button, int shift, double x, double y);
    virtual void FormMouseMove(int button, int shift, double x, double y);
    virtual void FormClick() {}

    // The command button that Enter clicks (shown and enabled); null when
    // the window has none.
    Control* defaultButton() const;
    // The control that was last given the keys with SetFocus; null for none.
    Control* ActiveControl() const { return activeControl_; }
    void focusControl(Control& c);

    // Called by the window: a close asked for by the user, or by the
    // desktop session when it ends (vbAppWindows).
    void windowClosed(int unloadMode = vbFormControlMenu);
    void windowResized(double widthTw, double heightTw, int state);

private:
    friend class FormWindow;
    QString name_;
    QString caption_;
    double leftTw_ = 0, topTw_ = 0, widthTw_ = 12000, heightTw_ = 9000;
    ScaleMode scaleMode_ = ScaleMode::Twips;
    int windowState_ = 0;
    bool visible_ = false;
    bool loaded_ = false;
    bool stayOnTop_ = false;
    bool popup_ = false;
    bool borderless_ = false;
    bool unloading_ = false;
    int32_t backColor_ = 0x8000;  // table green
    double fontSize_ = 8.25;
    QImage picture_;
    PictureLayout pictureLayout_ = PictureLayout::AsIs;
    QSize pictureArea_;
    std::vector<std::unique_ptr<Control>> singles_;
    std::vector<std::unique_ptr<ControlArray>> arrays_;
    std::vector<Control*> order_;  // z-order, back to front
    std::vector<Control*> collection_;  // in the order made
    FormWindow* window_ = nullptr;
    Control* activeControl_ = nullptr;

    friend class Control;
    friend class ControlArray;
    void registerControl(Control* c);
    void forgetControl(Control* c);

    // The form as designed, taken by the first LoadAsDesigned.
    struct Design;
    std::unique_ptr<Design> design_;
    void takeDesign();
    void restoreDesign();
};

// The run time's Forms collection: every loaded window.
namespace forms {
const std::vector<Form*>& loaded();
// False: forms never open a screen window (tests, the simulator).
void setScreenWindows(bool on);
bool screenWindows();
// Called after a window has been unloaded (the program ends with its main window).
void setUnloadHook(std::function<void(Form*)> hook);

// Tests switch on scripting of the modal shows: a window shown modally
// then waits for no player. It is shown (on the screen too, when screen
// windows are made) and runs the actions queued for it (acting as the
// player: typing, picking, clicking), one after the other while it stays
// loaded and shown and the next action in the queue is for it; then the
// modal show returns, the window as the actions left it. An error an
// action raises goes to the caller of Show.
void setModalScripting(bool on);
bool modalScripting();
void queueModalAction(const QString& formName, std::function<void(Form&)> action);
int pendingModalActions();
void clearModalActions();
}  // namespace forms

// The run time's global instance of a window class, made on first use.
template <class F>
class DefaultInstance {
public:
    static F& get() {
        auto& p = slot();
        if (!p) p = std::make_unique<F>();
        return *p;
    }
    // For the hidden picture stores: a window that was unloaded is loaded
    // again, as designed, the next time it is used. It stays the same
    // object, since callers may still hold it.
    static F& getLoaded() {
        F& f = get();
        if (!f.isLoaded()) f.LoadAsDesigned();
        return f;
    }
    static bool exists() { return slot() != nullptr; }
    static void release() { slot().reset(); }

private:
    static std::unique_ptr<F>& slot() {
        // The list of loaded windows is made first, so that it is still there
        // when the instance goes at the end of the program.
        static const bool listFirst = (forms::loaded(), true);
        (void)listFirst;
        static std::unique_ptr<F> p;
        return p;
    }
};

// Twips of the frame around a form's inner area (both sides together) and of
// its title bar plus frame.
double FrameWidthTw();
double FrameHeightTw();

// A colour of the run time (&HBBGGRR) as a QColor.
QColor toQColor(int32_t c);

}  // namespace vb
