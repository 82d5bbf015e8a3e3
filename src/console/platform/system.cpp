#include "console/platform/system.hpp"

#include <sys/utsname.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tensova::platform {

LocalTime localNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

bool osRelease(std::string& response) {
    utsname u{};
    if (uname(&u) != 0) return false;
    int major = 0, minor = 0;
    if (std::sscanf(u.release, "%d.%d", &major, &minor) < 2) return false;
    response = std::string(u.sysname) + std::to_string(major) + "." + std::to_string(minor);
    return true;
}

bool processorCode(int32_t& response) {
    utsname u{};
    if (uname(&u) != 0) return false;
    const char* m = u.machine;
    if (std::strcmp(m, "x86_64") == 0 || (m[0] == 'i' && std::strcmp(m + 2, "86") == 0)) {
        response = kProcessorI586;
    } else {
        response = 0x7fffffff;
    }
    return true;
}

bool clockRateHz(int64_t& response) {
    std::FILE* f = std::fopen("/proc/cpuinfo", "r");
    if (f == nullptr) return false;
    char line[512];
    bool found = false;
    while (std::fgets(line, sizeof line, f) != nullptr) {
        if (std::strncmp(line, "cpu MHz", 7) == 0) {
            const char* colon = std::strchr(line, ':');
            if (colon != nullptr) {
                const double mhz = std::strtod(colon + 1, nullptr);
                if (mhz > 0 && mhz < 1.0e6) {
                    response = static_cast<int64_t>(mhz * 1.0e6);
                    found = true;
                }
            }
            break;
        }
    }
    std::fclose(f);
    return found;
}

}  // namespace tensova::platform
