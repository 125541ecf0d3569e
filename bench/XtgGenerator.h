// The synthetic XPress Tags inputs of the import benchmark (see
// xtg_generate.cpp).
#pragma once

#include <cstddef>
#include <string>

namespace xtgbench {

enum class Kind { kPlain, kTagged, kNames };

// The kind named "plain", "tagged" or "names"; false for any other name.
bool ParseKind(const char* name, Kind& kind);

// The file's bytes: exactly `bytes` long when that is at least the header's
// length (the header alone otherwise).
std::string GenerateXtg(Kind kind, std::size_t bytes);

}  // namespace xtgbench
