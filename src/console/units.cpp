#include "console/units.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace tensova {
namespace {

// The fuzz build reads through a tiny buffer, so that short inputs cross its refills.
#ifndef TENSOVA_READ_BUFFER
#define TENSOVA_READ_BUFFER (1 << 18)
#endif
constexpr std::size_t kReadBuffer = TENSOVA_READ_BUFFER;
constexpr std::size_t kWriteBuffer = 1 << 18;

struct Unit {
    std::string name;
    int fd = -1;               // read side
    std::FILE* out = nullptr;  // write side of standard output (a stream, as the tests bind it)
    // The write side of a file: the unit buffers its output itself and counts what the file
    // took, so that a writer can tell which of its records a full disk left whole.
    int wfd = -1;
    std::unique_ptr<char[]> outBuf;
    std::size_t outLen = 0;
    int64_t handed = 0;               // bytes handed to the unit, kept or not
    int64_t reached = 0;              // bytes the file took
    std::vector<int64_t> recordEnds;  // where each record marked ends, in bytes handed
    std::string whole;                // the file a Whole unit's close puts it in place of
    bool owns = true;
    std::vector<char> buf;
    std::size_t pos = 0;
    std::size_t len = 0;
    bool atEnd = false;
    bool failed = false;
    bool terminated = true;  // the last line read ended with a line end
    bool cut = false;        // the last line read ran to the end of the file without one
    int32_t lines = 0;       // lines read since the opening or the last rewind
};

// A file of the run lost a write or its close: the run ends with a status that says so.
bool anyFileFailed = false;

std::map<int32_t, Unit>& table() {
    static std::map<int32_t, Unit> units;
    return units;
}

Unit& consoleIn() {
    Unit& u = table()[kKeyboardUnit];
    if (u.fd < 0 && !u.atEnd) {
        u.fd = 0;
        u.owns = false;
        u.name = "stdin";
    }
    return u;
}

Unit& consoleOut() {
    Unit& u = table()[kConsoleUnit];
    if (u.out == nullptr) {
        // Fully buffered, a terminal too (where the C library would write each line by itself,
        // and a map of many events would wait on the console): the keyboard's reads and the
        // stop flush it, so every question shows before its answer is read.
        static char buffer[kWriteBuffer];
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
        u.out = stdout;
        u.owns = false;
        u.name = "stdout";
    }
    return u;
}

// The unit last found: a plot file is written line after line on the same unit. Map entries
// stay where they are until erased, which forgets it.
struct LastFound {
    int32_t u = 0;
    Unit* unit = nullptr;
};
LastFound lastFound;

Unit* find(int32_t u) {
    if (u == kKeyboardUnit) return &consoleIn();
    if (u == kConsoleUnit) return &consoleOut();
    Unit* p = lastFound.unit;
    if (p == nullptr || lastFound.u != u) {
        auto it = table().find(u);
        if (it == table().end()) return nullptr;
        p = &it->second;
        lastFound = {u, p};
    }
    if (p->fd < 0 && p->out == nullptr && p->wfd < 0) return nullptr;
    return p;
}

// How many of the records marked on the unit, from the first, lie whole in what the file took.
std::vector<int64_t>::const_iterator endOfWholeRecords(const Unit& u) {
    return std::upper_bound(u.recordEnds.begin(), u.recordEnds.end(), u.reached);
}

// After a failed write the file ends inside a record, or after a part of one: where records are
// marked, it is cut back to the last whole one. A device cannot be cut, and has taken nothing.
void endAtWholeRecord(Unit& u) {
    if (u.recordEnds.empty()) return;
    const auto whole = endOfWholeRecords(u);
    const int64_t keep = whole == u.recordEnds.begin() ? 0 : *(whole - 1);
    if (keep < u.reached && ::ftruncate(u.wfd, keep) == 0) u.reached = keep;
}

// Hands the buffer to the file. A write that fails ends the unit's writing for good: nothing
// after a lost piece reaches the file, so what did is always a beginning of what was handed.
bool drain(Unit& u) {
    std::size_t done = 0;
    while (done < u.outLen && !u.failed) {
        const ssize_t n = ::write(u.wfd, u.outBuf.get() + done, u.outLen - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            u.failed = true;
            // A file written whole or not at all is left as it was.
            if (u.whole.empty()) anyFileFailed = true;
            endAtWholeRecord(u);
            break;
        }
        done += static_cast<std::size_t>(n);
        u.reached += n;
    }
    u.outLen = 0;
    return !u.failed;
}

void put(Unit& u, const char* bytes, std::size_t n) {
    u.handed += static_cast<int64_t>(n);
    if (u.failed) return;
    // Plot files take millions of lines: most go straight into the buffer.
    if (n <= kWriteBuffer - u.outLen) {
        std::memcpy(u.outBuf.get() + u.outLen, bytes, n);
        u.outLen += n;
        return;
    }
    while (n > 0) {
        if (u.outLen == kWriteBuffer && !drain(u)) return;
        const std::size_t k = std::min(n, kWriteBuffer - u.outLen);
        std::memcpy(u.outBuf.get() + u.outLen, bytes, k);
        u.outLen += k;
        bytes += k;
        n -= k;
    }
}

bool refill(Unit& u) {
    if (u.atEnd) return false;
    if (u.buf.empty()) u.buf.resize(kReadBuffer);
    if (u.pos > 0) {
        std::memmove(u.buf.data(), u.buf.data() + u.pos, u.len - u.pos);
        u.len -= u.pos;
        u.pos = 0;
    }
    if (u.len == u.buf.size()) u.buf.resize(u.buf.size() * 2);
    ssize_t n;
    do {
        n = ::read(u.fd, u.buf.data() + u.len, u.buf.size() - u.len);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        u.failed = true;
        u.atEnd = true;
        return false;
    }
    if (n == 0) {
        u.atEnd = true;
        return false;
    }
    u.len += static_cast<std::size_t>(n);
    return true;
}

void release(Unit& u) {
    if (u.owns) {
        if (u.fd >= 0) ::close(u.fd);
        if (u.wfd >= 0) ::close(u.wfd);
        if (u.out != nullptr) std::fclose(u.out);
    }
    u = Unit{};
}

}  // namespace

