#include "view/renderer.h"

#include <QByteArray>
#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFunctions_3_3_Core>
#include <QOpenGLShaderProgram>
#include <QOpenGLVersionFunctionsFactory>
#include <QOpenGLVertexArrayObject>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "core/rules.h"
#include "view/compile_markers.h"
#include "view/overlay.h"
#include "view/picking.h"
#include "view/shaders.h"
#include "view/status_text.h"
#include "view/terrain_program.h"
#include "view/text_sprites.h"
#include "view/walk_overlay.h"

#ifndef GL_PROGRAM_POINT_SIZE
#define GL_PROGRAM_POINT_SIZE 0x8642
#endif
#ifndef GL_TEXTURE_MAX_ANISOTROPY
#define GL_TEXTURE_MAX_ANISOTROPY 0x84FE
#define GL_MAX_TEXTURE_MAX_ANISOTROPY 0x84FF
#endif

namespace vh::view {

SceneColour SceneColourOf(RenderMode mode) {
    if (mode == RenderMode::Points) return {0, 0, 0};
    return {0.5f, 0.5f, 0.2f};
}

namespace {

// The sun: 40 degrees up, from the far left of the start view.
const QVector3D kSunDirection = QVector3D(-0.45f, 0.84f, 0.6f).normalized();
// Lines and points that stand out: pale on the olive and black scenes, dark
// over the textured ground.
const QVector3D kPaleLine(0.98f, 0.96f, 0.78f);
const QVector3D kDarkLine(0.06f, 0.06f, 0.04f);
constexpr float kPointSize = 3.0f;
constexpr float kMaxAnisotropy = 8.0f;

QColor ColourOf(Rgb c) {
    return QColor::fromRgbF(c.r, c.g, c.b);
}

// One GL texture from an image, row 0 of the image at t = 0, with mip-maps.
GLuint UploadTexture(QOpenGLExtraFunctions* gl, const QImage& image, GLenum wrap) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    GLuint id = 0;
    gl->glGenTextures(1, &id);
    gl->glBindTexture(GL_TEXTURE_2D, id);
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, rgba.width(), rgba.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     rgba.constBits());
    gl->glGenerateMipmap(GL_TEXTURE_2D);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return id;
}

}  // namespace

struct Renderer::Impl {
    qreal dpr = 1;  // of the frame being drawn
    Vec3f eye;      // the camera's place in this frame
    CompileMarkCache compileMarks;
    QOpenGLExtraFunctions* gl = nullptr;
    bool ready = false;

