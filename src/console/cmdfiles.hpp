#pragma once
// Command files: a text file whose lines answer the prompts in place of the keyboard.

#include <cstdint>
#include <string>

namespace tensova {

// The command-file menu: 5001 start, 5002 end and continue, 5003 end and quit (irep becomes
// 9999), 99 leave. cfname (35 characters) receives the name of a started file.
void altsio(int32_t iu, std::string& cfname, int32_t& irep, int32_t imode);
// Starts a command file on unit iu (refused while one runs).
void beginaltsi(int32_t iu, std::string& cfname, int32_t imode);
// Ends the command file on unit iu (refused while none runs).
void endaltsi(int32_t iu, const std::string& cfname, int32_t imode);

}  // namespace tensova
