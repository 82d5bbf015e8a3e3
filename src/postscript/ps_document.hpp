#pragma once
// The page settings a plot file is opened with, their settings file, and the start of a
// document on the plot unit.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tensova {

struct PsSettings {
    bool overlay = false;             // the file goes over another document: no head of its own
    int32_t copies = 1;               // 1..999
    std::string orientation = "P  ";  // "P  ", "LUS" or "LA4"
    int32_t dialect = 2;              // 1 "Compressed", 2 "NeWS", 3 "Illustrator v.2 = 88"
};

inline constexpr std::string_view kSettingsFile = "pslib7_ini.txt";
inline constexpr int32_t kMaxCopies = 999;

// Reads the settings record of the current folder's settings file on the plot unit. Returns
// false, with the defaults, when the file is missing or its first record cannot be read.
bool readPsSettings(PsSettings& s);
// Writes the settings file anew; false when it could not be written.
bool writePsSettings(const PsSettings& s);

// How the plot files that this program writes begin: the head of each dialect (a compressed
// and a NeWS head, an Illustrator head up to its title) and that of a piece written to be laid
// over another. A plot file replaces without a question only an existing file that begins with
// one of them.
std::span<const std::string> plotFileHeads();

// Starts a document on the plot unit, which the caller has opened on the plot file: page 1,
// no path, the fonts of the dialect, and the head. fname is the file's name at its declared
// length, for the title of the Illustrator head.
void beginDocument(const PsSettings& s, std::string_view fname);

}  // namespace tensova