    std::array<std::array<std::unique_ptr<TerrainProgram>, 2>, kStyles> terrainPrograms;
    QOpenGLShaderProgram skyProgram, lineProgram;
    int skyMatrix = -1, lineMvp = -1;
    QOpenGLVertexArrayObject terrainVao, skyVao, lineVao;
    QOpenGLBuffer vertexBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer triangleBuffer{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer pointIndexBuffer{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer skyBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer overlayBuffer{QOpenGLBuffer::VertexBuffer};
    TextSprites texts;

    const TerrainMesh* mesh = nullptr;
    const TerrainLod* lod = nullptr;
    bool lodDrawn = false;  // the triangle buffer holds the lod's indices
    QOpenGLFunctions_3_3_Core* gl33 = nullptr;
    bool geometryDirty = false;
    WalkOverlay walkOverlay;
    VertexRange dirtyVertices;  // uploaded at the next frame
    int triangleCount = 0, pointCount = 0;

    QImage groundImage = PlaceholderImage();
    std::array<QImage, kSkyFaces> skyImages;
    bool groundDirty = true, skyDirty = true;
    GLuint groundTexture = 0;
    std::array<GLuint, kSkyFaces> skyTextures{};
    int filtersMip = -1;    // the mip-mapping the textures are set for; -1 none yet
    float anisotropy = 0;   // 0: no anisotropic filtering here
    bool blendMips = true;  // trilinear; software GL samples one mip-map level

    TerrainProgram& Program(RenderMode mode, bool walk);
    void UploadGeometry();
    void UploadTextures();
    void SetFilters(bool mip);
    void DrawSky(const ViewCamera& cam);
    void DrawTerrain(RenderMode mode, bool walk, const ViewCamera& cam);
    void DrawLodBlocks(const std::vector<int>& levels, const std::function<bool(size_t)>& chosen);
    void DrawOverlayLines(const OverlayScene& o, const ViewCamera& cam);
    void QueueTexts(const EditorState& s, const ToolBox& tools, const OverlayScene& o, const ViewCamera& cam,
                    double fps);
};

Renderer::Renderer() : d_(std::make_unique<Impl>()) {
    d_->skyImages.fill(PlaceholderImage());
}

Renderer::~Renderer() = default;

void Renderer::SetMesh(const TerrainMesh* mesh) {
    d_->mesh = mesh;
    d_->geometryDirty = true;
    d_->walkOverlay.Reset();
}

void Renderer::SetLod(const TerrainLod* lod) {
    d_->lod = lod;
    d_->geometryDirty = true;
    d_->walkOverlay.Reset();
}

void Renderer::VerticesChanged(VertexRange changed) {
    d_->walkOverlay.VerticesChanged(changed);
    d_->dirtyVertices = Union(d_->dirtyVertices, changed);
}

std::vector<float> Renderer::UploadedVertices() {
    Impl& d = *d_;
    if (!d.ready || !d.vertexBuffer.isCreated() || !d.vertexBuffer.bind()) return {};
    std::vector<float> out(static_cast<size_t>(d.vertexBuffer.size()) / sizeof(float));
    if (!out.empty()) d.vertexBuffer.read(0, out.data(), static_cast<int>(out.size() * sizeof(float)));
    d.vertexBuffer.release();
    return out;
}

void Renderer::SetGroundImage(const QImage& image) {
    d_->groundImage = image;
    d_->groundDirty = true;
}

void Renderer::SetSkyImages(const std::array<QImage, kSkyFaces>& images) {
    d_->skyImages = images;
    d_->skyDirty = true;
}

void Renderer::Initialize() {
    Impl& d = *d_;
    QOpenGLContext* context = QOpenGLContext::currentContext();
    d.gl = context->extraFunctions();
    d.gl33 = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_3_3_Core>(context);
    d.skyProgram.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kSkyVertex);
    d.skyProgram.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kSkyFragment);
    d.skyProgram.link();
    d.skyMatrix = d.skyProgram.uniformLocation("rotationProjection");
    d.skyProgram.bind();
    d.skyProgram.setUniformValue("face", 0);
    d.skyProgram.release();
    d.lineProgram.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kLineVertex);
    d.lineProgram.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kLineFragment);
    d.lineProgram.link();
    d.lineMvp = d.lineProgram.uniformLocation("mvp");
    // Software rasterizers offer anisotropic filtering but pay for it on
    // every fragment: it more than halved the frame rate on llvmpipe.
    const auto renderer = QByteArray(reinterpret_cast<const char*>(d.gl->glGetString(GL_RENDERER))).toLower();
    const bool software = renderer.contains("llvmpipe") || renderer.contains("softpipe") ||
                          renderer.contains("swiftshader") || renderer.contains("software");
    // Blending two mip-map levels doubles the texture reads of every
    // fragment; software GL takes the nearest level instead.
    d.blendMips = !software;
    if (!software && (context->hasExtension("GL_EXT_texture_filter_anisotropic") ||
                      context->hasExtension("GL_ARB_texture_filter_anisotropic"))) {
        GLfloat most = 0;
        d.gl->glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY, &most);
        d.anisotropy = std::min(most, kMaxAnisotropy);
    }

    d.terrainVao.create();
    d.terrainVao.bind();
    d.vertexBuffer.create();
    d.vertexBuffer.setUsagePattern(QOpenGLBuffer::DynamicDraw);
    d.vertexBuffer.bind();
    const int stride = kVertexFloats * sizeof(float);
    for (int i = 0; i < 3; ++i) d.gl->glEnableVertexAttribArray(i);
    d.gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    d.gl->glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    d.gl->glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(6 * sizeof(float)));
    d.terrainVao.release();
    d.triangleBuffer.create();
    d.pointIndexBuffer.create();

    // The sky cube: four corners per face, from the shared face layout.
    std::vector<float> sky;
    for (int f = 0; f < kSkyFaces; ++f) {
        const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        const int order[6] = {0, 1, 2, 0, 2, 3};
        for (int i : order) {
            float dir[3];
            SkyDirection(static_cast<SkyFace>(f), corners[i][0], corners[i][1], dir);
            sky.insert(sky.end(), {dir[0], dir[1], dir[2], corners[i][0], corners[i][1]});
        }
    }
    d.skyVao.create();
    d.skyVao.bind();
    d.skyBuffer.create();
    d.skyBuffer.bind();
    d.skyBuffer.allocate(sky.data(), static_cast<int>(sky.size() * sizeof(float)));
    d.gl->glEnableVertexAttribArray(0);
    d.gl->glEnableVertexAttribArray(1);
    d.gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 5 * sizeof(float), nullptr);
    d.gl->glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 5 * sizeof(float),
                                reinterpret_cast<void*>(3 * sizeof(float)));
    d.skyVao.release();

    d.lineVao.create();
    d.lineVao.bind();
    d.overlayBuffer.create();
    d.overlayBuffer.setUsagePattern(QOpenGLBuffer::StreamDraw);
    d.overlayBuffer.bind();
    d.gl->glEnableVertexAttribArray(0);
    d.gl->glEnableVertexAttribArray(1);
    d.gl->glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float), nullptr);
    d.gl->glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, 6 * sizeof(float),
                                reinterpret_cast<void*>(3 * sizeof(float)));
    d.lineVao.release();
    d.texts.Initialize(d.gl);

    d.geometryDirty = d.groundDirty = d.skyDirty = true;
    d.walkOverlay.Reset();
    d.filtersMip = -1;
    d.ready = true;
}

