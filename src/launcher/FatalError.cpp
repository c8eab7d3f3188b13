#include "launcher/FatalError.h"

#include <string>
#include <string_view>

#include "launcher/StringTable.h"
#include "platform/Ui.h"

using namespace std::string_view_literals;

namespace {

// "致命的なエラーが発生しました。" in code page 932.
constexpr std::string_view kDefaultFirstLine =
    "\x92\x76\x96\xBD\x93\x49\x82\xC8\x83\x47\x83\x89\x81\x5B\x82\xAA\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42"sv;

// A line feed and "処理を継続することができません。" in code page 932.
constexpr std::string_view kSecondLine =
    "\n\x8F\x88\x97\x9D\x82\xF0\x8C\x70\x91\xB1\x82\xB7\x82\xE9\x82\xB1\x82\xC6\x82\xAA\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81\x42"sv;

static_assert(kDefaultFirstLine.size() == 30);
static_assert(kSecondLine.size() == 33);

} // namespace

void ShowFatalError(unsigned stringId)
{
    std::string text = LoadStringFromTable(stringId);
    if (text.empty())
        text = kDefaultFirstLine;
    text += kSecondLine;
    platform::MessageBoxA(platform::GetActiveWindow(), text.c_str(), nullptr,
                          platform::kMB_OK | platform::kMB_ICONERROR);
}