bool unitOpen(int32_t u, const std::string& path, OpenStatus status, std::string* why) {
    const auto fail = [why](const char* reason) {
        if (why != nullptr) *why = reason;
        return false;
    };
    if (u == kKeyboardUnit || u == kConsoleUnit || find(u) != nullptr)
        return fail("Unit already in use");
    if (path.empty()) return fail("No name given");
    // A NUL would end the name early for the file system: another file would be opened.
    if (path.find('\0') != std::string::npos) return fail("Name holds a NUL character");
    // Writing would empty or overwrite the file under the unit that holds it, and nobody
    // would be told.
    if (status != OpenStatus::Old && unitHolding(path) != 0)
        return fail("File already open in this run");
    Unit unit;
    unit.name = path;
    struct stat st {};
    if (status == OpenStatus::Whole) {
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
            return fail(S_ISDIR(st.st_mode) ? "Is a directory" : "Not a regular file");
        // Beside the file, so that the rename stays on its file system; the process number
        // keeps two runs in one folder apart.
        unit.whole = path;
        unit.name = path + "." + std::to_string(::getpid()) + ".tmp";
        status = OpenStatus::New;
    }
    // Opened without waiting, so that a named pipe cannot hold the run; what the name turns out
    // to be is judged on the open file. Only regular files are read. Character devices (the
    // null device, a full disk) may take output: they neither hold the run nor lose a file.
    int flags = O_CLOEXEC | O_NONBLOCK;
    if (status == OpenStatus::Old)
        flags |= O_RDONLY;
    else
        flags |= O_WRONLY | O_CREAT | (status == OpenStatus::New ? O_EXCL : O_TRUNC);
    // Truncating must not reach what cannot be written to as a file.
    if (status == OpenStatus::Unknown && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) &&
        !S_ISCHR(st.st_mode))
        return fail(S_ISDIR(st.st_mode) ? "Is a directory" : "Not a regular file");
    const int fd = ::open(unit.name.c_str(), flags, 0644);
    if (fd < 0) return fail(errno == ENXIO ? "Not a regular file" : std::strerror(errno));
    const char* refused = nullptr;
    if (::fstat(fd, &st) != 0)
        refused = std::strerror(errno);
    else if (S_ISDIR(st.st_mode))
        refused = "Is a directory";
    else if (!S_ISREG(st.st_mode) && (status == OpenStatus::Old || !S_ISCHR(st.st_mode)))
        refused = "Not a regular file";
    if (refused != nullptr || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        if (refused == nullptr) refused = std::strerror(errno);
        ::close(fd);
        return fail(refused);
    }
    if (status == OpenStatus::Old) {
        unit.fd = fd;
    } else {
        unit.wfd = fd;
        unit.outBuf = std::make_unique_for_overwrite<char[]>(kWriteBuffer);
    }
    table()[u] = std::move(unit);
    return true;
}

