#include "section/direct_ei_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/edit_format.h"

namespace drovi {
namespace {

constexpr double kPoundsPerKip = 1000.0;
constexpr double kNegligibleMoment = 9.9999e-99;
constexpr int kElasticPlasticKnee = 100;  // points before the plastic branch

void line3(Run& run, const char* text) {
    edit::Record r;
    r.put(edit::I(SectionThrustCount(run), 5)).skip(75).put(text);
    run.plot.line(r.str());
}

void line4(Run& run, int points, double thrust, double capacity, const char* text) {
    edit::Record r;
    r.put(edit::I(points, 5)).skip(10).put(edit::ES(thrust, 15, 7)).put(edit::ES(capacity, 15, 7)).tab(81).put(text);
    run.plot.line(r.str());
}

void line5(Run& run, const MomentCurvaturePoint& p, const char* what, int s, int t, int k) {
    edit::Record r;
    r.put(edit::ES(p.moment, 15, 7))
        .put(edit::ES(p.stiffness, 15, 7))
        .put(edit::ES(p.curvature, 15, 7))
        .tab(81)
        .put(std::string("Line 5 : ") + what + ", EI, Curvature for Sect#=" + edit::I0(s) + ", AxLd#=" + edit::I0(t) +
             ", CurvPnt#=" + edit::I0(k));
    run.plot.line(r.str());
}

// Line 4 of thrust t of section s, then a Line 5 per point of its table.
void plotThrust(Run& run, int s, int t, const char* line4Text, const char* moment) {
    const auto& table = run.mcTable->at(s, t);
    line4(run, table.pointCount, run.model->axialThrustValues[t], table.momentCapacity, line4Text);
    for (int k = 1; k <= table.pointCount; ++k) line5(run, table.points[k], moment, s, t, k);
}

void elastic(Run& run, int s) {
    const auto& e = run.model->sections[s].elastic;
    const bool uscs = run.model->options.unitSystem == UnitSystem::USCS;
    const double scale = uscs ? kPoundsPerKip : 1.0;
    const double EI = e.elasticModulus * e.topInertia;
    const int thrusts = SectionThrustCount(run);
    if (s == 1) line3(run, "Line 3 : Total number of axial thrusts for elastic section");
    for (int t = 1; t <= thrusts; ++t) {
        auto& table = run.mcTable->at(s, t);
        for (int k = 1; k <= kMaxCurvaturePoints; ++k) {
            const double phi = 10.0 * k;
            double M = EI * phi;
            if (std::fabs(M) < kNegligibleMoment) M = 0.0;
            table.points[k] = {M / scale, EI / scale, phi};
        }
        table.pointCount = kMaxCurvaturePoints;
        table.momentCapacity = EI * 10.0 * kMaxCurvaturePoints;  // in the input's units
        plotThrust(run, s, t, "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap. for linear EI",
                   "Elastic Moment");
    }
    run.report.line("Moment-Curvature properties derived from elastic section properties");
    run.report.blank(2);
}

// Plastic moment and elastic stiffness at every node of the section, linear
// in depth between its top and bottom values.
void elasticPlasticNodes(Run& run, int s) {
    const auto& sec = run.model->sections[s];
    const auto& e = sec.elastic;
    auto& n = run.nodes;
    const double EItop = e.elasticModulus * e.topInertia;
    const double EIbottom = e.elasticModulus * e.bottomInertia;
    // The head node takes the values of the section that holds it.
    if (s == 1) {
        n.plasticMoment[1] = e.topPlasticMoment;
        n.elasticStiffness[1] = EItop;
    }
    for (int i = 2; i <= n.count; ++i) {
        const double x = n.X[i];
        if (!(sec.topDepth < x && x <= sec.bottomDepth)) continue;
        const double fromBottom = sec.bottomDepth - x;
        const double perDepth = sec.length != 0.0 ? 1.0 / sec.length : 0.0;
        n.plasticMoment[i] =
            e.bottomPlasticMoment - (e.bottomPlasticMoment - e.topPlasticMoment) * perDepth * fromBottom;
        n.elasticStiffness[i] = EIbottom - (EIbottom - EItop) * perDepth * fromBottom;
    }
}

void elasticPlastic(Run& run, int s) {
    const auto& e = run.model->sections[s].elastic;
    const bool uscs = run.model->options.unitSystem == UnitSystem::USCS;
    const double scale = uscs ? kPoundsPerKip : 1.0;
    elasticPlasticNodes(run, s);
    const double EI = e.elasticModulus * e.topInertia;
    const double Mp = e.topPlasticMoment;
    const double u = Mp / EI / 100.0;
    const int thrusts = SectionThrustCount(run);
    if (s == 1) line3(run, "Line 3 : Total number of axial thrusts for elastic-plastic section");
    for (int t = 1; t <= thrusts; ++t) {
        auto& table = run.mcTable->at(s, t);
        for (int k = 1; k <= kMaxCurvaturePoints; ++k) {
            MomentCurvaturePoint p;
            if (k <= kElasticPlasticKnee) {
                p.curvature = k * u;
                p.moment = EI * p.curvature;
                if (std::fabs(p.moment) < kNegligibleMoment) p.moment = 0.0;
                p.stiffness = EI;
            } else {
                p.curvature = kElasticPlasticKnee * u + 20.0 * u * (k - kElasticPlasticKnee);
                p.moment = Mp;
                p.stiffness = Mp / p.curvature;
            }
            table.points[k] = {p.moment / scale, p.stiffness / scale, p.curvature};
        }
        table.pointCount = kMaxCurvaturePoints;
        table.momentCapacity = Mp;  // in the input's units, like every section's capacity
        plotThrust(run, s, t,
                   "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap. for elastic-plastic EI",
                   "Elas-Plas Moment");
    }
    run.report.line("Moment-curvature properties were derived from elastic-plastic section properties");
    run.report.blank(2);
}

void userDefined(Run& run, int s) {
    const auto& input = run.model->sections[s].userEI;
    const bool uscs = run.model->options.unitSystem == UnitSystem::USCS;
    for (int i = 1; i <= input.thrustCount; ++i) {
        const auto& thrust = input.thrusts[i];
        const int n = thrust.pointCount;
        // The input points, with a leading (0, EI1) when the curve does not start at M = 0.
        UserEIPoint pts[kMaxUserEIPoints + 1];
        int m = 0;
        if (thrust.points[1].moment != 0.0) pts[m++] = {0.0, thrust.points[1].bendingStiffness};
        for (int j = 1; j <= n; ++j) pts[m++] = thrust.points[j];
        auto& table = run.mcTable->at(s, i);
        // Each interval is divided into g equal steps of M and EI; with more
        // input points than the table holds in that way, g = 1 keeps them all
        // as long as they fit.
        int g = m > 1 ? (kMaxCurvaturePoints - n) / (m - 1) : 1;
        if (g < 1) g = 1;
        int k = 0;
        auto add = [&](double M, double EI) {
            if (k >= kMaxCurvaturePoints) return;
            ++k;
            table.points[k] = {M, EI, EI != 0.0 ? M / EI : 0.0};
        };
        for (int j = 0; j + 1 < m; ++j)
            for (int step = 0; step < g; ++step) {
                const double f = static_cast<double>(step) / g;
                add(pts[j].moment + (pts[j + 1].moment - pts[j].moment) * f,
                    pts[j].bendingStiffness + (pts[j + 1].bendingStiffness - pts[j].bendingStiffness) * f);
            }
        add(pts[m - 1].moment, pts[m - 1].bendingStiffness);
        table.pointCount = k;
        double largest = 0.0;
        for (int j = 1; j <= k; ++j) largest = std::max(largest, table.points[j].moment);
        table.momentCapacity = largest;
        run.report.line("Moment-Curvature properties derived from input values for nonlinear M-EI properties");
        run.report.blank(2);
    }
    const int thrusts = std::min(SectionThrustCount(run), kMaxUserEIThrusts);
    for (int t = 1; t <= thrusts; ++t)
        plotThrust(run, s, t, "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load, Nom. Moment Cap.", "Moment");
    if (!uscs) return;
    for (int t = 1; t <= input.thrustCount; ++t) {
        auto& table = run.mcTable->at(s, t);
        for (int k = 1; k <= table.pointCount; ++k) {
            table.points[k].moment /= kPoundsPerKip;
            table.points[k].stiffness /= kPoundsPerKip;
        }
    }
}

}  // namespace

int SectionThrustCount(const Run& run) { return std::clamp(run.model->axialThrustCount, 0, kMaxAxialThrusts); }

bool HasDirectEITable(int type) {
    return type == static_cast<int>(SectionType::Elastic) ||
           type == static_cast<int>(SectionType::ElasticWithMomentCapacity) ||
           type == static_cast<int>(SectionType::UserDefinedNonlinearEI);
}

void Build_Direct_EI_Table(Run& run, int s) {
    switch (static_cast<SectionType>(run.model->sections[s].sectionType)) {
        case SectionType::Elastic:
            return elastic(run, s);
        case SectionType::ElasticWithMomentCapacity:
            return elasticPlastic(run, s);
        case SectionType::UserDefinedNonlinearEI:
            return userDefined(run, s);
        default:
            return;
    }
}

}  // namespace drovi
