#include "view/renderer.h"

#include <QOpenGLContext>
#include <QOpenGLWidget>

namespace vh::view {

SceneColour SceneColourOf(const EditorState& s) {
    if (s.Commands.cmdPoints.Checked) return {0, 0, 0};
    return {0.5f, 0.5f, 0.2f};
}

struct Renderer::Impl {
    QOpenGLWidget* widget;
    QOpenGLExtraFunctions* gl = nullptr;
    int width = 1, height = 1;
};

Renderer::Renderer(QOpenGLWidget* widget) : d_(std::make_unique<Impl>()) {
    d_->widget = widget;
}
Renderer::~Renderer() = default;

void Renderer::Initialize() {
    d_->gl = QOpenGLContext::currentContext()->extraFunctions();
}

void Renderer::Resize(int w, int h) {
    d_->width = w;
    d_->height = h;
}

void Renderer::Draw(const EditorState& s) {
    const SceneColour c = SceneColourOf(s);
    d_->gl->glClearColor(c.r, c.g, c.b, 1.0f);
    d_->gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Renderer::Release() {}

}  // namespace vh::view
