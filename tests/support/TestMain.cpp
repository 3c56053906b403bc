#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    SetUpTestEnvironment();
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(TestHome());
    return result;
}
