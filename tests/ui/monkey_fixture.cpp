#include "monkey_fixture.h"

#include <sys/stat.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "core/settings.h"
#include "main_window_fixture.h"
#include "ui/tool_commands.h"
#include "view/input_reader.h"
#include "view/terrain_view.h"

namespace fs = std::filesystem;

namespace vhtest {

namespace {

// The one command that leaves the program: the web browser.
bool OpensBrowser(const vh::ui::Command& row) {
    return row.run == &vh::ui::OnlineHelp;
}

bool Runnable(const vh::ui::Command& row) {
    return row.run && *row.name && !OpensBrowser(row);
}

// Every Qt key the input reader turns into a scan code.
std::vector<int> ScanCodeKeys() {
    std::vector<int> keys;
    auto add = [&](int from, int to) {
        for (int k = from; k <= to; ++k)
            if (vh::view::ScanCodeOfQtKey(k) != 0) keys.push_back(k);
    };
    add(Qt::Key_Space, Qt::Key_AsciiTilde);
    add(Qt::Key_Escape, Qt::Key_Escape + 0x100);
    return keys;
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent ev(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

void SendKey(QWidget* w, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent ev(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &ev);
}

// Size, time and inode: a file rewritten in place or replaced shows a change.
std::string Stamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    std::ostringstream o;
    o << st.st_size << ':' << st.st_mtim.tv_sec << '.' << st.st_mtim.tv_nsec << ':' << st.st_ino << ':'
      << S_ISDIR(st.st_mode);
    return o.str();
}

}  // namespace

// ---- the run ----------------------------------------------------------------

Monkey::Monkey(uint32_t seed) : rng_(seed), keys_(ScanCodeKeys()) {
    static int argc = 1;
    static char name[] = "ui_gl_tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    fs::create_directories(folder_.Path() / "work");
    // Folders where a file is asked for.
    for (const char* decoy : {"dir.vhm", "dir.map", "dir.bmp"})
        fs::create_directories(folder_.Path() / decoy);
    prompts_.Answer = [this](vh::PromptButtons b) { return AnswerFor(b); };
    prompts_.ChooseFile = [this](const vh::FileDialogRequest& r, bool save) { return FileFor(r, save); };
    StartWindow();
    TakeStock();  // what is there before the first step
    written_.clear();
}

Monkey::~Monkey() {
    if (window_) window_->close();
    window_.reset();
    FlushEvents();
}

std::string Monkey::SettingsPath() const {
    return vh::SettingsPath(window_->State());
}

void Monkey::StartWindow() {
    window_ = std::make_unique<vh::ui::MainWindow>(prompts_, vh::PortablePaths(folder_.Path().string()));
    window_->resize(560, 420);
    window_->show();
    (void)QTest::qWaitForWindowExposed(window_.get());
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    buttons_ = Qt::NoButton;
    heldKeys_.clear();
    logSeen_ = 0;
    if (std::ifstream log(window_->State().LogPath, std::ios::binary | std::ios::ate); log)
        logSeen_ = static_cast<size_t>(log.tellg());
}

void Monkey::Note(const std::string& what) {
    ++Counts[what.substr(0, what.find(' '))];
    trail_.push_back(std::to_string(inputs_) + ": " + what);
    if (trail_.size() > 40) trail_.pop_front();
}

std::string Monkey::Trail() const {
    std::string t;
    for (const std::string& line : trail_) t += "  " + line + "\n";
    return t;
}

// Events are handled, then one pass of the main loop sees them (the window's
// own tick runs too; this makes sure the pass happens between inputs).
void Monkey::Pass() {
    FlushEvents();
    if (window_ && !window_->Ended() && !window_->OpenedDialog()) window_->LoopPass();
    FlushEvents();
}

void Monkey::Step() {
    ++inputs_;
    before_ = State().Terrain;
    written_.clear();
    loaded_.clear();
    messagesSeen_ = prompts_.Messages.size();
    restarted_ = false;
    settingsAtEnd_.clear();

    if (QDialog* d = window_->OpenedDialog()) {
        DialogStep(d);
    } else {
        const bool terrain = State().Doc.TerrainExists;
        using Row = vh::ui::Command;
        auto named = [](std::initializer_list<const char*> names) {
            std::vector<std::string> list(names.begin(), names.end());
            return [list](const Row& r) { return std::find(list.begin(), list.end(), r.name) != list.end(); };
        };
        // Without a terrain most inputs do nothing, so New comes sooner.
        const int roll = draw_.Int(0, 99);
        if (!terrain && roll < 30)
            Command(named({"cmdNew", "tbNew"}));
        else if (roll < 14)
            KeyTap();
        else if (roll < 18)
            KeyHoldOrRelease();
        else if (roll < 27)
            MouseMove();
        else if (roll < 39)
            Stroke();
        else if (roll < 44)
            Wheel();
        else if (roll < 47)
            OtherButton();
        else if (roll < 70)
            Command([](const Row&) { return true; });
        else if (roll < 75)
            Shortcut();
        else if (roll < 80)
            Command(named({"cmdUndo", "cmdRedo", "tbUndo", "tbRedo"}));
        else if (roll < 87)
            Command(named({"cmdSave", "cmdSaveAs", "tbSave", "cmdExport", "cmdExportAgain", "cmdExportBMP"}));
        else if (roll < 91)
            Command(named({"cmdOpen", "tbOpen", "cmdRM1", "cmdRM2", "cmdRM3"}));
        else if (roll < 94)
            Command(named({"cmdNew", "tbNew"}));
        else if (roll < 96)
            DiskChange();
        else {
            Note("idle");
            for (int n = draw_.Int(1, 4); n > 0; --n) Pass();
        }
    }
    if (window_->Ended()) {
        // The program ended ("&Close"): start it again on the same files.
        TakeStock();
        settingsAtEnd_ = vh::SettingsText(State());
        window_.reset();
        FlushEvents();
        StartWindow();
        restarted_ = true;
    }
    TakeStock();
}

// ---- inputs over the window -------------------------------------------------

void Monkey::KeyTap() {
    const int key = keys_[static_cast<size_t>(draw_.Int(0, static_cast<int>(keys_.size()) - 1))];
    vh::view::TerrainView* view = window_->View();
    Note("key " + std::to_string(vh::view::ScanCodeOfQtKey(key)));
    SendKey(view, QEvent::KeyPress, key);
    for (int n = draw_.Int(1, 6); n > 0; --n) {
        if (draw_.Int(0, 3) == 0) SendKey(view, QEvent::KeyPress, key, true);
        Pass();
    }
    SendKey(view, QEvent::KeyRelease, key);
    Pass();
}

// Camera keys and Page Up/Down held over several steps, released later.
void Monkey::KeyHoldOrRelease() {
    vh::view::TerrainView* view = window_->View();
    if (!heldKeys_.empty() && draw_.Int(0, 1) == 0) {
        const int key = heldKeys_.back();
        heldKeys_.pop_back();
        Note("release " + std::to_string(vh::view::ScanCodeOfQtKey(key)));
        SendKey(view, QEvent::KeyRelease, key);
    } else {
        const int key = draw_.Pick({Qt::Key_W, Qt::Key_S, Qt::Key_A, Qt::Key_D, Qt::Key_Up, Qt::Key_Down,
                                    Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown});
        Note("hold " + std::to_string(vh::view::ScanCodeOfQtKey(key)));
        SendKey(view, QEvent::KeyPress, key);
        heldKeys_.push_back(key);
    }
    Pass();
}

void Monkey::MouseMove() {
    vh::view::TerrainView* view = window_->View();
    const int where = draw_.Int(0, 9);
    if (where == 0) {
        // Over the toolbar: the pick is dropped.
        QToolBar* bar = window_->Toolbar();
        Note("move toolbar");
        SendMouse(bar, QEvent::MouseMove, QPoint(draw_.Int(0, bar->width() - 1), bar->height() / 2),
                  Qt::NoButton, Qt::NoButton);
    } else if (where == 1) {
        Note("move leave");
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view, &leave);
    } else {
        cursor_ = QPoint(draw_.Int(-20, view->width() + 20), draw_.Int(-20, view->height() + 20));
        Note("move " + std::to_string(cursor_.x()) + "," + std::to_string(cursor_.y()));
        SendMouse(view, QEvent::MouseMove, cursor_, Qt::NoButton, buttons_);
    }
    Pass();
}

// Press, drag a few passes, release; now and then a key or a command in the
// middle, or the release left for later.
void Monkey::Stroke() {
    vh::view::TerrainView* view = window_->View();
    cursor_ = QPoint(draw_.Int(0, view->width() - 1), draw_.Int(view->height() / 4, view->height() - 1));
    Note("stroke " + std::to_string(cursor_.x()) + "," + std::to_string(cursor_.y()));
    SendMouse(view, QEvent::MouseMove, cursor_, Qt::NoButton, buttons_);
    Pass();
    buttons_ |= Qt::LeftButton;
    SendMouse(view, QEvent::MouseButtonPress, cursor_, Qt::LeftButton, buttons_);
    Pass();
    for (int n = draw_.Int(1, 10); n > 0; --n) {
        cursor_ += QPoint(draw_.Int(-8, 8), draw_.Int(-16, 16));
        SendMouse(view, QEvent::MouseMove, cursor_, Qt::NoButton, buttons_);
        Pass();
        if (draw_.Int(0, 29) == 0) Shortcut();
        if (window_->Ended() || window_->OpenedDialog()) return;
    }
    if (draw_.Int(0, 19) == 0) return;
    buttons_ &= ~Qt::MouseButtons(Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, cursor_, Qt::LeftButton, buttons_);
    Pass();
}

void Monkey::Wheel() {
    vh::view::TerrainView* view = window_->View();
    const int notches = draw_.Pick({-3, -1, 1, 2, 5});
    Note("wheel " + std::to_string(notches));
    QWheelEvent ev(QPointF(cursor_), view->mapToGlobal(QPointF(cursor_)), QPoint(), QPoint(0, 120 * notches),
                   buttons_, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &ev);
    Pass();
}

// The right button (camera) or the middle one (touch-up's lock), clicked or held.
void Monkey::OtherButton() {
    vh::view::TerrainView* view = window_->View();
    const Qt::MouseButton b = draw_.Int(0, 1) ? Qt::RightButton : Qt::MiddleButton;
    const bool press = !(buttons_ & b);
    Note(std::string(press ? "press " : "release ") + (b == Qt::RightButton ? "right" : "middle"));
    if (press)
        buttons_ |= b;
    else
        buttons_ &= ~Qt::MouseButtons(b);
    SendMouse(view, press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, cursor_, b, buttons_);
    Pass();
    if (press && draw_.Int(0, 1)) {
        cursor_ += QPoint(draw_.Int(-30, 30), draw_.Int(-30, 30));
        SendMouse(view, QEvent::MouseMove, cursor_, Qt::NoButton, buttons_);
        Pass();
    }
}

// Whether the user can click the row now: it and the menus or drop-down
// holding it are enabled and shown.
bool Monkey::Reachable(const vh::ui::Command& row) const {
    if (row.place == vh::ui::Place::MenuBar || row.place == vh::ui::Place::Toolbar) return true;
    const QAction* action = *row.name ? window_->Action(row.name) : nullptr;
    if (action && (!action->isEnabled() || !action->isVisible())) return false;
    for (const vh::ui::Command& holder : vh::ui::CommandTable())
        if (holder.opens == row.place && holder.place != vh::ui::Place::None) {
            const QAction* a = window_->Action(holder.name);
            return (!a || (a->isEnabled() && a->isVisible())) && Reachable(holder);
        }
    return true;
}

// A command of the table, as the user reaches it: a menu item, a toolbar
// button or a drop-down entry that can be clicked now.
void Monkey::Command(const std::function<bool(const vh::ui::Command&)>& which) {
    std::vector<const vh::ui::Command*> rows;
    for (const vh::ui::Command& row : vh::ui::CommandTable())
        if (Runnable(row) && which(row) && Reachable(row)) rows.push_back(&row);
    if (rows.empty()) {
        Note("unavailable");
        Pass();
        return;
    }
    const vh::ui::Command& row = *rows[static_cast<size_t>(draw_.Int(0, static_cast<int>(rows.size()) - 1))];
    QAction* action = window_->Action(row.name);
    Note(std::string("command ") + row.name);
    before_ = State().Terrain;
    if (QToolButton* button = window_->ToolButton(row.name))
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(4, button->height() / 2));
    else
        action->trigger();
    if (!window_->Ended()) TakeStock();
    Pass();
}

