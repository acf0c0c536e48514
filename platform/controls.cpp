#include "platform/controls.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <deque>
#include <utility>

#include "platform/formwindow.h"
#include "platform/twips.h"
#include "platform/vberror.h"

namespace vb {

namespace {
std::vector<Form*>& loadedForms() {
    static std::vector<Form*> f;
    return f;
}
bool& screenWindowsFlag() {
    static bool on = true;
    return on;
}
std::function<void(Form*)>& unloadHook() {
    static std::function<void(Form*)> hook;
    return hook;
}
struct ModalAction {
    QString formName;
    std::function<void(Form&)> action;
};
std::deque<ModalAction>& modalActions() {
    static std::deque<ModalAction> queue;
    return queue;
}
bool& modalScriptingFlag() {
    static bool on = false;
    return on;
}
double unitTw(ScaleMode m) { return m == ScaleMode::Pixels ? screen::kTwipsPerPixel : 1.0; }
}  // namespace

namespace forms {
const std::vector<Form*>& loaded() { return loadedForms(); }
void setScreenWindows(bool on) { screenWindowsFlag() = on; }
bool screenWindows() { return screenWindowsFlag(); }
void setUnloadHook(std::function<void(Form*)> hook) { unloadHook() = std::move(hook); }
void setModalScripting(bool on) { modalScriptingFlag() = on; }
bool modalScripting() { return modalScriptingFlag(); }
void queueModalAction(const QString& formName, std::function<void(Form&)> action) {
    modalActions().push_back({formName, std::move(action)});
}
int pendingModalActions() { return static_cast<int>(modalActions().size()); }
void clearModalActions() { modalActions().clear(); }
}  // namespace forms

double FrameWidthTw() { return screen::PixelsToTwips(8); }
double FrameHeightTw() { return screen::PixelsToTwips(8 + screen::Current().captionHeightPx); }

QColor toQColor(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

std::vector<QPoint> TilePositions(QSize area, QSize picture) {
    std::vector<QPoint> out;
    if (area.width() <= 0 || area.height() <= 0 || picture.width() <= 0 || picture.height() <= 0) return out;
    const int tileW = std::min(picture.width(), area.width());
    const int tileH = std::min(picture.height(), area.height());
    const int columns = area.width() / tileW + 1;
    const int rows = area.height() / tileH + 1;
    // A step that would pass the edge stays where it is: the last tile of a
    // row or column is painted again, clipped.
    const auto step = [](int at, int tile, int edge) { return at + tile > edge ? at : at + tile; };
    int y = 0;
    for (int r = 0; r < rows && y < area.height(); ++r) {
        int x = 0;
        for (int c = 0; c < columns && x < area.width(); ++c) {
            if (out.empty() || out.back() != QPoint(x, y)) out.emplace_back(x, y);
            x = step(x, tileW, area.width());
        }
        y = step(y, tileH, area.height());
    }
    return out;
}

// ---------------------------------------------------------------- Control

Control::Control(Form* form, Kind kind, QString name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {
    if (kind_ == Kind::Label) {
        BackColor_ = 0x8000;
        BackStyle_ = 0;
        ForeColor_ = 0xFFFFFF;
    }
    if (kind_ == Kind::Shape) BackStyle_ = 0;
    if (kind_ == Kind::PictureBox) BorderStyle_ = 1;
    if (kind_ == Kind::CheckBox) BackStyle_ = 0;
    if (kind_ == Kind::TabStrip) BackColor_ = 0xF0F0F0;
    if (kind_ == Kind::Grid) resizeGrid(2, 2);
}

bool Control::windowless() const {
    return kind_ == Kind::Image || kind_ == Kind::Label || kind_ == Kind::Shape ||
           kind_ == Kind::Line;
}

double Control::toTw(double v) const { return v * unitTw(form_->scaleMode()); }
double Control::fromTw(double v) const { return v / unitTw(form_->scaleMode()); }

double Control::Left() const { return fromTw(leftTw_); }
double Control::Top() const { return fromTw(topTw_); }
double Control::Width() const { return fromTw(widthTw_); }
double Control::Height() const { return fromTw(heightTw_); }
void Control::setLeft(double v) { setGeometryTw(toTw(v), topTw_, widthTw_, heightTw_); }
void Control::setTop(double v) { setGeometryTw(leftTw_, toTw(v), widthTw_, heightTw_); }
void Control::setWidth(double v) {
    if (v < 0) raise(ErrInvalidCall);
    setGeometryTw(leftTw_, topTw_, toTw(v), heightTw_);
}
void Control::setHeight(double v) {
    if (v < 0) raise(ErrInvalidCall);
    setGeometryTw(leftTw_, topTw_, widthTw_, toTw(v));
}
void Control::Move(double left, double top) {
    setGeometryTw(toTw(left), toTw(top), widthTw_, heightTw_);
}
void Control::Move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) raise(ErrInvalidCall);
    setGeometryTw(toTw(left), toTw(top), toTw(width), toTw(height));
}
QRectF Control::rectPx() const {
    return QRectF(screen::TwipsToPixels(leftTw_), screen::TwipsToPixels(topTw_), screen::TwipsToPixels(widthTw_),
                  screen::TwipsToPixels(heightTw_));
}

void Control::setRectPx(const QRectF& r) {
    setGeometryTw(screen::PixelsToTwips(r.x()), screen::PixelsToTwips(r.y()), screen::PixelsToTwips(r.width()),
                  screen::PixelsToTwips(r.height()));
}

void Control::setGeometryTw(double left, double top, double width, double height) {
    if (left == leftTw_ && top == topTw_ && width == widthTw_ && height == heightTw_) return;
    leftTw_ = left;
    topTw_ = top;
    widthTw_ = width;
    heightTw_ = height;
    changed();
}

double Control::X1() const { return fromTw(x1Tw_); }
double Control::Y1() const { return fromTw(y1Tw_); }
double Control::X2() const { return fromTw(x2Tw_); }
double Control::Y2() const { return fromTw(y2Tw_); }
void Control::setLineEnds(double x1, double y1, double x2, double y2) {
    x1Tw_ = toTw(x1);
    y1Tw_ = toTw(y1);
    x2Tw_ = toTw(x2);
    y2Tw_ = toTw(y2);
    changed();
}

void Control::ZOrder(int position) {
    if (position == 0)
        form_->bringToFront(this);
    else
        form_->sendToBack(this);
}

Panel& Control::Panels(int index) {
    Panel& panel = const_cast<Panel&>(std::as_const(*this).Panels(index));
    changed();
    return panel;
}

const Panel& Control::Panels(int index) const {
    if (index < 1 || index > PanelCount()) raise(ErrSubscript);
    return panels_[static_cast<std::size_t>(index - 1)];
}

void Control::setPanelCount(int n) {
    panels_.resize(static_cast<std::size_t>(std::max(0, n)));
    changed();
}

void Control::copyPropertiesFrom(const Control& o) {
    Drawn_ = o.Drawn_;
    Visible_ = o.Visible_;
    Enabled_ = o.Enabled_;
    BorderStyle_ = o.BorderStyle_;
    BorderWidth_ = o.BorderWidth_;
    BackColor_ = o.BackColor_;
    ForeColor_ = o.ForeColor_;
    BorderColor_ = o.BorderColor_;
    FillColor_ = o.FillColor_;
    FillStyle_ = o.FillStyle_;
    BackStyle_ = o.BackStyle_;
    Shape_ = o.Shape_;
    ToolTipText_ = o.ToolTipText_;
    Tag_ = o.Tag_;
    Caption_ = o.Caption_;
    FontName_ = o.FontName_;
    FontSize_ = o.FontSize_;
    FontBold_ = o.FontBold_;
    FontItalic_ = o.FontItalic_;
    Alignment_ = o.Alignment_;
    Stretch_ = o.Stretch_;
    WordWrap_ = o.WordWrap_;
    Picture_ = o.Picture_;
    MouseIcon_ = o.MouseIcon_;
    OwnScaleMode_ = o.OwnScaleMode_;
    Default_ = o.Default_;
    text_ = o.text_;
    list_ = o.list_;
    listIndex_ = o.listIndex_;
    itemData_ = o.itemData_;
    selected_ = o.selected_;
    newIndex_ = o.newIndex_;
    MultiLine_ = o.MultiLine_;
    Value_ = o.Value_;
    leftTw_ = o.leftTw_;
    topTw_ = o.topTw_;
    widthTw_ = o.widthTw_;
    heightTw_ = o.heightTw_;
    x1Tw_ = o.x1Tw_;
    y1Tw_ = o.y1Tw_;
    x2Tw_ = o.x2Tw_;
    y2Tw_ = o.y2Tw_;
    SelStart_ = o.SelStart_;
    Locked_ = o.Locked_;
    Min_ = o.Min_;
    Max_ = o.Max_;
    SmallChange_ = o.SmallChange_;
    LargeChange_ = o.LargeChange_;
    Style_ = o.Style_;
    SelLength_ = o.SelLength_;
    tabCaptions_ = o.tabCaptions_;
    tab_ = o.tab_;
    rows_ = o.rows_;
    cols_ = o.cols_;
    row_ = o.row_;
    col_ = o.col_;
    cells_ = o.cells_;
    cellColours_ = o.cellColours_;
    colWidths_ = o.colWidths_;
    colAlignments_ = o.colAlignments_;
    FixedRows_ = o.FixedRows_;
    FixedCols_ = o.FixedCols_;
    changed();
}

void Control::copyDesignFrom(const Control& o) {
    copyPropertiesFrom(o);
    panels_ = o.panels_;
}

// ---- Text boxes and check boxes: what the player does -------------------

namespace {
// Typing replaces a text box's text (the caret stays where the typing
// left it on the screen); a locked box takes none.
void typeIntoTextBox(Control& c, const QString& text) {
    if (c.Locked()) return;
    c.setText(text);
    if (c.form()) c.form()->Change(c);
}

// A click on an option button: it is selected, and a new selection is
// reported.
void clickOptionButton(Control& c) {
    Form* form = c.form();
    if (!form) return;
    constexpr int kLeftButton = 1;
    form->MouseDown(c, kLeftButton, 0, 0, 0);
    const bool fresh = c.Value() != 1;
    SelectOption(c);
    if (fresh) form->Click(c);
    form->MouseUp(c, kLeftButton, 0, 0, 0);
}

// A press on a text box, or a check box's tick turned over by a click.
void clickTextOrCheckBox(Control& c) {
    Form* form = c.form();
    if (!form) return;
    constexpr int kLeftButton = 1;
    form->MouseDown(c, kLeftButton, 0, 0, 0);
    if (c.kind() == Kind::CheckBox) {
        form->Press(c);
        form->MouseUp(c, kLeftButton, 0, 0, 0);
    } else {
        form->MouseUp(c, kLeftButton, 0, 0, 0);
        form->Click(c);
    }
}
}  // namespace

void Control::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    if (listIndex_ >= 0 && list_[static_cast<std::size_t>(listIndex_)] != text_) listIndex_ = -1;
    changed();
}