int32_t unitHolding(const std::string& path) {
    struct stat want {};
    if (path.find('\0') != std::string::npos || ::stat(path.c_str(), &want) != 0 ||
        !S_ISREG(want.st_mode))
        return 0;
    for (const auto& [num, unit] : table()) {
        const int fd = unit.fd >= 0          ? unit.fd
                       : unit.wfd >= 0       ? unit.wfd
                       : unit.out != nullptr ? ::fileno(unit.out)
                                             : -1;
        struct stat st {};
        if (fd >= 0 && ::fstat(fd, &st) == 0 && st.st_dev == want.st_dev &&
            st.st_ino == want.st_ino)
            return num;
    }
    return 0;
}

bool regularFileExists(const std::string& path) {
    struct stat st {};
    return path.find('\0') == std::string::npos && ::stat(path.c_str(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

bool regularFileBeginsWith(const std::string& path, std::string_view prefix) {
    if (path.find('\0') != std::string::npos) return false;
    // Never waiting, as an opening: a named pipe is no regular file and is not read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    std::string head(prefix.size(), '\0');
    std::size_t got = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        while (got < head.size()) {
            const ssize_t n = ::read(fd, head.data() + got, head.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
    }
    ::close(fd);
    return got == prefix.size() && head == prefix;
}

bool unitIsOpen(int32_t u) {
    return find(u) != nullptr;
}

namespace {

ReadResult readLine(Unit* p, std::string& line) {
    p->terminated = true;
    p->cut = false;
    std::size_t scanned = 0;  // bytes after pos known to hold no line end
    for (;;) {
        const char* start = p->buf.data() + p->pos;
        const std::size_t avail = p->len - p->pos;
        const char* from = start + scanned;
        const std::size_t rest = avail - scanned;
        const char* nl =
            rest > 0 ? static_cast<const char*>(std::memchr(from, '\n', rest)) : nullptr;
        const std::size_t upTo = nl != nullptr ? static_cast<std::size_t>(nl - from) : rest;
        const char* cr =
            upTo > 0 ? static_cast<const char*>(std::memchr(from, '\r', upTo)) : nullptr;
        if (cr != nullptr) {
            // A carriage return ends a line by itself (old Mac files) or with the line feed
            // after it; at the end of the buffer the next byte decides.
            const auto n = static_cast<std::size_t>(cr - start);
            if (n + 1 == avail && refill(*p)) {
                scanned = n;
                continue;
            }
            start = p->buf.data() + p->pos;  // a refill at the end of the file may move it
            line.assign(start, n);
            const bool crlf = n + 1 < p->len - p->pos && start[n + 1] == '\n';
            p->pos += n + (crlf ? 2 : 1);
            return ReadResult::Ok;
        }
        if (nl != nullptr) {
            const auto n = static_cast<std::size_t>(nl - start);
            line.assign(start, n);
            p->pos += n + 1;
            return ReadResult::Ok;
        }
        if (avail >= kLongestUnitLine) {
            // A file without line ends (a binary file, a device) is handed out in pieces: it
            // can neither exhaust the memory nor hold the run.
            line.assign(start, kLongestUnitLine);
            p->pos += kLongestUnitLine;
            p->terminated = false;
            return ReadResult::Ok;
        }
        scanned = avail;
        if (!refill(*p)) {
            if (p->len > p->pos) {
                line.assign(p->buf.data() + p->pos, p->len - p->pos);
                p->pos = p->len;
                p->terminated = false;
                p->cut = true;
                return ReadResult::Ok;
            }
            return p->failed ? ReadResult::Error : ReadResult::Eof;
        }
    }
}

}  // namespace

ReadResult unitReadLine(int32_t u, std::string& line) {
    line.clear();
    Unit* p = find(u);
    if (p == nullptr || p->fd < 0) return ReadResult::Error;
    // A question nobody can see is not answered: the session ends as at the end of its input.
    if (u == kKeyboardUnit && !unitFlush(kConsoleUnit)) return ReadResult::Eof;
    // The pieces of an over-long line count as one line; a line that could not be read counts,
    // so that a message can name it.
    const bool newLine = p->terminated;
    const ReadResult r = readLine(p, line);
    if (r != ReadResult::Eof && newLine) ++p->lines;
    return r;
}

int32_t unitLineNumber(int32_t u) {
    Unit* p = find(u);
    return p == nullptr ? 0 : p->lines;
}

bool unitLineTerminated(int32_t u) {
    Unit* p = find(u);
    return p == nullptr || p->terminated;
}

bool unitLineCut(int32_t u) {
    Unit* p = find(u);
    return p != nullptr && p->cut;
}

void unitWrite(int32_t u, std::string_view text) {
    Unit* p = find(u);
    if (p == nullptr) return;
    if (p->wfd >= 0) {
        put(*p, text.data(), text.size());
        put(*p, "\n", 1);
    } else if (p->out != nullptr && !p->failed) {
        // Unlocked: the program has one thread. After a failure nothing more is tried: a
        // closed console would refuse every line again.
        if (fwrite_unlocked(text.data(), 1, text.size(), p->out) != text.size() ||
            fputc_unlocked('\n', p->out) == EOF)
            p->failed = true;
    }
}

void unitWriteRaw(int32_t u, std::string_view bytes) {
    Unit* p = find(u);
    if (p == nullptr) return;
    if (p->wfd >= 0)
        put(*p, bytes.data(), bytes.size());
    else if (p->out != nullptr && !p->failed &&
             std::fwrite(bytes.data(), 1, bytes.size(), p->out) != bytes.size())
        p->failed = true;
}

bool unitKeyboardIsTerminal() {
    const Unit& u = consoleIn();
    return u.fd >= 0 && ::isatty(u.fd) == 1;
}

void unitEndInput(int32_t u) {
    Unit* p = find(u);
    if (p == nullptr) return;
    p->pos = p->len;
    p->atEnd = true;
}

bool unitConsoleLost() {
    const Unit& u = consoleOut();
    return u.failed || std::ferror(u.out);
}

bool unitAnyFileFailed() {
    return anyFileFailed;
}

void unitForgetFailedFiles() {
    anyFileFailed = false;
}

bool unitGood(int32_t u) {
    Unit* p = find(u);
    return p != nullptr && !p->failed && (p->out == nullptr || !std::ferror(p->out));
}

bool unitFlush(int32_t u) {
    Unit* p = find(u);
    if (p == nullptr) return false;
    if (p->wfd >= 0) drain(*p);
    if (p->out != nullptr && std::fflush(p->out) != 0) p->failed = true;
    return unitGood(u);
}

int64_t unitBytesHanded(int32_t u) {
    Unit* p = find(u);
    return p == nullptr ? 0 : p->handed;
}

int64_t unitBytesInFile(int32_t u) {
    Unit* p = find(u);
    return p == nullptr ? 0 : p->reached;
}

void unitRecordEnded(int32_t u) {
    Unit* p = find(u);
    if (p != nullptr && p->wfd >= 0) p->recordEnds.push_back(p->handed);
}

int32_t unitRecordsMarked(int32_t u) {
    Unit* p = find(u);
    return p == nullptr ? 0 : static_cast<int32_t>(p->recordEnds.size());
}

int32_t unitRecordsWhole(int32_t u) {
    Unit* p = find(u);
    return p == nullptr ? 0 : static_cast<int32_t>(endOfWholeRecords(*p) - p->recordEnds.begin());
}

int32_t UnitRecords::whole() const {
    // A closed unit holds none of them.
    return std::clamp(unitRecordsWhole(unit_) - before_, 0, marked_);
}

UnitRecords::Cut UnitRecords::cutAfter(int32_t head) const {
    const int32_t w = whole();
    if (w < head) return {0, 0};
    return {w - head + 1, w - head};
}

void unitRewind(int32_t u) {
    Unit* p = find(u);
    if (p == nullptr) return;
    if (p->fd >= 0) {
        // A rewound file is read afresh: an earlier failure no longer stands.
        p->failed = ::lseek(p->fd, 0, SEEK_SET) != 0;
        p->pos = p->len = 0;
        p->atEnd = p->failed;
        p->terminated = true;
        p->cut = false;
        p->lines = 0;
    }
    if (p->wfd >= 0) {
        drain(*p);
        if (::lseek(p->wfd, 0, SEEK_SET) != 0) p->failed = true;
        p->handed = p->reached = 0;
        p->recordEnds.clear();
    }
    if (p->out != nullptr) std::rewind(p->out);
}

bool unitClose(int32_t u) {
    if (u == kKeyboardUnit || u == kConsoleUnit) return unitFlush(u);
    auto it = table().find(u);
    if (it == table().end()) return true;
    Unit& unit = it->second;
    if (unit.wfd >= 0) {
        drain(unit);
        if (unit.owns && ::close(unit.wfd) != 0) unit.failed = true;
        unit.wfd = -1;
    }
    if (unit.out != nullptr) {
        if (std::fflush(unit.out) != 0 || std::ferror(unit.out)) unit.failed = true;
        if (unit.owns && std::fclose(unit.out) != 0) unit.failed = true;
        unit.out = nullptr;
    }
    bool ok = !unit.failed;
    if (!unit.whole.empty()) {
        // In place only when all of it was written; else the file stays as it was.
        if (ok && ::rename(unit.name.c_str(), unit.whole.c_str()) != 0) ok = false;
        if (!ok) ::unlink(unit.name.c_str());
    } else if (!ok && unit.owns) {
        // The console's own stream is not a file of the run.
        anyFileFailed = true;
    }
    release(unit);
    if (lastFound.unit == &it->second) lastFound = {};
    table().erase(it);
    return ok;
}

void unitCloseAll() {
    std::vector<int32_t> nums;
    for (auto& [num, unit] : table()) nums.push_back(num);
    for (int32_t n : nums)
        if (n != kKeyboardUnit && n != kConsoleUnit) unitClose(n);
    std::fflush(consoleOut().out);
}

void unitBindConsole(int inputFd, std::FILE* output) {
    Unit& in = table()[kKeyboardUnit];
    in = Unit{};
    in.fd = inputFd;
    in.owns = false;
    in.name = "stdin";
    Unit& out = table()[kConsoleUnit];
    out = Unit{};
    out.out = output;
    out.owns = false;
    out.name = "stdout";
}

}  // namespace tensova
