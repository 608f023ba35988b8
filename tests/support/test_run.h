// A run with its three output files open in a scratch directory and a model
// built by the test, in internal units (inches and pounds unless a test
// says otherwise).
#pragma once

#include <string>

#include "engine/environment.h"
#include "engine/run.h"
#include "model/unit_labels.h"
#include "pile/discretization.h"
#include "support/temp_dir.h"

namespace drovi::testing {

class TestRun {
public:
    explicit TestRun(UnitSystem units = UnitSystem::USCS) : env_(dir_.path().string(), LocalTime{}), run(env_) {
        run.report.open(dir_.file("report"));
        run.plot.open(dir_.file("plot"));
        run.log.open(dir_.file("log"));
        run.model->options.unitSystem = units;
        run.labels = MakeUnitLabels(static_cast<int>(units));
        run.model->unitsConverted = true;
    }

    AnalysisModel& model() { return *run.model; }

    std::string report() {
        run.report.flush();
        return dir_.read("report");
    }
    std::string plot() {
        run.plot.flush();
        return dir_.read("plot");
    }
    std::string log() {
        run.log.flush();
        return dir_.read("log");
    }

    // One section of constant width b and stiffness EI, of length L.
    void pile(double L, double b, double EI = 1e10) {
        auto& m = model();
        m.sectionCount = 1;
        m.sections[1].sectionType = static_cast<int>(SectionType::Elastic);
        m.sections[1].length = L;
        m.pileLength = L;
        m.dimensionPointCount = 2;
        m.dimensionProfile[1] = {0.0, b, EI, 1.0, 1.0};
        m.dimensionProfile[2] = {L, b, EI, 1.0, 1.0};
    }

    // A layer from top to bottom with strength points at both ends.
    void layer(SoilModel soilModel, double top, double bottom, StrengthPoint atTop, StrengthPoint atBottom,
               double gammaTop, double gammaBottom) {
        auto& m = model();
        const int b = ++m.layerCount;
        m.layers[b] = {static_cast<int>(soilModel), top, bottom, 0.0, 0.0};
        atTop.strengthDepth = top;
        atBottom.strengthDepth = bottom;
        m.strengthPoints[2 * b - 1] = atTop;
        m.strengthPoints[2 * b] = atBottom;
        m.unitWeightPoints[2 * b - 1] = {top, gammaTop};
        m.unitWeightPoints[2 * b] = {bottom, gammaBottom};
        m.profilePointCount = m.strengthPointCount = 2 * b;
        m.groundSurfaceDepth = m.layers[1].topDepth;
    }

    // Nodes for n increments, mapped to sections and layers.
    void discretize(int n) {
        model().options.pileIncrements = n;
        DiscretizePile(model(), run.nodes);
        MapNodesToSections(model(), run.nodes);
        MapNodesToLayers(model(), run.nodes, run.nodes.count, run.report);
    }

private:
    TempDir dir_;
    FixedEnvironment env_;

public:
    drovi::Run run;
};

// A strength point with cohesion c, e50 and friction angle phi.
inline StrengthPoint Strength(double c, double e50 = 0.0, double phi = 0.0) {
    StrengthPoint p;
    p.cohesion = c;
    p.e50 = e50;
    p.frictionAngle = phi;
    return p;
}

}  // namespace drovi::testing
