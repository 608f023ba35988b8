#pragma once

namespace drovi {

// The engine version label printed in the report banner.
inline constexpr const char* kVersionLabel = "(6.0.23)";
// The same version for hosts and tools.
inline constexpr const char* kVersion = "6.0.23";

}  // namespace drovi
