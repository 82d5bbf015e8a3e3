#pragma once
// What the machine tells about itself and the local clock. These stand in for the desktop
// platform's system queries; each query may fail, and the caller then shows a placeholder.

#include <cstdint>
#include <string>

namespace tensova::platform {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

LocalTime localNow();

// The running system's name and its major and minor release ("Linux6.18").
bool osRelease(std::string& response);
// The four-character code 'i586' of the x86 family.
inline constexpr int32_t kProcessorI586 = ('i' << 24) | ('5' << 16) | ('8' << 8) | '6';

// Processor code: kProcessorI586 for the x86 family, a code of no known processor otherwise.
bool processorCode(int32_t& response);
// Processor clock rate in Hz.
bool clockRateHz(int64_t& response);

}  // namespace tensova::platform
