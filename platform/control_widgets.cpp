#include "platform/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QMouseEvent>
#include <QPalette>
#include <QRadioButton>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "platform/twips.h"

namespace vb {

QFont ControlFont(const Control& c) {
    QFont f(c.FontName());
    f.setPointSizeF(c.FontSize());
    f.setBold(c.FontBold());
    f.setItalic(c.FontItalic());
    return f;
}

ControlWidget::ControlWidget(Control& c, QWidget* widget, HandlerRunner run)
    : control_(&c), widget_(widget), run_(std::move(run)) {}

ControlWidget::~ControlWidget() {
    if (!widget_) return;
    // The widget may be reporting to us right now: it goes from the event
    // loop. Its reports to us went with context_.
    widget_->hide();
    widget_->deleteLater();
}

void ControlWidget::show(const Control& c) {
    if (!widget_) return;
    showing_ = true;
    const QRectF r = c.rectPx();
    widget_->setGeometry(placeFor(c, QRect(static_cast<int>(r.x()), static_cast<int>(r.y()),
                                           static_cast<int>(r.width()), static_cast<int>(r.height()))));
    if (widget_->font() != ControlFont(c)) widget_->setFont(ControlFont(c));
    widget_->setEnabled(c.Enabled());
    widget_->setToolTip(c.ToolTipText());
    showState(c);
    widget_->setVisible(c.shown());
    showing_ = false;
}

QRect ControlWidget::placeFor(const Control&, const QRect& rect) const { return rect; }

void ControlWidget::takeFocus() {
    if (widget_) widget_->setFocus();
}

void ControlWidget::act(const std::function<void(Control&)>& action) {
    if (showing_) return;
    // The handler may unload the form and with it this object: nothing of
    // it is touched once the handler runs.
    Control* c = control_;
    const HandlerRunner run = run_;
    run([c, action] { action(*c); });
}

namespace {

// An editable combo box: typing sets the text, a pick from the list (or
// Enter on a text that is in the list) picks that entry.
class ComboWidget : public ControlWidget {
public:
    ComboWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QComboBox(parent), std::move(run)) {
        // A drop-down list (style 2) takes no typing.
        combo()->setEditable(c.Style() != 2);
        // The list is the program's: typed names are not added to it, and
        // nothing is completed that the player did not type.
        combo()->setInsertPolicy(QComboBox::NoInsert);
        if (combo()->lineEdit()) {
            combo()->setCompleter(nullptr);
            QObject::connect(combo()->lineEdit(), &QLineEdit::textEdited, context(), [this](const QString& text) {
                act([text](Control& c) { UserTypes(c, text); });
            });
        }
        QObject::connect(combo(), &QComboBox::activated, context(),
                         [this](int index) { act([index](Control& c) { UserPicks(c, index); }); });
    }

    // Its text is chosen, so that a name typed replaces it.
    void takeFocus() override {
        ControlWidget::takeFocus();
        if (combo()->lineEdit()) combo()->lineEdit()->selectAll();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    void showState(const Control& c) override {
        QComboBox* box = combo();
        QStringList items;
        for (int i = 0; i < c.ListCount(); ++i) items << c.List(i);
        QStringList shown;
        for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
        if (shown != items) {
            box->clear();
            box->addItems(items);
        }
        // Typed text leaves the widget's entry as it is: moving it would
        // rewrite the text under the player's cursor.
        if (c.ListIndex() >= 0 && box->currentIndex() != c.ListIndex()) box->setCurrentIndex(c.ListIndex());
        if (box->isEditable() && box->currentText() != c.Text()) box->setEditText(c.Text());
        if (!box->isEditable() && c.ListIndex() < 0 && box->currentIndex() >= 0) box->setCurrentIndex(-1);
    }
};

// ---- Text boxes and check boxes ------------------------------------------

// The back and fore colours of a text box or check box while it is enabled
// (a disabled one is greyed as the desktop greys it).
void paintColours(QWidget* w, const Control& c, QPalette::ColorRole back, QPalette::ColorRole fore) {
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, back, toQColor(c.BackColor()));
        p.setColor(g, fore, toQColor(c.ForeColor()));
    }
    if (p != w->palette()) w->setPalette(p);
}

// A line edit that reports a click (a left button released over it) once
// it has placed its caret.
class ClickableLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QLineEdit::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton || !rect().contains(e->position().toPoint()) || !onClick) return;
        // The handler may end the window and this widget with it.
        const std::function<void()> click = onClick;
        click();
    }
};

