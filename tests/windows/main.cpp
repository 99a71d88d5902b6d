// Runs the tests with no window. SDL.h makes this SDL's entry, as in the program.
#include <SDL.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
