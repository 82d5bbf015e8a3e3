#pragma once
// Runs the real tensova binary in a folder with a scripted standard input, as a user or a
// command file would, and captures what it prints.

#include <filesystem>
#include <string>
#include <vector>

namespace tensova::test {

// Reads a whole file; empty when it cannot be read.
std::string readFile(const std::string& path);

// A fresh temporary folder, removed with everything in it at the end of its scope.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const { return readFile(file(name)); }
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

  private:
    std::string path_;
};

// A fresh folder made the current folder for the scope: files named without a folder are
// made and found there.
struct InFolder {
    InFolder();
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;
    TempDir dir;
    const std::string previous;
};

struct RunResult {
    std::string out;  // standard output
    std::string err;  // standard error
    int status = -1;  // exit status, or -1 when killed
    bool timedOut = false;
    // At a console (runTensovaAtConsole): at each wait for a line, how many bytes of `out` the
    // terminal showed.
    std::vector<std::size_t> waits;
};

// Runs tensova in `dir` with `input` as its standard input. A run that does not end within
// `timeoutSeconds` is killed and reported as timed out: the limit of an optimised build, which
// a slower build (sanitizers, no optimisation) multiplies, up to 90 seconds, so that the test's
// own limit of 120 seconds still leaves it time to report. With `fileBytes` of 0 or more no file
// that the run writes grows past that many bytes, as on a small disk; the transcript is kept
// whole. With `consoleBytes` of 0 or more the console is closed once it has shown that many
// bytes, as when the output is piped into `head -c`.
RunResult runTensova(const std::string& input, const std::string& dir, double timeoutSeconds = 20,
                     long long fileBytes = -1, long long consoleBytes = -1);
// The same run with a terminal as its standard input, as a person at the keyboard meets it: a
// refused answer is asked again. The terminal passes the bytes as a pipe does (no echo, no line
// editing); it hangs up, the end of the input, once the run has read all of `input`.
RunResult runTensovaAtTerminal(const std::string& input, const std::string& dir,
                               double timeoutSeconds = 20);
// The run at a console: a terminal is its standard input and its standard output, and `out` is
// what the terminal showed. Each line of `input` is typed once the run waits for it (blocked
// reading the terminal, the line before taken), as a person types after reading the question;
// with all typed, the next wait gets the end of the input (Ctrl-D). Lines are typed whole, so
// each must be shorter than the terminal's line (4,095 bytes). `under` names a command that the
// run is started under, its words before the binary's path (a tracer such as strace, or a shell
// that redirects the output), whose child, if it has one, is the run.
RunResult runTensovaAtConsole(const std::string& input, const std::string& dir,
                              const std::vector<std::string>& under = {},
                              double timeoutSeconds = 20);

// While it lives, no file of this process grows past `bytes`, as on a small full disk: a write
// past the end writes what fits and then fails. It holds for root too, and needs no privilege.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    long long saved_;  // the soft limit before
    void (*handler_)(int);
};

// Closes the descriptor through which this process holds the file `path` open, behind the back
// of what holds it, as a file system whose close fails would: the holder's own close of it then
// fails. False when no descriptor holds the file.
bool closeBehind(const std::string& path);

// Masks what changes from run to run: the run date and time, the system description, the end
// time and the picture of the end banner.
std::string maskVolatile(const std::string& transcript);

// A file of tests/data: three.ndk holds three ndk events that differ in place and date.
inline std::string testData(const std::string& name) {
    return readFile(TENSOVA_TEST_DATA "/" + name);
}

// Lines of a text, without their newlines.
std::vector<std::string> splitLines(const std::string& text);

// The rows of a table file of tests/data (lines neither blank nor '#' comments), each cut at
// `separator` into fields with their surrounding blanks removed; a field between double quotes
// keeps its blanks, and "\n" in a field is a newline.
std::vector<std::vector<std::string>> tableRows(const std::string& name, char separator = '|');
// The numbers a text holds one after the other, up to the first that is not one ("nan" is one).
std::vector<double> numbers(const std::string& text);

// Index of the first line equal to `line` at or after `from`, or -1.
int findLine(const std::vector<std::string>& lines, const std::string& line, int from = 0);
// How many lines equal `line`.
int countLines(const std::vector<std::string>& lines, const std::string& line);

}  // namespace tensova::test
