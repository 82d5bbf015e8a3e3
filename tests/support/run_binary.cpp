#include "support/run_binary.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tensova::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tensova-XXXXXX").string();
    if (mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

InFolder::InFolder() : previous(std::filesystem::current_path()) {
    EXPECT_EQ(chdir(dir.path().c_str()), 0);
}

InFolder::~InFolder() {
    EXPECT_EQ(chdir(previous.c_str()), 0);
}

void TempDir::write(const std::string& name, const std::string& content) const {
    std::ofstream f(file(name), std::ios::binary);
    f << content;
}

std::string readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        if (nl == std::string::npos) nl = text.size();
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

std::vector<std::vector<std::string>> tableRows(const std::string& name, char separator) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : splitLines(readFile(TENSOVA_TEST_DATA "/" + name))) {
        if (line.find_first_not_of(' ') == std::string::npos || line.starts_with('#')) continue;
        auto& row = rows.emplace_back();
        std::istringstream in(line);
        for (std::string f; std::getline(in, f, separator);) {
            const auto b = f.find_first_not_of(' '), e = f.find_last_not_of(' ');
            f = b == std::string::npos ? "" : f.substr(b, e + 1 - b);
            if (f.size() > 1 && f.front() == '"' && f.back() == '"') f = f.substr(1, f.size() - 2);
            for (auto at = f.find("\\n"); at != std::string::npos; at = f.find("\\n", at + 1))
                f.replace(at, 2, "\n");
            row.push_back(f);
        }
    }
    EXPECT_FALSE(rows.empty()) << "no rows in the table " << name;
    return rows;
}

std::vector<double> numbers(const std::string& text) {
    std::vector<double> v;
    char* end = nullptr;
    for (const char* p = text.c_str();; p = end) {
        const double x = std::strtod(p, &end);
        if (end == p) return v;
        v.push_back(x);
    }
}

int findLine(const std::vector<std::string>& lines, const std::string& line, int from) {
    for (int i = from < 0 ? 0 : from; i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == line) return i;
    return -1;
}

int countLines(const std::vector<std::string>& lines, const std::string& line) {
    int n = 0;
    for (const auto& l : lines) n += l == line;
    return n;
}

namespace {

// The longest a session may take in any build, in seconds.
constexpr double kLongestSession = 90.0;

// No file of the process grows past `bytes`, and the write past the end fails rather than ends
// the process. False when the limit could not be set.
bool limitFiles(long long bytes) {
    rlimit l{};
    if (getrlimit(RLIMIT_FSIZE, &l) != 0) return false;
    signal(SIGXFSZ, SIG_IGN);
    l.rlim_cur = std::min(static_cast<rlim_t>(bytes), l.rlim_max);
    return setrlimit(RLIMIT_FSIZE, &l) == 0;
}

}  // namespace

FileSizeLimit::FileSizeLimit(long long bytes) {
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    saved_ = static_cast<long long>(l.rlim_cur);
    struct sigaction current {};
    sigaction(SIGXFSZ, nullptr, &current);
    handler_ = current.sa_handler;
    EXPECT_TRUE(limitFiles(bytes));
}

FileSizeLimit::~FileSizeLimit() {
    rlimit l{};
    getrlimit(RLIMIT_FSIZE, &l);
    l.rlim_cur = static_cast<rlim_t>(saved_);
    setrlimit(RLIMIT_FSIZE, &l);
    signal(SIGXFSZ, handler_);
}

bool closeBehind(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::canonical(path, ec);
    if (ec) return false;
    int held = -1;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        const std::filesystem::path target = std::filesystem::read_symlink(entry.path(), ec);
        if (!ec && target == file) held = std::stoi(entry.path().filename().string());
    }
    return held >= 0 && close(held) == 0;
}

namespace {

// The process that is the run: `pid`, or the child of the command it was started under.
pid_t theRun(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid);
    pid_t child = 0;
    std::ifstream(path + "/children") >> child;
    return child > 0 ? child : pid;
}

// Whether the process is blocked in a read of its standard input.
bool readsItsInput(pid_t pid) {
    long call = -1;
    unsigned long long fd = 1;
    const std::string state = readFile("/proc/" + std::to_string(pid) + "/syscall");
    return std::sscanf(state.c_str(), "%ld 0x%llx", &call, &fd) == 2 && call == SYS_read && fd == 0;
}

// How many reads the process has ended, of any file.
long long readsEnded(pid_t pid) {
    std::istringstream io(readFile("/proc/" + std::to_string(pid) + "/io"));
    for (std::string key; io >> key;) {
        long long n = -1;
        io >> n;
        if (key == "syscr:") return n;
    }
    return -1;
}

