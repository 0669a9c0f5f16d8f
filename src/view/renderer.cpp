#include "view/renderer.h"

#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLPaintDevice>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <QOpenGLWidget>
#include <QPainter>
#include <vector>

#include "core/rules.h"
#include "view/overlay.h"
#include "view/picking.h"
#include "view/shaders.h"
#include "view/status_text.h"

#ifndef GL_PROGRAM_POINT_SIZE
#define GL_PROGRAM_POINT_SIZE 0x8642
#endif

namespace vh::view {

SceneColour SceneColourOf(RenderMode mode) {
    if (mode == RenderMode::Points) return {0, 0, 0};
    return {0.5f, 0.5f, 0.2f};
}

namespace {

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
    QOpenGLWidget* widget = nullptr;
    QOpenGLExtraFunctions* gl = nullptr;
    bool ready = false;

    QOpenGLShaderProgram terrainProgram, skyProgram, lineProgram;
    QOpenGLVertexArrayObject terrainVao, skyVao, lineVao;
    QOpenGLBuffer vertexBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer triangleBuffer{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer lineIndexBuffer{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer pointIndexBuffer{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer skyBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer overlayBuffer{QOpenGLBuffer::VertexBuffer};

    const TerrainMesh* mesh = nullptr;
    bool geometryDirty = false, verticesDirty = false;
    int triangleCount = 0, lineCount = 0, pointCount = 0;

    QImage groundImage = PlaceholderImage();
    std::array<QImage, kSkyFaces> skyImages;
    bool groundDirty = true, skyDirty = true;
    GLuint groundTexture = 0;
    std::array<GLuint, kSkyFaces> skyTextures{};

    void UploadGeometry();
    void UploadTextures();
    void SetFilters(bool mip);
    void DrawSky(const ViewCamera& cam);
    void DrawTerrain(RenderMode mode, const ViewCamera& cam);
    void DrawOverlayLines(const OverlayScene& o, const ViewCamera& cam);
    void DrawTexts(const EditorState& s, const ViewOptions& view, const OverlayScene& o,
                   const ViewCamera& cam, double fps);
};

Renderer::Renderer(QOpenGLWidget* widget) : d_(std::make_unique<Impl>()) {
    d_->widget = widget;
    d_->skyImages.fill(PlaceholderImage());
}

Renderer::~Renderer() = default;

void Renderer::SetMesh(const TerrainMesh* mesh) {
    d_->mesh = mesh;
    d_->geometryDirty = true;
}

void Renderer::VerticesChanged() {
    d_->verticesDirty = true;
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
    d.gl = QOpenGLContext::currentContext()->extraFunctions();
    d.terrainProgram.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kTerrainVertex);
    d.terrainProgram.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kTerrainFragment);
    d.terrainProgram.link();
    d.skyProgram.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kSkyVertex);
    d.skyProgram.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kSkyFragment);
    d.skyProgram.link();
    d.lineProgram.addShaderFromSourceCode(QOpenGLShader::Vertex, shaders::kLineVertex);
    d.lineProgram.addShaderFromSourceCode(QOpenGLShader::Fragment, shaders::kLineFragment);
    d.lineProgram.link();

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
    d.lineIndexBuffer.create();
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

    d.geometryDirty = d.groundDirty = d.skyDirty = true;
    d.ready = true;
}

void Renderer::Release() {
    Impl& d = *d_;
    if (!d.ready) return;
    d.ready = false;
    if (d.groundTexture) d.gl->glDeleteTextures(1, &d.groundTexture);
    for (GLuint& t : d.skyTextures)
        if (t) d.gl->glDeleteTextures(1, &t);
    d.groundTexture = 0;
    d.skyTextures.fill(0);
    for (QOpenGLBuffer* b : {&d.vertexBuffer, &d.triangleBuffer, &d.lineIndexBuffer, &d.pointIndexBuffer,
                             &d.skyBuffer, &d.overlayBuffer})
        b->destroy();
    d.terrainVao.destroy();
    d.skyVao.destroy();
    d.lineVao.destroy();
    d.terrainProgram.removeAllShaders();
    d.skyProgram.removeAllShaders();
    d.lineProgram.removeAllShaders();
}

