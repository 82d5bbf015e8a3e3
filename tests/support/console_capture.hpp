#pragma once
// In-process console for unit tests: the keyboard reads a given text and standard output is
// captured, with the console state set up afresh.

#include <cstdio>
#include <string>
#include <vector>

namespace tensova::test {

class ConsoleCapture {
  public:
    // With `terminal` false the keyboard is a pipe: the first answer refused stops the run.
    explicit ConsoleCapture(const std::string& keyboard = "", bool terminal = true);
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;
    // Everything written to standard output so far.
    std::string output();
    // Lines written so far.
    std::vector<std::string> lines();
    // Forgets what was written so far.
    void clear();

  private:
    std::FILE* in_ = nullptr;
    std::FILE* out_ = nullptr;
};

}  // namespace tensova::test
