#include "support/console_capture.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include "console/console.hpp"
#include "console/stop.hpp"
#include "console/units.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {
namespace {

ConsoleCapture* current = nullptr;

// A run that stops (the scripted keyboard ran out at a prompt, or a box paused where none
// was expected) ends the test program at once: say in which test and what the console printed
// last, or the program would end without a word.
void reportStop() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "The run stopped in %s.%s; its console ended with:\n",
                 test != nullptr ? test->test_suite_name() : "?",
                 test != nullptr ? test->name() : "?");
    if (current == nullptr) return;
    const std::vector<std::string> lines = current->lines();
    for (std::size_t k = lines.size() > 12 ? lines.size() - 12 : 0; k < lines.size(); ++k)
        std::fprintf(stderr, "%s\n", lines[k].c_str());
}

}  // namespace

ConsoleCapture::ConsoleCapture(const std::string& keyboard, bool terminal) {
    static const bool registered = (atStop(reportStop), true);
    (void)registered;
    current = this;
    in_ = std::tmpfile();
    std::fwrite(keyboard.data(), 1, keyboard.size(), in_);
    std::fflush(in_);
    lseek(fileno(in_), 0, SEEK_SET);
    out_ = std::tmpfile();
    iocom = Iocom{};
    iocom.terminal = terminal;
    unitBindConsole(fileno(in_), out_);
    // Each captured session is a run of its own: a file an earlier test failed is not its own.
    unitForgetFailedFiles();
}

ConsoleCapture::~ConsoleCapture() {
    if (current == this) current = nullptr;
    unitCloseAll();
    unitBindConsole(0, stdout);
    iocom = Iocom{};
    std::fclose(in_);
    std::fclose(out_);
}

std::string ConsoleCapture::output() {
    std::fflush(out_);
    std::string s;
    const long end = std::ftell(out_);
    s.resize(static_cast<std::size_t>(end));
    std::rewind(out_);
    if (end > 0) (void)std::fread(s.data(), 1, s.size(), out_);
    std::fseek(out_, end, SEEK_SET);
    return s;
}

void ConsoleCapture::clear() {
    std::fflush(out_);
    if (ftruncate(fileno(out_), 0) == 0) std::rewind(out_);
}

std::vector<std::string> ConsoleCapture::lines() {
    return splitLines(output());
}

}  // namespace tensova::test