void Renderer::Release() {
    Impl& d = *d_;
    if (!d.ready) return;
    d.ready = false;
    if (d.groundTexture) d.gl->glDeleteTextures(1, &d.groundTexture);
    d.walkOverlay.Release(d.gl);
    for (GLuint& t : d.skyTextures)
        if (t) d.gl->glDeleteTextures(1, &t);
    d.groundTexture = 0;
    d.skyTextures.fill(0);
    for (QOpenGLBuffer* b :
         {&d.vertexBuffer, &d.triangleBuffer, &d.pointIndexBuffer, &d.skyBuffer, &d.overlayBuffer})
        b->destroy();
    d.terrainVao.destroy();
    d.skyVao.destroy();
    d.lineVao.destroy();
    for (auto& pair : d.terrainPrograms)
        for (auto& p : pair) p.reset();
    d.skyProgram.removeAllShaders();
    d.lineProgram.removeAllShaders();
    d.texts.Release();
}

TerrainProgram& Renderer::Impl::Program(RenderMode mode, bool walk) {
    // Points show no overlay.
    const int style = StyleOf(mode);
    const bool withWalk = walk && style != 3;
    std::unique_ptr<TerrainProgram>& p = terrainPrograms[style][withWalk];
    if (!p) {
        p = std::make_unique<TerrainProgram>();
        p->Build(style, withWalk, kSunDirection);
    }
    return *p;
}

