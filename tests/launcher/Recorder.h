// Recording stand-ins for COM and the message box, linked into the hand-off
// tests in place of the platform's own, so the order of calls and what each
// received can be checked on every target.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Com.h"

struct Recorder {
    // What the stand-ins answer.
    platform::HRESULT initializeResult = platform::kS_OK;
    platform::HRESULT createResult = platform::kS_OK;
    std::int32_t runResult = 0;

    // What they saw, one line per call, in order.
    std::vector<std::string> calls;
    platform::GUID createdClass{};
    platform::GUID requestedInterface{};
    std::uint32_t createContext = 0;
    const void* createOuter = reinterpret_cast<const void*>(1);
    platform::WideString runText;
    std::int32_t runShowState = -100;
    std::string boxText;
    const char* boxTitle = "unset";
    std::uint32_t boxStyle = 0;
    void* boxOwner = nullptr;
};

// The one recorder the stand-ins report to; reset before each test.
Recorder& TheRecorder();

// The owner window the stand-in GetActiveWindow reports.
void* RecordedActiveWindow();
