#include "logging/PropertiesText.h"

#include "platform/Text.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f';
}

// One backslash escape: \t, \n, \r, \f, or the character itself (\\ is \).
char Unescaped(char c)
{
    switch (c) {
    case 't': return '\t';
    case 'n': return '\n';
    case 'r': return '\r';
    case 'f': return '\f';
    default: return c;
    }
}

} // namespace

std::vector<PropertiesEntry> ParsePropertiesText(const std::string& text)
{
    std::vector<PropertiesEntry> entries;
    std::size_t position = 0;
    while (position < text.size()) {
        std::size_t end = text.find_first_of("\r\n", position);
        if (end == std::string::npos)
            end = text.size();
        std::size_t i = position;
        position = text.find_first_not_of("\r\n", end);
        if (position == std::string::npos)
            position = text.size();

        while (i < end && IsBlank(text[i]))
            ++i;
        if (i == end || text[i] == '#' || text[i] == '!')
            continue;
        PropertiesEntry entry;
        bool inValue = false;
        for (; i < end; ++i) {
            char c = text[i];
            // A double-byte character is copied whole: its trail byte may
            // be 0x5C and is no escape.
            if (platform::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < end) {
                (inValue ? entry.value : entry.key).append(text, i, 2);
                ++i;
                continue;
            }
            if (c == '\\' && i + 1 < end) {
                (inValue ? entry.value : entry.key) += Unescaped(text[++i]);
                continue;
            }
            if (!inValue && (c == '=' || c == ':' || IsBlank(c))) {
                while (i + 1 < end && IsBlank(text[i + 1]))
                    ++i;
                if (c != '=' && c != ':' && i + 1 < end && (text[i + 1] == '=' || text[i + 1] == ':')) {
                    ++i;
                    while (i + 1 < end && IsBlank(text[i + 1]))
                        ++i;
                }
                inValue = true;
                continue;
            }
            (inValue ? entry.value : entry.key) += c;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}
