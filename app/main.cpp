// The Varnholm editor.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/app_paths.h"
#include "core/command_line.h"
#include "core/version.h"
#include "ui/frm_splash.h"
#include "ui/main_window.h"
#include "ui/qt_prompts.h"
#include "ui/quit_signals.h"

namespace {

std::vector<std::string> Arguments(const QStringList& list) {
    std::vector<std::string> out;
    for (qsizetype i = 1; i < list.size(); ++i) out.push_back(list[i].toStdString());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    const vh::AppPaths paths = vh::ResolveAppPaths(vh::ProcessEnvironment(vh::ExecutableFolder()));
    // --help and --version answer before Qt looks for a display.
    const vh::StartRequest early = vh::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (early.Action == vh::StartAction::Help || early.Action == vh::StartAction::Version) {
        const std::string text =
            early.Action == vh::StartAction::Help ? vh::HelpText(paths) : vh::VersionText();
        std::fputs(text.c_str(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholm");
    QApplication::setApplicationVersion(vh::kVersionString);
    // The installed launcher and icon (a build folder has neither; no harm).
    QGuiApplication::setDesktopFileName(QStringLiteral(VH_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VH_APP_ID)));
    // Qt has taken its own options (-platform, -style, ...) out by now.
    const vh::StartRequest request = vh::ParseCommandLine(Arguments(QCoreApplication::arguments()));
    if (request.Action == vh::StartAction::Error) {
        std::fprintf(stderr, "varnholm: %s (try --help)\n", request.Message.c_str());
        return 2;
    }
    // The window ends the program itself, after its quit flow.
    QApplication::setQuitOnLastWindowClosed(false);
    vh::CreateStateFolder(paths);

    // The splash stays up, painted, while the window starts.
    auto splash = std::make_unique<vh::ui::FrmSplash>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    vh::ui::QtPrompts prompts;
    vh::ui::MainWindow window(prompts, paths);
    prompts.SetParent(&window);
    QObject::connect(&window, &vh::ui::MainWindow::ProgramEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    vh::ui::QuitSignals quitSignals([&window] { window.close(); });
    window.show();
    splash.reset();
    if (!request.File.empty()) window.OpenDocument(request.File);
    return app.exec();
}