void Control::AddItem(const QString& item) {
    if (kind_ == Kind::Grid) {
        const QStringList parts = item.split('\t');
        const int row = rows_;
        resizeGrid(rows_ + 1, cols_);
        for (int col = 0; col < cols_ && col < parts.size(); ++col) cells_[cellAt(row, col)] = parts[col];
        changed();
        return;
    }
    list_.push_back(item);
    itemData_.push_back(0);
    selected_.push_back(0);
    newIndex_ = ListCount() - 1;
    changed();
}

void Control::RemoveItem(int index) {
    if (kind_ == Kind::Grid) {
        if (index < 0 || index >= rows_) raise(381, "Invalid property array index");
        const auto first = static_cast<std::ptrdiff_t>(cellAt(index, 0));
        cells_.erase(cells_.begin() + first, cells_.begin() + first + cols_);
        cellColours_.erase(cellColours_.begin() + first, cellColours_.begin() + first + cols_);
        --rows_;
        row_ = std::clamp(row_, 0, std::max(0, rows_ - 1));
        rowSel_ = std::clamp(rowSel_, 0, std::max(0, rows_ - 1));
        changed();
        return;
    }
    if (index < 0 || index >= ListCount()) raise(381, "Invalid property array index");
    list_.erase(list_.begin() + index);
    itemData_.erase(itemData_.begin() + index);
    selected_.erase(selected_.begin() + index);
    newIndex_ = -1;
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    changed();
}

