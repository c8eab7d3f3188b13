// The .res reader that stands in for the PE resource lookup on POSIX.
#include <cstring>
#include <gtest/gtest.h>

#include "platform/posix/ResFile.h"

namespace {

using platform::posix::FindResEntry;
using platform::posix::ParseResFile;

// Writes .res images the way the resource compiler lays them out.
class ResWriter {
public:
    ResWriter() { Add(0, 0, 0, ""); } // the leading empty marker

    ResWriter& Add(std::uint16_t type, std::uint16_t name, std::uint16_t language, std::string data)
    {
        std::string header;
        AppendOrdinal(header, type);
        AppendOrdinal(header, name);
        return AddRaw(header, language, std::move(data));
    }

    ResWriter& AddNamedType(const std::u16string& type, std::uint16_t name, std::string data)
    {
        std::string header;
        for (char16_t unit : type)
            Append<std::uint16_t>(header, unit);
        Append<std::uint16_t>(header, 0);
        AppendOrdinal(header, name);
        return AddRaw(header, 0x0411, std::move(data));
    }

    std::vector<std::byte> Bytes() const
    {
        std::vector<std::byte> bytes(image_.size());
        if (!image_.empty())
            std::memcpy(bytes.data(), image_.data(), image_.size());
        return bytes;
    }

    std::string& Image() { return image_; }

private:
    template <typename T>
    static void Append(std::string& to, T value)
    {
        to.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    static void AppendOrdinal(std::string& to, std::uint16_t id)
    {
        Append<std::uint16_t>(to, 0xFFFF);
        Append<std::uint16_t>(to, id);
    }

    ResWriter& AddRaw(std::string ids, std::uint16_t language, std::string data)
    {
        while ((8 + ids.size()) % 4 != 0)
            ids += '\0';
        std::string header;
        Append<std::uint32_t>(header, static_cast<std::uint32_t>(data.size()));
        Append<std::uint32_t>(header, static_cast<std::uint32_t>(8 + ids.size() + 16));
        header += ids;
        Append<std::uint32_t>(header, 0);        // data version
        Append<std::uint16_t>(header, 0x1030);   // memory flags
        Append<std::uint16_t>(header, language);
        Append<std::uint32_t>(header, 0);        // version
        Append<std::uint32_t>(header, 0);        // characteristics
        image_ += header + data;
        while (image_.size() % 4 != 0)
            image_ += '\0';
        return *this;
    }

    std::string image_;
};

std::string Text(const platform::posix::ResEntry* entry)
{
    return entry == nullptr ? "<none>" : std::string(reinterpret_cast<const char*>(entry->data.data()), entry->data.size());
}

TEST(ResFile, ReadsEntriesOfNumericAndNamedTypesInOrder)
{
    ResWriter writer;
    writer.Add(6, 626, 0x0411, "strings").AddNamedType(u"TYPELIB", 1, "tlb").Add(24, 1, 0x0409, "manifest!");
    const auto bytes = writer.Bytes();
    const auto entries = ParseResFile(bytes);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].type.text, u"TYPELIB");
    EXPECT_FALSE(entries[1].type.number.has_value());
    EXPECT_EQ(Text(FindResEntry(entries, 6, 626, 0x0411)), "strings");
    EXPECT_EQ(Text(FindResEntry(entries, 24, 1, 0x0409)), "manifest!");
}

TEST(ResFile, LanguageChoice)
{
    ResWriter writer;
    writer.Add(6, 1, 0x0409, "english").Add(6, 1, 0x0411, "japanese").Add(6, 2, 0x0409, "only english");
    const auto bytes = writer.Bytes();
    const auto entries = ParseResFile(bytes);
    const std::uint16_t japaneseFirst[] = {0x0411, 0x0000};
    EXPECT_EQ(Text(FindResEntry(entries, 6, 1, 0x0409, japaneseFirst)), "english");   // asked exactly
    EXPECT_EQ(Text(FindResEntry(entries, 6, 1, 0x0407, japaneseFirst)), "<none>");    // no such language
    EXPECT_EQ(Text(FindResEntry(entries, 6, 1, 0x0000, japaneseFirst)), "japanese");  // neutral falls back
    EXPECT_EQ(Text(FindResEntry(entries, 6, 1, std::nullopt, japaneseFirst)), "japanese");
    EXPECT_EQ(Text(FindResEntry(entries, 6, 2, std::nullopt, japaneseFirst)), "only english");
    EXPECT_EQ(Text(FindResEntry(entries, 6, 3, std::nullopt, japaneseFirst)), "<none>");
}

TEST(ResFile, DamagedImageKeepsTheEntriesBeforeTheDamage)
{
    ResWriter writer;
    writer.Add(6, 1, 0x0411, "first").Add(6, 2, 0x0411, "second");
    std::string& image = writer.Image();
    const std::string intact = image;
    // Cut the image at every length: never a read outside it, never a
    // partial entry, and the whole first entry once it is complete.
    for (std::size_t length = 0; length <= intact.size(); ++length) {
        image = intact.substr(0, length);
        const auto bytes = writer.Bytes();
        const auto entries = ParseResFile(bytes);
        for (const auto& entry : entries)
            EXPECT_TRUE(Text(&entry) == "first" || Text(&entry) == "second") << length;
    }
    image = intact;
    const std::uint32_t hugeData = 0xFFFFFFF0u;
    // The second entry follows the 32-byte marker and the first entry's 32
    // header bytes and 8 data bytes (5, padded); its data size comes first.
    std::memcpy(image.data() + 32 + 40, &hugeData, 4);
    const auto bytes = writer.Bytes();
    const auto entries = ParseResFile(bytes);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(Text(&entries[0]), "first");
}

TEST(ResFile, NameRunningIntoAnOddHeaderEndIsRejected)
{
    // A header whose size is odd, with a name text that runs up to its end.
    const unsigned char image[] = {0x00, 0x00, 0x00, 0x00, 0x21, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x6F,
                                   0x6D, 0x70, 0x61, 0x74, 0x69, 0x62, 0x69, 0x6C, 0x69, 0x88, 0x79,
                                   0x2E, 0x76, 0x30, 0x22, 0x5D, 0x00, 0x33, 0x6E, 0x62, 0x64, 0xA7};
    EXPECT_TRUE(ParseResFile(std::as_bytes(std::span(image))).empty());
}

} // namespace
