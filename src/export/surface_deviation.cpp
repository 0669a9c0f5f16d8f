#include "export/surface_deviation.h"

namespace vh {

GridPlane SurfaceDeviation::Plane(int a, int b, int c) const {
    const double det = static_cast<double>(Turn(a, b, c));
    const double xb = Col(b) - Col(a), zb = Row(b) - Row(a);
    const double xc = Col(c) - Col(a), zc = Row(c) - Row(a);
    const double ha = h_[static_cast<size_t>(a)];
    const double hb = h_[static_cast<size_t>(b)] - ha, hc = h_[static_cast<size_t>(c)] - ha;
    GridPlane q;
    q.A = (hb * zc - zb * hc) / det;
    q.B = (xb * hc - hb * xc) / det;
    q.D = ha - q.A * Col(a) - q.B * Row(a);
    return q;
}

GridPlane SurfaceDeviation::Weight(int a, int b, int c) const {
    const double det = static_cast<double>(Turn(a, b, c));
    GridPlane q;
    q.A = static_cast<double>(Row(b) - Row(c)) / det;
    q.B = static_cast<double>(Col(c) - Col(b)) / det;
    q.D = 1 - q.A * Col(a) - q.B * Row(a);
    return q;
}

double SurfaceDeviation::SideError(int a, int b, double limit) const {
    double worst = 0;
    SideCrossings(a, b, [&](double, double height, double exact) {
        worst = std::max(worst, std::fabs(exact - height));
        return worst <= limit;
    });
    return worst;
}

double SurfaceDeviation::InsideError(const Tri& t, double limit) const {
    const GridPlane plane = Plane(t[0], t[1], t[2]);
    double worst = 0;
    ScanGrid(t, [&](int x, int z, double exact) {
        worst = std::max(worst, std::fabs(exact - plane.At(x, z)));
        return worst <= limit;
    });
    return worst;
}

}  // namespace vh
