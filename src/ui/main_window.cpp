#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/lifecycle.h"
#include "view/terrain_view.h"

namespace vh::ui {

namespace {

// The status line and the progress bar of the main window as a Progress.
// Long operations run without yielding, so each change is painted at once;
// the bar only when its shown percentage moves.
class WindowProgress : public Progress {
public:
    WindowProgress(QLineEdit* status, QProgressBar* bar) : status_(status), bar_(bar) {}

    void Status(const std::string& text) override {
        status_->setText(QString::fromStdString(text));
        status_->repaint();
    }
    void Maximum(int max) override {
        bar_->setRange(0, std::max(max, 0));
        bar_->setValue(0);
        shownPercent_ = 0;
        if (!bar_->isVisible()) bar_->show();
        bar_->repaint();
    }
    void Value(int value) override {
        bar_->setValue(value);
        const int max = bar_->maximum();
        const int percent = max > 0 ? static_cast<int>(100LL * value / max) : 100;
        if (percent != shownPercent_) {
            shownPercent_ = percent;
            bar_->repaint();
        }
    }

private:
    QLineEdit* status_;
    QProgressBar* bar_;
    int shownPercent_ = 0;
};

int Twips(double pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerPixel));
}
int Pixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

}  // namespace

MainWindow::MainWindow(Prompts& prompts, const AppPaths& paths, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts) {
    setObjectName("frmMain");
    state_.Paths = paths;
    BuildControls();
    BuildCentre();
    progress_ = std::make_unique<WindowProgress>(txtCoord_, progBar_);

    loopTimer_.setSingleShot(true);
    connect(&loopTimer_, &QTimer::timeout, this, [this] {
        // A message box or file dialog of a running command spins its own
        // event loop; the edit pass waits until the command has finished.
        if (handlerDepth_ > 0) {
            loopTimer_.start(16);
            return;
        }
        LoopPass();
    });

    StartUp();
}

MainWindow::~MainWindow() {
    loopTimer_.stop();
    if (dialog_) delete dialog_.data();
    // The view unhooks itself from the state and reads the tools, so it goes
    // while both live.
    // It is forgotten first: its QWidget part still sends a Leave event, which
    // the event filter must not pass back into a half-destroyed view.
    view::TerrainView* view = pic3D_;
    pic3D_ = nullptr;
    delete view;
}

void MainWindow::BuildCentre() {
    auto* centre = new QWidget(this);
    centre->setObjectName("centre");
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* view = new view::TerrainView(state_, tools_, centre);
    view->setObjectName("pic3D");
    view->setMinimumSize(160, 120);
    view->setMouseTracking(true);
    view->installEventFilter(this);
    view->WatchKeysOf(this);
    pic3D_ = view;
    layout->addWidget(view, 1);

    auto* bottom = new QHBoxLayout;
    txtCoord_ = new QLineEdit(centre);
    txtCoord_->setObjectName("txtCoord");
    txtCoord_->setReadOnly(true);
    // Never takes the focus, so the menu shortcuts Ctrl+A/C/V/X stay menu commands.
    txtCoord_->setFocusPolicy(Qt::NoFocus);
    bottom->addWidget(txtCoord_, 1);
    progBar_ = new QProgressBar(centre);
    progBar_->setObjectName("progBar");
    progBar_->setTextVisible(false);
    progBar_->setMaximumWidth(260);
    progBar_->hide();
    bottom->addWidget(progBar_, 1);
    layout->addLayout(bottom);
    setCentralWidget(centre);

    // Frames pace the main loop: the next pass follows the frame just shown.
    connect(view, &view::TerrainView::frameSwapped, this, [this] {
        if (state_.LoopRunning && !ended_ && loopTimer_.isActive()) loopTimer_.start(0);
    });
}

// ---- services -------------------------------------------------------------

void MainWindow::SetWaitCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        progBar_->hide();
        QApplication::restoreOverrideCursor();
    }
}

Progress& MainWindow::StatusProgress() {
    return *progress_;
}

// ---- the dialog pattern ---------------------------------------------------

void MainWindow::OpenDialog(QDialog* dialog) {
    if (!dialog) return;
    StopMainLoop(state_);
    SyncLoop();
    if (dialog->parentWidget() != this) dialog->setParent(this, dialog->windowFlags() | Qt::Dialog);
    dialog_ = dialog;
    // Owned by the main window and above it; the main window takes no input
    // while the dialog is open, yet no nested event loop runs.
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    connect(dialog, &QDialog::finished, this, [this, dialog](int) {
        dialog->hide();
        dialog->deleteLater();
        if (dialog_ == dialog) dialog_ = nullptr;
        CloseDialogAndResume(state_);
        RefreshControls();
    });
    RefreshControls();
    dialog->show();
}

// ---- main loop ------------------------------------------------------------

void MainWindow::SyncLoop() {
    const bool run = state_.LoopRunning && !ended_ && !dialog_;
    if (run && !loopTimer_.isActive())
        loopTimer_.start(0);
    else if (!run && loopTimer_.isActive())
        loopTimer_.stop();
}

void MainWindow::ClearPickFromWindow() {
    if (pic3D_) pic3D_->ClearSelection();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == pic3D_) {
        if (type == QEvent::Leave) ClearPickFromWindow();
    } else if (type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::HoverMove) {
        // The toolbar and its buttons.
        ClearPickFromWindow();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- start-up, placement, quit --------------------------------------------

void MainWindow::ApplyWindowPlacement() {
    // Nothing read from the settings: the window keeps its first size and
    // the window system's placement.
    const int width = Pixels(state_.Window.WindowWidth), height = Pixels(state_.Window.WindowHeight);
    if (width <= 0 || height <= 0) return;
    resize(width, height);
    move(Pixels(state_.Window.WindowLeft), Pixels(state_.Window.WindowTop));
    if (state_.Window.WindowState == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::StoreWindowPlacement() {
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        state_.Window.ScreenWidthTwips = Twips(screen->geometry().width());
        state_.Window.ScreenHeightTwips = Twips(screen->geometry().height());
    }
    const Qt::WindowStates ws = windowState();
    if (ws & Qt::WindowMinimized)
        state_.Window.WindowState = 1;
    else if (ws & (Qt::WindowMaximized | Qt::WindowFullScreen))
        state_.Window.WindowState = 2;
    else
        state_.Window.WindowState = 0;
    // Position of the frame, size of the window's own area: what
    // ApplyWindowPlacement sets again at the next start.
    const QRect normal = state_.Window.WindowState == 0 ? QRect(pos(), size()) : normalGeometry();
    state_.Window.WindowLeft = static_cast<float>(Twips(normal.x()));
    state_.Window.WindowTop = static_cast<float>(Twips(normal.y()));
    state_.Window.WindowWidth = static_cast<float>(Twips(normal.width()));
    state_.Window.WindowHeight = static_cast<float>(Twips(normal.height()));
}

void MainWindow::EndProgram() {
    state_.LoopRunning = false;
    loopTimer_.stop();
    ended_ = true;
    emit ProgramEnded();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    // The frame's close box runs the quit flow; the window closes only when
    // the program ends.
    if (handlerDepth_ == 0 && Quit())
        event->accept();
    else
        event->ignore();
}

}  // namespace vh::ui