// A text box: typing sets its text; a click raises the press and the
// click. Its caret goes where the program puts it when the program sets
// the text or the caret.
class TextBoxWidget : public ControlWidget {
public:
    TextBoxWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new ClickableLineEdit(parent), std::move(run)) {
        edit()->setFrame(true);
        QObject::connect(edit(), &QLineEdit::textEdited, context(),
                         [this](const QString& text) { act([text](Control& c) { UserTypes(c, text); }); });
        edit()->onClick = [this] { act([](Control& c) { UserClicks(c); }); };
    }
    ~TextBoxWidget() override {
        if (ClickableLineEdit* e = edit()) e->onClick = nullptr;
    }

private:
    ClickableLineEdit* edit() const { return static_cast<ClickableLineEdit*>(widget()); }

    void showState(const Control& c) override {
        ClickableLineEdit* e = edit();
        paintColours(e, c, QPalette::Base, QPalette::Text);
        e->setReadOnly(c.Locked());
        const bool replaced = e->text() != c.Text();
        if (replaced) e->setText(c.Text());
        // The program's selection shows when it sets one; a text it puts in
        // takes the caret at SelStart.
        const bool selected = c.SelStart() != shownSelStart_ || c.SelLength() != shownSelLength_;
        if (selected && c.SelLength() > 0)
            e->setSelection(c.SelStart(), c.SelLength());
        else if (replaced || selected)
            e->setCursorPosition(c.SelStart());
        shownSelStart_ = c.SelStart();
        shownSelLength_ = c.SelLength();
    }
    int shownSelStart_ = -1;
    int shownSelLength_ = 0;
};

// A text box of many lines: its text's "\r\n" are its line breaks; the
// caret goes where the program puts it, and the box scrolls to show it.
class MultiLineTextWidget : public ControlWidget {
public:
    MultiLineTextWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QPlainTextEdit(parent), std::move(run)) {
        edit()->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        QObject::connect(edit(), &QPlainTextEdit::textChanged, context(), [this] {
            const QString text = edit()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            act([text](Control& c) {
                if (c.Text() != text) UserTypes(c, text);
            });
        });
    }

private:
    QPlainTextEdit* edit() const { return static_cast<QPlainTextEdit*>(widget()); }

    void showState(const Control& c) override {
        QPlainTextEdit* e = edit();
        paintColours(e, c, QPalette::Base, QPalette::Text);
        e->setReadOnly(c.Locked());
        const QString shown = QString(c.Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const bool replaced = e->toPlainText() != shown;
        if (replaced) e->setPlainText(shown);
        if (!replaced && c.SelStart() == shownSelStart_) return;
        shownSelStart_ = c.SelStart();
        // The caret's place in the shown text, where each "\r\n" is one character.
        const QString before = c.Text().left(c.SelStart());
        QTextCursor cursor = e->textCursor();
        cursor.setPosition(static_cast<int>(std::min<qsizetype>(before.size() - before.count(QStringLiteral("\r\n")),
                                                                 shown.size())));
        e->setTextCursor(cursor);
        e->ensureCursorVisible();
    }
    int shownSelStart_ = -1;
};

// A list box: a click picks an entry; in a list with check boxes a click
// on an entry's box ticks or unticks it.
class ListBoxWidget : public ControlWidget {
public:
    ListBoxWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QListWidget(parent), std::move(run)) {
        list()->setSelectionMode(QAbstractItemView::SingleSelection);
        QObject::connect(list(), &QListWidget::itemChanged, context(), [this](QListWidgetItem* item) {
            const int row = list()->row(item);
            const bool ticked = item->checkState() == Qt::Checked;
            act([row, ticked](Control& c) {
                if (row >= 0 && row < c.ListCount() && c.Style() == 1 && c.Selected(row) != ticked) UserChecks(c, row);
            });
        });
        QObject::connect(list(), &QListWidget::itemClicked, context(), [this](QListWidgetItem* item) {
            const int row = list()->row(item);
            act([row](Control& c) {
                if (row >= 0 && row < c.ListCount()) UserPicks(c, row);
            });
        });
    }

private:
    QListWidget* list() const { return static_cast<QListWidget*>(widget()); }

    void showState(const Control& c) override {
        QListWidget* l = list();
        bool same = l->count() == c.ListCount();
        for (int i = 0; same && i < c.ListCount(); ++i) same = l->item(i)->text() == c.List(i);
        if (!same) {
            l->clear();
            for (int i = 0; i < c.ListCount(); ++i) l->addItem(c.List(i));
        }
        const bool checks = c.Style() == 1;
        for (int i = 0; i < c.ListCount(); ++i) {
            QListWidgetItem* item = l->item(i);
            const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                        (checks ? Qt::ItemIsUserCheckable : Qt::NoItemFlags);
            if (item->flags() != flags) item->setFlags(flags);
            if (checks) {
                const Qt::CheckState state = c.Selected(i) ? Qt::Checked : Qt::Unchecked;
                if (item->checkState() != state) item->setCheckState(state);
            }
        }
        if (l->currentRow() != c.ListIndex()) l->setCurrentRow(c.ListIndex());
    }
};

