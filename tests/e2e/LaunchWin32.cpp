#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "e2e/Launch.h"

namespace e2e {
namespace {

std::wstring Wide(const std::string& utf8)
{
    const std::u16string text = Utf16FromUtf8(utf8);
    return {text.begin(), text.end()};
}

std::u16string TextOf(HWND window)
{
    wchar_t text[1024] = {};
    const int length = GetWindowTextW(window, text, 1024);
    return {text, text + length};
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The error icon as it stands on the screen: the icon control's pixels
// compared with the system's own error icon drawn on the same background.
// (An icon handle of another process cannot be drawn here.)
bool ShowsErrorIcon(HWND control)
{
    RECT area;
    if (!GetWindowRect(control, &area))
        return false;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || width > 256 || height > 256)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* shownBits = nullptr;
    void* drawnBits = nullptr;
    HBITMAP shown = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &shownBits, nullptr, 0);
    HBITMAP drawn = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &drawnBits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, shown);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    const COLORREF background = GetPixel(memory, 0, 0);
    SelectObject(memory, drawn);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIconEx(memory, 0, 0, LoadIconW(nullptr, MAKEINTRESOURCEW(32513)), 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
    GdiFlush();
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    const bool same = std::memcmp(shownBits, drawnBits, bytes) == 0;
    SelectObject(memory, old);
    DeleteObject(shown);
    DeleteObject(drawn);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return same;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM parameter)
{
    auto* box = reinterpret_cast<BoxSeen*>(parameter);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::wstring kind = ClassOf(child);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (kind == L"Button") {
        ++box->visibleButtons;
        box->okButton = box->okButton || GetDlgCtrlID(child) == IDOK;
    } else if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
        box->errorIcon = ShowsErrorIcon(child);
    } else if (kind == L"Static") {
        const std::u16string text = TextOf(child);
        if (!text.empty())
            box->text = text;
    }
    return TRUE;
}

// Waits for the child's box (it needs a display: the test command runs Xvfb);
// reads it and presses OK. Polls with a deadline
// so that a box that never comes fails the test instead of hanging it.
void HandleBox(const PROCESS_INFORMATION& process, BoxSeen& box)
{
    for (ULONGLONG deadline = GetTickCount64() + 30000; GetTickCount64() < deadline;) {
        Search search{process.dwProcessId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            box.shown = true;
            box.title = TextOf(search.found);
            // Read it once the box has painted itself and waits for input;
            // the icon is compared on screen, so give a late paint a moment.
            WaitForInputIdle(process.hProcess, 5000);
            for (ULONGLONG settle = GetTickCount64() + 3000;;) {
                box.visibleButtons = 0;
                EnumChildWindows(search.found, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
                if (box.errorIcon || GetTickCount64() > settle)
                    break;
                Sleep(50);
            }
            box.processWaited = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
            PostMessageW(search.found, WM_COMMAND, IDOK, 0);
            return;
        }
        if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0)
            return; // ended without a box
    }
}

} // namespace

LaunchResult Launch(const LaunchRequest& request)
{
    LaunchResult result;
    const std::u8string program = request.program.u8string();
    result.commandLineWritten = request.programAsWritten.empty()
                                    ? "\"" + std::string(program.begin(), program.end()) + "\""
                                    : request.programAsWritten;
    for (const std::string& argument : request.arguments)
        result.commandLineWritten +=
            " " + (argument.find(' ') != std::string::npos ? "\"" + argument + "\"" : argument);

    std::wstring line = Wide(result.commandLineWritten);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (request.showWindow) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(*request.showWindow);
    }
    PROCESS_INFORMATION process{};
    const std::wstring folder = request.workingFolder.wstring();
    if (!CreateProcessW(request.program.wstring().c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
        return result;
    result.started = true;
    if (request.closeBox)
        HandleBox(process, result.box);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = code;
    } else {
        TerminateProcess(process.hProcess, 0xDEAD);
        result.exitCode = 0xDEAD;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

} // namespace e2e
