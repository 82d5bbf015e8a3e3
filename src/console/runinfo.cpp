#include "console/runinfo.hpp"

#include <cstdio>

#include "console/fields.hpp"
#include "console/platform/system.hpp"

namespace tensova {
namespace {

std::string processorName(int32_t code) {
    switch (code) {
        case 0:
            return "M68000";
        case 2:
            return "M68020";
        case 3:
            return "M68030";
        case 4:
            return "M68040";
        case 0x101:
            return "PPC601";
        case 0x103:
            return "PPC603";
        case 0x104:
            return "PPC604";
        case 0x106:
            return "PPC603e";
        case 0x107:
            return "PPC603ev";
        case 0x108:
            return "PPC750";
        case 0x109:
            return "PPC604e";
        case 0x10A:
            return "PPC604ev";
        case 0x10C:
            return "PPC7400";
        case 0x110:
            return "PPC7450";
        case 0x111:
            return "PPC7455";
        case platform::kProcessorI586:
            return "i86";
        default:
            return "CPU????";
    }
}

std::string twoDigits(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v % 100);
    return b;
}

}  // namespace

std::string describeSystem(bool osOk, std::string_view os, bool cpuOk, int32_t cpu, bool clockOk,
                           int64_t hz) {
    const std::string osPart = osOk ? std::string(os) : "MacOS?";
    std::string cpuPart = cpuOk ? processorName(cpu) : "CPU?";
    std::string clockPart = "?MHz";
    if (clockOk) {
        const float rate = static_cast<float>(hz);
        if (rate < 1.0e9f) {
            clockPart = std::string(trimmed(fmtI(static_cast<int64_t>(rate / 1.0e6f), 4))) + "MHz";
        } else {
            clockPart = std::string(trimmed(fmtF(rate / 1.0e9f, 4, 1))) + "GHz";
        }
    }
    return std::string(trimmed(fit(osPart, 9))) + "-" + std::string(trimmed(fit(cpuPart, 8))) +
           "-" + std::string(trimmed(fit(clockPart, 6)));
}

std::string c10date() {
    const auto t = platform::localNow();
    char b[16];
    std::snprintf(b, sizeof b, "%04d-%s-%s", t.year % 10000, twoDigits(t.month).c_str(),
                  twoDigits(t.day).c_str());
    return b;
}

std::string c8time() {
    const auto t = platform::localNow();
    return twoDigits(t.hour) + ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

std::string username(std::size_t len) {
    return fit("Mac user", len);
}

std::string hostname(std::size_t len) {
    std::string os;
    int32_t cpu = 0;
    int64_t hz = 0;
    const bool osOk = platform::osRelease(os);
    const bool cpuOk = platform::processorCode(cpu);
    const bool clockOk = platform::clockRateHz(hz);
    return fit(describeSystem(osOk, os, cpuOk, cpu, clockOk, hz), len);
}

void smaininfo(const Stamp& s) {
    runinfocom.mainName = s.name;
    runinfocom.mainVersion = s.version;
    runinfocom.mainDate = s.date;
    runinfocom.runDate = fit(c10date(), 10);
    runinfocom.runTime = fit(c8time(), 8);
    runinfocom.user = username(10);
    runinfocom.system = hostname(25);
}

void ssubinfo(const Stamp& s) {
    runinfocom.plotName = s.name;
    runinfocom.plotVersion = s.version;
    runinfocom.plotDate = s.date;
}

}  // namespace tensova
