#include "report/response_summary.h"

#include <cmath>
#include <string>

#include "engine/cells.h"
#include "engine/edit_format.h"
#include "report/plot_records.h"

namespace drovi {
namespace {

void definitions(Run& run, bool si) {
    auto& r = run.report;
    r.line("Definitions of Pile-head Loading Conditions:");
    r.blank();
    if (si) {
        r.line("Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ");
        r.line("Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians");
        r.line("Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian");
        r.line("Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m");
        r.line("Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians");
    } else {
        r.line("Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs");
        r.line("Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians");
        r.line("Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian");
        r.line("Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs");
        r.line("Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians");
    }
    r.blank(2);
}

void tableHead(Run& run, bool si, bool lrfd) {
    auto& r = run.report;
    if (!lrfd) {
        r.line("               Pile-head      Pile-head ");
        r.line("Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum        Maximum       Pile-head  ");
        if (si) {
            r.line("Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       Moment          Shear        Rotation   ");
            r.line(" No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m            kN           radians   ");
        } else {
            r.line("Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment          Shear        Rotation   ");
            r.line(" No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs           lbs          radians   ");
        }
    } else {
        r.line("Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum        Maximum       Pile-Head  ");
        if (si) {
            r.line("Case  Type       Shear          Moment           Load        Deflection       Moment         Shear        Rotation   ");
            r.line(" No.   No.    kilonewtons        kN-m             kN           meters          kN-m           kN           radians   ");
        } else {
            r.line("Case  Type        Shear         Moment           Load        Deflection       Moment         Shear        Rotation    ");
            r.line(" No.   No.         lbs          in-lbs           lbs          inches          in-lbs          lbs          radians   ");
        }
    }
    r.line("----  ----  --------------  --------------  -------------  -------------  -------------  -------------  -------------");
}

}  // namespace

void WriteResponseSummary(Run& run) {
    const auto& m = *run.model;
    const bool si = m.options.unitSystem == UnitSystem::SI;
    const bool lrfd = m.options.useLRFD;
    const int count = lrfd ? m.lrfdCombinationCount : m.loadCount;
    auto& r = run.report;
    const std::string dashes(80, '-');
    r.blank(3);
    r.line(dashes);
    r.line(std::string(27, ' ') + "Summary of Pile Response(s)");
    r.line(dashes);
    r.blank(2);
    if (!lrfd) definitions(run, si);
    tableHead(run, si, lrfd);
    static constexpr const char* kFirst[] = {"", "    1   V =", "    2   V =", "    3   V =", "    4   y =", "    5   y ="};
    static constexpr const char* kSecond[] = {"", "  M =", "  S =", "  R =", "  M =", "  S ="};
    for (int c = 1; c <= count; ++c) {
        const LoadCaseResult& res = run.results[c];
        const int type = lrfd ? 1 : res.type;
        if (type < 1 || type > 5) continue;
        WriteIntCell(r, c, 3);
        WriteBlanks(r, 1);
        r.write(kFirst[type]);
        WriteRealCell(r, res.condition1, 11);
        r.write(kSecond[type]);
        WriteRealCell(r, res.condition2, 11);
        WriteRealCell(r, res.axialThrust, 15);
        WriteRealCell(r, res.headDeflection, 15);
        WriteRealCell(r, res.maxMoment, 15);
        WriteBlanks(r, 4);
        WriteRealCell(r, res.maxShear, 11);
        r.write(edit::F(res.headRotation, 15, 8));
        EndLine(r);
    }
    for (int c = 1; c <= count; ++c) {
        const LoadCaseResult& res = run.results[c];
        WritePlotLine13(run.plot, m.options.unitSystem == UnitSystem::USCS, res.headShear, res.headDeflection,
                        res.maxMoment, res.maxShear, res.headRotation);
    }
    if (lrfd) WriteLrfdPerformance(run);
}

void WriteLrfdPerformance(Run& run) {
    const auto& m = *run.model;
    auto& r = run.report;
    const std::string dashes(80, '-');
    r.blank(2);
    r.line(dashes);
    r.line(std::string(19, ' ') + "LRFD Performance by Load Case Combination");
    r.line(dashes);
    r.blank(2);
    r.line("Load             Resistance    Factored      Maximum      Moment      Pass/Fail     Maximum                           ");
    r.line("Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear For.    Pile-Top     Pile-Top ");
    r.line(" No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      Developed   Deflection    Rotation ");
    r.line("                              of Section   in Section   in Section   of Section   in Section    Developed    Developed   Name of Load Case Combination");
    r.line("----   -------   ----------   ----------   ----------   ----------   ----------   ----------   ----------   ----------   -----------------------------------------");
    int failures = 0;
    for (int c = 1; c <= m.lrfdCombinationCount; ++c) {
        const LoadCaseResult& res = run.results[c];
        const LrfdCombination& combo = m.lrfdCombinations[c];
        const double phi = combo.flexureFactor;
        for (int s = 1; s <= m.sectionCount; ++s) {
            const PileSection& sec = m.sections[s];
            const bool elastic = sec.sectionType == static_cast<int>(SectionType::Elastic);
            const bool hPile = sec.elastic.shape == static_cast<int>(ElasticShape::StrongHPile) ||
                               sec.elastic.shape == static_cast<int>(ElasticShape::WeakHPile);
            const double Mmax = res.sectionMaxMoment[s];
            WriteIntCell(r, c, 3);
            WriteBlanks(r, 1);
            WriteIntCell(r, s, 7);
            WriteBlanks(r, 3);
            WriteRealCell(r, phi, 10);
            if (elastic) {
                r.write(" Infinite ");
                WriteRealCell(r, Mmax, 10);
                r.write("    N/A   ");
                r.write("    N/A      ");
            } else {
                double capacity = 0.0;
                if (sec.sectionType == static_cast<int>(SectionType::ElasticWithMomentCapacity) && !hPile)
                    capacity = phi * sec.elastic.topPlasticMoment;
                else if (run.mcTable)
                    capacity = phi * run.mcTable->at(s, std::max(run.lrfdThrustLevel[c], 1)).momentCapacity;
                WriteRealCell(r, capacity, 10);
                WriteRealCell(r, Mmax, 10);
                const double fraction = Mmax / capacity;
                r.write(edit::F(fraction, 10, 4));
                if (std::fabs(fraction) < 1.0) {
                    r.write("    Pass     ");
                } else {
                    r.write("  > FAIL <   ");
                    ++failures;
                    RecordWarning(run.warnings, kWarningLrfdFailure);
                }
            }
            WriteRealCell(r, res.sectionMaxShear[s], 10);
            WriteRealCell(r, res.headDeflection, 10);
            WriteRealCell(r, res.headRotation, 10);
            r.write(combo.name);
            EndLine(r);
        }
    }
    r.blank();
    if (failures == 0)
        r.line("All LRFD load combinations have passed for all pile sections.");
    else
        r.line(edit::I0(failures) + " LRFD load combinations have failed.");
}

}  // namespace drovi