// The terminal a run reads its answers from, passing bytes as a pipe does. By default this side
// types the answers as the terminal takes them, and hangs up (the end of the input) once the run
// has read them all and the terminal has held nothing unread for a while. At a console it is the
// run's output too, hands the run a line at a time, and types each line at the run's wait for
// it, Ctrl-D once all are typed.
class Terminal {
  public:
    Terminal(const std::string& input, bool console) : input_(input), console_(console) {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return;
        termios raw{};
        tcgetattr(slave_, &raw);
        cfmakeraw(&raw);
        if (console) raw.c_lflag |= ICANON;
        tcsetattr(slave_, TCSANOW, &raw);
        // The run must not hold the typing side: it would never see the hang-up.
        fcntl(master_, F_SETFD, FD_CLOEXEC);
        fcntl(slave_, F_SETFD, FD_CLOEXEC);
        fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~Terminal() {
        for (const int fd : {master_, slave_})
            if (fd >= 0) close(fd);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    bool opened() const { return slave_ >= 0; }
    bool console() const { return console_; }
    int slave() const { return slave_; }
    int master() const { return master_; }
    void type(pid_t pid, std::string& shown, std::vector<std::size_t>& waits) {
        if (console_) {
            typeAtWait(pid, shown, waits);
            return;
        }
        using Clock = std::chrono::steady_clock;
        if (master_ < 0) return;
        for (ssize_t n = 1; typed_ < input_.size() && n > 0; typed_ += n > 0 ? n : 0)
            n = write(master_, input_.data() + typed_,
                      std::min<std::size_t>(input_.size() - typed_, 4096));
        int unread = 0;
        if (typed_ < input_.size() || ioctl(slave_, FIONREAD, &unread) != 0 || unread > 0) {
            busy_ = Clock::now();
            return;
        }
        if (Clock::now() - busy_ < std::chrono::milliseconds(200)) return;
        close(master_);
        master_ = -1;
    }
    // At a console: appends what the run has written since.
    void show(std::string& shown) const {
        char buf[1 << 16];
        for (ssize_t n; console_ && (n = read(master_, buf, sizeof buf)) > 0;)
            shown.append(buf, static_cast<std::size_t>(n));
    }

  private:
    // A wait is a read of the terminal that blocks with nothing unread, begun after the read
    // that took the line typed last had ended: all that the run wrote before it is shown.
    void typeAtWait(pid_t pid, std::string& shown, std::vector<std::size_t>& waits) {
        const pid_t run = theRun(pid);
        int unread = 0;
        if (!readsItsInput(run) || ioctl(slave_, FIONREAD, &unread) != 0 || unread > 0) return;
        const long long reads = readsEnded(run);
        if (reads <= readsAtTyping_) return;
        show(shown);
        waits.push_back(shown.size());
        std::string line = "\x04";
        if (typed_ < input_.size()) {
            const std::size_t end = std::min(input_.find('\n', typed_), input_.size() - 1) + 1;
            line = input_.substr(typed_, end - typed_);
            typed_ = end;
        }
        for (std::size_t done = 0; done < line.size();) {
            const ssize_t n = write(master_, line.data() + done, line.size() - done);
            if (n > 0) done += static_cast<std::size_t>(n);
            if (n < 0 && errno != EAGAIN && errno != EINTR) break;
        }
        readsAtTyping_ = reads;
    }

    std::string input_;
    bool console_;
    std::size_t typed_ = 0;
    long long readsAtTyping_ = -1;
    int master_ = -1, slave_ = -1;
    std::chrono::steady_clock::time_point busy_ = std::chrono::steady_clock::now();
};

RunResult runSession(const std::string& input, const std::string& dir, double timeoutSeconds,
                     long long fileBytes, long long consoleBytes, Terminal* terminal,
                     const std::vector<std::string>& under = {}) {
    RunResult result;
    const std::string in = dir + "/.stdin", out = dir + "/.stdout", err = dir + "/.stderr";
    std::ofstream(in, std::ios::binary) << (terminal != nullptr ? "" : input);
    if (terminal != nullptr && !terminal->opened()) return result;
    const bool console = terminal != nullptr && terminal->console();
    // Under a file size limit the transcript comes through a pipe, which the limit does not
    // cut; this side empties it as the run goes, or closes it to close the console.
    int transcript[2] = {-1, -1};
    const bool piped = fileBytes >= 0 || consoleBytes >= 0;
    if (piped && pipe2(transcript, O_CLOEXEC) != 0) return result;
    std::vector<char*> argv;
    for (const std::string& word : under) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(const_cast<char*>(TENSOVA_BINARY));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // The standard streams go to files of the folder: nothing waits on a pipe.
        if (!std::freopen(in.c_str(), "rb", stdin) || !std::freopen(out.c_str(), "wb", stdout) ||
            !std::freopen(err.c_str(), "wb", stderr) || chdir(dir.c_str()) != 0)
            _exit(126);
        // All kept through the exec.
        if ((terminal != nullptr && dup2(terminal->slave(), STDIN_FILENO) < 0) ||
            (console && dup2(terminal->slave(), STDOUT_FILENO) < 0) ||
            (piped && dup2(transcript[1], STDOUT_FILENO) < 0) ||
            (fileBytes >= 0 && !limitFiles(fileBytes)))
            _exit(125);
        // The program itself must keep the limit's signal from killing it, and a closed
        // console's: it starts with both as a shell would leave them.
        signal(SIGXFSZ, SIG_DFL);
        signal(SIGPIPE, SIG_DFL);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    std::string shown;
    const auto drain = [&] {
        if (console) terminal->show(shown);
        char buf[1 << 16];
        for (ssize_t n; transcript[0] >= 0 && (n = read(transcript[0], buf, sizeof buf)) > 0;) {
            shown.append(buf, static_cast<std::size_t>(n));
            if (consoleBytes >= 0 && static_cast<long long>(shown.size()) >= consoleBytes) {
                shown.resize(static_cast<std::size_t>(consoleBytes));
                close(transcript[0]);
                transcript[0] = -1;
            }
        }
    };
    if (transcript[0] >= 0) {
        close(transcript[1]);
        fcntl(transcript[0], F_SETFL, O_NONBLOCK);
        // The run may write ahead of this side only by what the pipe holds: with a small pipe it
        // is still writing when the console is closed.
        if (consoleBytes >= 0) fcntl(transcript[0], F_SETPIPE_SZ, 4096);
    }
    const double limit = std::min(timeoutSeconds * TENSOVA_SLOWDOWN, kLongestSession);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limit);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            result.timedOut = true;
            break;
        }
        drain();
        if (terminal != nullptr) terminal->type(pid, shown, result.waits);
        // Woken by output as soon as it comes, as a terminal's window is.
        pollfd output{console ? terminal->master() : transcript[0], POLLIN, 0};
        if (output.fd < 0 || poll(&output, 1, 1) <= 0) usleep(1000);
    }
    drain();
    if (transcript[0] >= 0) close(transcript[0]);
    result.status = (!result.timedOut && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
    result.out = piped || console ? shown : readFile(out);
    result.err = readFile(err);
    for (const auto& f : {in, out, err}) unlink(f.c_str());
    return result;
}

}  // namespace

