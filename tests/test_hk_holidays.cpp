// The law's lists against published facts and every year's shape, and the
// business days against a day-by-day walk over all of 1997-2100. (The tool's golden files hold the
// whole lists: general 1997-2031, statutory 2010-2031.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hk/bits.hpp"
#include "hkcal.h"
#include "hkcal_hk.h"

namespace {

bool same(const Date& a, const Date& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

std::vector<HkHoliday> list(int32_t year, uint32_t kind = HK_GENERAL, uint32_t options = 0,
                            int32_t rest_day = HK_NO_REST_DAY) {
    std::vector<HkHoliday> out(HK_MAX_HOLIDAYS);
    size_t n = 0;
    EXPECT_EQ(hk_holidays(year, kind, options, rest_day, out.data(), out.size(), &n), HK_OK) << year;
    out.resize(n);
    return out;
}

const HkHoliday* find(const std::vector<HkHoliday>& l, const Date& d) {
    for (const HkHoliday& h : l) {
        if (same(h.date, d)) return &h;
    }
    return nullptr;
}

// Statutory days by year (Employment (Amendment) Ordinance 2021), and the
// general list's 17 days but for the years with a day appointed for them.
TEST(HkHolidays, EveryYearsShape) {
    for (int32_t y = HK_HOLIDAY_FIRST_YEAR; y <= HK_HOLIDAY_LAST_YEAR; ++y) {
        const std::vector<HkHoliday> general = list(y);
        EXPECT_EQ(general.size(), y == 1997 ? 20u : y == 1999 || y == 2015 ? 18u : 17u) << y;
        const size_t statutory = y < 2022 ? 12 : y < 2024 ? 13 : y < 2026 ? 14 : y < 2028 ? 15 : y < 2030 ? 16 : 17;
        EXPECT_EQ(list(y, HK_STATUTORY).size(), statutory + (y == 2015)) << y;
        for (size_t i = 0; i < general.size(); ++i) {
            const HkHoliday& h = general[i];
            EXPECT_TRUE(valid_date(&h.date) && h.date.year == y && !is_day_of_week(&h.date, 0)) << y << " " << h.key;
            EXPECT_TRUE(i == 0 || date_less(&general[i - 1].date, &h.date)) << y << " " << h.key;
        }
        // Every key is named; a day on its own date carries its key's name.
        for (const std::vector<HkHoliday>& l : {general, list(y, HK_STATUTORY), list(y, HK_STATUTORY, HK_CHRISTMAS)}) {
            for (const HkHoliday& h : l) {
                const char* en = hk_holiday_name(h.key, HK_LANG_EN);
                const char* zh = hk_holiday_name(h.key, HK_LANG_ZH);
                ASSERT_TRUE(en && zh) << y << " " << h.key;
                const bool own_day = h.observed_for.month == 0;
                EXPECT_TRUE(!own_day || (std::string(en) == h.name_en && std::string(zh) == h.name_zh)) << y << " " << h.key;
            }
        }
        for (uint32_t options : {0u, HK_CHRISTMAS}) {  // every rest day: as many days, none on it
            for (int32_t rest = 0; rest < 7; ++rest) {
                const std::vector<HkHoliday> given = list(y, HK_STATUTORY, options, rest);
                EXPECT_EQ(given.size(), statutory + (y == 2015)) << y;
                for (size_t i = 0; i < given.size(); ++i) {
                    EXPECT_FALSE(is_day_of_week(&given[i].date, rest)) << y;
                    EXPECT_FALSE(same(given[i].date, given[i].observed_for)) << y << " " << rest;  // never for itself
                    EXPECT_TRUE(i == 0 || date_less(&given[i - 1].date, &given[i].date)) << y << " " << rest;
                }
            }
        }
    }
}

// The Labour Department's lists and the General Holidays Ordinance's rules
// where the golden files do not reach: the days' kinds, the rest-day days of
// 2026, the Winter Solstice and Christmas Day, later years' rules.
TEST(HkHolidays, PublishedFacts) {
    const std::vector<HkHoliday> g2026 = list(2026);
    const HkHoliday* labour = find(g2026, {2026, 5, 1});
    const HkHoliday* good_friday = find(g2026, {2026, 4, 3});
    const HkHoliday* after_easter_monday = find(g2026, {2026, 4, 7});
    ASSERT_TRUE(labour && good_friday && after_easter_monday);
    EXPECT_EQ(labour->kinds, HK_GENERAL | HK_STATUTORY);
    EXPECT_EQ(good_friday->kinds, HK_GENERAL);
    EXPECT_STREQ(after_easter_monday->name_zh, "復活節星期一翌日");
    EXPECT_TRUE(same(after_easter_monday->observed_for, {2026, 4, 6}));
    // 2026, Sunday rest day: Ching Ming (Sunday 5 April) on 7 April after Easter Monday, the Buddha
    // (Sunday 24 May) on 25 May, Chung Yeung (Sunday 18 October) on 19 October.
    const std::vector<HkHoliday> sunday = list(2026, HK_STATUTORY, 0, 0);
    for (const Date& d : {Date{2026, 4, 6}, Date{2026, 4, 7}, Date{2026, 5, 25}, Date{2026, 10, 19}}) {
        EXPECT_TRUE(find(sunday, d)) << d.month << "-" << d.day;
    }
    const std::vector<HkHoliday> published = list(2026, HK_STATUTORY);
    const HkHoliday* solstice = find(published, {2026, 12, 22});
    ASSERT_TRUE(find(published, {2026, 4, 5}) && find(published, {2026, 5, 24}) && solstice);
    EXPECT_EQ(solstice->kinds, HK_STATUTORY);  // the Winter Solstice
    EXPECT_TRUE(find(list(2026, HK_STATUTORY, HK_CHRISTMAS), {2026, 12, 25}));
    EXPECT_TRUE(find(list(2020, HK_STATUTORY), {2020, 10, 25}));  // Chung Yeung on a Sunday
    // 2006, rest day Saturday: the day preceding Lunar New Year's Day (Saturday 28 January, for the
    // Sunday) moves onto Sunday 29 January, and stands for the Saturday.
    const std::vector<HkHoliday> saturday_rest = list(2006, HK_STATUTORY, 0, 6);
    const HkHoliday* eve = find(saturday_rest, {2006, 1, 29});
    ASSERT_TRUE(eve);
    EXPECT_TRUE(std::string(eve->key) == "lunar-new-year-eve" && same(eve->observed_for, {2006, 1, 28}));
    // A later year by the rules: Lunar New Year 2034 on Sunday 19 February gives the fourth day.
    EXPECT_TRUE(find(list(2034), {2034, 2, 22}) && !find(list(2034), {2034, 2, 18}));
}

// The longest note fits HK_NOTE_SIZE; a day the classic library alone names.
TEST(HkHolidays, NotesAndNames) {
    char out[HK_NOTE_SIZE];
    const Date festival{INT32_MIN, 1, 2}, bad_month{2026, 13, 1};
    ASSERT_EQ(hk_observed_note(&festival, HK_LANG_ZH, HK_NOTE_INLINE, out, sizeof out), HK_OK);
    EXPECT_STREQ(out, "（-2147483648-01-02 補假）");
    EXPECT_EQ(hk_observed_note(&bad_month, HK_LANG_EN, HK_NOTE_ALONE, out, sizeof out), HK_EINVAL);
    EXPECT_EQ(hk_holiday_name("easter-sunday", HK_LANG_ZH), std::string("復活節"));
}

// ---- business days ------------------------------------------------------

// The model: each day of 1997-2100 walked one by one, a business day being a
// working weekday that no general list names; before[i]: business days before day i.
struct Walk {
    static constexpr Date kFirst{1997, 1, 1};
    const int32_t first = static_cast<int32_t>(date_to_JD0(&kFirst)), size = 37985;
    std::vector<int32_t> before{0};

    explicit Walk(uint8_t mask) {
        static const std::vector<bool> holiday = [&] {
            std::vector<bool> h(37985);
            for (int32_t y = HK_HOLIDAY_FIRST_YEAR; y <= HK_HOLIDAY_LAST_YEAR; ++y) {
                for (const HkHoliday& d : list(y)) h[static_cast<size_t>(date_to_JD0(&d.date) - first)] = true;
            }
            return h;
        }();
        for (int32_t i = 0; i < size; ++i) before.push_back(before.back() + (!holiday[static_cast<size_t>(i)] && (mask >> (i + 3) % 7 & 1)));
    }
    bool business(int32_t i) const { return before[static_cast<size_t>(i + 1)] > before[static_cast<size_t>(i)]; }
    Date date(int32_t i) const { return JD0_to_date(first + i); }
    // The index of the n-th business day after i (before, n < 0), or -1 outside.
    int32_t step(int32_t i, int32_t n) const {
        for (int32_t left = n < 0 ? -n : n; left > 0 && i >= 0 && i < size;) {
            i += n < 0 ? -1 : 1;
            if (i >= 0 && i < size && business(i)) --left;
        }
        return i >= 0 && i < size ? i : -1;
    }
};

void expect_date(hk_status s, const Date& got, const Walk& w, int32_t i, const char* what, int32_t day, int mask) {
    if (i < 0) {
        ASSERT_EQ(s, HK_ERANGE) << what << " " << day << " mask " << mask;
    } else {
        ASSERT_TRUE(s == HK_OK && same(got, w.date(i))) << what << " from day " << day << " mask " << mask;
    }
}

// Every mask (bit 7 set on the odd ones: it is ignored), every day; long steps from every 61st day.
TEST(HkBusinessDays, AgreeWithADayByDayWalk) {
    for (int mask = 1; mask < 128; ++mask) {
        const Walk w(static_cast<uint8_t>(mask));
        const auto m = static_cast<uint8_t>(mask | (mask & 1) << 7);
        for (int32_t i = 0; i < w.size; ++i) {
            const Date d = w.date(i);
            int32_t is = -1, count = 0;
            ASSERT_TRUE(hk_is_business_day(&d, m, &is) == HK_OK && (is != 0) == w.business(i)) << i;
            Date got{};
            for (int32_t n : {1, -1, 2, -3}) expect_date(hk_add_business_days(&d, n, m, &got), got, w, w.step(i, n), "add", i, mask);
            for (int32_t n : {250, -1000}) {
                if (i % 61 == 0) expect_date(hk_add_business_days(&d, n, m, &got), got, w, w.step(i, n), "add", i, mask);
            }
            expect_date(hk_next_business_day(&d, m, &got), got, w, w.step(i, 1), "next", i, mask);
            expect_date(hk_previous_business_day(&d, m, &got), got, w, w.step(i, -1), "previous", i, mask);
            const int32_t next = w.business(i) ? i : w.step(i, 1), previous = w.business(i) ? i : w.step(i, -1);
            const auto month = [&](int32_t j) { return j < 0 ? -1 : w.date(j).month; };
            expect_date(hk_roll(&d, HK_FOLLOWING, m, &got), got, w, next, "following", i, mask);
            expect_date(hk_roll(&d, HK_PRECEDING, m, &got), got, w, previous, "preceding", i, mask);
            expect_date(hk_roll(&d, HK_MODIFIED_FOLLOWING, m, &got), got, w, month(next) == d.month ? next : previous,
                        "modified following", i, mask);
            expect_date(hk_roll(&d, HK_MODIFIED_PRECEDING, m, &got), got, w, month(previous) == d.month ? previous : next,
                        "modified preceding", i, mask);
            const int32_t j = (i * 7919) % w.size;
            const Date e = w.date(j);
            ASSERT_EQ(hk_business_days_between(&d, &e, m, &count), HK_OK);
            ASSERT_EQ(count, w.before[static_cast<size_t>(j + 1)] - w.before[static_cast<size_t>(i + 1)]) << i << " " << j;
        }
    }
}

// The engine's bit counting and selecting, in each way this processor has
// (the library uses the best; the sweep above checks it end to end), against
// a bit-by-bit count over words of every density.
TEST(HkBusinessDays, BitsAgreeInEveryWay) {
    namespace bits = hkcal::hk::bits;
    const bits::Way best = bits::ask();
    for (uint8_t way = bits::kTables; way <= best; ++way) {
        bits::g_way = way;
        uint32_t x = 0x12345678u;
        for (int i = 0; i < 1 << 16; ++i) {
            x = x * 1664525u + 1013904223u;
            const uint32_t word = i % 4 == 0 ? x : i % 4 == 1 ? x & x >> 7 : i % 4 == 2 ? x | x << 5 : uint32_t(i);
            int32_t r = 0;
            for (int32_t bit = 0; bit < 32; ++bit) {
                if ((word >> bit & 1) == 0) continue;
                ASSERT_EQ(bits::select(word, static_cast<uint32_t>(r++)), bit) << "way " << +way << " word " << word;
            }
            ASSERT_EQ(bits::count(word), r) << "way " << +way << " word " << word;
        }
    }
    bits::g_way = bits::kUnasked;
}

}  // namespace
