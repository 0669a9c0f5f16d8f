// SIGTERM and SIGINT as a request to close: the handler only wakes the event
// loop, which then calls onSignal (the window's close, so the quit flow with
// its unsaved-changes prompt runs and the settings are written). A session
// ending or `timeout` thus leaves the same files as the close box.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace vh::ui {

class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    // Restores the handlers that were there before.
    ~QuitSignals() override;

    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vh::ui