// A menu shortcut typed on the keyboard, taken from the table.
void Monkey::Shortcut() {
    std::vector<const vh::ui::Command*> rows;
    for (const vh::ui::Command& row : vh::ui::CommandTable())
        if (Runnable(row) && *row.shortcut) rows.push_back(&row);
    const vh::ui::Command& row = *rows[static_cast<size_t>(draw_.Int(0, static_cast<int>(rows.size()) - 1))];
    Note(std::string("shortcut ") + row.shortcut);
    const QKeySequence seq(QString::fromUtf8(row.shortcut));
    const QKeyCombination combo = seq[0];
    before_ = State().Terrain;
    QTest::keyClick(window_.get(), combo.key(), combo.keyboardModifiers());
    if (!window_->Ended()) TakeStock();
    Pass();
}

// The folder the documents are saved in goes away, or comes back.
void Monkey::DiskChange() {
    const fs::path work = folder_.Path() / "work";
    std::error_code ec;
    if (fs::exists(work)) {
        Note("disk remove-folder");
        fs::remove_all(work, ec);
    } else {
        Note("disk restore-folder");
        fs::create_directories(work, ec);
    }
    Pass();
}

// ---- what the step did ------------------------------------------------------

void Monkey::TakeStock() {
    std::vector<std::string> paths;
    for (const char* dir : {"work", "gone"})
        for (const char* f : {"a.vhm", "b.vhm", "c.vhm", "d.vhm", "a.map", "b.map", "c.map", "d.map", "a.bmp",
                              "b.bmp", "c.bmp", "d.bmp"})
            paths.push_back((folder_.Path() / dir / f).string());
    for (const char* f : {"dir.vhm", "dir.map", "dir.bmp"}) paths.push_back(folder_.File(f));
    for (const std::string& p : paths) {
        std::string stamp = Stamp(p);
        std::string& seen = stamps_[p];
        if (!stamp.empty() && stamp != seen) written_.push_back({p, before_});
        seen = std::move(stamp);
    }
    // Documents opened, by the program's own log lines.
    std::ifstream log(State().LogPath, std::ios::binary);
    if (!log) return;
    log.seekg(static_cast<std::streamoff>(logSeen_));
    std::string line;
    const std::string tag = "VHM LOAD : Loading File ";
    while (std::getline(log, line))
        if (line.rfind(tag, 0) == 0) loaded_.push_back({line.substr(tag.size()), State().Terrain});
    log.clear();
    log.seekg(0, std::ios::end);
    logSeen_ = static_cast<size_t>(log.tellg());
}

