// How the calendar the Hong Kong Observatory publishes was reckoned, written
// as the tz database writes a zone: each era runs from its first civil day up
// to the next era's, and names the meridian whose midnight ends a day. Then
// the close calls the Observatory's calendar decides otherwise than, or
// beyond, the computation in that reckoning. Read by hk_generate only.
//
// Sources:
// [Liu] Yuk Tung Liu, "Calendar Calculation on This Website" (modern period,
//   the Qing period) and "Discrepancies Between Modern Calculation and
//   Historical Data", ytliu0.github.io/ChineseCalendar: the calendars of
//   1912-1948 as their governments issued them, and the Purple Mountain
//   Observatory's since 1949, compared day by day with JPL's DE431.
// [HKO] the Observatory's yearly Gregorian-Lunar Calendar Conversion Tables
//   1901-2100 (hko.gov.hk/tc/gts/time/calendar/text/files/T<year>c.txt) and
//   the note on its conversion page naming the new moons and terms of
//   2021-2100 that lie within the uncertainty of a midnight. The tables'
//   solar-term days were read through a public transcription of that
//   column, not from the Observatory's site; all 4800 agree with the table
//   generated here.
// [TIC] Wikipedia, "Time in China": China's official time was Beijing
//   apparent solar time until 1913, Beijing mean solar time from 1914.
// [CC] Dershowitz and Reingold, Calendrical Calculations (as ICU4X's
//   calendrical_calculations carries it): the Chinese calendar's day before
//   1929 at Beijing, 116 deg 25' E, UTC+1397/180 h; from 1929 UTC+8.
#pragma once

#include <cstdint>

#include "hk/civil.hpp"
#include "hkcal.h"
#include "hkcal_hk.h"

namespace hkcal::hk::reckoning {

constexpr int32_t kSecondsPerArcminute = 4;  // the mean Sun crosses 1' of longitude in 4 s
constexpr int32_t kArcminutesPerDegree = 60;
constexpr int32_t kBeijing = 116 * kArcminutesPerDegree + 25;  // Beijing's meridian as [CC] takes it, 116 deg 25' E
// The meridian of Hong Kong time, 120 deg E.
constexpr int32_t kMeridian120 = HK_UTC_OFFSET_MINUTES * 60 / kSecondsPerArcminute;
static_assert(kMeridian120 == 120 * kArcminutesPerDegree);

struct Era {
    Date from;         // its first civil day
    int32_t meridian;  // east longitude in arcminutes: local mean time is UT + 4 s per arcminute
    const char* name;  // as the tables' comments print it
};

constexpr Era kEras[] = {
    // 1901-1913: the Qing calendar and the Republic's of 1912 and 1913, computed
    // by the 1742 theory in Beijing apparent solar time [Liu, TIC], which no
    // source lets us reproduce. UTC+8 stands in: in it the model dates every
    // first day of a month of these years as those calendars do ([Liu] lists
    // no discrepancy after 1896), where Beijing mean time would move the new
    // moon of 1906-04-24 00:06 (UTC+8) to 04-23 [Liu]; and every term but the
    // two decided below.
    {{1901, 1, 1}, kMeridian120, "UTC+8"},
    // 1914-1928: the Beijing government's calendar, computed by the modern
    // theory for Beijing's meridian, UTC+7:45:40 [Liu, TIC, CC]. It puts three
    // new moons and three terms within 15 minutes after a UTC+8 midnight on
    // the day before, as [Liu] and [HKO] date them (see the tables' rows).
    {{1914, 1, 1}, kBeijing, "Beijing"},
    // 1929 on: 120 deg E, UTC+8: the Nationalist government's calendar, the
    // Purple Mountain Observatory's since 1949, and the Observatory's own
    // computation in Hong Kong time [Liu, CC, HKO]. Not from 1928, as
    // some programs have it: the 1928 Summer Solstice, 06-22 00:06 UTC+8,
    // stands on 06-21 in the calendar [Liu, HKO].
    {{1929, 1, 1}, kMeridian120, "UTC+8"},
};

constexpr int32_t offset_seconds(const Era& era) { return era.meridian * kSecondsPerArcminute; }

// Eras in order of their first days, each meridian east of Greenwich and
// short of 180 deg.
constexpr bool eras_consistent() {
    for (std::size_t i = 0; i < std::size(kEras); ++i) {
        if (!civil::valid(kEras[i].from) || kEras[i].meridian <= 0 || kEras[i].meridian >= 180 * kArcminutesPerDegree)
            return false;
        if (i > 0 && civil::to_jd0(kEras[i - 1].from) >= civil::to_jd0(kEras[i].from)) return false;
    }
    return true;
}
static_assert(eras_consistent());
static_assert(offset_seconds(kEras[1]) == 7 * 3600 + 45 * 60 + 40);  // [CC]'s 1397/180 h

// A close call the Observatory's calendar decides: the new moon or term the
// reckoning above puts on day `computed` falls, in the calendar, on day
// `published`. Each must be within the close-call window of a midnight
// (hk_generate fails otherwise, and on a decision that matches nothing).
enum class Event { new_moon, term };
struct Decision {
    Event event;
    Date computed;
    Date published;
    const char* reason;
};

constexpr Decision kDecisions[] = {
    // The 1742 theory of the calendars of 1912 and 1913 [Liu, HKO]:
    {Event::term, {1912, 11, 22}, {1912, 11, 23}, "the calendar of 1912, by the 1742 theory"},  // Minor Snow 23:48
    {Event::term, {1913, 9, 23}, {1913, 9, 24}, "the calendar of 1913, by the 1742 theory"},   // Autumnal Equinox 23:52
    // Within seconds of a midnight, where the full theories disagree with
    // each other or with the model; the Observatory's day is the model's:
    {Event::term, {1951, 12, 23}, {1951, 12, 23}, "the Observatory's day; DE431 00:00:01, PyEphem 12-22 23:59:56"},
    {Event::term, {1979, 1, 21}, {1979, 1, 21}, "the Observatory's and Purple Mountain's day; DE431 01-20 23:59:54"},
    // The ones the Observatory flags as uncertain by a day [HKO]; its day:
    {Event::term, {2021, 12, 21}, {2021, 12, 21}, "the Observatory's day, which it flags"},
    {Event::term, {2051, 3, 20}, {2051, 3, 20}, "the Observatory's day, which it flags"},
    {Event::new_moon, {2057, 9, 28}, {2057, 9, 28}, "the Observatory's day, which it flags; DE431 09-29 00:00:04"},
    {Event::term, {2083, 2, 3}, {2083, 2, 3}, "the Observatory's day, which it flags"},
    {Event::term, {2084, 3, 19}, {2084, 3, 19}, "the Observatory's day, which it flags"},
    {Event::new_moon, {2089, 9, 4}, {2089, 9, 4}, "the Observatory's day, which it flags"},
    {Event::new_moon, {2097, 8, 7}, {2097, 8, 7}, "the Observatory's day, which it flags"},
};

}  // namespace hkcal::hk::reckoning
