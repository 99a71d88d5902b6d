// How two read-backs of the whole window differ, for tests that expect identical frames.
#pragma once

#include "tests/support/GLWindow.h"

#include <ostream>
#include <vector>

struct FrameDifference {
    int count = 0; ///< pixels that differ
    int x = -1;    ///< the first differing pixel, row by row from the top
    int y = -1;
    Pixel expected{0, 0, 0, 0};
    Pixel actual{0, 0, 0, 0};
};

/// Compares two frames of GLWindow::WIDTH pixels a row.
inline FrameDifference compareFrames(const std::vector<Pixel>& expected,
                                     const std::vector<Pixel>& actual) {
    FrameDifference difference;
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        if (expected[i] == actual[i])
            continue;
        if (difference.count++ == 0) {
            difference.x = static_cast<int>(i % GLWindow::WIDTH);
            difference.y = static_cast<int>(i / GLWindow::WIDTH);
            difference.expected = expected[i];
            difference.actual = actual[i];
        }
    }
    return difference;
}

inline std::ostream& operator<<(std::ostream& out, const FrameDifference& difference) {
    return out << difference.count << " pixels differ; the first at (" << difference.x << ", "
               << difference.y << "): " << difference.actual << " instead of "
               << difference.expected;
}
