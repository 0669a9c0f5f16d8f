#include "view/text_sprites.h"

#include <QFontMetrics>
#include <QOpenGLExtraFunctions>
#include <QPainter>
#include <cmath>

namespace vh::view {

namespace {

constexpr const char* kSpriteVertex = R"(#version 330 core
uniform vec4 rect;  // left, top, right, bottom in clip coordinates
out vec2 vTexCoord;
void main() {
    vec2 corner = vec2(gl_VertexID & 1, gl_VertexID >> 1);
    vTexCoord = corner;  // image row 0 at the top
    gl_Position = vec4(mix(rect.xy, rect.zw, corner), 0.0, 1.0);
}
)";

constexpr const char* kSpriteFragment = R"(#version 330 core
in vec2 vTexCoord;
uniform sampler2D image;
out vec4 colour;
void main() { colour = texture(image, vTexCoord); }
)";

// Sprites not drawn for this many frames give their texture back.
constexpr int kKeepFrames = 120;
constexpr size_t kMaxSprites = 512;

}  // namespace

QImage BlankSpriteImage(QSize size, qreal dpr) {
    QImage img(size * dpr, QImage::Format_RGBA8888_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}

void SetSpriteFont(QPainter& p, int pixelSize) {
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    p.setFont(font);
}

int TextWidth(const QString& text, int pixelSize) {
    QFont font;
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).horizontalAdvance(text);
}

QImage PaintText(const QString& text, QSize size, int pixelSize, QColor colour, qreal dpr,
                 Qt::Alignment align) {
    QImage img = BlankSpriteImage(size, dpr);
    QPainter p(&img);
    SetSpriteFont(p, pixelSize);
    p.setPen(colour);
    p.drawText(QRect(QPoint(0, 0), size), align, text);
    return img;
}

void TextSprites::Initialize(QOpenGLExtraFunctions* gl) {
    gl_ = gl;
    program_.addShaderFromSourceCode(QOpenGLShader::Vertex, kSpriteVertex);
    program_.addShaderFromSourceCode(QOpenGLShader::Fragment, kSpriteFragment);
    program_.link();
    rectLocation_ = program_.uniformLocation("rect");
    program_.bind();
    program_.setUniformValue("image", 0);
    program_.release();
    vao_.create();
}

void TextSprites::Release() {
    if (!gl_) return;
    for (auto& [key, s] : sprites_) gl_->glDeleteTextures(1, &s.texture);
    sprites_.clear();
    queued_.clear();
    vao_.destroy();
    program_.removeAllShaders();
    gl_ = nullptr;
}

void TextSprites::Add(const QString& key, int x, int y, const std::function<QImage()>& paint) {
    if (!gl_) return;
    auto it = sprites_.find(key);
    if (it == sprites_.end()) {
        const QImage img = paint().convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        Sprite s;
        s.width = img.width();
        s.height = img.height();
        gl_->glGenTextures(1, &s.texture);
        gl_->glBindTexture(GL_TEXTURE_2D, s.texture);
        gl_->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        gl_->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, s.width, s.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                          img.constBits());
        // Drawn pixel for pixel.
        gl_->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl_->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        gl_->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        gl_->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        it = sprites_.emplace(key, s).first;
    }
    it->second.lastFrame = frame_;
    queued_.push_back({&it->second, x, y});
}

void TextSprites::Flush(int w, int h, qreal dpr) {
    if (!gl_) return;
    if (!queued_.empty()) {
        const float dw = static_cast<float>(w * dpr), dh = static_cast<float>(h * dpr);
        gl_->glDisable(GL_DEPTH_TEST);
        gl_->glEnable(GL_BLEND);
        gl_->glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);  // premultiplied images
        gl_->glActiveTexture(GL_TEXTURE0);
        program_.bind();
        vao_.bind();
        for (const Placed& q : queued_) {
            // Whole device pixels, so texels meet pixels.
            const float x0 = std::round(q.x * dpr), y0 = std::round(q.y * dpr);
            const float x1 = x0 + q.sprite->width, y1 = y0 + q.sprite->height;
            program_.setUniformValue(
                rectLocation_, QVector4D(2 * x0 / dw - 1, 1 - 2 * y0 / dh, 2 * x1 / dw - 1, 1 - 2 * y1 / dh));
            gl_->glBindTexture(GL_TEXTURE_2D, q.sprite->texture);
            gl_->glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        }
        vao_.release();
        program_.release();
        gl_->glDisable(GL_BLEND);
        gl_->glEnable(GL_DEPTH_TEST);
        queued_.clear();
    }
    ++frame_;
    const bool full = sprites_.size() > kMaxSprites;
    for (auto it = sprites_.begin(); it != sprites_.end();) {
        if (it->second.lastFrame < frame_ - (full ? 1 : kKeepFrames)) {
            gl_->glDeleteTextures(1, &it->second.texture);
            it = sprites_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace vh::view
