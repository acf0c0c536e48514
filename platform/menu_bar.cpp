#include "platform/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <utility>

#include "platform/controls.h"
#include "platform/twips.h"

namespace vb {

FormMenuBar::FormMenuBar(Form& form, QWidget* window, std::function<void(const std::function<void()>&)> run) {
    std::vector<Control*> titles;
    for (Control* c : form.controls())
        if (c->kind() == Kind::Menu && !c->Container()) titles.push_back(c);
    if (titles.empty()) return;
    bar_ = new QMenuBar(window);
    bar_->setNativeMenuBar(false);
    bar_->setGeometry(0, 0, window->width(), static_cast<int>(screen::TwipsToPixels(kMenuBarHeightTw)));
    const auto pick = [run](Control* c) {
        return [run, c] { run([c] { UserClicks(*c); }); };
    };
    for (Control* title : titles) {
        std::vector<Control*> entries;
        for (Control* c : form.controls())
            if (c->kind() == Kind::Menu && c->Container() == title) entries.push_back(c);
        QAction* action = nullptr;
        if (entries.empty()) {
            action = bar_->addAction(title->Caption());
            QObject::connect(action, &QAction::triggered, bar_, pick(title));
        } else {
            QMenu* menu = bar_->addMenu(title->Caption());
            action = menu->menuAction();
            for (Control* entry : entries) {
                QAction* item = entry->Caption() == QLatin1String("-") ? menu->addSeparator()
                                                                        : menu->addAction(entry->Caption());
                QObject::connect(item, &QAction::triggered, bar_, pick(entry));
                actions_[entry] = item;
                show(*entry);
            }
        }
        actions_[title] = action;
        show(*title);
    }
    bar_->show();
}

FormMenuBar::~FormMenuBar() = default;

bool FormMenuBar::present() const { return !bar_.isNull(); }

void FormMenuBar::fitWidth(int widthPx) {
    if (bar_) bar_->resize(widthPx, bar_->height());
}

void FormMenuBar::show(const Control& c) {
    auto it = actions_.find(&c);
    if (it == actions_.end() || !it->second) return;
    QAction* a = it->second;
    if (!a->isSeparator() && a->text() != c.Caption()) a->setText(c.Caption());
    a->setEnabled(c.Enabled());
    a->setVisible(c.Visible());
}

void FormMenuBar::forget(const Control* c) { actions_.erase(c); }

}  // namespace vb
