// The game's entry. Its arguments are never read: the game takes no command line.
#include "app/win_main.h"

int main(int, char**)
{
    return WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT);
}
