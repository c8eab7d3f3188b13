// The executable's own string table, read through the platform's resource
// lookup: exactly the catalogue's ids and texts, in Japanese.
#include <gtest/gtest.h>
#include <map>

#include "launcher/Catalogue.h"
#include "launcher/StringTable.h"
#include "platform/Resources.h"
#include "platform/Text.h"
#include "support/Utf16.h"

namespace {

TEST(StringTable, HoldsEveryCatalogueTextAndNothingElse)
{
    std::map<unsigned, std::u16string_view> expected;
    for (const CatalogueEntry& entry : kCatalogue)
        expected.emplace(entry.id, entry.text);
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        const std::string text = LoadStringFromTable(id);
        const auto found = expected.find(id);
        if (found == expected.end()) {
            EXPECT_EQ(text, "") << "id " << id;
            continue;
        }
        EXPECT_EQ(testsupport::Utf16(platform::AnsiToWide(text)), found->second) << "id " << id;
        EXPECT_EQ(text.find('\r'), std::string::npos) << "id " << id;
    }
}

TEST(StringTable, AppRunFailureTextIsItsCodePage932Bytes)
{
    EXPECT_EQ(LoadStringFromTable(10010),
              "AppRun\x83\x49\x83\x75\x83\x57\x83\x46\x83\x4E\x83\x67\x82\xCC\x8D\xEC\x90\xAC\x82\xC9\x8E\xB8"
              "\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42");
}

TEST(StringTable, BlocksAreJapaneseOnly)
{
    for (const CatalogueEntry& entry : kCatalogue) {
        const auto block = static_cast<std::uint16_t>(entry.id / 16 + 1);
        EXPECT_FALSE(platform::LoadResourceBytes(platform::kRT_STRING, block, 0x0411).empty()) << entry.id;
        EXPECT_TRUE(platform::LoadResourceBytes(platform::kRT_STRING, block, 0x0409).empty()) << entry.id;
    }
    EXPECT_FALSE(platform::LoadResourceBytes(platform::kRT_STRING, 626, 0x0411).empty()); // 10010's block
}

} // namespace
