#pragma once
// Shared by the benchmarks: a scratch folder for generated catalogues and written files, and a
// console that keeps quiet while the settings announce themselves.

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

}  // namespace tensova::bench
