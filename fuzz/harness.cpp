#include "harness.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "console/console.hpp"
#include "console/stop.hpp"
#include "console/units.hpp"

namespace tensova::fuzz {
namespace {

struct Scratch {
    std::string dir;
    std::FILE* keyboard = nullptr;
    std::FILE* sink = nullptr;
    Scratch() {
        // In memory where the system has such a folder: the targets write a file per input.
        char shm[] = "/dev/shm/tensova.XXXXXX";
        char tmp[] = "/tmp/tensova.XXXXXX";
        const char* name = ::mkdtemp(shm);
        if (name == nullptr) name = ::mkdtemp(tmp);
        if (name == nullptr) std::abort();
        dir = name;
        keyboard = std::tmpfile();
        // TENSOVA_FUZZ_CONSOLE=1 shows the transcript, to follow one input by hand.
        sink =
            std::getenv("TENSOVA_FUZZ_CONSOLE") != nullptr ? stdout : std::fopen("/dev/null", "w");
        if (keyboard == nullptr || sink == nullptr) std::abort();
        // Whatever stops the run (the keyboard used up by a reader that asked more than its
        // input planned, an open that failed for good) is a finding, not an end.
        atStop([] {
            std::fputs("tensova-fuzz: the run stopped\n", stderr);
            std::abort();
        });
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

}  // namespace

std::string scratchFile(std::string_view name) {
    return scratch().dir + "/" + std::string(name);
}

void writeFile(const std::string& path, std::string_view bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() ||
        std::fclose(f) != 0)
        std::abort();
}

// The folder the target started in, opened before the first change of folder.
int home() {
    static const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd;
}

InScratch::InScratch() {
    if (home() < 0 || ::chdir(scratch().dir.c_str()) != 0) std::abort();
}

InScratch::~InScratch() {
    if (::fchdir(home()) != 0) std::abort();
}

void mustHold(bool ok, std::string_view what) {
    if (ok) return;
    std::fprintf(stderr, "tensova-fuzz: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

void console(std::string_view answers) {
    Scratch& s = scratch();
    const int fd = fileno(s.keyboard);
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, answers.data(), answers.size(), 0) != static_cast<ssize_t>(answers.size()) ||
        ::lseek(fd, 0, SEEK_SET) != 0)
        std::abort();
    // Files stay as the last input left them: a reader that leaves one open finds its unit in
    // use at the next input, and the run stops there.
    std::fflush(s.sink);
    iocom = Iocom{};
    iocom.pauseOn = false;
    unitBindConsole(fd, s.sink);
}

}  // namespace tensova::fuzz
