// The main window: menus, toolbar, status line, progress bar and the 3D view;
// the main loop as a per-frame tick; the dialog pattern; the file, edit,
// view and export commands. Every enabled/checked/visible state of a menu
// item or toolbar control comes from ComputeCommandStates(State()); the
// window mirrors it.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/command_states.h"
#include "core/editor_state.h"
#include "core/progress.h"
#include "core/prompts.h"
#include "ui/main_window_services.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolBar;
class QToolButton;
class TerrainView;

namespace vh::ui {

// The control state behind a command or toolbar key ("cmdSave", "cmdRM3",
// "cmdGrid5", "tbRadius", "tb16", "tbSmall", ...); nullptr for unknown names.
ControlState* FindControl(CommandStates& commands, const std::string& name);

// The menu command a toolbar key stands for ("tbNew" -> "cmdNew", "tbDetails"
// -> "cmdConfiguration", "tb16" -> "cmdGrid5", "tbXLarge" -> "cmdRadXLarge");
// "tbRadius" and "tbGrid" are commands of their own; empty for unknown keys.
std::string CommandForToolbarKey(const std::string& key);

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
    Prompts& UserPrompts() override { return prompts_; }
    QWidget* Window() override { return this; }
    void OpenDialog(QDialog* dialog) override;
    void RefreshControls() override;
    void SetWaitCursor(bool on) override;
    void RegisterCommand(const std::string& name, std::function<void()> handler) override;

    // Runs the handler registered under a command name, then refreshes the
    // controls and the loop. False when nothing is registered under it.
    bool RunCommand(const std::string& name);
    // A toolbar key as a click on it: clears the pick, then dispatches.
    bool RunToolbarKey(const std::string& key);

    // One pass of the main loop (also what the tick runs).
    void LoopPass();
    // True while the per-frame tick is scheduled.
    bool LoopTicking() const { return loopTimer_.isActive(); }

    // Opens a document named on the command line as "&Open" would: a bad or
    // missing file gets Open's message and leaves the editor as it was.
    bool OpenDocument(const std::string& path);

    // The quit flow of "&Close" and the close box: unsaved-changes prompt,
    // settings written, program ended. False when the user cancelled.
    bool Quit();
    bool Ended() const { return ended_; }

    // The dialog opened by OpenDialog and not yet closed, if any.
    QDialog* OpenedDialog() const { return dialog_; }

    // Controls by command or toolbar key (tests, other windows).
    QAction* Action(const std::string& name) const;
    QToolButton* ToolButton(const std::string& key) const;
    QLineEdit* StatusLine() const { return txtCoord_; }
    QProgressBar* ProgressBar() const { return progBar_; }
    QToolBar* Toolbar() const { return tBar_; }
    TerrainView* View() const { return pic3D_; }

    // The status line and the progress bar as a Progress for long operations.
    Progress& StatusProgress();

signals:
    // The quit flow ended the program; the application should exit.
    void ProgramEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QAction* action = nullptr;
        ControlState* control = nullptr;
        bool mirrorCaption = false;
        std::string caption;  // last caption set, for mirrored captions
    };

    void BuildMenus();
    void BuildToolbar();
    void BuildCentre();
    QAction* AddItem(QMenu* menu, const std::string& name, const QString& caption,
                     const QKeySequence& shortcut = {}, bool checkable = false);
    QAction* Bind(QAction* action, const std::string& name, bool checkable);
    QAction* AddToolbarAction(const std::string& key, const QString& tooltip, bool checkable);
    QToolButton* AddMenuButton(const std::string& key, const QString& tooltip,
                               const std::vector<std::pair<std::string, QString>>& entries);

    void InstallWindowCommands();
    void InstallOtherCommands();
    void HookView();
    void StartUp();
    void ApplyWindowPlacement();
    void StoreWindowPlacement();
    void OpenNewMapDialog();
    void OpenExportOptionsDialog();
    void EndProgram();
    void SyncLoop();
    void ClearPickFromWindow();
    void ExportMapTo(const std::string& path);
    void ExportHeightImageTo(const std::string& path);

    EditorState state_;
    CommandStates shown_;  // what the controls show, as last computed
    Prompts& prompts_;
    std::map<std::string, std::function<void()>> handlers_;
    std::vector<Binding> bindings_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QToolButton*> buttons_;

    QToolBar* tBar_ = nullptr;
    QLineEdit* txtCoord_ = nullptr;
    QProgressBar* progBar_ = nullptr;
    TerrainView* pic3D_ = nullptr;
    QActionGroup* toolGroup_ = nullptr;
    QPointer<QDialog> dialog_;
    std::unique_ptr<Progress> progress_;

    QTimer loopTimer_;
    int handlerDepth_ = 0;
    bool ended_ = false;
    std::string shownCaption_;
};

}  // namespace vh::ui
