// One pass of the main loop, run by the per-frame tick while LoopRunning.
#include <QLineEdit>

#include "tools/edit_pass.h"
#include "ui/main_window.h"
#include "view/terrain_view.h"

namespace vh::ui {

void MainWindow::LoopPass() {
    if (!state_.LoopRunning || ended_) return;
    view::TerrainView* view = pic3D_;
    const InputState input = view->TakeInput();
    view->UpdateCamera(input);
    const int hit = input.CursorInView ? view->PickSquare(input.CursorX, input.CursorY) : 0;
    RunEditPass(state_, tools_, input, hit);
    if (state_.Stroke.PickedSquare != 0) state_.Doc.Notice.clear();  // the export notice has been seen
    const QString status = QString::fromStdString(view->StatusLineText());
    if (txtCoord_->text() != status) txtCoord_->setText(status);
    RefreshControls();
    if (!state_.LoopRunning || ended_) return;
    if (view->isVisible() && !isMinimized()) {
        // The next pass follows the frame (frameSwapped); the timer only
        // stands in when no frame comes, e.g. while the view is covered.
        view->RequestFrame();
        loopTimer_.start(250);
    } else {
        loopTimer_.start(16);
    }
}

}  // namespace vh::ui
