// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/DisplayWait.h"

#include <xcb/xcb.h>

#include <chrono>
#include <thread>

void TDisplayHold::Release()
{
    if (Connection != nullptr)
        xcb_disconnect(Connection);
    Connection = nullptr;
}

TDisplayHold WaitForDisplay()
{
    xcb_connection_t* connection = nullptr;
    for (int attempt = 0; attempt < 50; ++attempt) {
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection) == 0)
            return TDisplayHold(connection);
        xcb_disconnect(connection);
        // Only while the server is still starting: a wait for it, no verdict of a test.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return TDisplayHold(nullptr);
}
