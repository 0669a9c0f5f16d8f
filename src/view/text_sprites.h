// Texts over the 3D view (the info panel, the frame rate, locked-point
// coordinates, the empty-view hint), each painted once into a texture and
// drawn as a screen quad for as long as it stays the same. Painting text
// through QPainter on the GL context every frame cost more than the
// terrain itself on software GL.
#pragma once

#include <QImage>
#include <QOpenGLShaderProgram>
#include <QOpenGLVertexArrayObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QOpenGLExtraFunctions;
class QPainter;

namespace vh::view {

class TextSprites {
public:
    // The context must be current for Initialize, Release and Flush.
    void Initialize(QOpenGLExtraFunctions* gl);
    void Release();

    // Queue the image known by `key` at view pixel (x, y) (its top-left
    // corner). `paint` makes the image, at `dpr` device pixels a pixel, the
    // first time the key is seen.
    void Add(const QString& key, int x, int y, const std::function<QImage()>& paint);
    // Draw the queued images over the frame (view of w x h pixels, dpr
    // device pixels each) and forget those not drawn for a while.
    void Flush(int w, int h, qreal dpr);

private:
    struct Sprite {
        unsigned texture = 0;
        int width = 0, height = 0;  // device pixels
        int lastFrame = 0;
    };
    struct Placed {
        const Sprite* sprite;
        int x, y;
    };

    QOpenGLExtraFunctions* gl_ = nullptr;
    QOpenGLShaderProgram program_;
    QOpenGLVertexArrayObject vao_;
    int rectLocation_ = -1;
    std::map<QString, Sprite> sprites_;
    std::vector<Placed> queued_;
    int frame_ = 0;
};

// An image of `size` view pixels at `dpr` device pixels each, cleared to
// transparent, and a painter on it with a `pixelSize` pixel font.
QImage BlankSpriteImage(QSize size, qreal dpr);
void SetSpriteFont(QPainter& p, int pixelSize);

// Width in pixels of a line of text in a `pixelSize` pixel font.
int TextWidth(const QString& text, int pixelSize);

// One line of text in `colour` in a box of `size`, aligned in it.
QImage PaintText(const QString& text, QSize size, int pixelSize, QColor colour, qreal dpr,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

}  // namespace vh::view
