#include "view/walk_overlay.h"

#include <algorithm>

namespace vh::view {

void WalkOverlay::Upload(QOpenGLExtraFunctions* gl, const Terrain& t, const TerrainLod* lod) {
    const int row = t.PointsPerRow, cols = row - 1, rows = t.Rows() - 1;
    const VertexRange changed = changed_;
    const bool whole = whole_ || !buffer_ || map_.Codes.size() != static_cast<size_t>(t.SquareCount) + 1 ||
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
    codes_.resize(static_cast<size_t>(row) * (rows + 1));
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 0; c < cols; ++c) {
            const size_t k = static_cast<size_t>(r) * cols + c + 1;
            const uint16_t code = k < map_.Codes.size() ? map_.Codes[k] : 0;
            cells_[k - 1] = code;
            codes_[static_cast<size_t>(r) * row + c + 1] = code;  // the square's C3
        }
    const bool fresh = buffer_ == 0;
    if (fresh) gl->glGenBuffers(1, &buffer_);
    gl->glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    if (whole || fresh) {
        gl->glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(codes_.size() * sizeof(uint16_t)),
                         codes_.data(), GL_DYNAMIC_DRAW);
    } else {
        const size_t first = static_cast<size_t>(firstRow) * row,
                     last = static_cast<size_t>(lastRow + 1) * row;
        gl->glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(first * sizeof(uint16_t)),
                            static_cast<GLsizeiptr>((last - first) * sizeof(uint16_t)),
                            codes_.data() + first);
    }
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);

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

void WalkOverlay::Attach(QOpenGLExtraFunctions* gl) const {
    if (!buffer_) {
        Detach(gl);
        return;
    }
    gl->glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    gl->glVertexAttribIPointer(kCodeAttribute, 1, GL_UNSIGNED_SHORT, 0, nullptr);
    gl->glEnableVertexAttribArray(kCodeAttribute);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void WalkOverlay::Detach(QOpenGLExtraFunctions* gl) {
    gl->glDisableVertexAttribArray(kCodeAttribute);
}

void WalkOverlay::Release(QOpenGLExtraFunctions* gl) {
    if (buffer_) gl->glDeleteBuffers(1, &buffer_);
    buffer_ = 0;
    whole_ = true;
}

}  // namespace vh::view
