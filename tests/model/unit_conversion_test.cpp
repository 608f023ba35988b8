#include "model/unit_conversion.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/unit_labels.h"

namespace drovi {
namespace {

std::unique_ptr<AnalysisModel> clayAndRock(UnitSystem units) {
    auto m = std::make_unique<AnalysisModel>();
    m->options.unitSystem = units;
    m->sectionCount = 1;
    m->sections[1].length = 50.0;
    m->sections[1].bottomDepth = 50.0;
    m->pileLength = 50.0;
    m->groundSurfaceDepth = 2.0;
    m->layerCount = 2;
    m->layers[1] = {static_cast<int>(SoilModel::SoftClay), 2.0, 30.0, 0.0, 0.0};
    m->layers[2] = {static_cast<int>(SoilModel::WeakRock), 30.0, 60.0, 0.0, 0.0};
    for (int p = 1; p <= 4; ++p) {
        m->unitWeightPoints[p] = {p <= 2 ? 2.0 : 30.0, 120.0};
        m->strengthPoints[p].strengthDepth = m->unitWeightPoints[p].profileDepth;
        m->strengthPoints[p].cohesion = p <= 2 ? 1440.0 : 500.0;
    }
    m->soilMovementCount = 2;
    m->soilMovements[1] = {10.0, 25.0};
    m->pyOutputDepthCount = 1;
    m->pyOutputDepths[1] = 5.0;
    m->pyOutputDepths[2] = 7.0;  // beyond the count: untouched
    m->dimensionProfile[2].depth = 50.0;
    m->userPyCurves[3].depth = 4.0;
    m->pyModifiers[1].depth = 3.0;
    return m;
}

TEST(UnitConversion, UscsGoesToInchesAndPoundsOnce) {
    auto m = clayAndRock(UnitSystem::USCS);
    ConvertUscsUnits(*m);
    EXPECT_DOUBLE_EQ(m->pileLength, 600.0);
    EXPECT_DOUBLE_EQ(m->groundSurfaceDepth, 24.0);
    EXPECT_DOUBLE_EQ(m->sections[1].length, 600.0);
    EXPECT_DOUBLE_EQ(m->sections[1].bottomDepth, 600.0);
    EXPECT_DOUBLE_EQ(m->layers[2].bottomDepth, 720.0);
    EXPECT_DOUBLE_EQ(m->unitWeightPoints[1].unitWeight, 120.0 / 1728.0);
    EXPECT_DOUBLE_EQ(m->unitWeightPoints[3].profileDepth, 360.0);
    EXPECT_DOUBLE_EQ(m->strengthPoints[1].cohesion, 10.0);  // 1440 psf
    EXPECT_DOUBLE_EQ(m->strengthPoints[3].cohesion, 500.0);  // rock strength in psi keeps its value
    EXPECT_DOUBLE_EQ(m->soilMovements[1].depth, 120.0);
    EXPECT_DOUBLE_EQ(m->soilMovements[1].value, 25.0);  // movements are entered in inches
    EXPECT_DOUBLE_EQ(m->pyOutputDepths[1], 60.0);
    EXPECT_DOUBLE_EQ(m->pyOutputDepths[2], 7.0);
    EXPECT_DOUBLE_EQ(m->dimensionProfile[2].depth, 600.0);
    EXPECT_DOUBLE_EQ(m->userPyCurves[3].depth, 48.0);
    EXPECT_DOUBLE_EQ(m->pyModifiers[1].depth, 36.0);
    EXPECT_EQ(m->dimensionPointCount, 2);
    EXPECT_TRUE(m->unitsConverted);

    ConvertUscsUnits(*m);
    ConvertSiUnits(*m, true);
    EXPECT_DOUBLE_EQ(m->pileLength, 600.0);
    EXPECT_DOUBLE_EQ(m->strengthPoints[1].cohesion, 10.0);
    EXPECT_DOUBLE_EQ(m->soilMovements[1].value, 25.0);
}

TEST(UnitConversion, SiScalesOnlyOlderFormatMovements) {
    auto current = clayAndRock(UnitSystem::SI);
    current->soilMovements[1].value = 0.025;  // the current reader already scaled it
    ConvertSiUnits(*current, false);
    EXPECT_DOUBLE_EQ(current->soilMovements[1].value, 0.025);
    EXPECT_DOUBLE_EQ(current->pileLength, 50.0);

    auto older = clayAndRock(UnitSystem::SI);
    ConvertSiUnits(*older, true);
    EXPECT_DOUBLE_EQ(older->soilMovements[1].value, 0.025);
    ConvertSiUnits(*older, true);
    EXPECT_DOUBLE_EQ(older->soilMovements[1].value, 0.025);
}

TEST(UnitConversion, GeneralUnitsStayAsGiven) {
    auto m = clayAndRock(UnitSystem::GENERAL);
    ConvertSiUnits(*m, true);
    EXPECT_DOUBLE_EQ(m->soilMovements[1].value, 25.0);
    EXPECT_DOUBLE_EQ(m->pileLength, 50.0);
    EXPECT_DOUBLE_EQ(m->strengthPoints[1].cohesion, 1440.0);
    EXPECT_TRUE(m->unitsConverted);
}

TEST(UnitLabels, FollowTheUnitSystem) {
    EXPECT_EQ(MakeUnitLabels(1).moment, "in-lb");
    EXPECT_EQ(MakeUnitLabels(1).force, "lbs ");
    EXPECT_EQ(MakeUnitLabels(2).unitWeight, "kN/m3");
    EXPECT_EQ(MakeUnitLabels(2).length, "m  ");
    EXPECT_EQ(MakeUnitLabels(3).stress, "F/L2");
    EXPECT_EQ(MakeUnitLabels(7).force, "    ");  // unknown system: blank labels
}

}  // namespace
}  // namespace drovi
