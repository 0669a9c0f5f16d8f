// OpenGL drawing of one frame: terrain, sky box, 3D overlay lines and text.
// Lives only while the view's GL context does.
#pragma once

#include <QMatrix4x4>
#include <QOpenGLExtraFunctions>
#include <memory>

#include "core/editor_state.h"

class QOpenGLWidget;

namespace vh::view {

// Clear colour of the current render mode.
struct SceneColour {
    float r, g, b;
};
SceneColour SceneColourOf(const EditorState& s);

class Renderer {
public:
    explicit Renderer(QOpenGLWidget* widget);
    ~Renderer();

    // Needs the widget's context current.
    void Initialize();
    void Resize(int w, int h);
    void Draw(const EditorState& s);
    // Free the GL objects (context current); safe to call twice.
    void Release();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace vh::view
