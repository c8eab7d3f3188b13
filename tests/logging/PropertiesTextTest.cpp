// Reading back the key-value lines of a properties file.
#include <gtest/gtest.h>

#include "logging/PropertiesText.h"

namespace {

struct TextCase {
    const char* what;
    std::string text;
    std::vector<std::pair<std::string, std::string>> entries;
};

class PropertiesText : public ::testing::TestWithParam<TextCase> {};

TEST_P(PropertiesText, GivesKeysAndValues)
{
    std::vector<std::pair<std::string, std::string>> entries;
    for (const PropertiesEntry& entry : ParsePropertiesText(GetParam().text))
        entries.emplace_back(entry.key, entry.value);
    EXPECT_EQ(entries, GetParam().entries) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PropertiesText,
    ::testing::Values(
        TextCase{"spaces around the equals sign, CR LF", "a.b = Info, k\r\nc=d\r\n", {{"a.b", "Info, k"}, {"c", "d"}}},
        TextCase{"colon and blank separators", "a: 1\nb 2\n c  =  3 \n", {{"a", "1"}, {"b", "2"}, {"c", "3 "}}},
        TextCase{"comments and blank lines", "# x = y\n! z\n\n\r\nk = v", {{"k", "v"}}},
        TextCase{"doubled backslashes are one", "f = C:\\\\Users\\\\a\\\\b.txt", {{"f", "C:\\Users\\a\\b.txt"}}},
        // 表\ ソ\ with the separators doubled: the trail bytes are no escapes.
        TextCase{"Shift-JIS trail bytes", "f = C:\\\\\x95\x5C\\\\\x83\x5C\\\\a", {{"f", "C:\\\x95\x5C\\\x83\x5C\\a"}}},
        TextCase{"other escapes", "p = %m%n\\t\\=", {{"p", "%m%n\t="}}},
        TextCase{"empty value", "k =\n", {{"k", ""}}}));

} // namespace