// A check box: a click (or the space bar) turns its tick over.
class CheckBoxWidget : public ControlWidget {
public:
    CheckBoxWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QCheckBox(parent), std::move(run)) {
        box()->setAutoFillBackground(true);
        // A button fills with its Button colour: the back colour is the Window's.
        box()->setBackgroundRole(QPalette::Window);
        QObject::connect(box(), &QCheckBox::clicked, context(),
                         [this](bool) { act([](Control& c) { UserClicks(c); }); });
    }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }

    void showState(const Control& c) override {
        QCheckBox* b = box();
        paintColours(b, c, QPalette::Window, QPalette::WindowText);
        if (b->text() != c.Caption()) b->setText(c.Caption());
        if (b->isChecked() != (c.Value() == 1)) b->setChecked(c.Value() == 1);
    }
};

// ---- Option buttons and scroll bars --------------------------------------

// A radio button that the player's click does not turn over by itself: the
// control model decides which button of a group is selected.
class ModelRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// An option button: a click selects it (the model clears the others of its
// group).
class OptionButtonWidget : public ControlWidget {
public:
    OptionButtonWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new ModelRadioButton(parent), std::move(run)) {
        button()->setAutoExclusive(false);
        button()->setAutoFillBackground(true);
        button()->setBackgroundRole(QPalette::Window);
        QObject::connect(button(), &QRadioButton::clicked, context(),
                         [this](bool) { act([](Control& c) { UserClicks(c); }); });
    }

private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }

    void showState(const Control& c) override {
        QRadioButton* b = button();
        paintColours(b, c, QPalette::Window, QPalette::WindowText);
        if (b->text() != c.Caption()) b->setText(c.Caption());
        if (b->isChecked() != (c.Value() == 1)) b->setChecked(c.Value() == 1);
    }
};

// A scroll bar, horizontal or vertical (Min at the top): the player's
// moves of it go to the model.
class ScrollBarWidget : public ControlWidget {
public:
    ScrollBarWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c,
                        new QScrollBar(c.kind() == Kind::VScrollBar ? Qt::Vertical : Qt::Horizontal, parent),
                        std::move(run)) {
        QObject::connect(bar(), &QScrollBar::valueChanged, context(),
                         [this](int value) { act([value](Control& c) { UserScrolls(c, value); }); });
    }

private:
    QScrollBar* bar() const { return static_cast<QScrollBar*>(widget()); }

    void showState(const Control& c) override {
        QScrollBar* b = bar();
        b->setRange(std::min(c.Min(), c.Max()), std::max(c.Min(), c.Max()));
        b->setSingleStep(c.SmallChange());
        b->setPageStep(c.LargeChange());
        if (b->value() != c.Value()) b->setValue(c.Value());
    }
};

// ---- Tab strips and grids -------------------------------------------------

// A tab strip's row of tabs; the window paints the page under it, so that
// the controls it paints on the page are not hidden by a widget.
class TabStripWidget : public ControlWidget {
public:
    TabStripWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QTabBar(parent), std::move(run)) {
        bar()->setDrawBase(false);
        bar()->setExpanding(false);
        QObject::connect(bar(), &QTabBar::currentChanged, context(), [this](int tab) {
            if (tab >= 0) act([tab](Control& c) { UserPicksTab(c, tab); });
        });
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }

    QRect placeFor(const Control&, const QRect& rect) const override {
        return QRect(rect.x(), rect.y(), rect.width(), static_cast<int>(screen::TwipsToPixels(kTabRowHeightTw)));
    }

    void showState(const Control& c) override {
        QTabBar* b = bar();
        while (b->count() > c.Tabs()) b->removeTab(b->count() - 1);
        while (b->count() < c.Tabs()) b->addTab(QString());
        for (int i = 0; i < c.Tabs(); ++i) {
            if (b->tabText(i) != c.TabCaption(i)) b->setTabText(i, c.TabCaption(i));
            if (b->tabToolTip(i) != c.TabToolTip(i)) b->setTabToolTip(i, c.TabToolTip(i));
        }
        if (b->currentIndex() != c.Tab()) b->setCurrentIndex(c.Tab());
    }
};

// A grid: a table without headings of its own (the fixed rows and columns
// are its headings) whose cells are not edited; a click on a cell is
// reported.
class GridWidget : public ControlWidget {
public:
    GridWidget(Control& c, QWidget* parent, HandlerRunner run)
        : ControlWidget(c, new QTableWidget(parent), std::move(run)) {
        QTableWidget* t = table();
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // One row, or a block of rows the window selects.
        t->setSelectionMode(QAbstractItemView::ContiguousSelection);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setWordWrap(false);
        QObject::connect(t, &QTableWidget::cellClicked, context(), [this](int row, int col) {
            act([row, col](Control& c) { UserClicksCell(c, row, col); });
        });
    }

private:
    QTableWidget* table() const { return static_cast<QTableWidget*>(widget()); }

