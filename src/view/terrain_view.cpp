#include "view/terrain_view.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QSurfaceFormat>
#include <QVBoxLayout>
#include <algorithm>

#include "core/spawn_square.h"
#include "tools/edit_pass.h"
#include "view/camera.h"
#include "view/input_reader.h"
#include "view/picking.h"
#include "view/renderer.h"
#include "view/status_text.h"
#include "view/textures.h"

namespace vh::view {

QSurfaceFormat ViewSurfaceFormat() {
    QSurfaceFormat fmt;
    fmt.setVersion(3, 3);
    fmt.setProfile(QSurfaceFormat::CoreProfile);
    fmt.setDepthBufferSize(24);
    return fmt;
}

// The embedded window the frames are drawn in. It is transparent for input,
// so the window system gives pointer and key events to the widgets around
// it (X11 hands keys to the innermost window under the pointer); whatever
// still reaches it goes on to the view widget, where the input reader
// watches.
class ViewSurface : public QOpenGLWindow {
public:
    explicit ViewSurface(TerrainView* view) : view_(view) {
        setFlags(flags() | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
        setFormat(ViewSurfaceFormat());
    }

protected:
    void initializeGL() override { view_->InitializeGL(); }
    void paintGL() override { view_->PaintGL(); }
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
    TerrainView* view_;
};

TerrainView::TerrainView(vh::EditorState& state, const vh::ToolBox& tools, QWidget* parent)
    : QWidget(parent), state_(state), tools_(tools), renderer_(std::make_unique<vh::view::Renderer>()) {
    surface_ = new ViewSurface(this);
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setFocusPolicy(Qt::NoFocus);
    // Widget-level pointer events (and tests' synthetic ones) land on the
    // view itself.
    container_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container_);
    connect(surface_, &QOpenGLWindow::frameSwapped, this, &TerrainView::frameSwapped);
    input_ = new vh::view::InputReader(this);
    state_.Observers.Add(this);
}

TerrainView::~TerrainView() {
    state_.Observers.Remove(this);
    if (glReady_) {
        surface_->makeCurrent();
        CleanupGL();
        surface_->doneCurrent();
    }
}

// The window's own update() waits for a platform timer (5 ms on X11) before
// it paints; the view's frames pace the main loop, so it draws them itself
// at the next turn of the event loop instead.
void TerrainView::RequestFrame() {
    if (framePosted_) return;
    framePosted_ = true;
    QMetaObject::invokeMethod(this, &TerrainView::DrawFrame, Qt::QueuedConnection);
}

void TerrainView::DrawFrame() {
    framePosted_ = false;
    if (!surface_->isExposed() || !surface_->isValid()) {
        surface_->update();  // the first frame comes with the window's exposure
        return;
    }
    surface_->makeCurrent();
    PaintGL();
    surface_->context()->swapBuffers(surface_);
    emit frameSwapped();
}

QImage TerrainView::grabFramebuffer() {
    if (!surface_->isValid()) return {};
    // The window's own grab reads the last frame; draw the current one into
    // the back buffer first (not swapped, so nothing shows).
    surface_->makeCurrent();
    PaintGL();
    return surface_->grabFramebuffer();
}

QWindow* TerrainView::SurfaceWindow() const {
    return surface_;
}

void TerrainView::WatchKeysOf(QObject* source) {
    input_->WatchKeysOf(source);
}

vh::InputState TerrainView::TakeInput() {
    return input_->Take();
}

void TerrainView::UpdateCamera(const vh::InputState& input) {
    vh::UpdateCamera(state_.Pose, state_.Camera, input);
    const int notches = input.DollyNotches + (vh::ToolUsesWheel(state_.CurrentTool) ? 0 : input.WheelNotches);
    if (notches != 0) vh::DollyCamera(state_.Pose, state_.Terrain, notches);
}

void TerrainView::SetWalkabilityOverlay(bool on) {
    state_.View.Walkability = on;
    RequestFrame();
}

void TerrainView::ResetCamera() {
    vh::ResetCamera(state_.Pose, state_.Terrain);
    RequestFrame();
}

void TerrainView::FrameTerrain() {
    vh::FrameTerrain(state_.Pose, state_.Terrain, static_cast<float>(width()) / std::max(1, height()),
                     state_.Camera.Inverse == 1);
    RequestFrame();
}

int TerrainView::PickSquare(int x, int y) const {
    if (mesh_.Empty() || x < 0 || y < 0 || x >= width() || y >= height()) return 0;
    return vh::view::PickSquareAt(state_.Terrain, state_.Pose, width(), height(), x, y);
}

void TerrainView::ClearSelection() {
    if (!state_.LoopRunning) return;
    vh::DropPick(state_.Stroke);
    RequestFrame();
}

std::string TerrainView::StatusLineText() const {
    const std::string slope = vh::view::SlopeText(state_);
    return vh::view::StatusLineText(state_, tools_) + (slope.empty() ? "" : "   " + slope);
}

void TerrainView::TerrainReplaced() {
    // Clicks made on the old terrain do not carry over.
    input_->ReleaseAll();
    vh::LiftAboveSurface(state_.Pose, state_.Terrain);
    mesh_ = vh::view::BuildTerrainMeshes(state_.Terrain);
    lod_ = vh::view::BuildTerrainLod(state_.Terrain);
    renderer_->SetMesh(&mesh_);
    renderer_->SetLod(&lod_);
    LoadGroundTexture();
    LoadSkyBox();
    RequestFrame();
}

void TerrainView::HeightsChanged(vh::PointRange changed) {
    if (mesh_.VertexCount() != state_.Terrain.PointCount) {
        TerrainReplaced();
        return;
    }
    renderer_->VerticesChanged(vh::view::UpdateTerrainMesh(mesh_, state_.Terrain, changed));
    vh::view::UpdateTerrainLod(lod_, changed);
    RequestFrame();
}

std::vector<float> TerrainView::UploadedVertices() {
    if (!glReady_) return {};
    surface_->makeCurrent();
    std::vector<float> out = renderer_->UploadedVertices();
    surface_->doneCurrent();
    return out;
}

void TerrainView::TerrainReset() {
    mesh_ = {};
    lod_ = {};
    renderer_->SetMesh(nullptr);
    renderer_->SetLod(nullptr);
    RequestFrame();
}

void TerrainView::LoadSkyBox() {
    const auto paths = vh::view::SkyFacePaths(state_.Textures);
    std::array<QImage, vh::view::kSkyFaces> images;
    for (int f = 0; f < vh::view::kSkyFaces; ++f) images[f] = vh::view::LoadEditorImage(paths[f]).Image;
    renderer_->SetSkyImages(images);
    RequestFrame();
}

void TerrainView::LoadGroundTexture() {
    renderer_->SetGroundImage(vh::view::LoadEditorImage(state_.Textures.GroundTexture).Image);
    RequestFrame();
}

void TerrainView::InitializeGL() {
    renderer_->Initialize();
    renderer_->SetMesh(mesh_.Empty() ? nullptr : &mesh_);
    renderer_->SetLod(&lod_);
    glReady_ = true;
    // The context can go before the widget's members (at exit): clean up then.
    connect(surface_->context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        surface_->makeCurrent();
        CleanupGL();
        surface_->doneCurrent();
    });
}

void TerrainView::PaintGL() {
    vh::view::RefreshTerrainLod(lod_, state_.Terrain);
    renderer_->Draw(state_, tools_, fps_, width(), height(), devicePixelRatioF());
    ++framesCounted_;
    if (!fpsClock_.isValid()) fpsClock_.start();
    const qint64 ms = fpsClock_.elapsed();
    if (ms >= 1000) {
        fps_ = framesCounted_ * 1000.0 / ms;
        framesCounted_ = 0;
        fpsClock_.restart();
    }
}

void TerrainView::CleanupGL() {
    if (!glReady_) return;
    glReady_ = false;
    if (surface_->context())
        disconnect(surface_->context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
    if (renderer_) renderer_->Release();
}

}  // namespace vh::view
