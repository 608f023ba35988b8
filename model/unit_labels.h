// Short unit strings of the report, chosen once per run from the unit
// system. Each is blank-padded to its fixed width; a unit system outside
// 1..3 leaves the unit-dependent labels blank.
#pragma once

#include <string>
#include <string_view>

namespace drovi {

struct UnitLabels {
    std::string length;          // results length, width 3: "in", "m", "L"
    std::string force;           // width 4
    std::string forceShort;      // width 3
    std::string moment;          // width 5
    std::string forcePerLength;  // width 5
    std::string unitWeight;      // width 5
    std::string stress;          // width 4
    std::string layerLength;     // layer and pile length, width 2: "ft", "m"
    std::string sectionLength;   // cross-section dimension, width 2: "in", "mm"
    std::string incrementLength; // width 2: "in", "m"
    // Fragments for compound labels (a length followed by "**" and "2").
    static constexpr const char* kSlash = "/";
    static constexpr const char* kDash = "-";
    static constexpr const char* kPower = "**";
    static constexpr const char* kTwo = "2";
    static constexpr const char* kThree = "3";
    static constexpr const char* kFour = "4";
};

UnitLabels MakeUnitLabels(int unitSystem);

// A label without its padding, for compound labels ("lbs/in**2").
std::string Trimmed(std::string_view label);

}  // namespace drovi
