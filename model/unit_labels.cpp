#include "model/unit_labels.h"

#include <string_view>

namespace drovi {
namespace {

std::string pad(std::string_view s, std::size_t width) {
    std::string out(s);
    out.resize(width, ' ');
    return out;
}

}  // namespace

UnitLabels MakeUnitLabels(int unitSystem) {
    struct Row {
        std::string_view uscs, si, general;
        std::size_t width;
    };
    // length, force, force (short), moment, force per length, unit weight,
    // stress, layer length, section dimension, increment length
    static constexpr Row kRows[] = {
        {"in", "m", "L", 3},        {"lbs", "kN", "F", 4},      {"lbs", "kN", "F", 3},
        {"in-lb", "kN-m", "F-L", 5}, {"lb/in", "kN/m", "F/L", 5}, {"pcf", "kN/m3", "F/L3", 5},
        {"psf", "kPa", "F/L2", 4},  {"ft", "m", "L", 2},         {"in", "mm", "L", 2},
        {"in", "m", "L", 2},
    };
    auto pick = [unitSystem](const Row& r) {
        std::string_view s = unitSystem == 1 ? r.uscs : unitSystem == 2 ? r.si : unitSystem == 3 ? r.general : "";
        return pad(s, r.width);
    };
    UnitLabels u;
    u.length = pick(kRows[0]);
    u.force = pick(kRows[1]);
    u.forceShort = pick(kRows[2]);
    u.moment = pick(kRows[3]);
    u.forcePerLength = pick(kRows[4]);
    u.unitWeight = pick(kRows[5]);
    u.stress = pick(kRows[6]);
    u.layerLength = pick(kRows[7]);
    u.sectionLength = pick(kRows[8]);
    u.incrementLength = pick(kRows[9]);
    return u;
}

std::string Trimmed(std::string_view label) {
    const auto last = label.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view() : label.substr(0, last + 1));
}

}  // namespace drovi
