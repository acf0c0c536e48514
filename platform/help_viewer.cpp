#include "platform/help_viewer.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <optional>
#include <vector>

#include "platform/help_document.h"
#include "platform/msgbox.h"

namespace help {

namespace {

constexpr int kTargetRole = Qt::UserRole;
constexpr int kDefaultWidthPx = 760;
constexpr int kDefaultHeightPx = 560;

// How the pages look; the pages themselves carry no style.
const char kPageStyle[] =
    "body { font-family: 'DejaVu Sans'; font-size: 10pt; }"
    "h1 { color: #1d4d2b; font-size: 17pt; }"
    "h2 { color: #1d4d2b; font-size: 13pt; margin-top: 14px; }"
    "h3 { font-size: 11pt; }"
    "td { padding: 2px 8px 2px 0px; vertical-align: top; }"
    "th { padding: 2px 8px 2px 0px; text-align: left; }"
    ".key { font-weight: bold; color: #40342a; }";

class HelpWindow : public QWidget {
public:
    HelpWindow(QString path, Document doc, const WindowType* layout, quintptr handle)
        : path_(std::move(path)), doc_(std::move(doc)), handle_(handle) {
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(doc_.title);

        auto* splitter = new QSplitter(this);
        tabs_ = new QTabWidget(splitter);
        tree_ = new QTreeWidget;
        tree_->setHeaderHidden(true);
        fillTree();
        index_ = new QListWidget;
        for (const IndexEntry& e : doc_.index) {
            auto* item = new QListWidgetItem(e.keyword, index_);
            item->setData(kTargetRole, e.target);
        }
        index_->sortItems();
        tabs_->addTab(tree_, QStringLiteral("Contents"));
        tabs_->addTab(index_, QStringLiteral("Index"));

        auto* right = new QWidget(splitter);
        auto* buttons = new QHBoxLayout;
        back_ = new QPushButton(QStringLiteral("Back"));
        auto* home = new QPushButton(QStringLiteral("Contents"));
        buttons->addWidget(back_);
        buttons->addWidget(home);
        buttons->addStretch();
        browser_ = new QTextBrowser;
        browser_->setOpenLinks(false);
        // No keyboard cursor: a blinking one would wake the program twice a
        // second while the help only stands open.
        browser_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse |
                                          Qt::LinksAccessibleByKeyboard);
        browser_->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));
        auto* column = new QVBoxLayout(right);
        column->setContentsMargins(0, 0, 0, 0);
        column->addLayout(buttons);
        column->addWidget(browser_);
        splitter->setStretchFactor(0, 0);
        splitter->setStretchFactor(1, 1);
        splitter->setSizes({250, 550});
        auto* outer = new QVBoxLayout(this);
        outer->setContentsMargins(4, 4, 4, 4);
        outer->addWidget(splitter);

        connect(tree_, &QTreeWidget::itemClicked, this,
                [this](QTreeWidgetItem* item) { showTarget(item->data(0, kTargetRole).toString()); });
        connect(tree_, &QTreeWidget::itemActivated, this,
                [this](QTreeWidgetItem* item) { showTarget(item->data(0, kTargetRole).toString()); });
        connect(index_, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { showTarget(item->data(kTargetRole).toString()); });
        connect(index_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { showTarget(item->data(kTargetRole).toString()); });
        connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { follow(url); });
        connect(back_, &QPushButton::clicked, this, [this] { goBack(); });
        connect(home, &QPushButton::clicked, this, [this] { showContents(); });
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(escape, &QShortcut::activated, this, &QWidget::close);

        const QSize size = layout ? QSize(layout->width, layout->height) : QSize(kDefaultWidthPx, kDefaultHeightPx);
        resize(size);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
        back_->setEnabled(false);
    }

    const QString& path() const { return path_; }
    // Closed, and gone once control is back in the event loop.
    bool closing() const { return closing_; }
    quintptr handle() const { return handle_; }
    const QString& shown() const { return shown_; }
    int frontTab() const { return tabs_->currentIndex(); }

    void bringUp() {
        QWidget::show();
        if (isMinimized()) showNormal();
        raise();
        activateWindow();
    }

    // Shows a target; an unknown topic leaves the page as it is.
    void showTarget(const QString& target) {
        const QString topic = TargetTopic(target).isEmpty() ? doc_.defaultTopic : TargetTopic(target);
        const Page* page = doc_.page(topic);
        if (!page) return;
        const QString anchor = TargetAnchor(target);
        const QString where = anchor.isEmpty() ? topic : topic + "#" + anchor;
        if (!shown_.isEmpty() && shown_ != where) history_.push_back(shown_);
        display(*page, where);
    }

    void showContents() {
        tabs_->setCurrentIndex(0);
        showTarget(doc_.defaultTopic);
    }

    void showIndexTab() { tabs_->setCurrentIndex(1); }

    bool lookup(const KeywordLink& link) {
        for (const QString& keyword : link.keywords.split(';')) {
            if (const IndexEntry* entry = doc_.lookup(keyword)) {
                showTarget(entry->target);
                return true;
            }
        }
        return false;
    }

    void follow(const QUrl& url) {
        // Pages link to one another by target; a link to the page's own
        // anchor has no topic.
        if (!url.scheme().isEmpty()) return;
        const QString topic = url.path().isEmpty() ? TargetTopic(shown_) : url.path();
        showTarget(url.fragment().isEmpty() ? topic : topic + "#" + url.fragment());
    }

protected:
    void closeEvent(QCloseEvent* e) override {
        closing_ = true;
        QWidget::closeEvent(e);
    }

