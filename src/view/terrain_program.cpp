#include "view/terrain_program.h"

#include "view/shaders.h"

namespace vh::view {

int StyleOf(RenderMode m) {
    switch (m) {
        case RenderMode::Solid:
            return 0;
        case RenderMode::SolidWire:
            return 1;
        case RenderMode::Wireframe:
            return 2;
        case RenderMode::Points:
            return 3;
    }
    return 0;
}

void TerrainProgram::Build(int style, bool walk, const QVector3D& sun) {
    static const char* const kDefines[kStyles] = {"#define SOLID\n", "#define SOLID\n#define WIRE\n",
                                                  "#define WIRE\n", "#define POINTS\n"};
    const QByteArray head =
        QByteArray("#version 330 core\n") + kDefines[style] + (walk ? "#define WALK\n" : "");
    program.addShaderFromSourceCode(QOpenGLShader::Vertex, head + shaders::kTerrainVertex);
    program.addShaderFromSourceCode(QOpenGLShader::Fragment, head + shaders::kTerrainFragment);
    program.link();
    mvp = program.uniformLocation("mvp");
    pointSize = program.uniformLocation("pointSize");
    lineColour = program.uniformLocation("lineColour");
    backColour = program.uniformLocation("backColour");
    program.bind();
    program.setUniformValue("ground", 0);
    program.setUniformValue("sunDirection", sun);
    program.release();
}

}  // namespace vh::view