void Renderer::Impl::UploadGeometry() {
    if (geometryDirty) {
        geometryDirty = false;
        dirtyVertices = {0, mesh ? mesh->VertexCount() - 1 : -1};
        triangleCount = pointCount = 0;
        if (mesh && !mesh->Empty()) {
            auto upload = [](QOpenGLBuffer& b, const std::vector<uint32_t>& v) {
                b.bind();
                b.allocate(v.data(), static_cast<int>(v.size() * sizeof(uint32_t)));
                b.release();
                return static_cast<int>(v.size());
            };
            lodDrawn = lod && !lod->Empty() && gl33;
            triangleCount = upload(triangleBuffer, lodDrawn ? lod->Indices : mesh->Triangles);
            pointCount = upload(pointIndexBuffer, mesh->PointList);
            vertexBuffer.bind();
            vertexBuffer.allocate(static_cast<int>(mesh->Vertices.size() * sizeof(float)));
            vertexBuffer.release();
        }
    }
    if (!dirtyVertices.Empty()) {
        VertexRange range = dirtyVertices;
        dirtyVertices = {};
        if (mesh && !mesh->Empty()) {
            constexpr int kStride = kVertexFloats * sizeof(float);
            vertexBuffer.bind();
            const int bytes = mesh->VertexCount() * kStride;
            if (vertexBuffer.size() != bytes) {
                vertexBuffer.allocate(bytes);
                range = {0, mesh->VertexCount() - 1};
            }
            range.First = std::max(range.First, 0);
            range.Last = std::min(range.Last, mesh->VertexCount() - 1);
            // Only the changed vertices go to the GPU (glBufferSubData).
            if (!range.Empty())
                vertexBuffer.write(range.First * kStride, mesh->Vertices.data() + range.First * kVertexFloats,
                                   (range.Last - range.First + 1) * kStride);
            vertexBuffer.release();
        }
    }
}

void Renderer::Impl::UploadTextures() {
    if (groundDirty) {
        groundDirty = false;
        if (groundTexture) gl->glDeleteTextures(1, &groundTexture);
        groundTexture = UploadTexture(gl, groundImage, GL_REPEAT);
        filtersMip = -1;
    }
    if (skyDirty) {
        skyDirty = false;
        for (int f = 0; f < kSkyFaces; ++f) {
            if (skyTextures[f]) gl->glDeleteTextures(1, &skyTextures[f]);
            skyTextures[f] = UploadTexture(gl, skyImages[f], GL_CLAMP_TO_EDGE);
        }
        filtersMip = -1;
    }
}

// Trilinear (and anisotropic where there is; one level on software GL)
// filtering with mip-mapping on,
// plain linear with it off; set only when that or a texture changes.
void Renderer::Impl::SetFilters(bool mip) {
    if (filtersMip == static_cast<int>(mip)) return;
    filtersMip = mip;
    const GLint minFilter = !mip ? GL_LINEAR : blendMips ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_NEAREST;
    gl->glBindTexture(GL_TEXTURE_2D, groundTexture);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    if (anisotropy > 0)
        gl->glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY, mip ? anisotropy : 1.0f);
    for (GLuint t : skyTextures) {
        gl->glBindTexture(GL_TEXTURE_2D, t);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    }
}

void Renderer::Impl::DrawSky(const ViewCamera& cam) {
    QMatrix4x4 rotation = cam.View;
    rotation.setColumn(3, QVector4D(0, 0, 0, 1));
    // Drawn after the terrain at the far plane, so only uncovered pixels
    // are filled (software GL pays for every fragment).
    gl->glDepthMask(GL_FALSE);
    skyProgram.bind();
    skyProgram.setUniformValue(skyMatrix, cam.Projection * rotation);
    skyVao.bind();
    for (int f = 0; f < kSkyFaces; ++f) {
        gl->glBindTexture(GL_TEXTURE_2D, skyTextures[f]);
        gl->glDrawArrays(GL_TRIANGLES, f * 6, 6);
    }
    skyVao.release();
    gl->glDepthMask(GL_TRUE);
}

