// A random user for the shown main window: one seeded stream of key presses,
// mouse moves, strokes and wheel notches over the view, every command of the
// menus and toolbar, the dialogs they open, and the message boxes and file
// dialogs of the run, answered from the same stream. It keeps track of what
// the run wrote to disk, so the test can hold the files to what was saved.
#pragma once

#include <QPoint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "support/fuzz_loop.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"

class QDialog;

namespace vhtest {

// Message boxes get one of their buttons and file dialogs one of the run's
// file names, both drawn when asked; queued answers still come first.
class MonkeyPrompts : public ScriptedPrompts {
public:
    std::function<vh::PromptAnswer(vh::PromptButtons)> Answer;
    std::function<vh::FileChoice(const vh::FileDialogRequest&, bool save)> ChooseFile;
    // The next open dialog's answer only (a save asked first does not take it).
    std::string NextOpen;

    vh::PromptAnswer Message(const std::string& text, const std::string& title, vh::PromptButtons buttons,
                             vh::PromptIcon icon) override;
    vh::FileChoice OpenFile(const vh::FileDialogRequest& request) override;
    vh::FileChoice SaveFile(const vh::FileDialogRequest& request) override;
};

struct FileEvent {
    std::string Path;
    vh::Terrain Terrain;
};

class Monkey {
public:
    explicit Monkey(uint32_t seed);
    ~Monkey();

    // One input or command (a dialog's control while a dialog is open).
    void Step();
    // Everything the run has done, newest last, for a failure message.
    std::string Trail() const;

    vh::ui::MainWindow& Window() { return *window_; }
    vh::EditorState& State() { return window_->State(); }
    MonkeyPrompts& Prompts() { return prompts_; }
    TempDir& Folder() { return folder_; }
    std::string SettingsPath() const;

    // Files the last step wrote (seen on disk) and documents it opened (seen
    // in the debug log), each with the terrain of that moment: before the
    // command that wrote, right after the one that opened.
    const std::vector<FileEvent>& Written() const { return written_; }
    const std::vector<FileEvent>& Loaded() const { return loaded_; }
    // Messages shown in the last step.
    std::vector<RecordedMessage> NewMessages() const;
    // True when the last step ended the program and started it again.
    bool Restarted() const { return restarted_; }
    // The settings text the program wrote when it last ended, if it did.
    const std::string& SettingsAtEnd() const { return settingsAtEnd_; }

    // Closes an open dialog, lets go of keys and buttons, runs a few passes.
    void Settle();
    // Opens a document through "&Open" (no save first) and runs its first pass.
    void OpenThroughWindow(const std::string& path);
    // "&Close" without saving; the program ends.
    void QuitWithoutSaving();

    // How many inputs of each kind ran.
    std::map<std::string, int> Counts;
    int Inputs() const { return inputs_; }

private:
    void StartWindow();
    void Pass();
    void Note(const std::string& what);

    // Inputs over the window.
    void KeyTap();
    void KeyHoldOrRelease();
    void MouseMove();
    void Stroke();
    void Wheel();
    void OtherButton();
    bool Reachable(const vh::ui::Command& row) const;
    void Command(const std::function<bool(const vh::ui::Command&)>& which);
    void Shortcut();
    void DiskChange();

    // Inputs inside an open dialog.
    void DialogStep(QDialog* dialog);
    std::string RandomText(const std::string& controlName);

    // Answers for the prompts.
    vh::PromptAnswer AnswerFor(vh::PromptButtons buttons);
    vh::FileChoice FileFor(const vh::FileDialogRequest& request, bool save);
    std::string WorkFile(const std::string& ext);

    // What the step wrote and loaded.
    void TakeStock();

    TempDir folder_;
    MonkeyPrompts prompts_;
    std::unique_ptr<vh::ui::MainWindow> window_;
    std::mt19937 rng_;
    Draw draw_{rng_};
    std::vector<int> keys_;      // Qt keys that have a scan code
    std::vector<int> heldKeys_;  // pressed in an earlier step, not yet released
    Qt::MouseButtons buttons_;   // held over the view
    QPoint cursor_;

    vh::Terrain before_;  // the terrain before the command that runs
    std::vector<FileEvent> written_, loaded_;
    std::map<std::string, std::string> stamps_;  // path -> size/time/inode seen
    size_t logSeen_ = 0;
    size_t messagesSeen_ = 0;
    bool restarted_ = false;
    std::string settingsAtEnd_;

    std::deque<std::string> trail_;
    int inputs_ = 0;
};

// The run's plan: the seed, a step count and a time cap. VH_MONKEY_SEED,
// VH_MONKEY_STEPS and VH_MONKEY_SECONDS replace the defaults.
struct MonkeyPlan {
    uint32_t Seed;
    int Steps;
    double Seconds;
};
MonkeyPlan MonkeyPlanFromEnvironment(MonkeyPlan defaults);

}  // namespace vhtest
