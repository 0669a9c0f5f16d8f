// Menus, toolbar and the mirror of the command states into them.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "core/document.h"
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

ControlState* FindControl(CommandStates& c, const std::string& name) {
    static const std::map<std::string, ControlState CommandStates::*> kNamed = {
        {"cmdNew", &CommandStates::cmdNew},
        {"cmdOpen", &CommandStates::cmdOpen},
        {"cmdSave", &CommandStates::cmdSave},
        {"cmdSaveAs", &CommandStates::cmdSaveAs},
        {"cmdExportMenu", &CommandStates::cmdExportMenu},
        {"cmdExport", &CommandStates::cmdExport},
        {"cmdExportAgain", &CommandStates::cmdExportAgain},
        {"cmdExportOptions", &CommandStates::cmdExportOptions},
        {"cmdExportBMP", &CommandStates::cmdExportBMP},
        {"cmdRmbSpace", &CommandStates::cmdRmbSpace},
        {"cmdQuit", &CommandStates::cmdQuit},
        {"cmdUndo", &CommandStates::cmdUndo},
        {"cmdRedo", &CommandStates::cmdRedo},
        {"cmdSolid", &CommandStates::cmdSolid},
        {"cmdSolidWire", &CommandStates::cmdSolidWire},
        {"cmdWireframe", &CommandStates::cmdWireframe},
        {"cmdPoints", &CommandStates::cmdPoints},
        {"cmdHighlightMenu", &CommandStates::cmdHighlightMenu},
        {"cmdHighlight", &CommandStates::cmdHighlight},
        {"cmdHighlightEffected", &CommandStates::cmdHighlightEffected},
        {"cmdShowLocked", &CommandStates::cmdShowLocked},
        {"cmdPointInfo", &CommandStates::cmdPointInfo},
        {"cmdFPS", &CommandStates::cmdFPS},
        {"cmdSky", &CommandStates::cmdSky},
        {"cmdMip", &CommandStates::cmdMip},
        {"cmdInfo", &CommandStates::cmdInfo},
        {"cmdCammera", &CommandStates::cmdCammera},
        {"cmdTextures", &CommandStates::cmdTextures},
        {"cmdRadious", &CommandStates::cmdRadious},
        {"cmdRadSmall", &CommandStates::cmdRadSmall},
        {"cmdRadLarge", &CommandStates::cmdRadLarge},
        {"cmdRadXLarge", &CommandStates::cmdRadXLarge},
        {"cmdRadYLarge", &CommandStates::cmdRadYLarge},
        {"cmdConfiguration", &CommandStates::cmdConfiguration},
        {"cmdRaiseLower", &CommandStates::cmdRaiseLower},
        {"cmdMountain", &CommandStates::cmdMountain},
        {"cmdSmooth", &CommandStates::cmdSmooth},
        {"cmdNoise", &CommandStates::cmdNoise},
        {"cmdFlatten", &CommandStates::cmdFlatten},
        {"cmdTouchUp", &CommandStates::cmdTouchUp},
        {"cmdUnlockAll", &CommandStates::cmdUnlockAll},
        {"cmdIgnoreLocked", &CommandStates::cmdIgnoreLocked},
        {"cmdGridChoice", &CommandStates::cmdGridChoice},
        {"cmdSmoothingPass", &CommandStates::cmdSmoothingPass},
        {"cmdSmoothPassConfig", &CommandStates::cmdSmoothPassConfig},
        {"cmdNoisePass", &CommandStates::cmdNoisePass},
        {"cmdNoisePassConfig", &CommandStates::cmdNoisePassConfig},
        {"cmdScalingPass", &CommandStates::cmdScalingPass},
        {"cmdScalePassConfig", &CommandStates::cmdScalePassConfig},
        {"cmdProperties", &CommandStates::cmdProperties},
        {"cmdOnlineHelp", &CommandStates::cmdOnlineHelp},
        {"cmdAbout", &CommandStates::cmdAbout},
        {"tbNew", &CommandStates::tbNew},
        {"tbOpen", &CommandStates::tbOpen},
        {"tbSave", &CommandStates::tbSave},
        {"tbUndo", &CommandStates::tbUndo},
        {"tbRedo", &CommandStates::tbRedo},
        {"tbRaiseLower", &CommandStates::tbRaiseLower},
        {"tbMountain", &CommandStates::tbMountain},
        {"tbSmooth", &CommandStates::tbSmooth},
        {"tbNoise", &CommandStates::tbNoise},
        {"tbFlatten", &CommandStates::tbFlatten},
        {"tbTouchUp", &CommandStates::tbTouchUp},
        {"tbDetails", &CommandStates::tbDetails},
        {"tbRadius", &CommandStates::tbRadius},
        {"tbGrid", &CommandStates::tbGrid},
        {"tbSmall", &CommandStates::tbSmall},
        {"tbLarge", &CommandStates::tbLarge},
        {"tbXLarge", &CommandStates::tbXLarge},
        {"tbYLarge", &CommandStates::tbYLarge},
        {"tb1", &CommandStates::tb1},
        {"tb2", &CommandStates::tb2},
        {"tb4", &CommandStates::tb4},
        {"tb8", &CommandStates::tb8},
        {"tb16", &CommandStates::tb16},
        {"tb32", &CommandStates::tb32},
        {"tb64", &CommandStates::tb64},
        {"tb128", &CommandStates::tb128},
    };
    if (const auto it = kNamed.find(name); it != kNamed.end()) return &(c.*(it->second));
    // Array items: the 1-based index follows the name.
    for (const auto& [prefix, array] : {std::pair{std::string("cmdRM"), &CommandStates::cmdRM},
                                        std::pair{std::string("cmdGrid"), &CommandStates::cmdGrid}}) {
        if (name.size() == prefix.size() + 1 && name.compare(0, prefix.size(), prefix) == 0) {
            const int k = name.back() - '0';
            if (k >= 1 && k <= 8) return &(c.*array)[k];
        }
    }
    return nullptr;
}