void Renderer::Impl::DrawTerrain(RenderMode mode, bool walk, const ViewCamera& cam) {
    if (triangleCount == 0) return;
    gl->glBindTexture(GL_TEXTURE_2D, groundTexture);
    const SceneColour back = SceneColourOf(mode);
    auto use = [&](bool withWalk) -> TerrainProgram& {
        TerrainProgram& p = Program(mode, withWalk);
        p.program.bind();
        p.program.setUniformValue(p.mvp, cam.Projection * cam.View);
        p.program.setUniformValue(p.lineColour, mode == RenderMode::Wireframe || mode == RenderMode::Points
                                                    ? kPaleLine
                                                    : kDarkLine);
        p.program.setUniformValue(p.backColour, QVector3D(back.r, back.g, back.b));
        return p;
    };
    terrainVao.bind();
    if (walk)
        walkOverlay.Attach(gl);
    else
        WalkOverlay::Detach(gl);
    if (mode == RenderMode::Points) {
        TerrainProgram& p = use(false);
        p.program.setUniformValue(p.pointSize, static_cast<float>(kPointSize * dpr));
        gl->glEnable(GL_PROGRAM_POINT_SIZE);
        pointIndexBuffer.bind();
        gl->glDrawElements(GL_POINTS, pointCount, GL_UNSIGNED_INT, nullptr);
    } else if (!lodDrawn) {
        use(walk);
        triangleBuffer.bind();
        gl->glDrawElements(GL_TRIANGLES, triangleCount, GL_UNSIGNED_INT, nullptr);
    } else {
        triangleBuffer.bind();
        const float pixelsPerUnit = static_cast<float>(cam.Height * dpr) /
                                    (2.0f * std::tan(kFieldOfViewDegrees * 3.14159265f / 360.0f));
        const std::vector<int> levels = ChooseLodLevels(*lod, eye, pixelsPerUnit);
        // Blocks where the overlay would show nothing skip its program.
        const std::vector<char>& plain = walkOverlay.PlainBlocks();
        const bool split = walk && plain.size() == levels.size();
        if (split) {
            use(false);
            DrawLodBlocks(levels, [&](size_t i) { return plain[i] != 0; });
        }
        use(walk);
        DrawLodBlocks(levels, [&](size_t i) { return !split || plain[i] == 0; });
    }
    terrainVao.release();
}

// Each chosen block at its level, in one call.
void Renderer::Impl::DrawLodBlocks(const std::vector<int>& levels,
                                   const std::function<bool(size_t)>& chosen) {
    std::vector<GLsizei> counts;
    std::vector<const void*> offsets;
    for (size_t i = 0; i < levels.size(); ++i) {
        if (!chosen(i)) continue;
        const LodBlock& b = lod->Blocks[i];
        const GLsizei count = static_cast<GLsizei>(b.Count[levels[i]]);
        const size_t first = b.First[levels[i]];
        // Neighbouring blocks whose triangles follow on merge into one draw.
        if (!counts.empty() && reinterpret_cast<size_t>(offsets.back()) + counts.back() * sizeof(uint32_t) ==
                                   first * sizeof(uint32_t)) {
            counts.back() += count;
        } else if (count > 0) {
            counts.push_back(count);
            offsets.push_back(reinterpret_cast<const void*>(first * sizeof(uint32_t)));
        }
    }
    if (counts.empty()) return;
    gl33->glMultiDrawElements(GL_TRIANGLES, counts.data(), GL_UNSIGNED_INT, offsets.data(),
                              static_cast<GLsizei>(counts.size()));
}

void Renderer::Impl::DrawOverlayLines(const OverlayScene& o, const ViewCamera& cam) {
    if (o.Lines.empty()) return;
    std::vector<float> data;
    data.reserve(o.Lines.size() * 12);
    for (const Line3& l : o.Lines) {
        data.insert(data.end(), {l.a.x, l.a.y, l.a.z, l.colour.r, l.colour.g, l.colour.b});
        data.insert(data.end(), {l.b.x, l.b.y, l.b.z, l.colour.r, l.colour.g, l.colour.b});
    }
    // Overlay lines show over the terrain.
    gl->glDisable(GL_DEPTH_TEST);
    lineProgram.bind();
    lineProgram.setUniformValue(lineMvp, cam.Projection * cam.View);
    lineVao.bind();
    overlayBuffer.bind();
    overlayBuffer.allocate(data.data(), static_cast<int>(data.size() * sizeof(float)));
    gl->glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(o.Lines.size() * 2));
    overlayBuffer.release();
    lineVao.release();
    gl->glEnable(GL_DEPTH_TEST);
}

