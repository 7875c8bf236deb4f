#include "platform/echo_lines.h"

#include <cstdio>
#include <string>

#include "platform/cp949.h"

namespace {

std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\n')
            quoted += "\\n";
        else if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else
            quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

void EchoMessageBox(const char* caption, const char* text, unsigned style)
{
    std::printf("box %s %s %u\n", Quoted(Cp949ToUtf8(caption)).c_str(), Quoted(Cp949ToUtf8(text)).c_str(), style);
    std::fflush(stdout);
}

void EchoSoundCall(const char* line)
{
    std::printf("sound %s\n", line);
    std::fflush(stdout);
}