std::string CommandForToolbarKey(const std::string& key) {
    static const std::map<std::string, std::string> kCommands = {
        {"tbNew", "cmdNew"},           {"tbOpen", "cmdOpen"},        {"tbSave", "cmdSave"},
        {"tbUndo", "cmdUndo"},         {"tbRedo", "cmdRedo"},        {"tbRaiseLower", "cmdRaiseLower"},
        {"tbMountain", "cmdMountain"}, {"tbSmooth", "cmdSmooth"},    {"tbNoise", "cmdNoise"},
        {"tbFlatten", "cmdFlatten"},   {"tbTouchUp", "cmdTouchUp"},  {"tbDetails", "cmdConfiguration"},
        {"tbRadius", "tbRadius"},      {"tbGrid", "tbGrid"},         {"tbSmall", "cmdRadSmall"},
        {"tbLarge", "cmdRadLarge"},    {"tbXLarge", "cmdRadXLarge"}, {"tbYLarge", "cmdRadYLarge"},
        {"tb1", "cmdGrid1"},           {"tb2", "cmdGrid2"},          {"tb4", "cmdGrid3"},
        {"tb8", "cmdGrid4"},           {"tb16", "cmdGrid5"},         {"tb32", "cmdGrid6"},
        {"tb64", "cmdGrid7"},          {"tb128", "cmdGrid8"},
    };
    const auto it = kCommands.find(key);
    return it == kCommands.end() ? std::string() : it->second;
}

QAction* MainWindow::Bind(QAction* action, const std::string& name, bool checkable) {
    action->setObjectName(QString::fromStdString(name));
    action->setCheckable(checkable);
    ControlState* control = FindControl(shown_, name);
    if (control) bindings_.push_back({action, control, false, {}});
    actions_[name] = action;
    return action;
}

