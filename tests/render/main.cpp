// Runs the rendering tests inside one OpenGL window.
#include "tests/support/GLWindow.h"

#include <gtest/gtest.h>


int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    GLWindow window;
    if (!window.isOpen())
        return 1;
    return RUN_ALL_TESTS();
}
