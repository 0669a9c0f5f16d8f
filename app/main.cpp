// The Varnholm editor.
#include <QApplication>
#include <memory>

#include "core/app_paths.h"
#include "ui/frm_splash.h"
#include "ui/main_window.h"
#include "ui/qt_prompts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Varnholm");
    // The window ends the program itself, after its quit flow.
    QApplication::setQuitOnLastWindowClosed(false);
    const vh::AppPaths paths = vh::ResolveAppPaths(vh::ProcessEnvironment(vh::ExecutableFolder()));
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
    window.show();
    splash.reset();
    return app.exec();
}
