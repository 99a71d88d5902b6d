// Runs the rendering tests inside one OpenGL window.
#include "tests/support/GLWindow.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    GLWindow window;
    if (!window.isOpen()) {
        std::fprintf(stderr, "These tests need an X display (try xvfb-run): %s\n",
                     window.getError().c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
