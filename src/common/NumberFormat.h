#pragma once
// The one way numbers are written for people: shortest text with at most 15 significant
// digits, "." as separator, fixed notation when 1e-5 <= |x| and the integer part has at
// most 15 digits, otherwise mantissa "E" exponent (1E-7, 1.5E20). NaN and infinities
// read "NAN", "INF" and "-INF".

#include <string>

[[nodiscard]] std::string FormatGeneral(double x);
