// The POSIX process entry: hands over to the Windows-shaped program entry.
#include "launcher/WinMain.h"
#include "platform/Process.h"

int main()
{
    // Like a Windows process started without start-up information. The
    // command-line argument is unused; the entry reads the whole line itself.
    char none[] = "";
    return WinMain(nullptr, nullptr, none, platform::kSW_SHOWDEFAULT);
}
