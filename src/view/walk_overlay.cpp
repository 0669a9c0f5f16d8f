#include "view/walk_overlay.h"

#include <algorithm>

namespace vh::view {

namespace {

// Where a square's code goes: its C3 corner, the vertex after its C2.
size_t C3Of(int squareRow, int squareCol, int pointsPerRow) {
    return static_cast<size_t>(squareRow) * pointsPerRow + squareCol + 1;
}

}  // namespace

void WalkOverlay::Upload(QOpenGLExtraFunctions* gl, const Terrain& t, const TerrainLod* lod) {
    const int row = t.PointsPerRow, cols = row - 1, rows = t.Rows() - 1;
    const VertexRange changed = changed_;
    const size_t vertices = static_cast<size_t>(row) * (rows + 1);
    const bool whole = whole_ || !buffer_ || map_.Codes.size() != static_cast<size_t>(t.SquareCount) + 1 ||
                       codes_.size() != vertices;
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
    codes_.resize(vertices);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = 0; c < cols; ++c) {
            const size_t k = static_cast<size_t>(r) * cols + c + 1;
            codes_[C3Of(r, c, row)] = k < map_.Codes.size() ? map_.Codes[k] : 0;
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

    if (!lod || lod->Empty() || lod->PointsPerRow != row) {
        plain_.clear();
        return;
    }
    // Only the blocks over the rows just classified can have changed.
    if (plain_.size() != lod->Blocks.size()) {
        plain_.assign(lod->Blocks.size(), 0);
        firstRow = 0, lastRow = rows - 1;
    }
    for (size_t i = 0; i < lod->Blocks.size(); ++i) {
        const LodBlock& b = lod->Blocks[i];
        if (b.Row > lastRow || b.Row + b.Rows <= firstRow) continue;
        bool plain = true;
        for (int r = b.Row; r < b.Row + b.Rows && plain; ++r)
            for (int c = b.Col; c < b.Col + b.Cols && plain; ++c) plain = codes_[C3Of(r, c, row)] == 0;
        plain_[i] = plain ? 1 : 0;
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
