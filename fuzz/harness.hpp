#pragma once
// What every fuzz target shares: a scratch folder for the files a reader opens, and a console
// that neither floods nor waits. A run that would stop the program aborts instead, so that
// libFuzzer keeps the input that led there.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tensova::fuzz {

// The input as text.
inline std::string_view text(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A file of the scratch folder (a short absolute name: the name fields take 35 characters).
std::string scratchFile(std::string_view name);
void writeFile(const std::string& path, std::string_view bytes);

// The scratch folder as the current folder while it lives: for files the program opens by a
// fixed name (the settings file) or through a short name field.
class InScratch {
  public:
    InScratch();
    ~InScratch();
    InScratch(const InScratch&) = delete;
    InScratch& operator=(const InScratch&) = delete;
};

// Starts one input: the console state as at start-up but with the box pauses off, output to
// the null device (standard output when TENSOVA_FUZZ_CONSOLE is set), and the keyboard giving
// `answers` and then its end.
void console(std::string_view answers = {});

// A property of the reader that failed: says which and aborts, so that libFuzzer keeps the input.
void mustHold(bool ok, std::string_view what);

}  // namespace tensova::fuzz
