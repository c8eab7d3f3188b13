// Arbitrary year, month, day, serial and flags through SetDate, the serial
// constructor and FormatDateText; every invariant is checked against an
// independent civil-date algorithm.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "calendar/CalendarDate.h"
#include "calendar/CivilReference.h"
#include "calendar/DateText.h"

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::int32_t Take(const std::uint8_t*& data, std::size_t& size)
{
    std::uint32_t value = 0;
    const std::size_t n = size < 4 ? size : 4;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return static_cast<std::int32_t>(value);
}

// Fields are the split of an in-range serial.
void CheckValue(const CalendarDate& date)
{
    Check(date.serial >= 0 && date.serial <= CalendarDate::kLastSerial, "serial in range");
    const civil::Ymd ymd = civil::DateOfSerial(date.serial);
    Check(date.year == ymd.year && date.month == static_cast<std::int32_t>(ymd.month)
              && date.day == static_cast<std::int32_t>(ymd.day),
          "fields are the split of serial");
}

// The era index from first-day serials, without the era table.
std::int32_t ReferenceEra(std::int32_t serial, std::int32_t& baseYear)
{
    struct First {
        std::int32_t y, m, d;
    };
    constexpr First firsts[20] = {{1764, 1, 1},  {1772, 1, 1}, {1781, 1, 1},  {1789, 1, 1},   {1801, 1, 1},
                                  {1804, 1, 1},  {1818, 1, 1}, {1830, 1, 1},  {1844, 1, 1},   {1848, 1, 1},
                                  {1854, 1, 1},  {1860, 1, 1}, {1861, 1, 1},  {1864, 1, 1},   {1865, 4, 7},
                                  {1868, 9, 8},  {1912, 7, 30}, {1926, 12, 25}, {1989, 1, 8}, {2019, 5, 1}};
    std::int32_t index = 0;
    baseYear = 1751;
    for (const First& first : firsts) {
        if (serial < civil::SerialOf(first.y, static_cast<unsigned>(first.m), static_cast<unsigned>(first.d)))
            break;
        ++index;
        baseYear = first.y;
    }
    return index;
}

std::string Padded(long long value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

void CheckText(const CalendarDate& date, DateTextFlags flags)
{
    std::string out = "left over";
    const std::int32_t length = FormatDateText(date, flags, out);
    Check(length == static_cast<std::int32_t>(out.size()), "result is the length");

    std::string expected;
    if (date.serial != 0) {
        bool written = true;
        if ((flags & 0x90) == 0x90) {
            std::int32_t base = 0;
            const std::int32_t era = ReferenceEra(date.serial, base);
            Check(EraIndexOf(date) == era, "era index");
            Check(EraYearOf(date) == date.year - base + 1, "era year");
            constexpr char letters[] = "MTSHR";
            if (era >= 16)
                expected = letters[era - 16] + Padded(date.year - base + 1, 2);
            else
                written = false;
        } else if (flags & 0x10) {
            expected = Padded(date.year, 4);
        }
        if (written) {
            if (flags & 0x20)
                expected += Padded(date.month, 2);
            if (flags & 0x40)
                expected += Padded(date.day, 2);
        }
    }
    Check(out == expected, "text is the selected digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::int32_t y = Take(data, size);
    const std::int32_t m = Take(data, size);
    const std::int32_t d = Take(data, size);
    const auto flags = static_cast<DateTextFlags>(Take(data, size));
    const std::int32_t serial = Take(data, size);

    // SetDate: the normalisation worked out in 64 bits, where nothing wraps.
    std::int64_t ny = y, nm = m;
    if (nm <= 0) {
        nm += 12;
        ny -= 1;
    } else if (nm > 12) {
        ny += (nm - 1) / 12;
        nm = (nm - 1) % 12 + 1;
    }
    const bool valid = ny >= 1758 && ny <= 9999 && nm >= 1 && nm <= 12 && d >= 1 && d <= 31;

    CalendarDate date(y, m, d);
    CheckValue(date);
    const std::int64_t wanted =
        valid ? civil::SerialOf(ny, static_cast<unsigned>(nm), 1) + d - 1 : 0;
    Check(date.serial == wanted, "serial of the normalised date");
    Check(date.adjusted == (date.year != ny || date.month != nm || date.day != d), "adjusted");
    CheckText(date, flags);

    CalendarDate reset(serial);
    const bool inRange = serial >= 0 && serial <= CalendarDate::kLastSerial;
    CheckValue(reset);
    Check(reset.serial == (inRange ? serial : 0), "serial kept or refused");
    Check(reset.adjusted == !inRange, "adjusted after a serial");
    CheckText(reset, flags);

    reset.SetDate(y, m, d);
    Check(reset.serial == date.serial && reset.adjusted == date.adjusted, "SetDate replaces the whole value");
    return 0;
}
