#include "view/walk_overlay.h"

#include <algorithm>

namespace vh::view {

void WalkOverlay::Upload(QOpenGLExtraFunctions* gl, const Terrain& t, const TerrainLod* lod) {
    const int row = t.PointsPerRow, cols = row - 1, rows = t.Rows() - 1;
    const VertexRange changed = changed_;
    const bool whole = whole_ || !texture_ || map_.Codes.size() != static_cast<size_t>(t.SquareCount) + 1 ||
                       cells_.size() != static_cast<size_t>(cols) * rows;
    changed_ = {};
    whole_ = false;
    if (cols < 1 || rows < 1) return;
    int firstRow = 0, lastRow = rows - 1;
    if (whole) {
        map_ = ClassifyTerrain(t);
    } else {
        if (changed.Empty()) return;
        const SquareRows moved = UpdateWalkability(map_, t, changed.First + 1, changed.Last + 1);
        if (moved.Last < moved.First) return;
        firstRow = moved.First, lastRow = moved.Last;
    }
    cells_.resize(static_cast<size_t>(cols) * rows);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 0; c < cols; ++c) {
            const size_t k = static_cast<size_t>(r) * cols + c + 1;
            cells_[k - 1] = k < map_.Codes.size() ? map_.Codes[k] : 0;
        }
    if (!texture_) gl->glGenTextures(1, &texture_);
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(GL_TEXTURE_2D, texture_);
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    const uint16_t* first = cells_.data() + static_cast<size_t>(firstRow) * cols;
    if (whole) {
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_R16UI, cols, rows, 0, GL_RED_INTEGER, GL_UNSIGNED_SHORT, first);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    } else {
        gl->glTexSubImage2D(GL_TEXTURE_2D, 0, 0, firstRow, cols, lastRow - firstRow + 1, GL_RED_INTEGER,
                            GL_UNSIGNED_SHORT, first);
    }
    gl->glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl->glActiveTexture(GL_TEXTURE0);

    plain_.clear();
    if (lod && !lod->Empty() && lod->PointsPerRow == row)
        for (const LodBlock& b : lod->Blocks) {
            bool plain = true;
            for (int r = b.Row; r < b.Row + b.Rows && plain; ++r)
                for (int c = b.Col; c < b.Col + b.Cols && plain; ++c)
                    plain = cells_[static_cast<size_t>(r) * cols + c] == 0;
            plain_.push_back(plain ? 1 : 0);
        }
}

void WalkOverlay::Bind(QOpenGLExtraFunctions* gl) const {
    gl->glActiveTexture(GL_TEXTURE1);
    gl->glBindTexture(GL_TEXTURE_2D, texture_);
    gl->glActiveTexture(GL_TEXTURE0);
}

void WalkOverlay::Release(QOpenGLExtraFunctions* gl) {
    if (texture_) gl->glDeleteTextures(1, &texture_);
    texture_ = 0;
    whole_ = true;
}

}  // namespace vh::view
