// Distinct planes of a map's brushes, as a compiler counts them: each face
// plane from its three points as written (and read back), a plane and its
// opposite one plane, and two planes the same when their normals agree within
// half of 1e-6 per component and their distances within half of 1e-4 (here:
// when they round to the same cells of those sizes).
#pragma once

#include <cstdint>
#include <vector>

#include "export/map_faces.h"

namespace vh {

class PlaneCounter : public BrushSink {
public:
    explicit PlaneCounter(size_t expected = 1024);
    void Face(const FacePoints& face, FaceTexture texture) override;
    bool SharedPlanesOnce() const override { return true; }
    void Skipped(size_t faces) override { faces_ += faces; }
    size_t Count() const { return count_; }
    size_t SurfacePlanes() const { return surface_; }  // of faces in the top texture
    size_t Faces() const { return faces_; }            // every face, given or skipped

private:
    void Insert(uint64_t key, bool surface);

    // 64-bit digests of the planes' cells, one way round, with the lowest bit
    // marking a plane a surface face lies in; 0 marks a free slot.
    std::vector<uint64_t> slots_;
    size_t count_ = 0, surface_ = 0, faces_ = 0;
};

}  // namespace vh
