#include "support/DisplayWait.h"

#include <xcb/xcb.h>

#include <chrono>
#include <thread>

void WaitForDisplay()
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const bool connected = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        if (connected)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