void Renderer::Impl::QueueTexts(const EditorState& s, const ToolBox& tools, const OverlayScene& o,
                                const ViewCamera& cam, double fps) {
    const ViewOptions& view = s.View;
    for (const MarkerText& t : o.Texts) {
        float sx = 0, sy = 0;
        if (!ProjectToScreen(cam, t.at, sx, sy)) continue;
        const QString text = QString::fromStdString(t.text);
        const QColor colour = ColourOf(t.colour);
        texts.Add(text + colour.name(), static_cast<int>(RoundHalfEven(sx)),
                  static_cast<int>(RoundHalfEven(sy)),
                  [&] { return PaintText(text, QSize(TextWidth(text, 11) + 4, 16), 11, colour, dpr); });
    }
    if (view.Info) {
        const auto lines = InfoOverlayLines(s, tools);
        QString key = QStringLiteral("info");
        for (const std::string& l : lines) key += '\n' + QString::fromStdString(l);
        texts.Add(key, 4, 4, [&] {
            QImage img = BlankSpriteImage(QSize(210, 68), dpr);
            QPainter p(&img);
            SetSpriteFont(p, 11);
            p.fillRect(QRect(0, 0, 210, 68), QColor(0, 0, 0, 128));
            p.setPen(QColor::fromRgbF(0.9f, 0.9f, 0.9f));
            for (size_t i = 0; i < lines.size(); ++i)
                p.drawText(QRect(6, kInfoRows[i] - 4, 200, 12), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromStdString(lines[i]));
            return img;
        });
    }
    if (view.Fps) {
        const QString text = QStringLiteral("FPS: %1").arg(fps, 0, 'f', 1);
        texts.Add(text, cam.Width - 110, 6, [&] {
            return PaintText(text, QSize(100, 14), 11, Qt::white, dpr, Qt::AlignRight | Qt::AlignTop);
        });
    }
}

void Renderer::Draw(const EditorState& s, const ToolBox& tools, double fps, int w, int h, double dpr) {
    Impl& d = *d_;
    if (!d.ready) return;
    d.dpr = dpr;
    d.eye = s.Pose.CameraPos;
    d.gl->glViewport(0, 0, static_cast<GLsizei>(w * dpr), static_cast<GLsizei>(h * dpr));
    const ViewOptions& view = s.View;
    const SceneColour c = SceneColourOf(view.Mode);
    d.gl->glClearColor(c.r, c.g, c.b, 1.0f);
    d.gl->glEnable(GL_DEPTH_TEST);
    d.gl->glDepthFunc(GL_LEQUAL);
    d.gl->glDepthMask(GL_TRUE);
    d.gl->glDisable(GL_CULL_FACE);
    d.gl->glDisable(GL_BLEND);
    d.gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    d.gl->glActiveTexture(GL_TEXTURE0);
    if (!d.mesh || d.mesh->Empty()) {
        const QString hint = QString::fromUtf8(kEmptyViewHint);
        const QSize box(360, 28);
        d.texts.Add(hint, (w - box.width()) / 2, (h - box.height()) / 2,
                    [&] { return PaintText(hint, box, 15, QColor(250, 248, 225), dpr, Qt::AlignCenter); });
        d.texts.Flush(w, h, dpr);
        return;
    }

    d.UploadGeometry();
    d.UploadTextures();
    if (view.Walkability && d.walkOverlay.Stale()) d.walkOverlay.Upload(d.gl, s.Terrain, d.lod);
    d.SetFilters(view.MipMap);
    const ViewCamera cam = MakeViewCamera(s.Pose, w, h);
    d.DrawTerrain(view.Mode, view.Walkability, cam);
    if (view.SkyShown()) d.DrawSky(cam);
    const OverlayScene overlay = BuildOverlay(s, tools, d.compileMarks);
    d.DrawOverlayLines(overlay, cam);
    d.QueueTexts(s, tools, overlay, cam, fps);
    d.texts.Flush(w, h, dpr);
}

}  // namespace vh::view
