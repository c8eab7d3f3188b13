// A clock the tests set, linked in place of the platform's own.
#pragma once

void SetFakeToday(int year, int month, int day);