void Control::Clear() {
    if (kind_ == Kind::Grid) {
        std::fill(cells_.begin(), cells_.end(), QString());
        changed();
        return;
    }
    list_.clear();
    itemData_.clear();
    selected_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
    changed();
}

std::size_t Control::entryAt(int index) const {
    if (index < 0 || index >= ListCount()) raise(381, "Invalid property array index");
    return static_cast<std::size_t>(index);
}

int Control::ItemData(int index) const { return itemData_[entryAt(index)]; }

void Control::setItemData(int index, int value) {
    itemData_[entryAt(index)] = value;
    changed();
}

bool Control::Selected(int index) const { return selected_[entryAt(index)] != 0; }

void Control::setSelected(int index, bool on) {
    char& tick = selected_[entryAt(index)];
    if ((tick != 0) == on) return;
    tick = on ? 1 : 0;
    changed();
}

const QString& Control::List(int index) const {
    if (index < 0 || index >= ListCount()) raise(381, "Invalid property array index");
    return list_[static_cast<std::size_t>(index)];
}

void Control::setListIndex(int index) {
    if (index < -1 || index >= ListCount()) raise(380, "Invalid property value");
    listIndex_ = index;
    if (index >= 0) text_ = list_[static_cast<std::size_t>(index)];
    changed();
}