    void showState(const Control& c) override {
        QTableWidget* t = table();
        if (t->rowCount() != c.Rows()) t->setRowCount(c.Rows());
        if (t->columnCount() != c.Cols()) t->setColumnCount(c.Cols());
        t->verticalHeader()->setDefaultSectionSize(QFontMetrics(t->font()).height() + 6);
        const QColor fixedBack(212, 208, 200);
        for (int row = 0; row < c.Rows(); ++row)
            for (int col = 0; col < c.Cols(); ++col) {
                QTableWidgetItem* item = t->item(row, col);
                if (!item) {
                    item = new QTableWidgetItem;
                    t->setItem(row, col, item);
                }
                if (item->text() != c.TextMatrix(row, col)) item->setText(c.TextMatrix(row, col));
                const bool fixed = row < c.FixedRows() || col < c.FixedCols();
                const int32_t own = c.CellBackColor(row, col);
                const QColor back = own >= 0 ? toQColor(own) : fixed ? fixedBack : toQColor(c.BackColor());
                if (item->background().color() != back) item->setBackground(back);
                if (item->foreground().color() != toQColor(c.ForeColor())) item->setForeground(toQColor(c.ForeColor()));
                const int align = c.ColAlignment(col);
                const Qt::Alignment flags = Qt::AlignVCenter | (align == 2   ? Qt::AlignHCenter
                                                                : align == 1 ? Qt::AlignRight
                                                                             : Qt::AlignLeft);
                if (item->textAlignment() != static_cast<int>(flags)) item->setTextAlignment(flags);
                const Qt::ItemFlags itemFlags = fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (item->flags() != itemFlags) item->setFlags(itemFlags);
            }
        // The current cell shows selected, unless it is a heading; a block
        // of rows (Row to RowSel) shows selected whole.
        const int top = std::min(c.Row(), c.RowSel());
        const int bottom = std::max(c.Row(), c.RowSel());
        if (top != bottom && top >= c.FixedRows() && bottom < c.Rows() && c.Cols() > 0) {
            const QTableWidgetSelectionRange block(top, 0, bottom, c.Cols() - 1);
            const QList<QTableWidgetSelectionRange> now = t->selectedRanges();
            if (now.size() != 1 || now.first().topRow() != top || now.first().bottomRow() != bottom) {
                t->clearSelection();
                t->setRangeSelected(block, true);
            }
        } else if (c.Row() >= c.FixedRows() && c.Col() >= c.FixedCols() && c.Row() < c.Rows() &&
                   c.Col() < c.Cols()) {
            if (t->currentRow() != c.Row() || t->currentColumn() != c.Col() || t->selectedRanges().size() != 1 ||
                t->selectedRanges().first().rowCount() != 1)
                t->setCurrentCell(c.Row(), c.Col());
        } else if (!t->selectedItems().isEmpty()) {
            t->clearSelection();
        }
        for (int col = 0; col < c.Cols(); ++col) {
            const double width = c.ColWidth(col);
            if (width < 0)
                t->resizeColumnToContents(col);
            else
                t->setColumnWidth(col, static_cast<int>(screen::TwipsToPixels(width)));
        }
    }
};

}  // namespace

bool HasOwnWidget(Kind kind) {
    return kind == Kind::ComboBox || kind == Kind::TextBox || kind == Kind::CheckBox ||
           kind == Kind::OptionButton || kind == Kind::HScrollBar || kind == Kind::VScrollBar ||
           kind == Kind::TabStrip || kind == Kind::Grid || kind == Kind::ListBox;
}

std::unique_ptr<ControlWidget> MakeControlWidget(Control& c, QWidget* parent, HandlerRunner run) {
    switch (c.kind()) {
    case Kind::ComboBox: return std::make_unique<ComboWidget>(c, parent, std::move(run));
    case Kind::TextBox:
        if (c.MultiLine()) return std::make_unique<MultiLineTextWidget>(c, parent, std::move(run));
        return std::make_unique<TextBoxWidget>(c, parent, std::move(run));
    case Kind::ListBox: return std::make_unique<ListBoxWidget>(c, parent, std::move(run));
    case Kind::CheckBox: return std::make_unique<CheckBoxWidget>(c, parent, std::move(run));
    case Kind::OptionButton: return std::make_unique<OptionButtonWidget>(c, parent, std::move(run));
    case Kind::HScrollBar:
    case Kind::VScrollBar: return std::make_unique<ScrollBarWidget>(c, parent, std::move(run));
    case Kind::TabStrip: return std::make_unique<TabStripWidget>(c, parent, std::move(run));
    case Kind::Grid: return std::make_unique<GridWidget>(c, parent, std::move(run));
    default: return nullptr;
    }
}

}  // namespace vb
