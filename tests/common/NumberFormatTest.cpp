// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(NumberFormat, GeneralFormatSwitchesBetweenFixedAndExponent)
{
    const struct {
        double Value;
        const char* Text;
    } rows[] = {
        {0.0, "0"},
        {1.0, "1"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.61237243569579447, "0.612372435695794"},
        {1e-5, "0.00001"},
        {1.5e-5, "0.000015"},
        {9.99999999999e-6, "9.99999999999E-6"},
        {1e-7, "1E-7"},
        {-1.25e-9, "-1.25E-9"},
        {123456789012345.0, "123456789012345"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {1234567890123456.0, "1.23456789012346E15"},
        {100.0, "100"},
        {1e14, "100000000000000"},
        {0.1 + 0.2, "0.3"},
        {9.9999999999999999e-6, "0.00001"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatGeneral(row.Value), row.Text) << row.Value;
}

TEST(NumberFormat, NonFiniteValuesHaveWords)
{
    EXPECT_EQ(FormatGeneral(NAN), "NAN");
    EXPECT_EQ(FormatGeneral(INFINITY), "INF");
    EXPECT_EQ(FormatGeneral(-INFINITY), "-INF");
}