void UserTypes(Control& c, const QString& text) {
    if (!c.shown() || !c.Enabled()) return;
    if (c.kind() == Kind::ComboBox && c.Style() == 2) return;
    if (c.kind() == Kind::TextBox) {
        typeIntoTextBox(c, text);
        return;
    }
    c.setText(text);
    c.setListIndex(-1);
    if (c.form()) c.form()->Change(c);
}

void UserPicks(Control& c, int index) {
    if (!c.shown() || !c.Enabled()) return;
    c.setListIndex(index);
    if (c.form()) c.form()->Click(c);
}

void UserChecks(Control& c, int index) {
    if (!c.shown() || !c.Enabled() || c.kind() != Kind::ListBox) return;
    c.setSelected(index, !c.Selected(index));
    c.setListIndex(index);
    if (c.form()) c.form()->Click(c);
}

void UserClicks(Control& c) {
    if (!c.shown() || !c.Enabled()) return;
    if (c.kind() == Kind::TextBox || c.kind() == Kind::CheckBox) {
        clickTextOrCheckBox(c);
        return;
    }
    if (c.kind() == Kind::OptionButton) {
        clickOptionButton(c);
        return;
    }
    if (c.form()) c.form()->Press(c);
}

// ---- Option buttons, scroll bars and focus --------------------------------

void SelectOption(Control& c) {
    if (Form* form = c.form()) {
        for (Control* other : form->controls())
            if (other != &c && other->kind() == Kind::OptionButton && other->Container() == c.Container())
                other->setValue(0);
    }
    c.setValue(1);
}

void UserScrolls(Control& c, int value) {
    if (!c.shown() || !c.Enabled()) return;
    const int low = std::min(c.Min(), c.Max());
    const int high = std::max(c.Min(), c.Max());
    value = std::clamp(value, low, high);
    if (value == c.Value()) return;
    c.setValue(value);
    if (c.form()) c.form()->Change(c);
}

void Control::SetFocus() {
    if (!shown() || !Enabled()) raise(ErrInvalidCall);
    if (form_) form_->focusControl(*this);
}

void Control::setContainer(Control* box, int tab) {
    container_ = box;
    containerTab_ = box && box->kind() == Kind::TabStrip ? tab : -1;
    changed();
}

bool Control::shown() const {
    if (!Visible()) return false;
    if (!container_) return true;
    return container_->shown() && (containerTab_ < 0 || container_->Tab() == containerTab_);
}

// ---- Tab strips ------------------------------------------------------------

void Control::setTabs(int count) {
    if (count < 1) raise(380, "Invalid property value");
    tabCaptions_.resize(static_cast<std::size_t>(count));
    tabToolTips_.resize(static_cast<std::size_t>(count));
    tab_ = std::min(tab_, count - 1);
    changed();
}

const QString& Control::TabCaption(int tab) const {
    if (tab < 0 || tab >= Tabs()) raise(381, "Invalid property array index");
    return tabCaptions_[static_cast<std::size_t>(tab)];
}

void Control::setTabCaption(int tab, const QString& caption) {
    if (tab < 0 || tab >= Tabs()) raise(381, "Invalid property array index");
    tabCaptions_[static_cast<std::size_t>(tab)] = caption;
    changed();
}

const QString& Control::TabToolTip(int tab) const {
    if (tab < 0 || tab >= Tabs()) raise(381, "Invalid property array index");
    return tabToolTips_[static_cast<std::size_t>(tab)];
}

void Control::setTabToolTip(int tab, const QString& tip) {
    if (tab < 0 || tab >= Tabs()) raise(381, "Invalid property array index");
    tabToolTips_[static_cast<std::size_t>(tab)] = tip;
    changed();
}

void Control::setTab(int tab) {
    if (tab < 0 || tab >= Tabs()) raise(380, "Invalid property value");
    if (tab == tab_) return;
    tab_ = tab;
    changed();  // the window shows the controls of the page with it
}

void UserPicksTab(Control& c, int tab) {
    if (!c.shown() || !c.Enabled() || tab < 0 || tab >= c.Tabs()) return;
    const bool fresh = tab != c.Tab();
    c.setTab(tab);
    if (fresh && c.form()) c.form()->Click(c);
}