QAction* MainWindow::AddItem(QMenu* menu, const std::string& name, const QString& caption,
                             const QKeySequence& shortcut, bool checkable) {
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    Bind(action, name, checkable);
    connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
    return action;
}

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto submenu = [&](QMenu* parent, const std::string& name, const QString& caption) {
        QMenu* sub = parent->addMenu(caption);
        sub->setObjectName(QString::fromStdString(name) + "Menu");
        Bind(sub->menuAction(), name, false);
        return sub;
    };

    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    AddItem(file, "cmdNew", "&New", QKeySequence("Ctrl+N"));
    AddItem(file, "cmdOpen", "&Open", QKeySequence("Ctrl+O"));
    AddItem(file, "cmdSave", "&Save", QKeySequence("Ctrl+S"));
    AddItem(file, "cmdSaveAs", "Save &As", QKeySequence("Ctrl+A"));
    file->addSeparator();
    QMenu* exportMenu = submenu(file, "cmdExportMenu", "&Export");
    AddItem(exportMenu, "cmdExport", "Export To .&MAP");
    AddItem(exportMenu, "cmdExportAgain", "Export .MAP Again", QKeySequence("Ctrl+M"));
    AddItem(exportMenu, "cmdExportOptions", "Export &Options");
    AddItem(exportMenu, "cmdExportBMP", "Export To .&BMP");
    file->addSeparator();
    for (int k = 1; k <= 8; ++k) {
        const std::string name = "cmdRM" + std::to_string(k);
        AddItem(file, name, QString());
        bindings_.back().mirrorCaption = true;
    }
    Bind(file->addSeparator(), "cmdRmbSpace", false);
    AddItem(file, "cmdQuit", "&Close");

    QMenu* edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName("mnuEdit");
    AddItem(edit, "cmdUndo", "&Undo", QKeySequence("Ctrl+Z"));
    AddItem(edit, "cmdRedo", "&Redo", QKeySequence("Ctrl+X"));

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName("mnuView");
    AddItem(view, "cmdSolid", "&Solid", QKeySequence("Ctrl+B"), true);
    AddItem(view, "cmdSolidWire", "Solid && WireFrame", {}, true);
    AddItem(view, "cmdWireframe", "&WireFrame", QKeySequence("Ctrl+W"), true);
    AddItem(view, "cmdPoints", "&Points", QKeySequence("Ctrl+V"), true);
    view->addSeparator();
    QMenu* highlight = submenu(view, "cmdHighlightMenu", "&Highlight");
    AddItem(highlight, "cmdHighlight", "&Highlight Selected", QKeySequence("Ctrl+H"), true);
    AddItem(highlight, "cmdHighlightEffected", "&Hightlight Effected", {}, true);
    AddItem(highlight, "cmdShowLocked", "Show Locked Points", {}, true);
    AddItem(highlight, "cmdPointInfo", "Show Locked Point Info", {}, true);
    AddItem(view, "cmdFPS", "Display &FPS", {}, true);
    AddItem(view, "cmdSky", "&Sky Box", {}, true);
    AddItem(view, "cmdMip", "&Mip Mapping", {}, true);
    AddItem(view, "cmdInfo", "&Info", QKeySequence("Ctrl+I"), true);
    view->addSeparator();
    AddItem(view, "cmdCammera", "&Cammera Options");
    AddItem(view, "cmdTextures", "Specift Editor &Textures");

    QMenu* tool = bar->addMenu(tr("&Tool"));
    tool->setObjectName("mnuTool");
    QMenu* radius = submenu(tool, "cmdRadious", "&Effective Radious");
    AddItem(radius, "cmdRadSmall", "&Small", {}, true);
    AddItem(radius, "cmdRadLarge", "&Large", {}, true);
    AddItem(radius, "cmdRadXLarge", "&X Axes large", {}, true);
    AddItem(radius, "cmdRadYLarge", "&Y Axis Large", {}, true);
    AddItem(tool, "cmdConfiguration", "&Configuration", QKeySequence("Ctrl+C"));
    tool->addSeparator();
    AddItem(tool, "cmdRaiseLower", "&Raise / Lower", QKeySequence("Ctrl+R"), true);
    AddItem(tool, "cmdMountain", "Mountain / Valley", QKeySequence("Ctrl+L"), true);
    AddItem(tool, "cmdSmooth", "&Smooth", QKeySequence("Ctrl+G"), true);
    AddItem(tool, "cmdNoise", "&Noise", QKeySequence("Ctrl+D"), true);
    AddItem(tool, "cmdFlatten", "&Flatten", QKeySequence("Ctrl+F"), true);
    AddItem(tool, "cmdTouchUp", "&Touch Up", QKeySequence("Ctrl+T"), true);
    tool->addSeparator();
    AddItem(tool, "cmdUnlockAll", "&Unlock All Points");
    AddItem(tool, "cmdIgnoreLocked", "&Ignore Locked Points", {}, true);

    QMenu* map = bar->addMenu(tr("&Map"));
    map->setObjectName("mnuMap");
    QMenu* grid = submenu(map, "cmdGridChoice", "Grid");
    for (int k = 1; k <= 8; ++k)
        AddItem(grid, "cmdGrid" + std::to_string(k), QString::number(kGridChoices[k]), {}, true);
    map->addSeparator();
    AddItem(map, "cmdSmoothingPass", "&Smoothing Pass");
    AddItem(map, "cmdSmoothPassConfig", "Pass &Configuration");
    map->addSeparator();
    AddItem(map, "cmdNoisePass", "Random &Noise Pass");
    AddItem(map, "cmdNoisePassConfig", "Pass &Configuration");
    map->addSeparator();
    AddItem(map, "cmdScalingPass", "&Scaling Pass");
    AddItem(map, "cmdScalePassConfig", "Pass &Configuration");
    map->addSeparator();
    AddItem(map, "cmdProperties", "&Properties", QKeySequence("Ctrl+P"));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    AddItem(help, "cmdOnlineHelp", "&Online Help");
    AddItem(help, "cmdAbout", "&About");
}

