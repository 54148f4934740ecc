// Each day takes three columns: two for the number and one after it, where
// the '*' of a holiday goes (so a plain month is cal's 20 columns wide).
#include "grid.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

#include "dates.hpp"
#include "format.hpp"

namespace hkcal::tool {
namespace {

constexpr std::size_t kCell = 3;
constexpr std::size_t kWeekWidth = 7 * kCell - 1;  // "Su Mo Tu We Th Fr Sa"
constexpr const char* kRed = "\x1b[31m";
constexpr const char* kDim = "\x1b[2m";
constexpr const char* kReset = "\x1b[0m";

std::string right_trimmed(std::string line) {
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string centered(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    return std::string((width - text.size()) / 2, ' ') + text;
}

std::string two_columns(int32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", static_cast<int>(number));
    return buffer;
}

// The days of the month in order, from the 1st while the month lasts on the
// JD0 line (October 1582 runs 1-4, 15-31).
std::vector<Date> days_of(int32_t year, int32_t month) {
    std::vector<Date> days;
    for (Date day = make_date(year, month, 1); day.month == month && day.year == year; day = plus_days(day, 1)) {
        days.push_back(day);
    }
    return days;
}

std::string join(const std::array<std::string, 7>& cells) {
    std::string line;
    for (const std::string& cell : cells) line += cell;
    return line;
}

std::string header() {
    std::string line;
    for (uint32_t dow = 0; dow < 7; ++dow) {
        line += utf8(day_of_week_abbreviation(dow)).substr(0, 2);
        if (dow < 6) line += ' ';
    }
    return line;
}

// Visible width of a grid line: colour codes take no columns.
std::size_t visible_width(const std::string& line) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\x1b') {
            i = line.find('m', i);
            if (i == std::string::npos) break;
        } else {
            ++width;
        }
    }
    return width;
}

}  // namespace

std::vector<std::string> month_lines(int32_t year, int32_t month, const GridOptions& options, HolidayBook& book) {
    std::vector<std::string> lines{centered(month_title(month) + " " + std::to_string(year), kWeekWidth), header()};
    std::vector<std::string> lunar_starts;
    std::array<std::string, 7> cells, lunar_cells;  // by weekday, three visible columns each
    auto flush = [&] {
        const bool first_week = lines.size() == 2;
        if (options.lunar && !first_week) lines.emplace_back();  // a week and its lunar days stand apart
        lines.push_back(right_trimmed(join(cells)));
        if (options.lunar) {
            const std::string lunar_line = right_trimmed(join(lunar_cells));
            lines.push_back(options.color && !lunar_line.empty() ? kDim + lunar_line + kReset : lunar_line);
        }
        cells.fill(std::string(kCell, ' '));
        lunar_cells = cells;
    };
    cells.fill(std::string(kCell, ' '));
    lunar_cells = cells;
    const std::vector<Date> days = days_of(year, month);
    for (const Date& day : days) {
        const auto dow = static_cast<std::size_t>(weekday_of(day));
        const bool holiday = book.is_holiday(day);
        cells[dow] = holiday && options.color ? kRed + two_columns(day.day) + kReset + " "
                                              : two_columns(day.day) + (holiday ? "*" : " ");
        const std::optional<Date> lunar = options.lunar ? lunar_date(day, options.table) : std::nullopt;
        if (lunar) {
            lunar_cells[dow] = two_columns(lunar->day) + " ";
            if (lunar->day == 1) lunar_starts.push_back(two_columns(day.day) + " is lunar " + lunar_text(*lunar));
        }
        if (dow == 6 || &day == &days.back()) flush();
    }
    lines.insert(lines.end(), lunar_starts.begin(), lunar_starts.end());
    return lines;
}

std::string month_view(int32_t year, int32_t month, const GridOptions& options, HolidayBook& book) {
    std::string out;
    for (const std::string& line : month_lines(year, month, options, book)) out += line + "\n";
    for (const Holiday& holiday : book.year(year)) {
        if (holiday.date.month != month) continue;
        out += two_columns(holiday.date.day) + (options.color ? "  " : "* ") + holiday.name.en + "\n";
    }
    return out;
}

std::string year_view(int32_t year, const GridOptions& options, HolidayBook& book) {
    std::string out = centered(std::to_string(year), 3 * kWeekWidth + 4) + "\n\n";
    for (int32_t first = 1; first <= 12; first += 3) {
        std::vector<std::vector<std::string>> months;
        std::size_t width = kWeekWidth + 1;
        std::size_t height = 0;
        for (int32_t month = first; month < first + 3; ++month) {
            months.push_back(month_lines(year, month, options, book));
            months.back()[0] = centered(month_title(month), kWeekWidth);  // the year stands above
            for (const std::string& line : months.back()) width = std::max(width, visible_width(line));
            height = std::max(height, months.back().size());
        }
        for (std::size_t row = 0; row < height; ++row) {
            std::string line;
            for (const auto& lines : months) {
                std::string part = row < lines.size() ? lines[row] : "";
                line += part + std::string(width + 2 - visible_width(part), ' ');
            }
            out += right_trimmed(line) + "\n";
        }
        if (first < 10) out += "\n";
    }
    return out;
}

}  // namespace hkcal::tool
