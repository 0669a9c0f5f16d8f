// GLSL sources of the view (OpenGL 3.3 core).
#pragma once

namespace vh::view::shaders {

// Terrain, one program per style (defines after the version line): SOLID
// (textured and lit), WIRE (grid lines drawn on the solid triangles, solid
// or alone) and POINTS; WALK adds the walkability tint and step edges.
// The ground texture's coordinates count squares from the first point, so
// they are the grid column and row too: one varying serves the texture, the
// lines and the overlay (software GL pays for every varying per pixel).
inline constexpr const char* kTerrainVertex = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texCoord;
uniform mat4 mvp;
uniform float pointSize;
uniform vec3 sunDirection;  // towards the sun
out float vLight;
out vec2 vGrid;
#ifdef WALK
layout(location = 3) in uint walkCode;  // the code of the square whose C3 this is
flat out uint vCode;                    // a triangle's last corner: its square's C3
#endif

// Sun and sky light, per vertex: the normals are smooth, and software GL
// pays for every instruction per fragment. The normal's slope is doubled
// for the light only, so gentle hills still show from above.
float Light() {
    vec3 n = normalize(vec3(2.0 * normal.x, normal.y, 2.0 * normal.z));
    return 0.32 + 0.18 * n.y + 0.72 * max(dot(n, sunDirection), 0.0);
}

void main() {
    vLight = Light();
    vGrid = texCoord;
#ifdef WALK
    vCode = walkCode;
#endif
    gl_PointSize = pointSize;
    gl_Position = mvp * vec4(position, 1.0);
}
)";

inline constexpr const char* kTerrainFragment = R"(
in float vLight;
in vec2 vGrid;
#ifdef WALK
flat in uint vCode;           // per square: classes of its two triangles, step edges
#endif
uniform sampler2D ground;
uniform vec3 lineColour;
uniform vec3 backColour;      // the scene colour behind lone wire lines
out vec4 colour;

// 0 while squares are at least five pixels across, 1 from two pixels down.
float Crowd(vec3 w) {
    return clamp((max(max(w.x, w.y), w.z) - 0.2) / 0.3, 0.0, 1.0);
}

#ifdef WIRE
// Coverage of the square edges and C3-C0 diagonals at this pixel: lines one
// pixel wide while squares are large on screen, an even tone where they
// would crowd into moire.
float Wire() {
    vec3 g = vec3(vGrid, vGrid.x + vGrid.y);
    vec3 w = fwidth(g);
    vec3 d = abs(fract(g - 0.5) - 0.5) / max(w, vec3(1e-6));
    float line = 1.0 - clamp(min(min(d.x, d.y), d.z), 0.0, 1.0);
    return mix(line, 0.45, Crowd(w));
}
#endif

#ifdef WALK
const vec3 kNearLimit = vec3(1.0, 0.62, 0.0);
const vec3 kTooSteep = vec3(0.95, 0.08, 0.04);
const vec3 kStep = vec3(0.1, 0.9, 1.0);
vec3 Walkability(vec3 c, float light) {
    // The code is the same for all of a triangle's pixels, so derivatives
    // after this branch still see a whole 2 x 2 block.
    uint code = vCode;
    if (code == 0u) return c;  // most ground: nothing to show
    vec2 dx = dFdx(vGrid), dy = dFdy(vGrid);
    vec3 w = max(vec3(abs(dx) + abs(dy), abs(dx.x + dx.y) + abs(dy.x + dy.y)), vec3(1e-6));
    vec2 f = fract(vGrid);
    uint cls = (f.x + f.y > 1.0 ? code >> 2u : code) & 3u;
    if (cls != 0u) {
        float shade = 0.55 + 0.45 * min(light, 1.0);
        c = cls == 1u ? mix(c, kNearLimit * shade, 0.65) : mix(c, kTooSteep * shade, 0.7);
    }
    // Step edges, bottom, left, top, right and the diagonal, about two
    // pixels wide; an even mark on crowded squares.
    uint edges = code & 496u;
    if (edges == 0u) return c;
    vec3 iw = 1.0 / w;
    vec4 sides = vec4(f.y * iw.y, f.x * iw.x, (1.0 - f.y) * iw.y, (1.0 - f.x) * iw.x);
    sides = mix(vec4(1e6), sides, vec4(notEqual(uvec4(edges) & uvec4(16u, 32u, 128u, 256u), uvec4(0u))));
    float d = min(min(sides.x, sides.y), min(sides.z, sides.w));
    if ((edges & 64u) != 0u) d = min(d, abs(f.x + f.y - 1.0) * iw.z);
    float edge = mix(1.0 - clamp(d - 0.5, 0.0, 1.0), 0.6, Crowd(w));
    return mix(c, kStep, edge);
}
#endif

void main() {
    float light = vLight;
#if defined(POINTS)
    colour = vec4(lineColour * (0.55 + 0.45 * min(light, 1.0)), 1.0);
#elif defined(WIRE) && !defined(SOLID)
    float a = Wire();
    if (a < 0.04) discard;
    vec3 c = lineColour * (0.6 + 0.4 * min(light, 1.0));
#ifdef WALK
    c = Walkability(c, light);
#endif
    colour = vec4(mix(backColour, c, a), 1.0);
#else
    vec3 c = texture(ground, vGrid).rgb * light;
#ifdef WIRE
    c = mix(c, lineColour, 0.6 * Wire());
#endif
#ifdef WALK
    c = Walkability(c, light);
#endif
    colour = vec4(c, 1.0);
#endif
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