// ---- Grids -----------------------------------------------------------------

std::size_t Control::cellAt(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) raise(381, "Subscript out of range");
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
}

void Control::resizeGrid(int rows, int cols) {
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    std::vector<int32_t> colours(cells.size(), -1);
    for (int r = 0; r < std::min(rows, rows_); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            const std::size_t to = static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                                   static_cast<std::size_t>(c);
            cells[to] = cells_[cellAt(r, c)];
            colours[to] = cellColours_[cellAt(r, c)];
        }
    cells_ = std::move(cells);
    cellColours_ = std::move(colours);
    rows_ = rows;
    cols_ = cols;
    colWidths_.resize(static_cast<std::size_t>(cols), -1);
    colAlignments_.resize(static_cast<std::size_t>(cols), 0);
    row_ = std::clamp(row_, 0, std::max(0, rows - 1));
    rowSel_ = std::clamp(rowSel_, 0, std::max(0, rows - 1));
    col_ = std::clamp(col_, 0, std::max(0, cols - 1));
}

void Control::setRows(int rows) {
    if (rows < 0) raise(380, "Invalid property value");
    resizeGrid(rows, cols_);
    changed();
}

void Control::setCols(int cols) {
    if (cols < 0) raise(380, "Invalid property value");
    resizeGrid(rows_, cols);
    changed();
}

const QString& Control::TextMatrix(int row, int col) const { return cells_[cellAt(row, col)]; }

void Control::setTextMatrix(int row, int col, const QString& text) {
    QString& cell = cells_[cellAt(row, col)];
    if (cell == text) return;
    cell = text;
    changed();
}

int32_t Control::CellBackColor(int row, int col) const { return cellColours_[cellAt(row, col)]; }

void Control::setCellBackColor(int row, int col, int32_t colour) {
    int32_t& cell = cellColours_[cellAt(row, col)];
    if (cell == colour) return;
    cell = colour;
    changed();
}

std::size_t Control::colAt(int col) const {
    if (col < 0 || col >= cols_) raise(381, "Subscript out of range");
    return static_cast<std::size_t>(col);
}

double Control::ColWidth(int col) const { return colWidths_[colAt(col)]; }

void Control::setColWidth(int col, double widthTw) {
    colWidths_[colAt(col)] = widthTw;
    changed();
}

int Control::ColAlignment(int col) const { return colAlignments_[colAt(col)]; }

void Control::setColAlignment(int col, int alignment) {
    colAlignments_[colAt(col)] = alignment;
    changed();
}

void Control::setRow(int row) {
    if (row < 0 || row >= rows_) raise(381, "Subscript out of range");
    row_ = row;
    rowSel_ = row;
    changed();
}

void Control::setRowSel(int row) {
    if (row < 0 || row >= rows_) raise(381, "Subscript out of range");
    rowSel_ = row;
    changed();
}

void Control::setCol(int col) {
    col_ = static_cast<int>(colAt(col));
    changed();
}

void Control::setFormatString(const QString& format) {
    const QStringList columns = format.split('|');
    resizeGrid(std::max(rows_, 1), static_cast<int>(columns.size()));
    for (int col = 0; col < cols_; ++col) {
        QString heading = columns[col];
        int alignment = 0;
        if (heading.startsWith('^'))
            alignment = 2;
        else if (heading.startsWith('>'))
            alignment = 1;
        if (heading.startsWith('<') || alignment != 0) heading.remove(0, 1);
        colAlignments_[static_cast<std::size_t>(col)] = alignment;
        cells_[cellAt(0, col)] = heading.trimmed();
    }
    changed();
}

void UserClicksCell(Control& c, int row, int col) {
    if (!c.shown() || !c.Enabled() || row < 0 || row >= c.Rows() || col < 0 || col >= c.Cols()) return;
    c.setRow(row);
    c.setCol(col);
    if (c.form()) c.form()->Click(c);
}

void Control::changed() {
    if (form_) form_->controlChanged(*this);
}

// ----------------------------------------------------------- ControlArray

ControlArray::ControlArray(Form* form, Kind kind, QString name)
    : form_(form), kind_(kind), name_(std::move(name)) {}

Control& ControlArray::operator()(int index) {
    auto it = items_.find(index);
    if (it == items_.end())
        raise(ErrControlArrayElement,
              "Control array element '" + std::to_string(index) + "' doesn't exist");
    return *it->second;
}

const Control& ControlArray::operator()(int index) const {
    return const_cast<ControlArray*>(this)->operator()(index);
}

