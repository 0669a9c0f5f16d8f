// GLSL sources of the view (OpenGL 3.3 core).
#pragma once

namespace vh::view::shaders {

// Terrain: texture lit by one fixed sun; also used for the wire frame and
// points (with `shade` darkening the lines drawn over the solid terrain).
inline constexpr const char* kTerrainVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;
uniform mat4 mvp;
uniform float pointSize;
out vec3 vNormal;
out vec2 vTexCoord;
void main() {
    vNormal = normal;
    vTexCoord = texCoord;
    gl_PointSize = pointSize;
    gl_Position = mvp * vec4(position, 1.0);
}
)";

inline constexpr const char* kTerrainFragment = R"(#version 330 core
in vec3 vNormal;
in vec2 vTexCoord;
uniform sampler2D ground;
uniform vec3 sunDirection;
uniform float shade;
out vec4 colour;
void main() {
    float light = 0.45 + 0.65 * max(dot(normalize(vNormal), sunDirection), 0.0);
    vec3 c = texture(ground, vTexCoord).rgb * min(light, 1.1) * shade;
    colour = vec4(c, 1.0);
}
)";

// Sky box: drawn around the camera with its rotation only, behind everything.
inline constexpr const char* kSkyVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texCoord;
uniform mat4 rotationProjection;
out vec2 vTexCoord;
void main() {
    vTexCoord = texCoord;
    vec4 p = rotationProjection * vec4(position, 1.0);
    gl_Position = p.xyww;
}
)";

inline constexpr const char* kSkyFragment = R"(#version 330 core
in vec2 vTexCoord;
uniform sampler2D face;
out vec4 colour;
void main() { colour = vec4(texture(face, vTexCoord).rgb, 1.0); }
)";

// Overlay lines in world space, coloured per vertex.
inline constexpr const char* kLineVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 lineColour;
uniform mat4 mvp;
out vec3 vColour;
void main() {
    vColour = lineColour;
    gl_Position = mvp * vec4(position, 1.0);
}
)";

inline constexpr const char* kLineFragment = R"(#version 330 core
in vec3 vColour;
out vec4 colour;
void main() { colour = vec4(vColour, 1.0); }
)";

}  // namespace vh::view::shaders
