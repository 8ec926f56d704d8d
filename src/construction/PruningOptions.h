// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings of the one-shot search's pruning, and what it did.

// What a one-shot search may cut, and the switches tests and diagnosis turn. Step
// builds never prune.
struct TPruningOptions {
    // One-shot searches cut subtrees that provably hold no solid within the limit; every
    // line, solid and state stays that of the plain search.
    bool Enabled = true;
    // Checks begin at this step of a search: a search that ends sooner (every catalogue row
    // at its own limit) runs exactly as it did without them, and pays nothing. Any schedule is sound.
    long long FromStep = 4096;
    // The bound's second layer where the first leaves the search wandering (above twice
    // the vertices there): dearer per check, far fewer checks on the hyperbolic patches.
    bool SecondLayer = true;
    double SecondLayerFrom = 2.0;  // where the first layer's bound passes this many times the vertices there
    // For tests: instead of cutting, mark the subtree and count the solids found in it,
    // which a cut there would have lost (always 0 when the bound is sound).
    bool Diagnosis = false;
    // For tests: work out again every vertex the bound finds in its cache, and count those
    // that come out otherwise (always 0 when the cache forgets all it should).
    bool CacheCheck = false;
};

// What the pruning did in the last search.
struct TPruningStats {
    long long Cuts = 0;          // cuts (or marked subtrees)
    long long Checks = 0;        // bounds worked out
    long long SecondChecks = 0;  // bounds that went to the second layer
    int LostClosures = 0;        // diagnosis: solids found inside marked subtrees
    long long CacheCompared = 0;
    long long CacheMismatches = 0;
};
