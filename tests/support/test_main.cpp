// The main of every test program. It pins the GL driver in memory before any test runs: closing a
// display would otherwise unload the driver with allocations it keeps for the life of the process,
// and the leak checker could then no longer tell them from ours (tests/lsan.supp names the driver).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

void pinGlDrivers() {
    for (const char* directory : {"/usr/lib/x86_64-linux-gnu/dri", "/usr/lib/aarch64-linux-gnu/dri",
                                  "/usr/lib64/dri", "/usr/lib/dri"}) {
        const std::filesystem::path driver = std::filesystem::path(directory) / "swrast_dri.so";
        std::error_code ignored;
        if (std::filesystem::exists(driver, ignored)) {
            // Never closed: the handle keeps the driver for the life of the process.
            dlopen(driver.c_str(), RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    pinGlDrivers();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
