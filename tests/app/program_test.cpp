#include "app/program.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <stdexcept>

namespace {

TEST(Program, AFailedStartPrintsItsOneLineAndEndsWithStatusOne) {
    std::ostringstream captured;
    std::streambuf* standardError = std::cerr.rdbuf(captured.rdbuf());
    const int status =
        runProgram([]() -> std::unique_ptr<Graphics> { throw std::runtime_error("can't create window"); });
    std::cerr.rdbuf(standardError);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(captured.str(), "can't create window\n");
}

}  // namespace
