// The walkability overlay's data on the GPU: a vertex attribute holding, at
// each square's C3 corner, the square's code (core/walkability.h). C3 is the
// last corner of both triangles of its square, the one whose flat attributes
// a triangle takes, so the shader has the code without a texture lookup per
// pixel. Also which level-of-detail blocks have nothing to show. After an
// edit only the rows of squares around the moved points are classified and
// uploaded again.
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

    // Brings the codes up to date with t (the context current).
    void Upload(QOpenGLExtraFunctions* gl, const Terrain& t, const TerrainLod* lod);
    // The codes as vertex attribute kCodeAttribute of the bound vertex array,
    // or (with nothing uploaded) that attribute off.
    void Attach(QOpenGLExtraFunctions* gl) const;
    static void Detach(QOpenGLExtraFunctions* gl);
    static constexpr GLuint kCodeAttribute = 3;
    // Per level-of-detail block: 1 where every square is walkable without
    // steps; empty when the blocks are not known.
    const std::vector<char>& PlainBlocks() const { return plain_; }
    void Release(QOpenGLExtraFunctions* gl);

private:
    WalkabilityMap map_;
    std::vector<uint16_t> codes_;  // per vertex: its square's code where it is a C3
    VertexRange changed_;
    bool whole_ = true;
    std::vector<char> plain_;
    GLuint buffer_ = 0;
};

}  // namespace vh::view
