#include "calendar/CalendarDate.h"

#include "platform/Clock.h"

DateParts& DateParts::GetToday()
{
    return SetFromTime(platform::Time64());
}

DateParts& DateParts::SetFromTime(std::int64_t time)
{
    platform::LocalTime local{};
    if (platform::LocalTime64(time, local)) {
        year = local.yearsSince1900 + 1900;
        month = local.monthsSinceJanuary + 1;
        day = local.dayOfMonth;
    } else {
        year = 0;
        month = 0;
        day = 0;
    }
    return *this;
}

CalendarDate& CalendarDate::SetToday()
{
    DateParts today{};
    today.GetToday();
    SetDate(today.year, today.month, today.day);
    return *this;
}