bool ControlArray::exists(int index) const { return items_.count(index) != 0; }

Control& ControlArray::Load(int index) {
    if (exists(index)) raise(360, "Object already loaded");
    auto c = std::make_unique<Control>(form_, kind_, name_, index);
    if (!items_.empty()) {
        c->copyPropertiesFrom(*items_.begin()->second);
        c->setVisible(false);
    }
    Control* raw = c.get();
    items_.emplace(index, std::move(c));
    form_->registerControl(raw);
    return *raw;
}

Control& ControlArray::ensure(int index) { return exists(index) ? (*this)(index) : Load(index); }

void ControlArray::Unload(int index) {
    auto it = items_.find(index);
    if (it == items_.end())
        raise(ErrControlArrayElement,
              "Control array element '" + std::to_string(index) + "' doesn't exist");
    form_->forgetControl(it->second.get());
    items_.erase(it);
}

std::map<int, std::unique_ptr<Control>> ControlArray::copyElements() const {
    std::map<int, std::unique_ptr<Control>> out;
    for (const auto& [i, c] : items_) {
        auto copy = std::make_unique<Control>(nullptr, kind_, name_, i);
        copy->copyDesignFrom(*c);
        out.emplace(i, std::move(copy));
    }
    return out;
}

void ControlArray::restoreElements(const std::map<int, std::unique_ptr<Control>>& design) {
    for (int i : indexes())
        if (!design.count(i)) Unload(i);
    for (const auto& [i, c] : design) ensure(i).copyDesignFrom(*c);
}

int ControlArray::LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
int ControlArray::UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }

std::vector<int> ControlArray::indexes() const {
    std::vector<int> out;
    for (const auto& [i, c] : items_) out.push_back(i);
    return out;
}

// ------------------------------------------------------------------- Form

struct Form::Design {
    QString caption;
    double leftTw = 0, topTw = 0, widthTw = 0, heightTw = 0;
    ScaleMode scaleMode = ScaleMode::Twips;
    int32_t backColor = 0;
    QImage picture;
    PictureLayout pictureLayout = PictureLayout::AsIs;
    QSize pictureArea;
    bool stayOnTop = false;
    bool borderless = false;
    bool popup = false;
    bool keyPreview = false;
    std::vector<std::pair<Control*, std::unique_ptr<Control>>> singles;
    std::vector<std::pair<ControlArray*, std::map<int, std::unique_ptr<Control>>>> arrays;
};

Form::Form(QString name) : name_(std::move(name)), caption_(name_) {}

Form::~Form() {
    auto& list = loadedForms();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (window_) {
        FormWindow* w = window_;
        window_ = nullptr;
        // The window may be running a handler; it goes once that returns. At
        // the very end of the program there is no event loop left to ask.
        if (QCoreApplication::instance())
            w->detach();
    }
}

double Form::Left() const { return leftTw_; }
double Form::Top() const { return topTw_; }
double Form::Width() const { return widthTw_; }
double Form::Height() const { return heightTw_; }
void Form::setLeft(double v) { Move(v, topTw_, widthTw_, heightTw_); }
void Form::setTop(double v) { Move(leftTw_, v, widthTw_, heightTw_); }
void Form::setWidth(double v) { Move(leftTw_, topTw_, v, heightTw_); }
void Form::setHeight(double v) { Move(leftTw_, topTw_, widthTw_, v); }

void Form::Move(double left, double top, double width, double height) {
    if (width < 0 || height < 0) raise(ErrInvalidCall);
    // A minimized or maximized window cannot be moved or sized.
    if (windowState_ != 0) raise(384, "A form can't be moved or sized while minimized or maximized");
    const bool resized = width != widthTw_ || height != heightTw_;
    leftTw_ = left;
    topTw_ = top;
    widthTw_ = width;
    heightTw_ = height;
    if (window_) window_->applyGeometry();
    if (resized) AlignControls();
    if (resized && loaded_) Form_Resize();
}

void Form::AlignControls() {
    for (Control* c : collection_) {
        if (c->Align() != 2) continue;
        const double innerWidth = std::max(0.0, widthTw_ - frameWidthTw());
        const double innerHeight = std::max(0.0, heightTw_ - frameHeightTw());
        c->setGeometryTw(0, std::max(0.0, innerHeight - c->heightTw()), innerWidth, c->heightTw());
    }
}

double Form::ScaleWidth() const {
    return std::max(0.0, widthTw_ - frameWidthTw()) / unitTw(scaleMode_);
}
double Form::ScaleHeight() const {
    return std::max(0.0, heightTw_ - frameHeightTw()) / unitTw(scaleMode_);
}

