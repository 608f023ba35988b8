// The load-related sections: pile-head loads, axial thrusts, LRFD loads and
// combinations, soil movements, p-y modifiers, tip shear, batter and slope,
// depths of printed p-y curves, and the list of thrusts built after END.
#include <algorithm>
#include <string>

#include "engine/edit_format.h"
#include "input/current_format.h"

namespace drovi {
namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;
constexpr double kPoundsPerKip = 1000.0;
constexpr double kMillimetresPerMetre = 1000.0;

bool fail(Run& run, int error, std::initializer_list<std::string> lines, bool alsoLog = false) {
    WriteMessage(run, alsoLog ? MessageTo::LogThenReport : MessageTo::Report, lines);
    run.terminate(ErrorCode::Input(error));
    return false;
}

}  // namespace

void ReadLoading(RecordReader& in) {
    Run& run = in.run();
    auto& m = *run.model;
    if (!ReadCount(in, m.loadCount, "pile-head load cases", 0, kMaxLoadCases)) return;
    for (int c = 1; c <= m.loadCount; ++c) {
        PileHeadLoad& load = m.loads[c];
        int flag = 0;
        if (!in.values({ValueItem::Skip("load case number"), ValueItem::Int(load.type, "pile-head loading type"),
                        ValueItem::Real(load.condition1, "first pile-head condition"),
                        ValueItem::Real(load.condition2, "second pile-head condition"),
                        ValueItem::Real(load.axialThrust, "axial thrust"),
                        ValueItem::Int(flag, "pile length versus deflection flag")}))
            return;
        if (load.type < 1 || load.type > 5) {
            fail(run, 95,
                 {"", "INPUT ERROR - Unrecognized pile-head loading type " + edit::I0(load.type) +
                          " for load case " + edit::I0(c) + " (the types are 1 to 5)"});
            return;
        }
        load.computeLengthVsDeflection = flag != 1;
    }
    int points = 0;
    if (!in.values({ValueItem::Int(points, "number of distributed load points")})) return;
    if (points > kMaxDistributedLoadPoints) {
        in.countOutOfRange("distributed lateral load points", points, 0, kMaxDistributedLoadPoints);
        return;
    }
    m.distributedLoadCount = std::max(points, 0);
    if (points < 1) {
        m.distributedLoads[1] = DepthValue{};
        m.distributedLoads[2] = DepthValue{};
        return;
    }
    ReadNumberedPoints(in, m.distributedLoads, points, &DepthValue::depth, "depth of the distributed load",
                       &DepthValue::value, "distributed load intensity");
}

void ReadAxialThrustLoads(RecordReader& in) {
    auto& m = *in.run().model;
    int count = 0;
    if (!in.values({ValueItem::Int(count, "number of axial thrust loads")})) return;
    if (count > kMaxLoadCases) {
        in.countOutOfRange("axial thrust loads", count, 0, kMaxLoadCases);
        return;
    }
    m.axialThrustValues.fill(0.0);
    if (count < 1) {
        m.loadCount = 1;
        return;
    }
    m.loadCount = count;
    for (int k = 1; k <= count; ++k)
        if (!in.values({ValueItem::Skip("thrust number"), ValueItem::Real(m.loads[k].axialThrust, "axial thrust")}))
            return;
    // Only the thrusts are put in order; the rest of each load case stays.
    double thrusts[kMaxLoadCases];
    for (int k = 1; k <= count; ++k) thrusts[k - 1] = m.loads[k].axialThrust;
    std::sort(thrusts, thrusts + count);
    for (int k = 1; k <= count; ++k) m.loads[k].axialThrust = thrusts[k - 1];
}

