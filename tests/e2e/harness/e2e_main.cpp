// The test program's entry: GoogleTest with its output kept byte for byte.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>

#include <cstdio>

#include "harness/system_dpi.h"

int main(int argc, char** argv) {
    // Wine's console would otherwise turn every "\n" into "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    quorvane::e2e::clearSystemDpiOverride();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
