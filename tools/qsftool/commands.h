// The four commands. Each takes the words after its name and gives the exit status: 0 done,
// 1 refused (the reason already on stderr). With --help each prints its own use and gives 0.
#pragma once

#include "command_line.h"

int RunInfo(const CommandWords& command);
int RunToPng(const CommandWords& command);
int RunPack(const CommandWords& command);
int RunPicture(const CommandWords& command);

// The use of a command when its words do not fit: the problem and where to read more.
int ComplainOfUse(const char* name, const std::string& problem);
