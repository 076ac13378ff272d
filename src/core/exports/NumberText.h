#pragma once

#include <string>

namespace lumaret::exports {

// The shortest decimal text that reads back (strtof) to exactly the same 32-bit float.
// An integral value keeps one decimal ("19.0", "-0.0") so that readers see a number with
// a fraction; large or tiny values use an exponent ("1e+20"). Not-finite values give "".
std::string ShortestFloat(float value);

}  // namespace lumaret::exports
