#include "soil/soil_coefficients.h"

#include <gtest/gtest.h>

#include <cmath>

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

TEST(SandCoefficients, InterpolateInZOverB) {
    EXPECT_DOUBLE_EQ(sandCoefficientAt(0.0, 24.0, SandTable::StaticA), f(2.83f));
    EXPECT_DOUBLE_EQ(sandCoefficientAt(6.0, 24.0, SandTable::StaticA), (f(2.83f) + f(2.48f)) / 2);  // z/b = 0.25
    EXPECT_DOUBLE_EQ(sandCoefficientAt(84.0, 24.0, SandTable::CyclicB), (f(0.70f) + f(0.55f)) / 2);  // 3.5
    EXPECT_DOUBLE_EQ(sandCoefficientAt(144.0, 24.0, SandTable::StaticB), f(0.50f));                 // 6
    EXPECT_DOUBLE_EQ(sandCoefficientAt(1000.0, 24.0, SandTable::CyclicA), f(0.88f));
    EXPECT_DOUBLE_EQ(sandCoefficientAt(24.0, 24.0, SandTable::CyclicA), f(1.07f));  // at a table entry
}

TEST(StiffClayCoefficients, PolynomialsAndCaps) {
    const double a = 1.0;
    EXPECT_NEAR(stiffClayAs(a), 0.2345 + 0.2958796 - 0.0786111 + 0.0068981, 1e-7);
    EXPECT_NEAR(stiffClayAc(a), 0.2 + 0.153333 - 0.075 + 0.011667, 1e-7);
    EXPECT_DOUBLE_EQ(stiffClayAs(3.4), f(0.6f));
    EXPECT_DOUBLE_EQ(stiffClayAc(1.6), f(0.3f));
    EXPECT_DOUBLE_EQ(stiffClayAs(0.0), f(0.2345f));
}

TEST(ClaySlope, ReducesUpslopeAndRaisesDownslope) {
    const double t = 0.2;
    EXPECT_EQ(ClaySlopeFactor(0.0, 1.0, ZeroDeflection::NoReduction, kCos45Single), 1.0);
    EXPECT_DOUBLE_EQ(ClaySlopeFactor(t, 1.0, ZeroDeflection::NoReduction, kCos45Single), 1.0 / (1.0 + std::tan(t)));
    EXPECT_DOUBLE_EQ(ClaySlopeFactor(t, -1.0, ZeroDeflection::NoReduction, kCos45Single),
                     std::cos(t) * f(0.70710677f) / std::cos(M_PI / 4 + t));
    EXPECT_DOUBLE_EQ(ClaySlopeFactor(-t, -1.0, ZeroDeflection::NoReduction, kCos45Double), 1.0 / (1.0 + std::tan(t)));
    EXPECT_EQ(ClaySlopeFactor(t, 0.0, ZeroDeflection::NoReduction, kCos45Single), 1.0);
    EXPECT_DOUBLE_EQ(ClaySlopeFactor(t, 0.0, ZeroDeflection::CountsAsNegative, kCos45Double),
                     std::cos(t) * 0.7071067811865476 / std::cos(M_PI / 4 + t));
}

}  // namespace
}  // namespace drovi