void ReadLrfdLoads(RecordReader& in) {
    Run& run = in.run();
    auto& m = *run.model;
    int count = 0;
    if (!in.values({ValueItem::Int(count, "number of LRFD loads")})) return;
    if (count < 1 || count > kMaxLrfdLoads) {
        fail(run, 98,
             {"", "", "***** Input Data Error No. 98 *****", "", "Number of LRFD loads specified is " + edit::I0(count),
              "This is outside of the valid range to 1 to 100", "", ""});
        return;
    }
    m.lrfdLoadCount = count;
    for (int i = 1; i <= count; ++i) {
        LrfdLoad& load = m.lrfdLoads[i];
        int number = 0;
        if (!in.values({ValueItem::Int(number, "LRFD load number"), ValueItem::Int(load.type, "LRFD load type"),
                        ValueItem::Real(load.shear, "horizontal force"), ValueItem::Real(load.moment, "moment"),
                        ValueItem::Real(load.axial, "axial force"),
                        ValueItem::Int(load.distributedPointCount, "number of distributed load points")}))
            return;
        if (number != i) {
            fail(run, 97,
                 {"", "", "***** Input Data Error No. 97 *****", "", "Input appears to be out-of-order for LRFD loading",
                  "Input load number is " + edit::I0(number) + " and the expected load number is " + edit::I0(i), "",
                  ""});
            return;
        }
        if (load.type < 1 || load.type > kLrfdLoadTypes) {
            fail(run, 95,
                 {"", "INPUT ERROR - Unrecognized LRFD load type " + edit::I0(load.type) + " for LRFD load number " +
                          edit::I0(i) + " (the types are 1 to 13)"});
            return;
        }
        const int n = load.distributedPointCount;
        if (n == 0) continue;
        if (n < 2 || n > kMaxLrfdDistributedPoints) {
            fail(run, 95,
                 {"", "", "***** Input Data Error No. 95 *****", "",
                  "Number of distributed load points for LRFD load number " + edit::I0(i) +
                      " is outside of the valid range of 0 or 2 to 100.",
                  "", "The input number of distributed load points is " + edit::I0(n), "", ""});
            return;
        }
        for (int k = 1; k <= n; ++k) {
            int point = 0;
            if (!in.values({ValueItem::Int(point, "distributed load point number"),
                            ValueItem::Real(load.distributed[k].depth, "depth of the distributed load"),
                            ValueItem::Real(load.distributed[k].value, "distributed load")}))
                return;
            if (point != k) {
                fail(run, 96,
                     {"", "", "***** Input Data Error No. 96 *****", "",
                      "Input appears to be out-of-order for LRFD distributed load " + edit::I0(i), "",
                      "Input distributed load point is " + edit::I0(point),
                      " and the expected point number is " + edit::I0(k), "", ""});
                return;
            }
        }
    }
}

void ReadLrfdFactorsAndCases(RecordReader& in) {
    Run& run = in.run();
    auto& m = *run.model;
    int count = 0;
    if (!in.values({ValueItem::Int(count, "number of LRFD load combinations")})) return;
    if (count < 1 || count > kMaxLrfdCombinations) {
        fail(run, 94,
             {"", "", "***** Input Data Error No. 94 *****", "",
              "Number of LRFD load combinations outside of the valid range of 1 to 100.", "",
              "Number of LRFD load combinations input is " + edit::I0(count), "", ""});
        return;
    }
    m.lrfdCombinationCount = count;
    for (int c = 1; c <= count; ++c) {
        LrfdCombination& combo = m.lrfdCombinations[c];
        auto& f = combo.factor;
        if (!in.values({ValueItem::Skip("combination number"), ValueItem::Real(f[1], "dead load factor"),
                        ValueItem::Real(f[2], "live load factor"), ValueItem::Real(f[3], "earthquake factor"),
                        ValueItem::Real(f[4], "impact load factor"), ValueItem::Real(f[5], "wind load factor"),
                        ValueItem::Real(f[6], "water load factor"), ValueItem::Real(f[7], "ice load factor"),
                        ValueItem::Real(f[8], "horizontal soil load factor"), ValueItem::Real(f[9], "live roof factor"),
                        ValueItem::Real(f[10], "rain load factor"), ValueItem::Real(f[11], "snow load factor"),
                        ValueItem::Real(f[12], "temperature factor"), ValueItem::Real(f[13], "special load factor"),
                        ValueItem::Real(combo.flexureFactor, "resistance factor for flexure"),
                        ValueItem::Real(combo.shearFactor, "resistance factor for shear")}))
            return;
        if (!in.text(combo.name, "the name of the load combination")) return;
    }
}

