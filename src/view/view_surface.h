// Where the view's frames are drawn. Two kinds, one interface:
// - an OpenGL window embedded in the view widget: it only shows, and takes
//   neither focus nor input. With software GL it saves the second full-view
//   pass a QOpenGLWidget costs (composing its texture into the window).
// - a QOpenGLWidget: on Wayland, where Qt 6.4 never exposed an embedded GL
//   window under weston (the view stayed blank), and wherever
//   VARNHOLM_VIEW_SURFACE=widget asks.
#pragma once

#include <QImage>
#include <QSurfaceFormat>
#include <functional>
#include <memory>
#include <string_view>

class QOpenGLContext;
class QWidget;
class QWindow;

namespace vh::view {

// The GL surface the view asks for: OpenGL 3.3 core with a depth buffer.
QSurfaceFormat ViewSurfaceFormat();

enum class SurfaceKind { Window, Widget };

// For a Qt platform name and the value of VARNHOLM_VIEW_SURFACE ("window" or
// "widget"; anything else is ignored).
SurfaceKind ChooseSurfaceKind(std::string_view platform, std::string_view override);
// For this process.
SurfaceKind DefaultSurfaceKind();

// What the surface calls back: with its context current.
struct SurfaceHooks {
    std::function<void()> Initialize;  // once the context exists
    std::function<void()> Paint;       // draw one frame
    std::function<void()> Swapped;     // a frame is on screen
};

class ViewSurface {
public:
    virtual ~ViewSurface() = default;
    // The widget to lay out inside the view.
    virtual QWidget* Widget() = 0;
    // The window the frames show in.
    virtual QWindow* Window() = 0;
    // Frames go to a window of their own inside the view.
    virtual bool Embedded() const = 0;
    virtual bool Valid() const = 0;
    virtual QOpenGLContext* Context() const = 0;
    virtual void MakeCurrent() = 0;
    virtual void DoneCurrent() = 0;
    // Draws a frame now where that is possible, or as soon as the platform
    // lets it; Swapped follows.
    virtual void Draw() = 0;
    // Draws the current frame and returns it without showing it.
    virtual QImage Grab() = 0;
};

// A surface of `kind` for `view` (its parent).
std::unique_ptr<ViewSurface> MakeViewSurface(SurfaceKind kind, QWidget* view, SurfaceHooks hooks);

}  // namespace vh::view
