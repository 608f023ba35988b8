// The soil model code table: twenty 10-character entries, 1..16 the p-y
// criteria, 17..20 "Undefined". Iteration and readers compare against it.
#pragma once

#include <string>
#include <string_view>

namespace drovi {

inline constexpr int kSoilModelCodeCount = 20;

// The blank-padded 10-character entry for `code`; codes outside 1..20 give
// "Undefined" padded the same way.
std::string_view SoilModelCode(int code);

// The first 8 characters of the entry, the form the iteration dispatches on.
std::string_view SoilModelCode8(int code);

}  // namespace drovi