void ReadSoilMovements(RecordReader& in) {
    Run& run = in.run();
    auto& m = *run.model;
    if (!m.options.useSoilMovement) return;  // only the heading is consumed
    int count = 0;
    if (!in.values({ValueItem::Int(count, "number of lines of soil movement data")})) return;
    if (count < 2 || count > kMaxSoilMovements) {
        fail(run, 53,
             {"**** Input Data Error No. 53 ****", "",
              "Number of lines specified for soil movement data = " + edit::I0(count),
              "The number of lines of soil movement data cannot be less than 2 or exceed 100.", ""},
             true);
        return;
    }
    m.soilMovementCount = count;
    if (!ReadNumberedPoints(in, m.soilMovements, count, &DepthValue::depth, "depth of the soil movement",
                            &DepthValue::value, "soil movement"))
        return;
    if (m.options.unitSystem == UnitSystem::SI)
        for (int k = 1; k <= count; ++k) m.soilMovements[k].value /= kMillimetresPerMetre;
}

void ReadGroupEffectFactors(RecordReader& in) {
    auto& m = *in.run().model;
    if (!ReadCount(in, m.pyModifierCount, "p-y modifier points", 0, kMaxPyModifiers)) return;
    for (int k = 1; k <= m.pyModifierCount; ++k) {
        PyModifier& p = m.pyModifiers[k];
        if (!in.values({ValueItem::Skip("point number"), ValueItem::Real(p.depth, "depth of the p-y modifiers"),
                        ValueItem::Real(p.pMultiplier, "p-multiplier"), ValueItem::Real(p.yMultiplier, "y-multiplier")}))
            return;
    }
}

void ReadTipShear(RecordReader& in) {
    auto& m = *in.run().model;
    if (!ReadCount(in, m.tipShearPointCount, "tip shear points", 0, kMaxTipShearPoints)) return;
    ReadNumberedPoints(in, m.tipShearCurve, m.tipShearPointCount, &TipShearPoint::displacement,
                       "tip displacement", &TipShearPoint::shear, "tip shear force");
}

void ReadPileBatterAndSlope(RecordReader& in) {
    auto& m = *in.run().model;
    double slope = 0.0;
    double batter = 0.0;
    if (!in.values({ValueItem::Real(slope, "ground slope angle")})) return;
    if (!in.values({ValueItem::Real(batter, "pile batter angle")})) return;
    m.groundSlope = slope * kDegreesToRadians;
    m.pileBatter = batter * kDegreesToRadians;
    m.slopeMinusBatter = m.groundSlope - m.pileBatter;
}

void ReadPrintedPyDepths(RecordReader& in) {
    auto& m = *in.run().model;
    if (!m.options.printPYCurves) return;  // only the heading is consumed
    if (!ReadCount(in, m.pyOutputDepthCount, "depths of printed p-y curves", 0, kMaxPyOutputDepths)) return;
    for (int k = 1; k <= m.pyOutputDepthCount; ++k)
        if (!in.values({ValueItem::Skip("depth number"), ValueItem::Real(m.pyOutputDepths[k], "depth of the p-y curve")}))
            return;
}

void BuildAxialThrustList(AnalysisModel& m) {
    const auto& o = m.options;
    if (o.computeInteraction || m.sectionCount <= 0 || o.useLRFD) return;
    m.axialThrustValues.fill(0.0);
    const int n = std::clamp(m.loadCount, 0, kMaxAxialThrusts);
    double sorted[kMaxAxialThrusts];
    for (int c = 1; c <= n; ++c)
        sorted[c - 1] = o.unitSystem == UnitSystem::USCS ? m.loads[c].axialThrust / kPoundsPerKip : m.loads[c].axialThrust;
    std::sort(sorted, sorted + n);
    int kept = 0;
    for (int c = 0; c < n; ++c)
        if (kept == 0 || sorted[c] != m.axialThrustValues[kept]) m.axialThrustValues[++kept] = sorted[c];
    m.axialThrustCount = kept;
}

}  // namespace drovi
