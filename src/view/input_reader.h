// Turns Qt key, mouse and wheel events into the per-pass InputState the
// camera, picking and tools read. Keys are kept by DirectInput scan code.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "core/input_state.h"

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

    // Snapshot for this pass: held keys and buttons, cursor, the mouse
    // movement and elapsed time since the previous snapshot.
    InputState Take();

    // Current state without consuming the movement (for inspection).
    const InputState& Peek() const { return state_; }

    // Forget held keys and buttons (focus lost, dialog opened).
    void ReleaseAll();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void HandleKey(int qtKey, bool down, bool autoRepeat);

    QWidget* view_;
    InputState state_;
    int lastX_ = 0, lastY_ = 0;
    bool havePos_ = false;
    QElapsedTimer clock_;
};

}  // namespace vh::view