void Form::setWindowState(int s) {
    if (s == windowState_) return;
    windowState_ = s;
    if (window_) window_->applyGeometry();
    if (loaded_) Form_Resize();
}

void Form::setStayOnTop(bool on) {
    stayOnTop_ = on;
    if (window_) window_->applyGeometry();
}

void Form::setBorderless(bool on) {
    borderless_ = on;
    if (window_) window_->applyGeometry();
}

void Form::setPopup(bool on) {
    popup_ = on;
    if (window_) window_->applyGeometry();
}

double Form::frameWidthTw() const { return borderless_ || popup_ ? 0.0 : FrameWidthTw(); }
double Form::frameHeightTw() const { return borderless_ || popup_ ? 0.0 : FrameHeightTw(); }

void Form::DragByBody() {
    if (window_) window_->startBodyDrag();
}

void Form::setCaption(const QString& c) {
    caption_ = c;
    changed();
}
void Form::setBackColor(int32_t c) {
    backColor_ = c;
    changed();
}
void Form::setPicture(const QImage& p, PictureLayout layout, QSize area) {
    picture_ = p;
    pictureLayout_ = layout;
    pictureArea_ = area;
    changed();
}

void Form::paintPicture(QPainter& p, const QRect& within) const {
    if (picture_.isNull()) return;
    switch (pictureLayout_) {
    case PictureLayout::AsIs:
        p.drawImage(QPointF(0, 0), picture_);
        break;
    case PictureLayout::Stretched:
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(pictureArea_)), picture_);
        break;
    case PictureLayout::Tiled: {
        const QRect area = pictureArea_.isEmpty() ? QRect(QPoint(0, 0), within.bottomRight() + QPoint(1, 1))
                                                  : QRect(QPoint(0, 0), pictureArea_);
        p.save();
        p.setClipRect(area & within, Qt::IntersectClip);
        for (const QPoint& at : TilePositions(area.size(), picture_.size()))
            if (QRect(at, picture_.size()).intersects(within)) p.drawImage(at, picture_);
        p.restore();
        break;
    }
    }
}

Control& Form::addControl(Kind kind, const QString& name) {
    singles_.push_back(std::make_unique<Control>(this, kind, name));
    registerControl(singles_.back().get());
    return *singles_.back();
}

ControlArray& Form::addArray(Kind kind, const QString& name, int firstIndex) {
    arrays_.push_back(std::make_unique<ControlArray>(this, kind, name));
    arrays_.back()->Load(firstIndex);
    return *arrays_.back();
}

ControlArray* Form::findArray(const QString& name) const {
    for (const auto& a : arrays_)
        if (a->Name() == name) return a.get();
    return nullptr;
}

void Form::registerControl(Control* c) {
    order_.push_back(c);
    collection_.push_back(c);
    changed();
}

void Form::forgetControl(Control* c) {
    if (activeControl_ == c) activeControl_ = nullptr;
    order_.erase(std::remove(order_.begin(), order_.end(), c), order_.end());
    collection_.erase(std::remove(collection_.begin(), collection_.end(), c), collection_.end());
    for (Control* other : order_)
        if (other->Container() == c) other->setContainer(nullptr);
    if (window_) window_->controlGone(c);
    changed();
}

std::vector<Control*> Form::paintOrder() const {
    std::vector<Control*> out;
    // A contained control comes right after its container.
    // (a frame on a tab page, and the buttons in the frame, after the strip).
    const std::function<void(Control*)> add = [&](Control* c) {
        out.push_back(c);
        for (Control* inner : order_)
            if (inner->Container() == c) add(inner);
    };
    for (Control* c : order_)
        if (c->windowless() && !c->Container()) add(c);
    for (Control* c : order_)
        if (!c->windowless() && !c->Container()) add(c);
    return out;
}

void Form::bringToFront(Control* c) {
    order_.erase(std::remove(order_.begin(), order_.end(), c), order_.end());
    order_.push_back(c);
    changed();
}

void Form::sendToBack(Control* c) {
    order_.erase(std::remove(order_.begin(), order_.end(), c), order_.end());
    order_.insert(order_.begin(), c);
    changed();
}