void Renderer::Impl::UploadGeometry() {
    if (geometryDirty) {
        geometryDirty = false;
        verticesDirty = true;
        triangleCount = lineCount = pointCount = 0;
        if (mesh && !mesh->Empty()) {
            auto upload = [](QOpenGLBuffer& b, const std::vector<uint32_t>& v) {
                b.bind();
                b.allocate(v.data(), static_cast<int>(v.size() * sizeof(uint32_t)));
                b.release();
                return static_cast<int>(v.size());
            };
            triangleCount = upload(triangleBuffer, mesh->Triangles);
            lineCount = upload(lineIndexBuffer, mesh->Lines);
            pointCount = upload(pointIndexBuffer, mesh->PointList);
            vertexBuffer.bind();
            vertexBuffer.allocate(static_cast<int>(mesh->Vertices.size() * sizeof(float)));
            vertexBuffer.release();
        }
    }
    if (verticesDirty) {
        verticesDirty = false;
        if (mesh && !mesh->Empty()) {
            vertexBuffer.bind();
            const int bytes = static_cast<int>(mesh->Vertices.size() * sizeof(float));
            if (vertexBuffer.size() != bytes) vertexBuffer.allocate(bytes);
            vertexBuffer.write(0, mesh->Vertices.data(), bytes);
            vertexBuffer.release();
        }
    }
}

void Renderer::Impl::UploadTextures() {
    if (groundDirty) {
        groundDirty = false;
        if (groundTexture) gl->glDeleteTextures(1, &groundTexture);
        groundTexture = UploadTexture(gl, groundImage, GL_REPEAT);
    }
    if (skyDirty) {
        skyDirty = false;
        for (int f = 0; f < kSkyFaces; ++f) {
            if (skyTextures[f]) gl->glDeleteTextures(1, &skyTextures[f]);
            skyTextures[f] = UploadTexture(gl, skyImages[f], GL_CLAMP_TO_EDGE);
        }
    }
}

void Renderer::Impl::SetFilters(bool mip) {
    const GLint minFilter = mip ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR;
    gl->glBindTexture(GL_TEXTURE_2D, groundTexture);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
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
    gl->glDepthFunc(GL_LEQUAL);
    gl->glDepthMask(GL_FALSE);
    skyProgram.bind();
    skyProgram.setUniformValue("rotationProjection", cam.Projection * rotation);
    skyProgram.setUniformValue("face", 0);
    gl->glActiveTexture(GL_TEXTURE0);
    skyVao.bind();
    for (int f = 0; f < kSkyFaces; ++f) {
        gl->glBindTexture(GL_TEXTURE_2D, skyTextures[f]);
        gl->glDrawArrays(GL_TRIANGLES, f * 6, 6);
    }
    skyVao.release();
    gl->glDepthMask(GL_TRUE);
}