RunResult runTensova(const std::string& input, const std::string& dir, double timeoutSeconds,
                     long long fileBytes, long long consoleBytes) {
    return runSession(input, dir, timeoutSeconds, fileBytes, consoleBytes, nullptr);
}

RunResult runTensovaAtTerminal(const std::string& input, const std::string& dir,
                               double timeoutSeconds) {
    Terminal terminal(input, false);
    return runSession(input, dir, timeoutSeconds, -1, -1, &terminal);
}

RunResult runTensovaAtConsole(const std::string& input, const std::string& dir,
                              const std::vector<std::string>& under, double timeoutSeconds) {
    Terminal terminal(input, true);
    return runSession(input, dir, timeoutSeconds, -1, -1, &terminal, under);
}

std::string maskVolatile(const std::string& transcript) {
    std::string out;
    bool inPicture = false;  // between the end time and the closing line of the end banner
    for (const std::string& line : splitLines(transcript)) {
        const bool closing = line == " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@";
        if (inPicture && !closing && !line.starts_with(" @---")) continue;
        if (inPicture && closing) out += " <picture>\n";
        inPicture = inPicture && !closing;
        if (line.starts_with(" @ Running on:")) {
            out += " @ Running on: <date> at: <time>\n";
        } else if (line.starts_with(" @ On system:")) {
            out += " @ On system: <system>\n";
        } else if (line.starts_with(" @ EXECUTION TERMINATED AT:")) {
            out += " @ EXECUTION TERMINATED AT: <time>\n";
            inPicture = true;
        } else {
            out += line + "\n";
        }
    }
    return out;
}

}  // namespace tensova::test
