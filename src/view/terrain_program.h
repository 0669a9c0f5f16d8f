// The terrain's shader programs: one per render mode, each with and without
// the walkability overlay (sources in view/shaders.h).
#pragma once

#include <QOpenGLShaderProgram>
#include <QVector3D>

#include "core/view_options.h"

namespace vh::view {

constexpr int kStyles = 4;
// The program style of a render mode (0..kStyles - 1); 3 is Points.
int StyleOf(RenderMode m);

struct TerrainProgram {
    QOpenGLShaderProgram program;
    int mvp = -1, pointSize = -1, lineColour = -1, backColour = -1;

    // Compiles and links the style, lit by a sun in direction `sun`.
    void Build(int style, bool walk, const QVector3D& sun);
};

}  // namespace vh::view
