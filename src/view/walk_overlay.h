// The walkability overlay's data on the GPU: one texel per square at its
// column and row, holding the square's code (core/walkability.h), and which
// level-of-detail blocks have nothing to show. After an edit only the rows
// of squares around the moved points are classified and uploaded again.
#pragma once

#include <QOpenGLExtraFunctions>
#include <cstdint>
#include <vector>

#include "core/walkability.h"
#include "view/terrain_lod.h"
#include "view/terrain_mesh.h"

namespace vh::view {

class WalkOverlay {
public:
    // A new mesh, new blocks or a new context: classify everything again.
    void Reset() { whole_ = true; }
    // Heights of these vertices moved since the last upload.
    void VerticesChanged(VertexRange changed) { changed_ = Union(changed_, changed); }
    bool Stale() const { return whole_ || !changed_.Empty(); }

    // Brings the texture up to date with t (the context current; texture
    // unit 0 is active again afterwards).
    void Upload(QOpenGLExtraFunctions* gl, const Terrain& t, const TerrainLod* lod);
    // The texture on unit 1, where the terrain programs read it.
    void Bind(QOpenGLExtraFunctions* gl) const;
    bool Ready() const { return texture_ != 0; }
    // Per level-of-detail block: 1 where every square is walkable without
    // steps; empty when the blocks are not known.
    const std::vector<char>& PlainBlocks() const { return plain_; }
    void Release(QOpenGLExtraFunctions* gl);

private:
    WalkabilityMap map_;
    std::vector<uint16_t> cells_;
    VertexRange changed_;
    bool whole_ = true;
    std::vector<char> plain_;
    GLuint texture_ = 0;
};

}  // namespace vh::view
