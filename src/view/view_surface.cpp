#include "view/view_surface.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QOpenGLWindow>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

namespace vh::view {

QSurfaceFormat ViewSurfaceFormat() {
    QSurfaceFormat fmt;
    fmt.setVersion(3, 3);
    fmt.setProfile(QSurfaceFormat::CoreProfile);
    fmt.setDepthBufferSize(24);
    return fmt;
}

SurfaceKind ChooseSurfaceKind(std::string_view platform, std::string_view override) {
    if (override == "widget") return SurfaceKind::Widget;
    if (override == "window") return SurfaceKind::Window;
    return platform.starts_with("wayland") ? SurfaceKind::Widget : SurfaceKind::Window;
}

SurfaceKind DefaultSurfaceKind() {
    const char* env = std::getenv("VARNHOLM_VIEW_SURFACE");
    return ChooseSurfaceKind(QGuiApplication::platformName().toStdString(), env ? env : "");
}

namespace {

// The embedded window. It is transparent for input, so the window system
// gives pointer and key events to the widgets around it (X11 hands keys to
// the innermost window under the pointer); whatever still reaches it goes
// on to the view widget, where the input reader watches.
class GlWindow : public QOpenGLWindow {
public:
    GlWindow(QWidget* view, const SurfaceHooks& hooks) : view_(view), hooks_(hooks) {
        setFlags(flags() | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
        setFormat(ViewSurfaceFormat());
    }

protected:
    void initializeGL() override { hooks_.Initialize(); }
    void paintGL() override { hooks_.Paint(); }
    bool event(QEvent* e) override {
        switch (e->type()) {
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::Enter:
            case QEvent::Leave:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                QCoreApplication::sendEvent(view_, e);
                return true;
            default:
                return QOpenGLWindow::event(e);
        }
    }

private:
    QWidget* view_;
    const SurfaceHooks& hooks_;
};

class WindowSurface : public ViewSurface {
public:
    WindowSurface(QWidget* view, SurfaceHooks hooks) : hooks_(std::move(hooks)) {
        window_ = new GlWindow(view, hooks_);
        container_ = QWidget::createWindowContainer(window_, view);
        container_->setFocusPolicy(Qt::NoFocus);
        // Widget-level pointer events (and tests' synthetic ones) land on
        // the view itself.
        container_->setAttribute(Qt::WA_TransparentForMouseEvents);
        QObject::connect(window_, &QOpenGLWindow::frameSwapped, container_, [this] { hooks_.Swapped(); });
    }
    // The window calls the hooks this surface holds: it goes first.
    ~WindowSurface() override { delete container_; }
    QWidget* Widget() override { return container_; }
    QWindow* Window() override { return window_; }
    bool Embedded() const override { return true; }
    bool Valid() const override { return window_->isValid(); }
    QOpenGLContext* Context() const override { return window_->context(); }
    void MakeCurrent() override { window_->makeCurrent(); }
    void DoneCurrent() override { window_->doneCurrent(); }
    // The window's own update() waits for a platform timer (5 ms on X11)
    // before it paints; drawing here saves that on every frame.
    void Draw() override {
        if (!window_->isExposed() || !window_->isValid()) {
            window_->update();  // the first frame comes with the exposure
            return;
        }
        window_->makeCurrent();
        hooks_.Paint();
        window_->context()->swapBuffers(window_);
        hooks_.Swapped();
    }
    // The window's own grab reads the last frame: draw the current one into
    // the back buffer first (not swapped, so nothing shows).
    QImage Grab() override {
        if (!window_->isValid()) return {};
        window_->makeCurrent();
        hooks_.Paint();
        return window_->grabFramebuffer();
    }

private:
    SurfaceHooks hooks_;
    GlWindow* window_ = nullptr;
    QWidget* container_ = nullptr;
};

class GlWidget : public QOpenGLWidget {
public:
    GlWidget(QWidget* view, const SurfaceHooks& hooks) : QOpenGLWidget(view), hooks_(hooks) {
        setFormat(ViewSurfaceFormat());
        // Pointer events and focus stay with the view.
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void initializeGL() override { hooks_.Initialize(); }
    void paintGL() override { hooks_.Paint(); }

private:
    const SurfaceHooks& hooks_;
};

class WidgetSurface : public ViewSurface {
public:
    WidgetSurface(QWidget* view, SurfaceHooks hooks) : hooks_(std::move(hooks)) {
        widget_ = new GlWidget(view, hooks_);
        QObject::connect(widget_, &QOpenGLWidget::frameSwapped, widget_, [this] { hooks_.Swapped(); });
    }
    ~WidgetSurface() override { delete widget_; }
    QWidget* Widget() override { return widget_; }
    QWindow* Window() override { return widget_->window()->windowHandle(); }
    bool Embedded() const override { return false; }
    bool Valid() const override { return widget_->isValid(); }
    QOpenGLContext* Context() const override { return widget_->context(); }
    void MakeCurrent() override { widget_->makeCurrent(); }
    void DoneCurrent() override { widget_->doneCurrent(); }
    void Draw() override { widget_->update(); }
    QImage Grab() override { return widget_->isValid() ? widget_->grabFramebuffer() : QImage(); }

private:
    SurfaceHooks hooks_;
    GlWidget* widget_ = nullptr;
};

}  // namespace

std::unique_ptr<ViewSurface> MakeViewSurface(SurfaceKind kind, QWidget* view, SurfaceHooks hooks) {
    if (kind == SurfaceKind::Widget) return std::make_unique<WidgetSurface>(view, std::move(hooks));
    return std::make_unique<WindowSurface>(view, std::move(hooks));
}

}  // namespace vh::view
