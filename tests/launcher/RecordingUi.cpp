#include "launcher/Recorder.h"
#include "platform/Ui.h"

void* RecordedActiveWindow()
{
    static int window;
    return &window;
}

namespace platform {

WindowHandle GetActiveWindow()
{
    TheRecorder().calls.push_back("GetActiveWindow");
    return RecordedActiveWindow();
}

int MessageBoxA(WindowHandle owner, const char* text, const char* title, std::uint32_t style)
{
    Recorder& recorder = TheRecorder();
    recorder.calls.push_back("MessageBoxA");
    recorder.boxOwner = owner;
    recorder.boxText = text;
    recorder.boxTitle = title;
    recorder.boxStyle = style;
    return 1;
}

} // namespace platform
