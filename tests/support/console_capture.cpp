#include "support/console_capture.hpp"

#include <unistd.h>

#include "console/console.hpp"
#include "console/units.hpp"
#include "support/run_binary.hpp"

namespace tensova::test {

ConsoleCapture::ConsoleCapture(const std::string& keyboard) {
    in_ = std::tmpfile();
    std::fwrite(keyboard.data(), 1, keyboard.size(), in_);
    std::fflush(in_);
    lseek(fileno(in_), 0, SEEK_SET);
    out_ = std::tmpfile();
    iocom = Iocom{};
    unitBindConsole(fileno(in_), out_);
}

ConsoleCapture::~ConsoleCapture() {
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
