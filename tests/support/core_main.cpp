#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Take the locale from the environment as the GUI process does, so that
    // the run under de_DE.UTF-8 meets the same traps (commas from printf).
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
