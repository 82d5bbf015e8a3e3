#pragma once
// Shared by the benchmarks: a scratch folder for generated catalogues and written files, and a
// console that keeps quiet while the settings announce themselves.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "catalogue/selection_tests.hpp"
#include "console/units.hpp"
#include "numeric/angles.hpp"

namespace tensova::bench {

// A temporary folder, made on first use and removed at exit.
class ScratchFolder {
  public:
    ScratchFolder() {
        char tmpl[] = "/tmp/tensova-bench-XXXXXX";
        if (mkdtemp(tmpl) == nullptr) std::abort();
        dir_ = tmpl;
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string file(const std::string& name) const { return dir_ + "/" + name; }

  private:
    std::string dir_;
};

inline const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

// Console output to /dev/null, the angle constants set and the selection tests at their
// defaults, as the program has them before its first read.
inline void quietStart() {
    unitBindConsole(0, std::fopen("/dev/null", "w"));
    trigoset();
    setseistest6(5);
}

// The keyboard's answers for the next dialog, the console output to /dev/null.
inline void keyboard(const std::string& answers) {
    static std::FILE* in = nullptr;
    if (in != nullptr) std::fclose(in);
    in = std::tmpfile();
    std::fputs(answers.c_str(), in);
    std::fflush(in);
    lseek(fileno(in), 0, SEEK_SET);
    unitBindConsole(fileno(in), std::fopen("/dev/null", "w"));
}

}  // namespace tensova::bench
