#include "core/terrain_edit.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "core/rules.h"

namespace vh {

void TerrainObservers::Add(TerrainObserver* observer) {
    if (observer && std::find(list_.begin(), list_.end(), observer) == list_.end()) list_.push_back(observer);
}

void TerrainObservers::Remove(TerrainObserver* observer) {
    list_.erase(std::remove(list_.begin(), list_.end(), observer), list_.end());
}

void TerrainObservers::HeightsChanged(PointRange changed) const {
    for (TerrainObserver* o : list_) o->HeightsChanged(changed);
}

void TerrainObservers::TerrainReplaced() const {
    for (TerrainObserver* o : list_) o->TerrainReplaced();
}

void TerrainObservers::TerrainReset() const {
    for (TerrainObserver* o : list_) o->TerrainReset();
}

HeightEdit::HeightEdit(Terrain& terrain, bool ignoreLocked, const TerrainObservers& observers)
    : t_(terrain), ignoreLocked_(ignoreLocked), observers_(observers) {}

HeightEdit::~HeightEdit() {
    Commit();
}

bool HeightEdit::Set(int point, float height) {
    if (Protected(point)) return false;
    SetEvenIfLocked(point, height);
    return true;
}

void HeightEdit::SetEvenIfLocked(int point, float height) {
    float& h = t_.Points[point].Height;
    // Any other bits are a change: a document would store them.
    if (std::bit_cast<uint32_t>(h) != std::bit_cast<uint32_t>(height)) changed_.Add(point);
    h = height;
}

void HeightEdit::Commit() {
    if (changed_.Empty()) return;
    const PointRange changed = changed_;
    changed_ = {};
    for (int p = changed.First; p <= changed.Last; ++p) {
        float& h = t_.Points[p].Height;
        if (!std::isfinite(h)) h = ClampToFloat(h);
    }
    observers_.HeightsChanged(changed);
}

}  // namespace vh
