// Turns Qt key, mouse and wheel events into the per-pass InputState the
// camera, picking and tools read, through an InputLatch so no click, key tap
// or wheel notch is lost between passes. Keys are kept by DirectInput scan
// code. The left press that gives the view the keyboard focus is only that:
// it and its drag never reach the passes.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/input_state.h"
#include "view/input_latch.h"

class QEvent;
class QWidget;

namespace vh::view {

// Scan code of a Qt key (Qt::Key value), 0 when the key has no code.
int ScanCodeOfQtKey(int qtKey);

class InputReader : public QObject {
    Q_OBJECT
public:
    explicit InputReader(QWidget* view);

    // Keys also count while another widget (the main window) has focus:
    // the reader watches key events of that object too.
    void WatchKeysOf(QObject* source);

    // This pass's input (InputLatch::Take) with the time since the
    // previous one.
    InputState Take();
    // Passes' worth of input waiting (clicks and taps made between passes).
    int Queued() const { return latch_.Queued(); }

    // Forget held keys and buttons (focus lost, dialog opened).
    void ReleaseAll();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandleKey(int qtKey, bool down, bool autoRepeat);
    void HandleMouse(QEvent* event);

    QWidget* view_;
    InputLatch latch_;
    bool focusedByMouse_ = false;  // the view just took the focus from a click
    bool swallowLeft_ = false;     // the left button is down from a focusing click
    QElapsedTimer clock_;
};

}  // namespace vh::view
