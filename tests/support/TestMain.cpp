#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    quor::test::TestEnvironment::Install();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
