#include "pile/pile_lookups.h"

#include <algorithm>

namespace drovi {
namespace {

PileProperties at(const DimensionPoint& p) {
    return {p.width, p.inertia, p.modulus, p.area, p.modulus * p.inertia};
}

}  // namespace

PileProperties pilePropertiesAt(const AnalysisModel& m, double s) {
    const int n = std::min(m.dimensionPointCount, kMaxDimensionPoints);
    if (n < 1) return {};
    const auto& d = m.dimensionProfile;
    int k = 0;
    for (int i = 2; i <= n; ++i) {
        if (d[i].depth >= s) {
            k = i;
            break;
        }
    }
    if (k == 0 || s == d[n].depth) return at(d[n]);
    if (s == d[k].depth) return (k < n && d[k + 1].depth == d[k].depth) ? at(d[k + 1]) : at(d[k]);
    const DimensionPoint& a = d[k - 1];
    const DimensionPoint& b = d[k];
    const double span = b.depth - a.depth;
    const double f = span != 0.0 ? (s - a.depth) / span : 0.0;
    auto lerp = [f](double u, double v) { return u + (v - u) * f; };
    return {lerp(a.width, b.width), lerp(a.inertia, b.inertia), lerp(a.modulus, b.modulus), lerp(a.area, b.area),
            lerp(a.modulus * a.inertia, b.modulus * b.inertia)};
}

double distributedLoadAverage(const AnalysisModel& m, double s, double h) {
    const int n = std::min(m.distributedLoadCount, kMaxDistributedLoadPoints);
    if (n < 1 || h <= 0.0) return 0.0;
    const auto& t = m.distributedLoads;
    const double from = std::max(s - h / 2.0, t[1].depth);
    const double to = std::min(s + h / 2.0, t[n].depth);
    if (to <= from) return 0.0;
    // Integrate the piecewise-linear load over each segment's overlap.
    double total = 0.0;
    for (int i = 2; i <= n; ++i) {
        const double d0 = t[i - 1].depth;
        const double d1 = t[i].depth;
        if (d1 <= d0) continue;  // a step: no length
        const double a = std::max(from, d0);
        const double b = std::min(to, d1);
        if (b <= a) continue;
        auto q = [&](double z) { return t[i - 1].value + (t[i].value - t[i - 1].value) * (z - d0) / (d1 - d0); };
        total += 0.5 * (q(a) + q(b)) * (b - a);
    }
    return total / h;
}

}  // namespace drovi
