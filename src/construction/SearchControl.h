#pragma once
// What another thread may see of a running one-shot search, and how it asks the search to
// stop. The search writes the figures as it goes (relaxed: they are for a progress line,
// not for synchronisation) and reads the request at every completion.

#include <atomic>

struct TSearchControl {
    std::atomic<bool> StopRequested{false};  // set by anyone; the search pauses at its next step
    std::atomic<long long> Completions{0};   // vertices completed or tried so far
    std::atomic<int> Vertices{0};            // vertices of the partial solid now
    std::atomic<int> Found{0};               // solids found so far
    bool Stopped = false;                    // set by the search when it paused on request
};
