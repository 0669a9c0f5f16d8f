#include "ui/quit_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

namespace vh::ui {

namespace {

// One instance at a time: the signal handler can only reach statics.
int wakeFds[2] = {-1, -1};
struct sigaction previousTerm, previousInt;

void OnSignal(int) {
    const char byte = 1;
    // Nothing else is safe here; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(wakeFds[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (wakeFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0) return;
    ::fcntl(wakeFds[0], F_SETFL, ::fcntl(wakeFds[0], F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(wakeFds[1], &byte, 1);
        if (onSignal_) onSignal_();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, &previousTerm);
    sigaction(SIGINT, &sa, &previousInt);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    sigaction(SIGTERM, &previousTerm, nullptr);
    sigaction(SIGINT, &previousInt, nullptr);
    delete notifier_;
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

}  // namespace vh::ui
