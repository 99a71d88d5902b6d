// A counter shared by the recording doubles, so tests can tell which draw came first across
// images and fonts.
#pragma once

/// The next number of a program-wide, ever increasing sequence of draws.
inline unsigned nextDrawOrder() {
    static unsigned counter = 0;
    return ++counter;
}
