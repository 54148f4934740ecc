// The vocabulary of a holiday row: how the law names a festival's date (an
// anchor), what it does when the day is a Sunday, which lists hold the day
// and over which days the provision is in force, by which instrument. A row
// says what one entry of a Schedule says; src/hk/holiday_law.hpp makes the
// lists from the rows.
#pragma once

#include <cstdint>

#include "hk/day_number.hpp"
#include "hk/lunar_table.hpp"
#include "hk/solar_terms_table.hpp"
#include "holidays/computus.hpp"

namespace hkcal::hk::law {

struct Name {
    const char* en;  // as gazetted and as the Government's lists print it
    const char* zh;  // Traditional Chinese, UTF-8
};

// ---- anchors: the festival's date in a year of 1997-2100 ----

enum class Reckoning : uint8_t { kFixed, kLunar, kEaster, kSolarTerm, kNthWeekday };
struct Anchor {
    Reckoning by;
    int8_t month;  // kFixed, kLunar (never a leap month), kNthWeekday: 1-12
    int8_t day;    // kFixed, kLunar: day of the month; kEaster: days from Easter Sunday;
                   // kSolarTerm: the term 0-23; kNthWeekday: the weekday 0-6
    int8_t nth;    // kNthWeekday: 1-4
};
constexpr Anchor fixed(int8_t month, int8_t day) { return {Reckoning::kFixed, month, day, 0}; }
constexpr Anchor lunar(int8_t month, int8_t day) { return {Reckoning::kLunar, month, day, 0}; }
constexpr Anchor easter_sunday() { return {Reckoning::kEaster, 0, 0, 0}; }
constexpr Anchor easter_day(int8_t days_after) { return {Reckoning::kEaster, 0, days_after, 0}; }
constexpr Anchor solar_term(int8_t index) { return {Reckoning::kSolarTerm, 0, index, 0}; }
constexpr Anchor nth_weekday(int8_t nth, int8_t weekday, int8_t month) {
    return {Reckoning::kNthWeekday, month, weekday, nth};
}
inline constexpr int8_t kMonday = 1;
inline constexpr int8_t kPureBrightness = 6, kWinterSolstice = 23;  // Ching Ming; the Winter Solstice Festival

// The day of an anchor in a year of 1997-2100 (lunar dates: of the lunar
// year that begins in it).
constexpr DayNumber day_of(const Anchor& a, int32_t year) {
    switch (a.by) {
        case Reckoning::kFixed: return day_number(year, a.month, a.day);
        case Reckoning::kLunar: {
            const lunar::Year& ly = lunar::year(year);
            return DayNumber{ly.new_year + ly.offset(ly.slot(a.month)) + a.day - 1};
        }
        case Reckoning::kEaster:  // March 22 .. April 25
            return day_number(year, 3, 1) + (detail::gregorian_easter_march_day(year) - 1) + a.day;
        case Reckoning::kSolarTerm: return day_number(terms::date(year, a.day));
        case Reckoning::kNthWeekday: {
            const DayNumber first = day_number(year, a.month, 1);
            return first + ((a.day - weekday(first) + 7) % 7 + 7 * (a.nth - 1));
        }
    }
    return DayNumber{};
}

// ---- what a Sunday does to the day ----

enum class OnSunday : uint8_t {
    kStands,       // the day is kept on the Sunday (or has no Sunday rule)
    kFollowing,    // "or if that day is a Sunday, then the following day": the day after, named for it
    kSubstitute,   // another day, named by the Schedule, in its place
    kNextWeekday,  // "the first weekday after": a Sunday is no weekday, the day after is
};
struct SundayRule {
    OnSunday rule;
    int8_t offset;     // kSubstitute: the substitute's day, counted from the festival
    const char* key;   // kSubstitute: its key, or null to keep the row's
    Name name;         // kSubstitute: its name
};
constexpr SundayRule stands() { return {OnSunday::kStands, 0, nullptr, {}}; }
constexpr SundayRule following_day() { return {OnSunday::kFollowing, 0, nullptr, {}}; }
constexpr SundayRule next_weekday() { return {OnSunday::kNextWeekday, 0, nullptr, {}}; }
constexpr SundayRule substitute(int8_t offset, const char* key, Name name) {
    return {OnSunday::kSubstitute, offset, key, name};
}

// ---- lists and instruments ----

// The lists a row's day belongs to. The statutory list holds either Christmas
// Day or the Winter Solstice Festival, at the employer's choice. Another
// calendar made of the same kind of rows (an exchange's) takes a bit of its
// own, and law::schedule() makes its list like these.
enum ListBits : uint8_t {
    kGeneral = 1,               // Cap. 149
    kStatutorySolstice = 2,     // Cap. 57 s. 39, the Chinese Winter Solstice Festival chosen
    kStatutoryChristmas = 4,    // Cap. 57 s. 39, Christmas Day chosen
    kStatutory = kStatutorySolstice | kStatutoryChristmas,
};

// The provision is in force on the days from..to (inclusive), made by an
// instrument (ordinance or legal notice) named with its commencement.
struct InForce {
    DayNumber from, to;
    const char* instrument;
    constexpr bool holds(DayNumber d) const { return from <= d && d <= to; }
};
inline constexpr Date kCoveredFrom{1997, 1, 1};  // provisions older than the covered years start here
inline constexpr Date kOpen{9999, 12, 31};       // in force today
constexpr InForce during(Date from, Date to, const char* instrument) {
    return {day_number(from), day_number(to), instrument};
}
constexpr InForce in_force(const char* instrument) { return during(kCoveredFrom, kOpen, instrument); }
constexpr InForce since(Date from, const char* instrument) { return during(from, kOpen, instrument); }
constexpr InForce until(Date to, const char* instrument) { return during(kCoveredFrom, to, instrument); }

// One entry of a Schedule: the holiday is the festival's day plus offset.
struct Row {
    uint8_t lists;      // ListBits
    const char* key;    // stable within a year; a day moved keeps it
    Name name;
    Anchor festival;    // settles a coincidence (s. 6(2)): the earlier festival keeps the day
    int8_t offset;      // days from the festival to the holiday
    SundayRule sunday;
    InForce in_force;   // of the holiday's own day
};

}  // namespace hkcal::hk::law