std::vector<RecordedMessage> Monkey::NewMessages() const {
    return {prompts_.Messages.begin() + static_cast<std::ptrdiff_t>(messagesSeen_), prompts_.Messages.end()};
}

// ---- ending -----------------------------------------------------------------

void Monkey::Settle() {
    for (int i = 0; i < 10 && window_->OpenedDialog(); ++i) {
        window_->OpenedDialog()->reject();
        Pass();
    }
    for (int key : heldKeys_) SendKey(window_->View(), QEvent::KeyRelease, key);
    heldKeys_.clear();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        if (buttons_ & b) {
            buttons_ &= ~Qt::MouseButtons(b);
            SendMouse(window_->View(), QEvent::MouseButtonRelease, cursor_, b, buttons_);
        }
    for (int i = 0; i < 3; ++i) Pass();
}

void Monkey::OpenThroughWindow(const std::string& path) {
    before_ = State().Terrain;
    written_.clear();
    loaded_.clear();
    messagesSeen_ = prompts_.Messages.size();
    prompts_.Answers.push_back(vh::PromptAnswer::No);  // if asked to save first
    prompts_.NextOpen = path;
    window_->Action("cmdOpen")->trigger();
    prompts_.Answers.clear();
    TakeStock();
    Pass();
}

void Monkey::QuitWithoutSaving() {
    prompts_.Answers.push_back(vh::PromptAnswer::No);
    window_->Action("cmdQuit")->trigger();
    prompts_.Answers.clear();
    FlushEvents();
}

MonkeyPlan MonkeyPlanFromEnvironment(MonkeyPlan plan) {
    if (const char* s = std::getenv("VH_MONKEY_SEED"))
        plan.Seed = static_cast<uint32_t>(std::strtoul(s, nullptr, 10));
    if (const char* s = std::getenv("VH_MONKEY_STEPS")) plan.Steps = std::atoi(s);
    if (const char* s = std::getenv("VH_MONKEY_SECONDS")) plan.Seconds = std::atof(s);
    return plan;
}

}  // namespace vhtest