void Form::takeDesign() {
    design_ = std::make_unique<Design>();
    Design& d = *design_;
    d.caption = caption_;
    d.leftTw = leftTw_;
    d.topTw = topTw_;
    d.widthTw = widthTw_;
    d.heightTw = heightTw_;
    d.scaleMode = scaleMode_;
    d.backColor = backColor_;
    d.picture = picture_;
    d.pictureLayout = pictureLayout_;
    d.pictureArea = pictureArea_;
    d.stayOnTop = stayOnTop_;
    d.borderless = borderless_;
    d.popup = popup_;
    d.keyPreview = KeyPreview;
    for (const auto& c : singles_) {
        auto copy = std::make_unique<Control>(nullptr, c->kind(), c->Name());
        copy->copyDesignFrom(*c);
        d.singles.emplace_back(c.get(), std::move(copy));
    }
    for (const auto& a : arrays_) d.arrays.emplace_back(a.get(), a->copyElements());
}

void Form::restoreDesign() {
    const Design& d = *design_;
    caption_ = d.caption;
    leftTw_ = d.leftTw;
    topTw_ = d.topTw;
    widthTw_ = d.widthTw;
    heightTw_ = d.heightTw;
    scaleMode_ = d.scaleMode;
    windowState_ = 0;
    backColor_ = d.backColor;
    picture_ = d.picture;
    pictureLayout_ = d.pictureLayout;
    pictureArea_ = d.pictureArea;
    stayOnTop_ = d.stayOnTop;
    borderless_ = d.borderless;
    popup_ = d.popup;
    KeyPreview = d.keyPreview;
    for (const auto& [control, copy] : d.singles) control->copyDesignFrom(*copy);
    for (const auto& [array, elements] : d.arrays) array->restoreElements(elements);
}

void Form::LoadAsDesigned() {
    if (loaded_) return;
    if (design_)
        restoreDesign();
    else
        takeDesign();
    Load();
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    loadedForms().push_back(this);
    Form_Load();
}

void Form::Show(bool modal) {
    Load();
    if (!loaded_) return;  // the load event unloaded the window again
    visible_ = true;
    const bool scripted = modal && forms::modalScripting();
    if (forms::screenWindows()) {
        if (!window_) window_ = new FormWindow(this);
        window_->applyGeometry();
        window_->showAsForm(modal && !scripted);
    }
    if (!scripted) return;
    // The test's player acts on the window while it waits for them.
    std::deque<ModalAction>& queue = modalActions();
    while (loaded_ && visible_ && !queue.empty() && queue.front().formName == name_) {
        const std::function<void(Form&)> action = std::move(queue.front().action);
        queue.pop_front();
        action(*this);
    }
}

void Form::Hide() {
    visible_ = false;
    if (window_) window_->hide();
}

bool Form::Unload(int unloadMode) {
    if (!loaded_) return true;
    // A second request while the first is still asking the form waits for it.
    if (unloading_) return false;
    unloading_ = true;
    int cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (!cancel) Form_Unload(cancel);
    unloading_ = false;
    if (cancel) return false;
    loaded_ = false;
    visible_ = false;
    activeControl_ = nullptr;
    auto& list = loadedForms();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (window_) {
        FormWindow* w = window_;
        window_ = nullptr;
        w->detach();
    }
    if (unloadHook()) unloadHook()(this);
    return true;
}

void Form::changed() {
    if (window_) window_->scheduleRepaint();
}

void Form::controlChanged(Control& c) {
    if (window_) window_->controlChanged(&c);
}

void Form::focusControl(Control& c) {
    activeControl_ = &c;
    if (window_) window_->focusControl(&c);
}

Control* Form::defaultButton() const {
    for (Control* c : collection_)
        if (c->kind() == Kind::CommandButton && c->Default() && c->shown() && c->Enabled()) return c;
    return nullptr;
}

void Form::MouseDown(Control&, int, int, double, double) {}
void Form::MouseMove(Control&, int, int, double, double) {}
void Form::MouseUp(Control&, int, int, double, double) {}
void Form::FormMouseDown(int, int, double, double) {}
void Form::FormMouseMove(int, int, double, double) {}

void Form::windowClosed(int unloadMode) { Unload(unloadMode); }

void Form::Press(Control& c) {
    if (c.kind() == Kind::CheckBox) c.setValue(c.Value() == 1 ? 0 : 1);
    Click(c);
}

void Form::windowResized(double widthTw, double heightTw, int state) {
    const bool changedSize = widthTw != widthTw_ || heightTw != heightTw_ || state != windowState_;
    if (state != 1) {
        widthTw_ = widthTw;
        heightTw_ = heightTw;
    }
    windowState_ = state;
    if (changedSize && state != 1) AlignControls();
    if (changedSize && loaded_) Form_Resize();
}

}  // namespace vb