QAction* MainWindow::AddToolbarAction(const std::string& key, const QString& tooltip, bool checkable) {
    QAction* action = new QAction(ToolbarIcon(QString::fromStdString(key)), tooltip, this);
    action->setToolTip(tooltip);
    Bind(action, key, checkable);
    connect(action, &QAction::triggered, this, [this, key] { RunToolbarKey(key); });
    tBar_->addAction(action);
    if (QWidget* w = tBar_->widgetForAction(action)) {
        w->setObjectName(QString::fromStdString(key) + "Button");
        buttons_[key] = qobject_cast<QToolButton*>(w);
    }
    return action;
}

QToolButton* MainWindow::AddMenuButton(const std::string& key, const QString& tooltip,
                                       const std::vector<std::pair<std::string, QString>>& entries) {
    QAction* main = new QAction(ToolbarIcon(QString::fromStdString(key)), tooltip, this);
    main->setToolTip(tooltip);
    Bind(main, key, false);
    connect(main, &QAction::triggered, this, [this, key] { RunToolbarKey(key); });
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromStdString(key) + "Menu");
    for (const auto& [entry, caption] : entries) {
        QAction* a = menu->addAction(caption);
        Bind(a, entry, false);
        connect(a, &QAction::triggered, this, [this, entry] { RunToolbarKey(entry); });
    }
    auto* button = new QToolButton(tBar_);
    button->setObjectName(QString::fromStdString(key) + "Button");
    button->setDefaultAction(main);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    tBar_->addWidget(button);
    buttons_[key] = button;
    return button;
}

void MainWindow::BuildToolbar() {
    tBar_ = addToolBar(tr("Tools"));
    tBar_->setObjectName("tBar");
    tBar_->setMovable(false);
    tBar_->setIconSize(QSize(24, 24));
    AddToolbarAction("tbNew", tr("New"), false);
    AddToolbarAction("tbOpen", tr("Open"), false);
    AddToolbarAction("tbSave", tr("Save"), false);
    tBar_->addSeparator();
    AddToolbarAction("tbUndo", tr("Undo"), false);
    AddToolbarAction("tbRedo", tr("Redo"), false);
    tBar_->addSeparator();
    // One group: pressing one tool button releases the others.
    toolGroup_ = new QActionGroup(this);
    toolGroup_->setExclusive(true);
    for (const auto& [key, tip] :
         std::vector<std::pair<std::string, QString>>{{"tbRaiseLower", "Raise/Lower Tool"},
                                                      {"tbMountain", "Mountain/Valley Tool"},
                                                      {"tbSmooth", "Smooth Tool"},
                                                      {"tbNoise", "Random Noise"},
                                                      {"tbFlatten", "Flatten Tool"},
                                                      {"tbTouchUp", "Touch Up Tool"}})
        toolGroup_->addAction(AddToolbarAction(key, tip, true));
    tBar_->addSeparator();
    AddToolbarAction("tbDetails", "Configuration", false);
    tBar_->addSeparator();
    AddMenuButton("tbRadius", "Effective Radius",
                  {{"tbSmall", "Small"},
                   {"tbLarge", "Large"},
                   {"tbXLarge", "X Axes Large"},
                   {"tbYLarge", "Y Axes Large"}});
    std::vector<std::pair<std::string, QString>> grid;
    for (int k = 1; k <= 8; ++k)
        grid.push_back({"tb" + std::to_string(kGridChoices[k]), QString::number(kGridChoices[k])});
    AddMenuButton("tbGrid", "Grid", grid);

    // Moving over the toolbar drops the picked square.
    tBar_->setMouseTracking(true);
    tBar_->installEventFilter(this);
    for (QWidget* child : tBar_->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

void MainWindow::RefreshControls() {
    shown_ = ComputeCommandStates(state_);
    for (Binding& b : bindings_) {
        const ControlState& c = *b.control;
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
