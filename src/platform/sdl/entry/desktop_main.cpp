// The process's entry on the desktop, where the platform's start-up calls the program's
// WinMain: here the main thread keeps the display and WinMain runs as its guest.
#include "platform/sdl/desktop_host.h"
#include "platform/win32.h"

namespace {

int RunWinMain()
{
    // The program's instance handle: any address of this program's own names it.
    static char programImage;
    constexpr int kShowDefault = 10;  // SW_SHOWDEFAULT: how a program started normally is shown
    return WinMain(reinterpret_cast<HINSTANCE>(&programImage), nullptr, nullptr, kShowDefault);
}

}  // namespace

int main(int, char**)
{
    return sdlhost::RunDesktopGame(RunWinMain);
}
