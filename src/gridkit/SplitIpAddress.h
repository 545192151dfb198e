#pragma once

#include <string>

namespace cfq {

// Splits a dotted address into its four parts a, b, c and d. Blanks around
// the text and around a, b and d are removed; d takes everything after the
// third dot. True when all four parts read as whole numbers from 0 to 255
// (a part that is no number counts as 1000). The parts found before a failure
// stay set; callers use them only on true.
bool Split_IP_Address(const std::string& text, std::string& a, std::string& b, std::string& c,
                      std::string& d);

} // namespace cfq
