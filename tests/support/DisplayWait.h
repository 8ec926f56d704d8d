#pragma once
// The tests that open windows share one Xvfb under ctest -j2; now and then a connection
// is refused for a moment. Waits (up to a few seconds) until the display takes one, so
// that a busy server does not abort a test before it starts.

void WaitForDisplay();
