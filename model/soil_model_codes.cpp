#include "model/soil_model_codes.h"

#include <array>

namespace drovi {
namespace {

constexpr std::array<std::string_view, kSoilModelCodeCount> kCodes = {
    "SoftClay  ", "StfClyBW  ", "StfClyAW  ", "StfClyAK  ", "Sand      ",
    "API Sand  ", "Liq Sand  ", "WeakRock  ", "Vuggy LS  ", "Piedmont  ",
    "Cem Silt  ", "KS Loess  ", "Elast SG  ", "User p-y  ", "Frz Soil  ",
    "MassRock  ", "Undefined ", "Undefined ", "Undefined ", "Undefined ",
};

}  // namespace

std::string_view SoilModelCode(int code) {
    if (code < 1 || code > kSoilModelCodeCount) return kCodes[kSoilModelCodeCount - 1];
    return kCodes[static_cast<std::size_t>(code - 1)];
}

std::string_view SoilModelCode8(int code) { return SoilModelCode(code).substr(0, 8); }

}  // namespace drovi
