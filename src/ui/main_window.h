// The main window: menus, toolbar, status line, progress bar and the 3D view;
// the main loop as a per-frame tick; the dialog pattern; start-up and quit.
// Menus, toolbar and shortcuts are built from the command table; every
// enabled/checked/visible state and run-time caption of a control comes from
// ComputeCommandStates(State()), which the window mirrors after each command.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/editor_state.h"
#include "core/progress.h"
#include "core/prompts.h"
#include "ui/command_table.h"
#include "ui/help.h"
#include "ui/main_window_services.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolBar;
class QToolButton;

namespace vh::view {
class TerrainView;
}  // namespace vh::view

namespace vh::ui {

// Window geometry in twips (15 per pixel), as the settings file keeps it.
constexpr int kTwipsPerPixel = 15;

class MainWindow : public QMainWindow, public MainWindowServices {
    Q_OBJECT
public:
    // Start-up: defaults for paths, the settings file, the recent menu and
    // the window placement. Message boxes and file dialogs go through
    // prompts (QtPrompts in the program, scripted in tests).
    MainWindow(Prompts& prompts, const AppPaths& paths, QWidget* parent = nullptr);
    ~MainWindow() override;

    // MainWindowServices
    EditorState& State() override { return state_; }
    ToolBox& Tools() override { return tools_; }
    Prompts& UserPrompts() override { return prompts_; }
    QWidget* Window() override { return this; }
    view::TerrainView* View() override { return pic3D_; }
    WebShell& Web() override { return web_; }
    void OpenDialog(QDialog* dialog) override;
    void RefreshControls() override;
    void SetWaitCursor(bool on) override;
    // The status line and the progress bar as a Progress for long operations.
    Progress& StatusProgress() override;
    // The quit flow of "&Close" and the close box: unsaved-changes prompt,
    // settings written, program ended. False when the user cancelled.
    bool Quit() override;

    // One pass of the main loop (also what the tick runs).
    void LoopPass();
    // True while the per-frame tick is scheduled.
    bool LoopTicking() const { return loopTimer_.isActive(); }

    // Opens a document named on the command line as "&Open" would: a bad or
    // missing file gets Open's message and leaves the editor as it was.
    bool OpenDocument(const std::string& path);

    bool Ended() const { return ended_; }

    // The dialog opened by OpenDialog and not yet closed, if any.
    QDialog* OpenedDialog() const { return dialog_; }

    // Controls by command or toolbar key (tests, other windows).
    QAction* Action(const std::string& name) const;
    QToolButton* ToolButton(const std::string& key) const;
    QLineEdit* StatusLine() const { return txtCoord_; }
    QProgressBar* ProgressBar() const { return progBar_; }
    QToolBar* Toolbar() const { return tBar_; }

signals:
    // The quit flow ended the program; the application should exit.
    void ProgramEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QAction* action = nullptr;
        StateRef state;
        bool mirrorCaption = false;
        std::string caption;  // last caption set, for mirrored captions
    };

    void BuildControls();
    QAction* AddAction(const Command& row, QWidget* owner);
    void AddToolbarControl(const Command& row, QAction* action, QMenu* dropDown);
    void Run(const Command& row);
    void BuildCentre();

    void StartUp();
    void ApplyWindowPlacement();
    void StoreWindowPlacement();
    void EndProgram();
    void SyncLoop();
    void ClearPickFromWindow();

    EditorState state_;
    ToolBox tools_;
    Prompts& prompts_;
    DesktopWebShell web_;
    std::vector<Binding> bindings_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QToolButton*> buttons_;

    QToolBar* tBar_ = nullptr;
    QLineEdit* txtCoord_ = nullptr;
    QProgressBar* progBar_ = nullptr;
    view::TerrainView* pic3D_ = nullptr;
    QActionGroup* toolGroup_ = nullptr;
    QPointer<QDialog> dialog_;
    std::unique_ptr<Progress> progress_;

    QTimer loopTimer_;
    int handlerDepth_ = 0;
    bool ended_ = false;
    std::string shownCaption_;
};

}  // namespace vh::ui
