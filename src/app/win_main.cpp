#include "app/win_main.h"

#include "report/error_report.h"
#include "app/intro.h"
#include "app/message_table.h"
#include "app/shutdown.h"
#include "game/game_tick.h"

namespace {

HINSTANCE ProgramInstance = nullptr;

// At most one message per iteration and never a wait for one, then exactly one tick. A quit
// message ends the game with the code it carries; Escape, a close or a destroy end it
// normally, whatever the last message taken happened to carry (a held button, a key).
int RunMainLoop()
{
    MSG message{};
    if (AppRunning != 0) {
        for (;;) {
            if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
                // WM_QUIT: no tick
                if (GetMessageA(&message, nullptr, 0, 0) == 0) return static_cast<int>(message.wParam);
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
            if (GameTick() == 0) break;  // Escape
            if (AppRunning == 0) break;  // closed or destroyed during this iteration
        }
    }
    return kQuitExitCode;
}

}  // namespace

HINSTANCE ThisModule()
{
    // One program image per process; its address names it, as a loader's handle does.
    static char programImage;
    return reinterpret_cast<HINSTANCE>(&programImage);
}

int WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ProgramInstance = instance;
    FillWindowMessageTable();
    const int result = RunApplication();
    Shutdown();
    return result;
}

int RunApplication()
{
    return RunMainWindow("Tumblox By Quellin");
}

int RunMainWindow(const char* name)
{
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = ProgramInstance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = name;
    if (RegisterClassA(&windowClass) == 0) return kStartFailedExitCode;

    // Never shown: it owns the message boxes, receives the messages and is handed to the display.
    MainWindow = CreateWindowExA(0, name, name, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 ProgramInstance, nullptr);

    if (RunIntro() != 1) return kStartFailedExitCode;
    return RunMainLoop();
}
