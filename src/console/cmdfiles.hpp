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
// Ends the running command file as endaltsi does: when its input is used up, or when an
// answer it gave cannot be used.
void endRunningCommandFile();
// Whether the answers come from a running command file.
bool answerFromCommandFile();
// "line 4 of command file cmds.txt": the line of the running command file last read.
std::string commandFileLine();
// Inside a box about an answer of the command file that cannot be used: the line of the
// command file that gave it, "===> END OF COMMAND FILE", and the command file ends; the keyboard
// takes over.
void endCommandFileAtLine();

}  // namespace tensova
