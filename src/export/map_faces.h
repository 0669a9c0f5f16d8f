// The brushes of a compile-ready map, face by face: each face as three points
// in file coordinates, clockwise seen from outside the brush, as the writer
// writes them and a compiler reads them.
#pragma once

#include "export/height_field.h"
#include "export/map_plan.h"

namespace vh {

enum class FaceTexture : uint8_t { Top, Side, Hint, Skip, Sky };

struct FacePoints {
    float P[3][3];
};

class BrushSink {
public:
    virtual ~BrushSink() = default;
    virtual void BeginBrush() {}
    virtual void Face(const FacePoints& face, FaceTexture texture) = 0;
    virtual void EndBrush() {}
    // A sink that only gathers planes may be given each plane that
    // neighbouring brushes share once; the faces left out are counted here.
    virtual bool SharedPlanesOnce() const { return false; }
    virtual void Skipped(size_t faces) { (void)faces; }
};

// A prism per surface polygon: over hills from the surface down to the floor
// level (surface face, flat face, then the sides), under caves from the
// surface up to the ceiling level (flat face, surface face, sides).
void EmitTerrainBrushes(const TerrainExport& t, const MapPlan& plan, BrushSink& sink);

// The plan's hint boxes from the floor to the ceiling level: one per square
// as documented, or fewer with the lean options.
void EmitHintBrushes(const MapPlan& plan, BrushSink& sink);

// The sky or sealing boxes.
void EmitBoxBrushes(const MapPlan& plan, BrushSink& sink);

}  // namespace vh
