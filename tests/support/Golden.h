// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole expected texts kept under tests/golden/. ZENKARI_UPDATE_GOLDEN=1 rewrites them
// from what the code now produces, to be reviewed as a diff.

#include <string>

// Compares text with the golden file name; on a difference, reports the first line that differs.
void ExpectGolden(const std::string& name, const std::string& text);