private:
    void fillTree() {
        std::vector<QTreeWidgetItem*> parents;
        for (const ContentsRow& row : doc_.contents) {
            const std::size_t level = static_cast<std::size_t>(row.level);
            parents.resize(std::min(parents.size(), level - 1));
            QTreeWidgetItem* item = parents.empty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
            item->setText(0, row.title);
            item->setData(0, kTargetRole, row.target);
            parents.push_back(item);
        }
        tree_->expandToDepth(0);
    }

    void display(const Page& page, const QString& where) {
        if (TargetTopic(shown_) != page.topic) browser_->setHtml(page.html);
        shown_ = where;
        back_->setEnabled(!history_.empty());
        markInTree();
        scrollToShown();
        // The page is laid out again once the window is on the screen: the
        // place is taken once more then.
        QTimer::singleShot(0, this, [this] { scrollToShown(); });
    }

    void scrollToShown() {
        const QString anchor = TargetAnchor(shown_);
        if (anchor.isEmpty())
            browser_->verticalScrollBar()->setValue(0);
        else
            browser_->scrollToAnchor(anchor);
    }

    void markInTree() {
        const QSignalBlocker quiet(tree_);
        for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
            const QString target = (*it)->data(0, kTargetRole).toString();
            if (target == shown_ || (target == TargetTopic(shown_) && !tree_->currentItem())) {
                tree_->setCurrentItem(*it);
                if (target == shown_) return;
            }
        }
    }

    void goBack() {
        if (history_.empty()) return;
        const QString target = history_.back();
        history_.pop_back();
        if (const Page* page = doc_.page(TargetTopic(target))) display(*page, target);
    }

    QString path_;
    Document doc_;
    quintptr handle_;
    QString shown_;
    std::vector<QString> history_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QListWidget* index_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    bool closing_ = false;
};

std::vector<QPointer<HelpWindow>>& windows() {
    static std::vector<QPointer<HelpWindow>> open;
    // Windows closed since (they delete themselves) leave the list.
    std::erase_if(open, [](const QPointer<HelpWindow>& w) { return w.isNull() || w->closing(); });
    return open;
}

HelpWindow* windowOf(quintptr handle) {
    for (const QPointer<HelpWindow>& w : windows())
        if (w->handle() == handle) return w;
    return nullptr;
}

// "file>layout" into the file and the layout's name.
void splitFile(const QString& file, QString& path, QString& layout) {
    const qsizetype mark = file.lastIndexOf('>');
    if (mark < 0 || file.indexOf('/', mark) >= 0) {
        path = file;
        layout.clear();
    } else {
        path = file.left(mark);
        layout = file.mid(mark + 1).trimmed();
    }
}

// The window of a document, made when none is open. Null, after a message,
// when the document cannot be read.
HelpWindow* windowFor(const QString& file, const QString& layoutName = QString()) {
    QString path;
    QString layout;
    splitFile(file, path, layout);
    if (!layoutName.trimmed().isEmpty()) layout = layoutName.trimmed();
    for (const QPointer<HelpWindow>& w : windows())
        if (w->path() == path) return w;

    QFile f(path);
    Document doc;
    QString error;
    if (!f.open(QIODevice::ReadOnly))
        error = f.errorString();
    else
        Decode(f.readAll(), doc, error);
    if (!error.isEmpty()) {
        vb::MsgBox("The help file " + path + " cannot be shown:\n" + error, vb::vbExclamation,
                   QStringLiteral("Help"));
        return nullptr;
    }
    static quintptr serial = 0;
    const WindowType* type = doc.window(layout);
    if (!type && !doc.windows.empty()) type = &doc.windows.front();
    const std::optional<WindowType> size = type ? std::optional<WindowType>(*type) : std::nullopt;
    auto* w = new HelpWindow(path, std::move(doc), size ? &*size : nullptr, ++serial);
    windows().push_back(w);
    return w;
}

}  // namespace

quintptr DisplayTopic(const QString& file, const QString& target) {
    HelpWindow* w = windowFor(file);
    if (!w) return 0;
    w->showTarget(target);
    w->bringUp();
    return w->handle();
}

quintptr DisplayContents(const QString& file) {
    HelpWindow* w = windowFor(file);
    if (!w) return 0;
    w->showContents();
    w->bringUp();
    return w->handle();
}

quintptr KeywordLookup(const QString& file, const KeywordLink& link) {
    HelpWindow* w = windowFor(file, link.window);
    if (!w) return 0;
    if (w->lookup(link)) {
        w->showIndexTab();
    } else if (!link.urlIfNotFound.isEmpty()) {
        w->showTarget(link.urlIfNotFound);
    } else if (!link.msgText.isEmpty()) {
        vb::MsgBox(link.msgText, vb::vbOKOnly, link.msgTitle);
    }
    w->bringUp();
    return w->handle();
}

void CloseAll() {
    const std::vector<QPointer<HelpWindow>> open = windows();
    for (const QPointer<HelpWindow>& w : open)
        if (w) w->close();
}

int OpenWindowCount() { return static_cast<int>(windows().size()); }

std::vector<quintptr> OpenWindows() {
    std::vector<quintptr> handles;
    for (const QPointer<HelpWindow>& w : windows()) handles.push_back(w->handle());
    return handles;
}

QString ShownTarget(quintptr handle) {
    const HelpWindow* w = windowOf(handle);
    return w ? w->shown() : QString();
}

int FrontTab(quintptr handle) {
    const HelpWindow* w = windowOf(handle);
    return w ? w->frontTab() : -1;
}

QString WindowCaption(quintptr handle) {
    const HelpWindow* w = windowOf(handle);
    return w ? w->windowTitle() : QString();
}

void FollowLink(quintptr handle, const QString& href) {
    if (HelpWindow* w = windowOf(handle)) w->follow(QUrl(href));
}

}  // namespace help
