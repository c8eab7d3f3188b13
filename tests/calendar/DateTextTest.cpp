#include "calendar/DateText.h"

#include <cstdint>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "calendar/CivilReference.h"
#include "platform/Text.h"

namespace {

struct TextCase {
    std::int32_t y, m, d;
    DateTextFlags flags;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << c.y << '-' << c.m << '-' << c.d << " flags 0x" << std::hex << c.flags << std::dec;
}

class FormatDateTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(FormatDateTextTest, WritesTheSelectedParts)
{
    const TextCase& c = GetParam();
    const CalendarDate date(c.y, c.m, c.d);
    // Text of an earlier use must never survive.
    std::string out = "stale text";
    const std::int32_t length = FormatDateText(date, c.flags, out);
    EXPECT_EQ(out, c.text);
    EXPECT_EQ(length, static_cast<std::int32_t>(out.size()));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, FormatDateTextTest, testing::Values(
    TextCase{2025, 12, 11, 0x70, "20251211"},
    TextCase{2025, 12, 11, 0xF0, "R071211"},
    TextCase{2025, 12, 11, 0x90, "R07"},
    TextCase{2025, 12, 11, 0x10, "2025"},
    TextCase{2025, 12, 11, 0x60, "1211"},
    TextCase{2025, 12, 11, 0xE0, "1211"},
    TextCase{2025, 12, 11, 0x80, ""},
    TextCase{2025, 12, 11, 0x00, ""},
    TextCase{1868, 9, 8, 0xF0, "M010908"},
    TextCase{1912, 7, 29, 0xF0, "M450729"},
    TextCase{1912, 7, 30, 0xF0, "T010730"},
    TextCase{1926, 12, 24, 0xF0, "T151224"},
    TextCase{1926, 12, 25, 0xF0, "S011225"},
    TextCase{1989, 1, 7, 0xF0, "S640107"},
    TextCase{1989, 1, 8, 0xF0, "H010108"},
    TextCase{2019, 4, 30, 0xF0, "H310430"},
    TextCase{2019, 5, 1, 0xF0, "R010501"},
    TextCase{1868, 9, 7, 0xF0, ""},
    TextCase{1868, 9, 7, 0x70, "18680907"}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, FormatDateTextTest, testing::Values(
    // Serial 0 is "no date", also when it is the valid 1758-01-01.
    TextCase{1758, 1, 1, 0x70, ""},
    TextCase{1758, 1, 1, 0xF0, ""},
    TextCase{1758, 1, 1, 0x20, ""},
    TextCase{2023, 1, 32, 0x70, ""},
    TextCase{1758, 1, 2, 0x70, "17580102"},
    // The era form of a date without letter writes nothing at all.
    TextCase{1760, 6, 1, 0xF0, ""},
    TextCase{1760, 6, 1, 0x90, ""},
    TextCase{1760, 6, 1, 0x70, "17600601"},
    // Without the year, the era bit changes nothing.
    TextCase{1760, 6, 1, 0xE0, "0601"},
    TextCase{1912, 12, 31, 0x90, "T01"},
    TextCase{1913, 1, 1, 0x90, "T02"},
    TextCase{9999, 12, 31, 0x90, "R7981"},
    TextCase{9999, 12, 31, 0xF0, "R79811231"},
    TextCase{2023, 2, 30, 0x70, "20230302"},
    // Bits outside the four flags are ignored.
    TextCase{2025, 12, 11, 0xFFFFFF7F, "20251211"},
    TextCase{2025, 12, 11, 0x0000000F, ""},
    TextCase{2025, 12, 11, 0x40, "11"},
    TextCase{2025, 12, 11, 0x50, "202511"},
    TextCase{2025, 12, 11, 0xD0, "R0711"}));

// First day, serial, base year and letter of every era, as published.
struct Era {
    std::int32_t y, m, d;
    std::int32_t serial;
    std::int32_t baseYear;
    std::int32_t letter;
};

constexpr Era kEras[21] = {
    {0, 0, 0, 0, 1751, -1},
    {1764, 1, 1, 2191, 1764, -1},   {1772, 1, 1, 5113, 1772, -1},   {1781, 1, 1, 8401, 1781, -1},
    {1789, 1, 1, 11323, 1789, -1},  {1801, 1, 1, 15705, 1801, -1},  {1804, 1, 1, 16800, 1804, -1},
    {1818, 1, 1, 21914, 1818, -1},  {1830, 1, 1, 26297, 1830, -1},  {1844, 1, 1, 31410, 1844, -1},
    {1848, 1, 1, 32871, 1848, -1},  {1854, 1, 1, 35063, 1854, -1},  {1860, 1, 1, 37254, 1860, -1},
    {1861, 1, 1, 37620, 1861, -1},  {1864, 1, 1, 38715, 1864, -1},  {1865, 4, 7, 39177, 1865, -1},
    {1868, 9, 8, 40427, 1868, 'M'}, {1912, 7, 30, 56457, 1912, 'T'}, {1926, 12, 25, 61718, 1926, 'S'},
    {1989, 1, 8, 84378, 1989, 'H'}, {2019, 5, 1, 95448, 2019, 'R'},
};

TEST(EraTableTest, HoldsTheFirstDaysInOrder)
{
    for (std::int32_t index = 1; index <= 20; ++index) {
        const Era& era = kEras[index];
        const CalendarDate& first = EraTable[static_cast<std::size_t>(index - 1)];
        EXPECT_EQ(first.serial, era.serial) << index;
        EXPECT_EQ(first.serial, civil::SerialOf(era.y, static_cast<unsigned>(era.m), static_cast<unsigned>(era.d)));
        EXPECT_EQ(first.year, era.y) << index;
        EXPECT_EQ(first.month, era.m) << index;
        EXPECT_EQ(first.day, era.d) << index;
        EXPECT_FALSE(first.adjusted) << index;
    }
}

TEST(EraTableTest, DayBeforeAndFirstDayOfEveryEra)
{
    for (std::int32_t index = 1; index <= 20; ++index) {
        const Era& era = kEras[index];
        const CalendarDate first(era.serial);
        const CalendarDate before(era.serial - 1);
        SCOPED_TRACE(testing::Message() << "era " << index);

        EXPECT_EQ(EraIndexOf(first), index);
        EXPECT_EQ(EraYearOf(first), 1);
        EXPECT_EQ(EraIndexOf(before), index - 1);
        EXPECT_EQ(EraYearOf(before), before.year - kEras[index - 1].baseYear + 1);

        EraDate record{};
        record.SetFromDate(before);
        EXPECT_EQ(record.eraIndex, index - 1);
        EXPECT_EQ(record.eraYear, EraYearOf(before));
        EXPECT_EQ(record.month, before.month);
        EXPECT_EQ(record.day, before.day);
        EXPECT_EQ(EraLetter(index), era.letter);
    }
}

TEST(EraTableTest, BoundaryDatesAsPublished)
{
    struct Case {
        std::int32_t y, m, d;
        std::int32_t index, eraYear;
    };
    for (const Case& c : {Case{1758, 1, 2, 0, 8}, Case{1760, 6, 1, 0, 10}, Case{1763, 12, 31, 0, 13},
                          Case{1764, 1, 1, 1, 1}, Case{1868, 9, 7, 15, 4}, Case{1868, 9, 8, 16, 1},
                          Case{2019, 4, 30, 19, 31}, Case{2019, 5, 1, 20, 1}, Case{9999, 12, 31, 20, 7981}}) {
        const CalendarDate date(c.y, c.m, c.d);
        EXPECT_EQ(EraIndexOf(date), c.index) << c.y << '-' << c.m << '-' << c.d;
        EXPECT_EQ(EraYearOf(date), c.eraYear) << c.y << '-' << c.m << '-' << c.d;
    }
}

TEST(EraTableTest, EraYearStepsOnFirstOfJanuary)
{
    for (std::int32_t index = 1; index <= 20; ++index) {
        const std::int32_t end = index < 20 ? kEras[index + 1].serial : CalendarDate::kLastSerial + 1;
        for (std::int32_t year = kEras[index].baseYear; year < CalendarDate::kLastYear; ++year) {
            const CalendarDate lastDay(year, 12, 31);
            const CalendarDate newYear(year + 1, 1, 1);
            if (newYear.serial >= end)
                break;
            ASSERT_EQ(EraIndexOf(lastDay), index) << year;
            ASSERT_EQ(EraIndexOf(newYear), index) << year;
            ASSERT_EQ(EraYearOf(lastDay), year - kEras[index].baseYear + 1) << year;
            ASSERT_EQ(EraYearOf(newYear), EraYearOf(lastDay) + 1) << year;
        }
    }
}

TEST(EraLetterTest, OnlyTheFiveLatestErasHaveLetters)
{
    for (std::int32_t index : {-1, 0, 1, 15, 21, 100, INT32_MIN, INT32_MAX})
        EXPECT_EQ(EraLetter(index), -1) << index;
    EXPECT_EQ(EraLetter(16), 'M');
    EXPECT_EQ(EraLetter(20), 'R');
}

TEST(EraNamesTest, NamesInCodePage932)
{
    // The names as published (亨和 included), converted independently of the
    // table's bytes.
    const char16_t* const published[21] = {
        u"宝暦", u"明和", u"安永", u"天明", u"寛政", u"亨和", u"文化", u"文政", u"天保", u"弘化", u"嘉永",
        u"安政", u"万延", u"文久", u"元治", u"慶応", u"明治", u"大正", u"昭和", u"平成", u"令和",
    };
    for (std::size_t index = 0; index < EraNames.size(); ++index) {
        const std::u16string name = published[index];
        const platform::WideString wide(name.begin(), name.end());
        EXPECT_EQ(EraNames[index], platform::WideToAnsi(wide)) << index;
        EXPECT_EQ(EraNames[index].size(), 4u) << index;
    }
    EXPECT_EQ(EraNames[5], "\x8B\x9C\x98\x61");
    EXPECT_EQ(EraNames[20], "\x97\xDF\x98\x61");
}

} // namespace