void Renderer::Impl::DrawTerrain(RenderMode mode, const ViewCamera& cam) {
    if (triangleCount == 0) return;
    terrainProgram.bind();
    terrainProgram.setUniformValue("mvp", cam.Projection * cam.View);
    terrainProgram.setUniformValue("ground", 0);
    terrainProgram.setUniformValue("sunDirection", QVector3D(0.4f, 1.0f, 0.3f).normalized());
    terrainProgram.setUniformValue("shade", 1.0f);
    terrainProgram.setUniformValue("pointSize", 2.0f);
    gl->glActiveTexture(GL_TEXTURE0);
    gl->glBindTexture(GL_TEXTURE_2D, groundTexture);
    terrainVao.bind();
    auto draw = [&](QOpenGLBuffer& indices, GLenum primitive, int count) {
        indices.bind();
        gl->glDrawElements(primitive, count, GL_UNSIGNED_INT, nullptr);
        indices.release();
    };
    switch (mode) {
        case RenderMode::Solid:
            draw(triangleBuffer, GL_TRIANGLES, triangleCount);
            break;
        case RenderMode::SolidWire:
            // The solid pass sits slightly behind so the lines win the depth test.
            gl->glEnable(GL_POLYGON_OFFSET_FILL);
            gl->glPolygonOffset(1.0f, 1.0f);
            draw(triangleBuffer, GL_TRIANGLES, triangleCount);
            gl->glDisable(GL_POLYGON_OFFSET_FILL);
            terrainProgram.setUniformValue("shade", 0.35f);
            draw(lineIndexBuffer, GL_LINES, lineCount);
            break;
        case RenderMode::Wireframe:
            draw(lineIndexBuffer, GL_LINES, lineCount);
            break;
        case RenderMode::Points:
            gl->glEnable(GL_PROGRAM_POINT_SIZE);
            draw(pointIndexBuffer, GL_POINTS, pointCount);
            break;
    }
    terrainVao.release();
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
    lineProgram.setUniformValue("mvp", cam.Projection * cam.View);
    lineVao.bind();
    overlayBuffer.bind();
    overlayBuffer.allocate(data.data(), static_cast<int>(data.size() * sizeof(float)));
    gl->glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(o.Lines.size() * 2));
    overlayBuffer.release();
    lineVao.release();
    gl->glEnable(GL_DEPTH_TEST);
}

void Renderer::Impl::DrawTexts(const EditorState& s, const ViewOptions& view, const OverlayScene& o,
                               const ViewCamera& cam, double fps) {
    const bool info = view.Info;
    const bool showFps = view.Fps;
    if (o.Texts.empty() && !info && !showFps) return;
    const qreal dpr = widget->devicePixelRatioF();
    QOpenGLPaintDevice device(QSize(cam.Width, cam.Height) * dpr);
    device.setDevicePixelRatio(dpr);
    QPainter p(&device);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (const MarkerText& t : o.Texts) {
        float sx = 0, sy = 0;
        if (!ProjectToScreen(cam, t.at, sx, sy)) continue;
        p.setPen(ColourOf(t.colour));
        const QPointF at(RoundHalfEven(sx), RoundHalfEven(sy));
        p.drawText(QRectF(at, QSizeF(400, 16)), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(t.text));
    }
    if (info) {
        const auto lines = InfoOverlayLines(s);
        p.fillRect(QRect(4, 4, 210, 68), QColor(0, 0, 0, 128));
        p.setPen(QColor::fromRgbF(0.9f, 0.9f, 0.9f));
        for (size_t i = 0; i < lines.size(); ++i)
            p.drawText(QRect(10, kInfoRows[i], 200, 12), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(lines[i]));
    }
    if (showFps) {
        p.setPen(Qt::white);
        p.drawText(QRect(cam.Width - 110, 6, 100, 14), Qt::AlignRight | Qt::AlignTop,
                   QStringLiteral("FPS: %1").arg(fps, 0, 'f', 1));
    }
    p.end();
}

void Renderer::Draw(const EditorState& s, double fps) {
    Impl& d = *d_;
    if (!d.ready) return;
    const qreal dpr = d.widget->devicePixelRatioF();
    const int w = d.widget->width(), h = d.widget->height();
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
    if (!d.mesh || d.mesh->Empty()) return;

    d.UploadGeometry();
    d.UploadTextures();
    d.SetFilters(view.MipMap);
    const ViewCamera cam = MakeViewCamera(s.Pose, w, h);
    d.DrawTerrain(view.Mode, cam);
    if (view.SkyShown()) d.DrawSky(cam);
    const OverlayScene overlay = BuildOverlay(s);
    d.DrawOverlayLines(overlay, cam);
    d.DrawTexts(s, view, overlay, cam, fps);
}

}  // namespace vh::view
