// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string FormatGeneral(double x)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x > 0 ? "INF" : "-INF";
    if (x == 0.0)
        return "0";

    // Round to 15 significant digits first; the exponent of the rounded value decides the form.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(x));
    std::string digits{buffer[0]};
    digits.append(buffer + 2, 14);
    const int exponent = std::atoi(buffer + 17);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = x < 0 ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else if (count <= exponent + 1) {
            text += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            text += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "."
                    + digits.substr(static_cast<std::size_t>(exponent + 1));
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (count > 1) {
        text += '.';
        text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
    return text;
}

double RoundToDigit(double x, int d)
{
    const long double unit = std::pow(10.0L, static_cast<long double>(d));
    const long double quotient = static_cast<long double>(x) / unit + 0.5L;
    return static_cast<double>(std::trunc(quotient) * unit);
}
