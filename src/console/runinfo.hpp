#pragma once
// Run information: which program made a plot, when, and on what machine.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/text.hpp"

namespace tensova {

struct Runinfocom {
    std::string mainName = std::string(11, ' ');
    std::string plotName = std::string(11, ' ');
    std::string mainVersion = std::string(4, ' ');
    std::string plotVersion = std::string(4, ' ');
    std::string mainDate = std::string(10, ' ');
    std::string plotDate = std::string(10, ' ');
    std::string user = std::string(10, ' ');
    std::string system = std::string(25, ' ');
    std::string runDate = std::string(10, ' ');
    std::string runTime = std::string(8, ' ');
};
inline Runinfocom runinfocom;

// Records the main program's stamp with the run's date, time, user and system.
void smaininfo(const Stamp& s);
// Records the stamp of the plotting routine.
void ssubinfo(const Stamp& s);

// Local date as yyyy-mm-dd.
std::string c10date();
// Local time as hh:mm:ss.
std::string c8time();
// The user name at the given length.
std::string username(std::size_t len);
// The system description at the given length: operating system, processor and clock rate.
std::string hostname(std::size_t len);

// The description built from the three system queries; a failed query is passed as false and
// shows its placeholder.
std::string describeSystem(bool osOk, std::string_view os, bool cpuOk, int32_t cpu, bool clockOk,
                           int64_t hz);

}  // namespace tensova
