#pragma once

#include <compare>
#include <string>
#include <string_view>

namespace billpay {

class Clock;

// A calendar date. All zero stands for "no date".
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;

    friend auto operator<=>(const Date&, const Date&) = default;
};

// A time of day on a 24-hour clock, to the hundredth of a second.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int centisecond = 0;

    friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

bool IsLeapYear(int year);
// The number of days of a month (1 to 12) of a year.
int DaysInMonth(int year, int month);
// True for a date of the years 1 to 9999 that exists in the calendar.
bool IsValidDate(int year, int month, int day);
// True for 00:00:00.00 to 23:59:59.99.
bool IsValidTime(int hour, int minute, int second, int centisecond);
// The day after a valid date.
Date NextDay(Date date);

// True when each of the first (trimmed length) characters of the pattern is
// one of "D", "M", "Y", "d", "m", "y" or the date separator "/". An empty
// pattern is accepted.
bool IsDatePattern(std::string_view pattern);

// Writes a date with a pattern, letters in either case:
//   d / dd      day without / with a leading zero
//   ddd / dddd  short / long day name ("Wed", "Wednesday")
//   ddddd       the short date "dd/mm/yyyy"; dddddd and more: the long date
//   m / mm      month without / with a leading zero
//   mmm / mmmm  short / long month name ("Dec", "December")
//   y / yy      year as two digits; yyy and more: four digits
//   /           the date separator "/"
// Every other character is written as it stands.
std::string FormatDate(Date date, std::string_view pattern);

// Writes a time of day with a pattern, letters in either case:
//   h / hh      hour (24-hour clock) without / with a leading zero
//   n / nn, m / mm   minute without / with a leading zero
//   s / ss      second without / with a leading zero
//   z / zzz     milliseconds without / with leading zeros
//   :           the time separator ":"
// Every other character is written as it stands. For example "hhmmss".
std::string FormatTime(TimeOfDay time, std::string_view pattern);

// Today's date written with a date pattern; throws std::runtime_error
// "bad format string: Utilities|GetTodaysDate" for a pattern that
// IsDatePattern rejects.
std::string GetTodaysDate(const Clock& clock, std::string_view pattern);

// The current time of day written with a time pattern.
std::string GetTimeNow(Clock& clock, std::string_view pattern);

}  // namespace billpay
