// Coefficients that several p-y criteria share.
#pragma once

namespace drovi {

// Reese sand A and B coefficients as functions of z/b (Reese, Cox and Koop
// 1974): static and cyclic tables at z/b = 0, 0.5, ..., 3, 4, 5, 6; linear
// between entries, the last value beyond z/b = 6.
enum class SandTable { StaticA, StaticB, CyclicA, CyclicB };
double sandCoefficientAt(double z, double b, SandTable table);

// Stiff clay without free water (Reese, Cox and Koop 1975), a = z/b:
// As = 0.2345 + 0.2958796 a - 0.0786111 a^2 + 0.0068981 a^3, at most 0.6;
// Ac = 0.2 + 0.153333 a - 0.075 a^2 + 0.011667 a^3, at most 0.3.
double stiffClayAs(double a);
double stiffClayAc(double a);

// The factor that a sloping ground surface applies to a clay's bearing
// resistance. theta = ground slope - pile batter (radians, signed); the
// deflection's sign decides whether the pile moves down or up the slope.
//   same sign:     1 / (1 + tan|theta|)
//   opposite sign: cos|theta| cos45 / cos(pi/4 + |theta|)
// The clay criteria differ in how they treat a zero deflection and in the
// precision of cos 45 degrees.
enum class ZeroDeflection { NoReduction, CountsAsNegative };
double ClaySlopeFactor(double theta, double y, ZeroDeflection zero, double cos45);

inline constexpr double kCos45Single = static_cast<double>(0.70710677f);
inline constexpr double kCos45Double = 0.7071067811865476;

}  // namespace drovi
