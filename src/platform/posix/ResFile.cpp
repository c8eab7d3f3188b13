#include "platform/posix/ResFile.h"

#include <cstring>

namespace platform::posix {
namespace {

class Cursor {
public:
    explicit Cursor(std::span<const std::byte> bytes) : bytes_(bytes) {}

    bool Has(std::size_t count) const { return position_ <= bytes_.size() && bytes_.size() - position_ >= count; }
    std::size_t Position() const { return position_; }
    void Seek(std::size_t position) { position_ = position; }

    template <typename T>
    std::optional<T> Read()
    {
        if (!Has(sizeof(T)))
            return std::nullopt;
        T value;
        std::memcpy(&value, bytes_.data() + position_, sizeof(T));
        position_ += sizeof(T);
        return value;
    }

    // An ordinal (0xFFFF then the number) or a zero-terminated UTF-16 text.
    std::optional<ResId> ReadId(std::size_t limit)
    {
        ResId id;
        auto first = Read<std::uint16_t>();
        if (!first || position_ > limit)
            return std::nullopt;
        if (*first == 0xFFFF) {
            auto number = Read<std::uint16_t>();
            if (!number || position_ > limit)
                return std::nullopt;
            id.number = *number;
            return id;
        }
        for (auto unit = first; *unit != 0;) {
            id.text += static_cast<char16_t>(*unit);
            unit = Read<std::uint16_t>();
            if (!unit || position_ > limit)
                return std::nullopt;
        }
        return id;
    }

private:
    std::span<const std::byte> bytes_;
    std::size_t position_ = 0;
};

constexpr std::size_t Align4(std::size_t value)
{
    return (value + 3) & ~std::size_t{3};
}

} // namespace

std::vector<ResEntry> ParseResFile(std::span<const std::byte> image)
{
    std::vector<ResEntry> entries;
    Cursor cursor(image);
    while (cursor.Has(8)) {
        const std::size_t start = cursor.Position();
        const std::uint32_t dataSize = *cursor.Read<std::uint32_t>();
        const std::uint32_t headerSize = *cursor.Read<std::uint32_t>();
        // The fixed fields alone take 24 bytes; type and name at least 4 each.
        if (headerSize < 32 || image.size() - start < headerSize ||
            image.size() - start - headerSize < dataSize)
            break;
        const std::size_t headerEnd = start + headerSize;
        auto type = cursor.ReadId(headerEnd);
        auto name = type ? cursor.ReadId(headerEnd) : std::nullopt;
        if (!name)
            break;
        cursor.Seek(start + Align4(cursor.Position() - start));
        if (cursor.Position() > headerEnd || headerEnd - cursor.Position() < 16)
            break;
        cursor.Read<std::uint32_t>(); // data version
        cursor.Read<std::uint16_t>(); // memory flags
        const std::uint16_t language = *cursor.Read<std::uint16_t>();
        ResEntry entry{std::move(*type), std::move(*name), language, image.subspan(headerEnd, dataSize)};
        // The first entry of every .res is an empty marker of type 0.
        if (!(dataSize == 0 && entry.type.number == 0))
            entries.push_back(std::move(entry));
        cursor.Seek(start + Align4(std::size_t{headerSize} + dataSize));
    }
    return entries;
}

const ResEntry* FindResEntry(const std::vector<ResEntry>& entries, std::uint16_t type, std::uint16_t name,
                             std::optional<std::uint16_t> language, std::span<const std::uint16_t> preferred)
{
    const ResEntry* any = nullptr;
    auto matches = [&](const ResEntry& entry) { return entry.type.number == type && entry.name.number == name; };
    for (const ResEntry& entry : entries) {
        if (!matches(entry))
            continue;
        if (language && entry.language == *language)
            return &entry;
        if (any == nullptr)
            any = &entry;
    }
    if (language && *language != 0)
        return nullptr;
    for (std::uint16_t wanted : preferred)
        for (const ResEntry& entry : entries)
            if (matches(entry) && entry.language == wanted)
                return &entry;
    return any;
}

} // namespace platform::posix
