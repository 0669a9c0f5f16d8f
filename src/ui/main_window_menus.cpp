// Menus, toolbar and shortcuts built from the command table, and the mirror
// of the command states into them.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/document.h"
#include "tools/tool_selection.h"
#include "ui/icons.h"
#include "ui/main_window.h"

namespace vh::ui {

namespace {

// The caption with Qt's modified-mark placeholder after the document's name
// ("valley.vhm[*] - Varnholm"); a "[*]" in the name itself is doubled so
// that Qt shows it as written.
QString WindowTitleTemplate(const std::string& caption) {
    QString title = QString::fromStdString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    const QString suffix = QString::fromStdString(DocumentCaption(""));
    if (title.endsWith(suffix)) return title.insert(title.size() - suffix.size(), QStringLiteral("[*]"));
    return title + QStringLiteral("[*]");
}

}  // namespace

QAction* MainWindow::AddAction(const Command& row, QWidget* owner) {
    const QString caption = QString::fromUtf8(row.caption);
    QAction* action = nullptr;
    if (auto* menu = qobject_cast<QMenu*>(owner)) {
        action = row.kind == Kind::Separator ? menu->addSeparator() : menu->addAction(caption);
    } else {
        action = new QAction(ToolbarIcon(QString::fromUtf8(row.name)), caption, this);
        action->setToolTip(caption);
    }
    action->setObjectName(QString::fromUtf8(row.name));
    action->setCheckable(row.kind == Kind::Check);
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
    if (!row.state.Empty()) bindings_.push_back({action, row.state, !*row.caption, {}});
    if (*row.name) actions_[row.name] = action;
    if (row.run) connect(action, &QAction::triggered, this, [this, &row] { Run(row); });
    return action;
}

void MainWindow::AddToolbarControl(const Command& row, QAction* action, QMenu* dropDown) {
    const std::string key = row.name;
    QToolButton* button = nullptr;
    if (dropDown) {
        button = new QToolButton(tBar_);
        button->setDefaultAction(action);
        button->setMenu(dropDown);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        tBar_->addWidget(button);
    } else {
        tBar_->addAction(action);
        button = qobject_cast<QToolButton*>(tBar_->widgetForAction(action));
    }
    if (!button) return;
    button->setObjectName(QString::fromStdString(key) + "Button");
    buttons_[key] = button;
}

void MainWindow::BuildControls() {
    tBar_ = addToolBar(tr("Tools"));
    tBar_->setObjectName("tBar");
    tBar_->setMovable(false);
    tBar_->setIconSize(QSize(24, 24));
    // One group: pressing one tool button releases the others.
    toolGroup_ = new QActionGroup(this);
    toolGroup_->setExclusive(true);

    std::map<Place, QMenu*> menus;  // the menus and drop-downs rows are placed in
    for (const Command& row : CommandTable()) {
        const QString name = QString::fromUtf8(row.name);
        if (row.place == Place::MenuBar) {
            QMenu* menu = menuBar()->addMenu(QString::fromUtf8(row.caption));
            menu->setObjectName(name);
            menus[row.opens] = menu;
        } else if (row.place == Place::Toolbar && row.kind == Kind::Separator) {
            tBar_->addSeparator();
        } else if (row.place == Place::Toolbar) {
            QAction* action = AddAction(row, tBar_);
            if (row.kind == Kind::Check) toolGroup_->addAction(action);
            QMenu* dropDown = nullptr;
            if (row.opens != Place::None) {
                dropDown = new QMenu(this);
                dropDown->setObjectName(name + "Menu");
                menus[row.opens] = dropDown;
            }
            AddToolbarControl(row, action, dropDown);
        } else if (row.kind == Kind::Menu) {
            QMenu* sub = menus.at(row.place)->addMenu(QString::fromUtf8(row.caption));
            sub->setObjectName(name + "Menu");
            sub->menuAction()->setObjectName(name);
            bindings_.push_back({sub->menuAction(), row.state, false, {}});
            actions_[row.name] = sub->menuAction();
            menus[row.opens] = sub;
        } else {
            AddAction(row, menus.at(row.place));
        }
    }

    // Moving over the toolbar drops the picked square.
    tBar_->setMouseTracking(true);
    tBar_->installEventFilter(this);
    for (QWidget* child : tBar_->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

void MainWindow::Run(const Command& row) {
    if (ended_) return;
    // Every toolbar click drops the pick first.
    if (OnToolbar(row)) ToolbarClearPick(state_);
    ++handlerDepth_;
    row.run(*this, row.arg);
    --handlerDepth_;
    if (!ended_) RefreshControls();
}

void MainWindow::RefreshControls() {
    const CommandStates states = ComputeCommandStates(state_);
    for (Binding& b : bindings_) {
        const ControlState& c = b.state.Of(states);
        if (b.action->isEnabled() != c.Enabled) b.action->setEnabled(c.Enabled);
        if (b.action->isCheckable() && b.action->isChecked() != c.Checked) b.action->setChecked(c.Checked);
        if (b.action->isVisible() != c.Visible) b.action->setVisible(c.Visible);
        if (b.mirrorCaption && b.caption != c.Caption) {
            b.caption = c.Caption;
            b.action->setText(QString::fromStdString(c.Caption));
        }
    }
    if (shownCaption_ != state_.Doc.Caption) {
        shownCaption_ = state_.Doc.Caption;
        setWindowTitle(WindowTitleTemplate(shownCaption_));
    }
    setWindowModified(!state_.Doc.DocClean);
    SyncLoop();
}

QAction* MainWindow::Action(const std::string& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* MainWindow::ToolButton(const std::string& key) const {
    const auto it = buttons_.find(key);
    return it == buttons_.end() ? nullptr : it->second;
}

}  // namespace vh::ui
