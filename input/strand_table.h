// Prestressing strand and bar properties by grade and size code.
// Diameters (in) and areas (in^2) are the single-precision values of the
// published strand tables.
#pragma once

namespace drovi {

inline constexpr int kStrandGrades = 6;  // 0..5

struct StrandGrade {
    const char* name;
    double ultimateStrength;  // fpu, as stored in every unit system
    double modulusUscs;
    double modulusOther;  // SI and general units
};

struct StrandSize {
    double diameter;  // in
    double area;      // in^2
    double ultimateStrength;  // deformed bars (grade 5) only, else 0
};

// Grade 0..5, or nullptr.
const StrandGrade* FindStrandGrade(int grade);
// Size code of a grade, or nullptr when the grade has no such size.
const StrandSize* FindStrandSize(int grade, int sizeCode);

// 0.0254 in single precision: inches to metres for strand sizes.
inline constexpr double kStrandInchToMetre = static_cast<double>(0.0254f);

}  // namespace drovi
