// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tests that open windows share one Xvfb under ctest -j2. Waits (a few seconds at
// most) until the display takes a connection, and keeps that connection open until the
// hold is dropped, after the application has opened its own: a probe that let go at once
// could leave the server without a client for a moment, and a server started without
// -noreset resets then and refuses whoever connects next.

struct xcb_connection_t;

class TDisplayHold {
public:
    explicit TDisplayHold(xcb_connection_t* connection) : Connection(connection) {}
    ~TDisplayHold() { Release(); }
    void Release();
    TDisplayHold(const TDisplayHold&) = delete;
    TDisplayHold& operator=(const TDisplayHold&) = delete;

private:
    xcb_connection_t* Connection;
};

[[nodiscard]] TDisplayHold WaitForDisplay();
