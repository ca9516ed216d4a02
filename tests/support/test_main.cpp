// The main of every test program. It pins the GL driver in memory before any test runs: closing a
// display would otherwise unload the driver with allocations it keeps for the life of the process,
// and the leak checker could then no longer tell them from ours (tests/lsan.supp names the driver).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

void pinGlDrivers() {
    // EGL, which the viewer draws off screen through, loads its vendor library when a display is opened.
    for (const char* library : {"libEGL.so.1", "libEGL_mesa.so.0"}) {
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    }
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
    const int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // Leaks are checked now, while the GL driver's worker threads sit idle, rather than among the exit
    // handlers, where the driver stops and joins its threads and the checker could meet one half gone.
    __lsan_do_leak_check();
#endif
    return result;
}
