// The stock exchange's own calendar (HKEX's securities market, market
// identifier XHKG) as dated rows: the trading sessions of each era, the
// pre-opening and closing auction sessions, the eves that are half days,
// and the recorded weekdays on which the weather (or anything else) closed
// the market or cut a session short. Every row names its source.
// Times are minutes after midnight, Hong Kong time (UTC+8).
#pragma once

#include <cstdint>

#include "hk/business_engine.hpp"
#include "hk/civil.hpp"
#include "hk/holiday_law.hpp"
#include "hk/holiday_table.hpp"
#include "hkcal_hk.h"

namespace hkcal::hk::xhkg {

constexpr int32_t hm(int32_t hours, int32_t minutes) { return hours * 60 + minutes; }  // [0, 1439] here
inline constexpr int32_t kNone = -1;                                                   // no such session

// The continuous trading sessions from the era's first day until the next era's.
struct Era {
    int32_t from;                    // JD0 of the first day
    int32_t open, morning_close;     // the morning session
    int32_t afternoon_open, close;   // the afternoon session
    int32_t pre_open;                // the pre-opening session runs from here to open; kNone before it existed
};
inline constexpr Era kEras[] = {
    // Sessions of the Stock Exchange of Hong Kong at the coverage's start (HKEX news release 23 Nov 2010 names them).
    {civil::to_jd0(1997, 1, 1), hm(10, 0), hm(12, 30), hm(14, 30), hm(16, 0), kNone},
    // Pre-opening session 09:30-10:00 from 25 March 2002 (HKEX news release 18 Dec 2001; Xinhua 20 Mar 2002).
    {civil::to_jd0(2002, 3, 25), hm(10, 0), hm(12, 30), hm(14, 30), hm(16, 0), hm(9, 30)},
    // Extended hours, first phase, from Monday 7 March 2011 (HKEX news release 24 Jan 2011).
    {civil::to_jd0(2011, 3, 7), hm(9, 30), hm(12, 0), hm(13, 30), hm(16, 0), hm(9, 0)},
    // Second phase from Monday 5 March 2012 (HKEX news release 1 Mar 2012).
    {civil::to_jd0(2012, 3, 5), hm(9, 30), hm(12, 0), hm(13, 0), hm(16, 0), hm(9, 0)},
};

// The closing auction session: from the close to a random close at most
// kAuctionMinutes later, on every trading day of [from, until).
struct Auction {
    int32_t from, until;  // JD0s; until excluded
};
inline constexpr int32_t kAuctionMinutes = 10;  // a random close between 8 and 10 minutes after the close
inline constexpr int32_t kOpenEnded = civil::to_jd0(law::kLastYear + 1, 1, 1);
inline constexpr Auction kAuctions[] = {
    // From Monday 26 May 2008, to 16:10 (12:40 on a half day) (HKEx news release 19 May 2008); suspended
    // from 23 March 2009 (HKEx, reported by Lexology, 2009).
    {civil::to_jd0(2008, 5, 26), civil::to_jd0(2009, 3, 23)},
    // Again from Monday 25 July 2016, a random close 16:08-16:10 (12:08-12:10 on a half day) (HKEX
    // announcement of 20 July 2016, reported by LeapRate).
    {civil::to_jd0(2016, 7, 25), kOpenEnded},
};

// The eves on which the market trades the morning session only, when the
// eve is a trading day (HKEX trading hours: "no Extended Morning Session and
// Afternoon Session on the eves of Christmas, New Year and Lunar New Year").
enum class Eve : uint8_t { christmas, new_year, lunar_new_year };
struct HalfDayRule {
    int32_t from;  // JD0 of the first day the rule holds
    Eve eve;
    const char* key;
    const char* en;
    const char* zh;
    const char* source;
};
inline constexpr const char* kHalfDaySource =
    "HKEX trading hours: no Extended Morning Session and Afternoon Session on the eves of Christmas, New Year and "
    "Lunar New Year; HKEx news release 19 May 2008 names the same three half-day trading days";
// In force throughout the covered years: a dated notice shows them in
// 2008, and the exchange's practice is older than the coverage; 1997 is
// the coverage's first year, not a known start.
inline constexpr HalfDayRule kHalfDayRules[] = {
    {civil::to_jd0(1997, 1, 1), Eve::lunar_new_year, "lunar-new-year-eve", "Lunar New Year's Eve: morning session only",
     "農曆年除夕：只設上午交易", kHalfDaySource},
    {civil::to_jd0(1997, 1, 1), Eve::christmas, "christmas-eve", "Christmas Eve: morning session only",
     "聖誕節前夕：只設上午交易", kHalfDaySource},
    {civil::to_jd0(1997, 1, 1), Eve::new_year, "new-year-eve", "New Year's Eve: morning session only",
     "新年前夕：只設上午交易", kHalfDaySource},
};

// What happened to a recorded day's trading.
enum class Shut : uint8_t {
    day,        // no trading at all
    morning,    // the morning session cancelled; trading from the afternoon's open
    rest,       // trading ended early, when a signal was hoisted
};

// A weekday, not a general holiday, whose trading the rules in force then
// cut short or cancelled.
struct Special {
    int32_t jd;
    Shut shut;
    int32_t at;       // Shut::morning: the afternoon's open that day (kNone: the era's); Shut::rest: when trading ended
    const char* key;  // the reason, stable ASCII
    const char* en;
    const char* zh;
    const char* source;
};

// Until 22 September 2024: a tropical cyclone signal No. 8 or above or a
// black rainstorm warning in force at 9:00 cancelled the morning session,
// one still in force at noon the whole day; one hoisted during trading
// ended it 15 minutes later. From Monday 23 September 2024 trading continues in severe
// weather (HKEX news release 16 Sep 2024).
inline constexpr int32_t kSevereWeatherTrading = civil::to_jd0(2024, 9, 23);
// The last year whose days are recorded here; later years are the rules' projection.
inline constexpr int32_t kLastRecordedYear = 2025;

inline constexpr const char* kPeerList = "exchange_calendars XHKG ad hoc closures (no primary notice found)";

// In date order.
inline constexpr Special kSpecials[] = {
    {civil::to_jd0(1999, 9, 16), Shut::day, kNone, "typhoon", "Typhoon York: tropical cyclone signal No. 8 or above",
     "颱風約克：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2001, 7, 6), Shut::day, kNone, "typhoon", "Typhoon Utor: tropical cyclone signal No. 8 or above",
     "颱風尤特：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2001, 7, 25), Shut::day, kNone, "typhoon", "Typhoon Yutu: tropical cyclone signal No. 8 or above",
     "颱風玉兔：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2008, 6, 25), Shut::morning, kNone, "typhoon", "Typhoon Fengshen: tropical cyclone signal No. 8 or above",
     "颱風風神：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2008, 8, 6), Shut::day, kNone, "typhoon", "Typhoon Kammuri: tropical cyclone signal No. 8 or above",
     "颱風北冕：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2008, 8, 22), Shut::day, kNone, "typhoon", "Typhoon Nuri: tropical cyclone signal No. 8 or above",
     "颱風鸚鵡：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2009, 9, 15), Shut::morning, kNone, "typhoon", "Typhoon Koppu: tropical cyclone signal No. 8 or above",
     "颱風巨爵：八號或以上熱帶氣旋警告信號", kPeerList},
    {civil::to_jd0(2011, 9, 29), Shut::day, kNone, "typhoon", "Typhoon Nesat: tropical cyclone signal No. 8 or above",
     "颱風納沙：八號或以上熱帶氣旋警告信號", "Bloomberg, 29 Sep 2011 (hongkongbusiness.hk: trading halted on 29 September 2011)"},
    {civil::to_jd0(2012, 7, 24), Shut::morning, kNone, "typhoon", "Typhoon Vicente: tropical cyclone signal No. 8 or above",
     "颱風韋森特：八號或以上熱帶氣旋警告信號", "Reuters, 24 Jul 2012 (closed for the morning at least); afternoon: peer list"},
    {civil::to_jd0(2013, 5, 22), Shut::morning, kNone, "black-rainstorm", "Black rainstorm warning",
     "黑色暴雨警告信號", kPeerList},
    {civil::to_jd0(2013, 8, 14), Shut::day, kNone, "typhoon", "Typhoon Utor: tropical cyclone signal No. 8 or above",
     "颱風尤特：八號或以上熱帶氣旋警告信號", "Reuters advisory, 14 Aug 2013: morning and afternoon suspended"},
    {civil::to_jd0(2013, 9, 23), Shut::morning, hm(13, 0), "typhoon", "Typhoon Usagi: tropical cyclone signal No. 8 or above",
     "颱風天兔：八號或以上熱帶氣旋警告信號", "Reuters advisory, 23 Sep 2013: trading resumes at 1 p.m."},
    {civil::to_jd0(2014, 9, 16), Shut::morning, hm(13, 0), "typhoon", "Typhoon Kalmaegi: tropical cyclone signal No. 8 or above",
     "颱風海鷗：八號或以上熱帶氣旋警告信號", "Businessweek via Intellasia, Sep 2014: morning called off, trading at 1 p.m."},
    {civil::to_jd0(2016, 8, 2), Shut::day, kNone, "typhoon", "Tropical storm Nida: tropical cyclone signal No. 8 or above",
     "熱帶風暴妮妲：八號或以上熱帶氣旋警告信號", "Bloomberg, 2 Aug 2016: sessions cancelled, signal No. 8 in force at noon"},
    {civil::to_jd0(2016, 10, 21), Shut::day, kNone, "typhoon", "Typhoon Haima: tropical cyclone signal No. 8 or above",
     "颱風海馬：八號或以上熱帶氣旋警告信號", "The National, 23 Aug 2017: a full day cancelled in October 2016 for Haima"},
    {civil::to_jd0(2017, 8, 23), Shut::day, kNone, "typhoon", "Typhoon Hato: tropical cyclone signal No. 8 or above",
     "颱風天鴿：八號或以上熱帶氣旋警告信號", "HKEX statement, reported by The National, 23 Aug 2017"},
    {civil::to_jd0(2019, 7, 31), Shut::rest, hm(13, 55), "typhoon", "Tropical storm Wipha: tropical cyclone signal No. 8 or above",
     "熱帶風暴韋帕：八號或以上熱帶氣旋警告信號", "Bloomberg, 31 Jul 2019: signal No. 8 at 1:40 p.m., trading suspended 15 minutes later"},
    {civil::to_jd0(2020, 8, 19), Shut::morning, hm(13, 30), "typhoon", "Typhoon Higos: tropical cyclone signal No. 8 or above",
     "颱風海高斯：八號或以上熱帶氣旋警告信號", "Bloomberg, 19 Aug 2020: morning scrapped, trading from 1:30 p.m."},
    {civil::to_jd0(2020, 10, 13), Shut::day, kNone, "typhoon", "Tropical storm Nangka: tropical cyclone signal No. 8 or above",
     "熱帶風暴浪卡：八號或以上熱帶氣旋警告信號", "Bloomberg, 13 Oct 2020: trading scrapped, signal No. 8 at noon"},
    {civil::to_jd0(2021, 6, 28), Shut::morning, hm(13, 30), "black-rainstorm", "Black rainstorm warning",
     "黑色暴雨警告信號", "BBC and The National, 28 Jun 2021: morning session cancelled, trading from 1:30 p.m."},
    {civil::to_jd0(2021, 10, 13), Shut::day, kNone, "typhoon", "Tropical storm Kompasu: tropical cyclone signal No. 8 or above",
     "熱帶風暴圓規：八號或以上熱帶氣旋警告信號", "HKEX market communication 2110132news, 13 Oct 2021; SCMP 13 Oct 2021"},
    {civil::to_jd0(2022, 8, 25), Shut::morning, hm(13, 0), "typhoon", "Tropical storm Ma-on: tropical cyclone signal No. 8 or above",
     "熱帶風暴馬鞍：八號或以上熱帶氣旋警告信號", "SCMP and Investing.com, 25 Aug 2022: securities resume at 13:00"},
    {civil::to_jd0(2022, 11, 2), Shut::rest, hm(13, 55), "typhoon", "Tropical storm Nalgae: tropical cyclone signal No. 8 or above",
     "熱帶風暴尼格：八號或以上熱帶氣旋警告信號", "HKEX via Xinhua, 2 Nov 2022: trading suspended at 1:55 p.m."},
    {civil::to_jd0(2023, 7, 17), Shut::day, kNone, "typhoon", "Typhoon Talim: tropical cyclone signal No. 8 or above",
     "颱風泰利：八號或以上熱帶氣旋警告信號", "SCMP, 1 Sep 2023: the market closed on 17 July for Talim"},
    {civil::to_jd0(2023, 9, 1), Shut::day, kNone, "typhoon", "Super typhoon Saola: tropical cyclone signal No. 8 or above",
     "超強颱風蘇拉：八號或以上熱帶氣旋警告信號", "SCMP, 1 and 8 Sep 2023: markets halted on 1 September"},
    {civil::to_jd0(2023, 9, 8), Shut::day, kNone, "black-rainstorm", "Black rainstorm warning",
     "黑色暴雨警告信號", "SCMP, 8 Sep 2023: black rainstorm warning in force at noon, full day halted"},
    {civil::to_jd0(2023, 10, 9), Shut::morning, hm(14, 0), "typhoon", "Typhoon Koinu: tropical cyclone signal No. 8 or above",
     "颱風小犬：八號或以上熱帶氣旋警告信號", "HKEX notice, 9 Oct 2023 (Mondo Visione): trading commences at 2:00 pm"},
    {civil::to_jd0(2024, 9, 6), Shut::day, kNone, "typhoon", "Super typhoon Yagi: tropical cyclone signal No. 8 or above",
     "超強颱風摩羯：八號或以上熱帶氣旋警告信號", "HKEX notice, 6 Sep 2024 (Mondo Visione): all trading sessions cancelled"},
};

// ---- the rows' consistency ----------------------------------------------------

template <typename Row, std::size_t N, typename Less>
constexpr bool ascending(const Row (&rows)[N], Less less) {
    for (std::size_t i = 1; i < N; ++i) {
        if (!less(rows[i - 1], rows[i])) return false;
    }
    return true;
}
constexpr bool weekday_of_record(const Special& s) { return law::weekday(s.jd) >= 1 && law::weekday(s.jd) <= 5; }
constexpr bool era_sane(const Era& e) {
    return (e.pre_open == kNone || e.pre_open < e.open) && e.open < e.morning_close &&
           e.morning_close < e.afternoon_open && e.afternoon_open < e.close;
}

static_assert(ascending(kEras, [](const Era& a, const Era& b) { return a.from < b.from; }));
static_assert(kEras[0].from == civil::to_jd0(law::kFirstYear, 1, 1));
static_assert(ascending(kAuctions, [](const Auction& a, const Auction& b) { return a.until <= b.from; }));
static_assert(ascending(kSpecials, [](const Special& a, const Special& b) { return a.jd < b.jd; }));
static_assert([] {
    for (const Era& e : kEras) {
        if (!era_sane(e)) return false;
    }
    for (const Special& s : kSpecials) {
        // Weekdays that are not general holidays, none from severe weather trading on, none past the record.
        const Date d = civil::from_jd0(s.jd);
        if (!weekday_of_record(s) || table::is_holiday(d) || s.jd >= kSevereWeatherTrading || d.year > kLastRecordedYear) {
            return false;
        }
        if ((s.shut == Shut::day && s.at != kNone) || (s.shut == Shut::rest && s.at == kNone)) return false;
    }
    return true;
}());

// The days the exchange is closed besides weekends: the general holidays
// and the recorded full-day closures, as the business-day engine's day set.
inline constexpr business::DaySet kClosedDays = [] {
    business::DaySet out = table::kMonthHolidays;
    for (const Special& s : kSpecials) {
        const Date d = civil::from_jd0(s.jd);
        if (s.shut == Shut::day) out[static_cast<std::size_t>(12 * (d.year - law::kFirstYear) + d.month - 1)] |= 1u << (d.day - 1);
    }
    return out;
}();
// Trading days over the exchange's day set (tables defined in xhkg_tables.cpp);
// its weekdays are always Monday to Friday.
extern const business::Tables kExchangeTables;
using Exchange = business::Engine<kExchangeTables>;
inline constexpr uint32_t kWeekdays = HK_MON_FRI;

}  // namespace hkcal::hk::xhkg
