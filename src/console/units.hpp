#pragma once
// Unit registry: the program names its streams by unit numbers.
//
// Unit 5 is standard input and unit 6 standard output; they are always open. Every other unit
// is a file opened by name. Boxes go to standard output like everything else, so a transcript
// keeps its order. A write to a unit that is not open is dropped, never sent to a stray file.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tensova {

enum class OpenStatus {
    Old,      // the file must exist; opened for reading
    New,      // the file must not exist; created for writing
    Unknown,  // created or replaced; opened for writing
    Whole,    // written whole or not at all: to a file beside it, which its close puts in its
              // place; a write or a close that fails leaves the file as it was
};

enum class ReadResult { Ok, Eof, Error };

constexpr int32_t kKeyboardUnit = 5;
constexpr int32_t kConsoleUnit = 6;

// Opens unit `u` on `path`, never waiting. Returns false (and leaves the unit closed) when the
// file system refuses: a missing file for Old, an existing one for New, a directory, anything
// but a regular file to read, anything but a regular file or a character device to write, an
// empty name or one holding a NUL. An output is also refused on a file that a unit holds open
// ("File already open in this run"). `why` then receives the reason in a few words.
bool unitOpen(int32_t u, const std::string& path, OpenStatus status, std::string* why = nullptr);
// The unit that holds the regular file `path` open (the file itself, under whatever name), or 0.
int32_t unitHolding(const std::string& path);
// True when `path` names an existing regular file.
bool regularFileExists(const std::string& path);
// True when `path` names a regular file that can be read and begins with `prefix`.
bool regularFileBeginsWith(const std::string& path, std::string_view prefix);
bool unitIsOpen(int32_t u);
// The longest line read whole: a longer one comes in pieces of this length.
inline constexpr std::size_t kLongestUnitLine = std::size_t{1} << 20;

// Reads one line without its end: a line feed, a carriage return, or both. A last line
// without a line end is still a line; a line longer than kLongestUnitLine comes in pieces. Flushes
// standard output first when it reads the keyboard; once standard output can no longer be
// written to (the console was closed), the keyboard is at its end.
ReadResult unitReadLine(int32_t u, std::string& line);
// The number of the last line read (or that could not be read) since the unit was opened or
// rewound, from 1; 0 before the first. The pieces of an over-long line count as one line.
int32_t unitLineNumber(int32_t u);
// False when the last line read stopped at the end of the file (or was a piece of an over-long
// line) rather than at a line end: the last line of a cut file.
bool unitLineTerminated(int32_t u);
// True when the last line read ran to the end of the file without a line end (not a piece of an
// over-long line): where a copy of the file stopped.
bool unitLineCut(int32_t u);
// Writes the text followed by a newline.
void unitWrite(int32_t u, std::string_view text);
// Writes raw bytes (no newline added).
void unitWriteRaw(int32_t u, std::string_view bytes);
// Whether the keyboard unit reads a terminal (a person who sees each question) rather than a
// pipe or a file of answers.
bool unitKeyboardIsTerminal();
// Ends the input of unit `u` where it stands: every later read of it meets its end.
void unitEndInput(int32_t u);
// True once standard output has refused a write: nobody sees the questions any more.
bool unitConsoleLost();
// True once a file unit has refused a write or its close: a file of the run is not whole.
bool unitAnyFileFailed();
// Starts that record afresh, as a new run does (the tests of the console layer run many).
void unitForgetFailedFiles();
// False once a write or flush on the unit has failed (disk full, closed stream). A file unit
// writes nothing more after a failure: what reached the file is a beginning of what was written
// (cut back to its last whole record where the writer marks its records).
bool unitGood(int32_t u);
// Flushes the unit; returns false when the data could not be written.
bool unitFlush(int32_t u);
// Of a file unit since its opening or rewinding: the bytes written to the unit, and those of
// them that reached the file (the rest is buffered, or was refused).
int64_t unitBytesHanded(int32_t u);
int64_t unitBytesInFile(int32_t u);

// An input unit is read again from its first line. An output unit hands what it holds to the
// file, then writes it again from its first byte (the bytes beyond what is written again stay);
// the counts of bytes and records start again.
void unitRewind(int32_t u);
// Closes the unit; returns false when its last data could not be written.
bool unitClose(int32_t u);
// Closes every file unit and flushes standard output.
void unitCloseAll();

// Marks the end of the record just written to a file unit. A unit whose writer marks its records
// holds whole records only: when a write fails, its file is cut back to the end of the last
// record that reached it whole (to nothing when none did), so that nothing of a record the disk
// refused is in it.
void unitRecordEnded(int32_t u);
// Of the records marked on the unit since its opening or rewinding: how many, and how many of
// them, from the first, the file holds whole.
int32_t unitRecordsMarked(int32_t u);
int32_t unitRecordsWhole(int32_t u);

// The records one writing writes to a unit one after the other (after those the unit holds
// already), for the count of those that lie whole in the file when a write fails (a full disk):
// records the buffer held are not there.
class UnitRecords {
  public:
    explicit UnitRecords(int32_t unit) : unit_(unit), before_(unitRecordsMarked(unit)) {}
    // Marks the end of the record just written to the unit.
    void ended() {
        unitRecordEnded(unit_);
        ++marked_;
    }
    int32_t marked() const { return marked_; }
    // How many records, from the first, reached the file whole; none when the unit is closed.
    int32_t whole() const;
    // What a failed writing left, counted after its first `head` records (a header, a title):
    // the first record that the file does not hold whole (from 1; 0 when a head record is not
    // whole) and how many the file holds whole.
    struct Cut {
        int32_t first;
        int32_t whole;
    };
    Cut cutAfter(int32_t head) const;

  private:
    int32_t unit_;
    int32_t before_;  // the unit's records before this writing
    int32_t marked_ = 0;
};

// Standard input and standard output can be redirected for unit tests of the console layer.
void unitBindConsole(int inputFd, std::FILE* output);

}  // namespace tensova
