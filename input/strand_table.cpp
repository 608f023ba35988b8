#include "input/strand_table.h"

namespace drovi {
namespace {

constexpr double f(float v) { return static_cast<double>(v); }

constexpr StrandGrade kGrades[kStrandGrades] = {
    {"PCI 250", 250000.0, 28000.0, 193053200.0},
    {"PCI 270", 270000.0, 28000.0, 193053200.0},
    {"PCI 300", 300000.0, 28000.0, 193053200.0},
    {"Smooth 145 ksi bars", 145000.0, 29000.0, 199947760.0},
    {"Smooth 160 ksi bars", 160000.0, 29000.0, 199947760.0},
    {"Deformed bars (150-160 ksi)", 0.0, 29000.0, 199947760.0},
};

constexpr int kMaxSizes = 8;
struct SizeRow {
    int count;
    StrandSize sizes[kMaxSizes];
};

constexpr SizeRow kSmoothBars = {6,
                                 {{f(0.75f), f(0.442f), 0},
                                  {f(0.875f), f(0.601f), 0},
                                  {f(1.0f), f(0.785f), 0},
                                  {f(1.125f), f(0.994f), 0},
                                  {f(1.25f), f(1.227f), 0},
                                  {f(1.375f), f(1.485f), 0}}};

constexpr SizeRow kSizes[kStrandGrades] = {
    {7,
     {{f(0.34f), f(0.058f), 0},
      {f(0.25f), f(0.036f), 0},
      {f(0.3125f), f(0.058f), 0},
      {f(0.375f), f(0.080f), 0},
      {f(0.4375f), f(0.108f), 0},
      {f(0.5f), f(0.144f), 0},
      {f(0.6f), f(0.216f), 0}}},
    {8,
     {{f(0.34f), f(0.058f), 0},
      {f(0.375f), f(0.085f), 0},
      {f(0.4375f), f(0.115f), 0},
      {f(0.5f), f(0.153f), 0},
      {f(0.5f), f(0.167f), 0},
      {f(0.5625f), f(0.192f), 0},
      {f(0.6f), f(0.217f), 0},
      {f(0.7f), f(0.294f), 0}}},
    {5,
     {{f(0.375f), f(0.085f), 0},
      {f(0.438f), f(0.115f), 0},
      {f(0.5f), f(0.153f), 0},
      {f(0.5f), f(0.167f), 0},
      {f(0.6f), f(0.217f), 0}}},
    kSmoothBars,
    kSmoothBars,
    {6,
     {{f(0.625f), f(0.28f), 157000.0},
      {f(1.0f), f(0.85f), 150000.0},
      {f(1.0f), f(0.85f), 160000.0},
      {f(1.25f), f(1.25f), 150000.0},
      {f(1.25f), f(1.25f), 160000.0},
      {f(1.375f), f(1.58f), 150000.0}}},
};

}  // namespace

const StrandGrade* FindStrandGrade(int grade) {
    if (grade < 0 || grade >= kStrandGrades) return nullptr;
    return &kGrades[grade];
}

const StrandSize* FindStrandSize(int grade, int sizeCode) {
    if (grade < 0 || grade >= kStrandGrades) return nullptr;
    const SizeRow& row = kSizes[grade];
    if (sizeCode < 0 || sizeCode >= row.count) return nullptr;
    return &row.sizes[sizeCode];
}

}  // namespace drovi
