#include "view/terrain_view.h"

#include <QOpenGLContext>
#include <QSurfaceFormat>

#include "view/camera.h"
#include "view/input_reader.h"
#include "view/renderer.h"

TerrainView::TerrainView(vh::EditorState& state, QWidget* parent)
    : QOpenGLWidget(parent), state_(state), renderer_(std::make_unique<vh::view::Renderer>(this)) {
    QSurfaceFormat fmt = format();
    fmt.setVersion(3, 3);
    fmt.setProfile(QSurfaceFormat::CoreProfile);
    fmt.setDepthBufferSize(24);
    setFormat(fmt);
    input_ = new vh::view::InputReader(this);
    state_.OnTerrainMeshUpdate = [this] { TerrainMeshChanged(); };
    state_.OnTerrainReplaced = [this] { TerrainReplaced(); };
    state_.OnReset = [this] { ResetView(); };
}

TerrainView::~TerrainView() {
    state_.OnTerrainMeshUpdate = nullptr;
    state_.OnTerrainReplaced = nullptr;
    state_.OnReset = nullptr;
    if (glReady_) {
        makeCurrent();
        CleanupGL();
        doneCurrent();
    }
}

void TerrainView::WatchKeysOf(QObject* source) {
    input_->WatchKeysOf(source);
}

vh::InputState TerrainView::TakeInput() {
    return input_->Take();
}

void TerrainView::UpdateCamera(const vh::InputState& input) {
    vh::UpdateCamera(state_, input);
}

int TerrainView::PickSquare(int, int) const {
    return 0;
}

void TerrainView::ClearSelection() {
    state_.PickedSquare = 0;
}

std::string TerrainView::StatusLineText() const {
    return "No Selection.";
}

void TerrainView::TerrainReplaced() {
    update();
}

void TerrainView::TerrainMeshChanged() {
    update();
}

void TerrainView::ResetView() {
    update();
}

void TerrainView::LoadSkyBox() {
    update();
}

void TerrainView::LoadGroundTexture() {
    update();
}

void TerrainView::initializeGL() {
    renderer_->Initialize();
    glReady_ = true;
    // The context can go before the widget's members (at exit): clean up then.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        CleanupGL();
        doneCurrent();
    });
}

void TerrainView::resizeGL(int w, int h) {
    renderer_->Resize(w, h);
}

void TerrainView::paintGL() {
    renderer_->Draw(state_);
}

void TerrainView::CleanupGL() {
    if (!glReady_) return;
    glReady_ = false;
    if (context()) disconnect(context(), &QOpenGLContext::aboutToBeDestroyed, this, nullptr);
    if (renderer_) renderer_->Release();
}
