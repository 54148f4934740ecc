// hkcal: Hong Kong holidays, lunar dates and date arithmetic from the shell.
// CLI11 reads the command line; each command turns its arguments into
// library calls and returns its whole output as text, which is written only
// once the command has succeeded (so a mistake leaves standard output empty).
#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "dates.hpp"
#include "format.hpp"
#include "grid.hpp"
#include "holiday_book.hpp"
#include "holiday_names.hpp"
#include "holidays_law.hpp"
#include "parse.hpp"
#include "workdays.hpp"

namespace {

using namespace hkcal::tool;

constexpr int kUsageStatus = 2;
constexpr int kOutputErrorStatus = 1;

// ---- small helpers ------------------------------------------------------------

// Today in the local time zone.
Date today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return make_date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// The value of an option with a fixed set of words.
template <typename Choice>
Choice choose(const std::string& option, const std::string& value,
              std::initializer_list<std::pair<const char*, Choice>> choices) {
    std::string words;
    for (const auto& [word, choice] : choices) {
        if (value == word) return choice;
        words += (words.empty() ? "" : ", ") + std::string(word);
    }
    throw UsageError(option + ": '" + value + "' is not one of " + words);
}

Format format_option(const std::string& value) {
    return choose<Format>("--format", value,
                          {{"text", Format::text}, {"csv", Format::csv}, {"json", Format::json}, {"ics", Format::ics}});
}

Lang lang_option(const std::string& value) { return choose<Lang>("--lang", value, {{"en", Lang::en}, {"zh", Lang::zh}}); }

std::optional<Rules> rules_option(const std::string& value) {
    if (value.empty()) return std::nullopt;
    return choose<Rules>("--rules", value, {{"law", Rules::law}, {"library", Rules::library}});
}

bool color_option(const std::string& value) {
    enum class When { automatic, always, never };
    When when = choose<When>("--color", value, {{"auto", When::automatic}, {"always", When::always}, {"never", When::never}});
    if (when != When::automatic) return when == When::always;
    const char* term = std::getenv("TERM");
#if defined(_WIN32)
    const bool terminal = _isatty(1) != 0;
#else
    const bool terminal = isatty(STDOUT_FILENO) != 0;
#endif
    return terminal && std::getenv("NO_COLOR") == nullptr && !(term != nullptr && std::strcmp(term, "dumb") == 0);
}

// DTSTAMP: now, or SOURCE_DATE_EPOCH when set (for reproducible files).
std::string dtstamp() {
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    std::tm utc{};
#if defined(_WIN32)
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%dT%H%M%SZ", &utc);
    return buffer;
}

// A date the library produced, or UsageError when it gave the null date or
// a date outside the tool's years.
Date checked_result(const Date& date, const std::string& what) {
    if (is_null(date) || date.year < kMinYear || date.year > kMaxYear) {
        throw UsageError(what + ": the result lies outside the years " + std::to_string(kMinYear) + " to " +
                         std::to_string(kMaxYear));
    }
    return date;
}

// ---- the commands -------------------------------------------------------------

struct Args {
    std::string year, month, date, date2, count, unit = "days", lunar;
    std::string format = "text", lang = "en", rules, color = "auto";
    std::string weekdays, from = "local", to = "local", from_dst, to_dst, clock, jd;
    bool show_lunar = false, workdays = false, no_holidays = false;
};

std::string run_holidays(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    const Format format = format_option(a.format);
    const Lang lang = lang_option(a.lang);
    const Rules rules = rules_option(a.rules).value_or(Rules::law);
    if (format == Format::ics && year < 1) throw UsageError("--format=ics: iCalendar dates need years 1 to 9999");
    return write_holidays(holiday_list(year, rules), format, lang, {rules, dtstamp()});
}

std::string run_month(const Args& a) {
    const YearMonth when = a.month.empty() ? YearMonth{today().year, today().month} : parse_year_month(a.month);
    HolidayBook book(rules_option(a.rules));
    return month_view(when.year, when.month, {color_option(a.color), a.show_lunar}, book);
}

std::string run_year(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    HolidayBook book(rules_option(a.rules));
    return year_view(year, {color_option(a.color), a.show_lunar}, book);
}

std::string run_date(const Args& a) {
    const Date date = a.date.empty() ? today() : parse_date(a.date);
    const Lang lang = lang_option(a.lang);
    HolidayBook book(rules_option(a.rules));
    const Date lunar = date_to_chinese(&date);
    std::string out = iso_date(date) + "  " + weekday_name(date) + "\n";
    out += "JD0          " + std::to_string(static_cast<int64_t>(date_to_JD0(&date))) + "\n";
    out += "day number   " + std::to_string(date_to_day_number(&date)) + "\n";
    out += "lunar        " + (is_null(lunar) ? std::string("none (the library's table covers 1936-01-24 to 2031-12-31)")
                                             : lunar_text(lunar)) +
           "\n";
    for (const Holiday* holiday : book.on(date)) {
        out += "holiday      " + in(holiday->name, lang);
        if (holiday->observed_for) out += " (for " + iso_date(*holiday->observed_for) + ")";
        out += "\n";
    }
    return out;
}

std::string run_lunar(const Args& a) {
    const Date date = parse_date(a.date);
    const Date lunar = date_to_chinese(&date);
    if (is_null(lunar)) {
        throw UsageError("'" + a.date + "' has no lunar date: the library's table covers 1936-01-24 to 2031-12-31");
    }
    return lunar_text(lunar) + "\n";
}

std::string run_solar(const Args& a) {
    const Date lunar = parse_lunar_date(a.lunar);
    return iso_date(chinese_to_date(&lunar)) + "\n";
}

// The working weekdays asked for; Monday to Friday by default.
uint8_t weekday_mask(const Args& a) { return a.weekdays.empty() ? kMondayToFriday : parse_weekdays(a.weekdays); }

std::string run_add(const Args& a) {
    const Date date = parse_date(a.date);
    const int32_t n = parse_count(a.count, "count");
    enum class Unit { days, months, years, workdays };
    const Unit unit = choose<Unit>("UNIT", a.unit,
                                   {{"days", Unit::days},
                                    {"months", Unit::months},
                                    {"years", Unit::years},
                                    {"workdays", Unit::workdays}});
    if (unit != Unit::workdays && (!a.weekdays.empty() || a.no_holidays)) {
        throw UsageError(std::string(a.no_holidays ? "--no-holidays" : "--weekdays") + ": only with the unit workdays");
    }
    Date result{};
    switch (unit) {
        case Unit::days: result = date_N_days_after_date(n, &date); break;
        case Unit::months: result = add_month(n, &date); break;
        case Unit::years: result = add_year(n, &date); break;
        case Unit::workdays: {
            const uint8_t mask = weekday_mask(a);
            if (a.no_holidays) {
                result = add_day_with_weekday_flag(n, mask, &date);
            } else {
                HolidayBook book(rules_option(a.rules));
                result = add_workdays(date, n, mask, &book);
            }
            break;
        }
    }
    checked_result(result, "add");
    std::string out = iso_date(result) + "\n";
    if (!valid_date(&result)) {
        std::cerr << "hkcal: note: " << iso_date(result) << " is not a date of the historical calendar\n";
    }
    return out;
}

std::string run_between(const Args& a) {
    const Date first = parse_date(a.date);
    const Date second = parse_date(a.date2);
    if (!a.workdays) {
        if (!a.weekdays.empty() || a.no_holidays) {
            throw UsageError(std::string(a.no_holidays ? "--no-holidays" : "--weekdays") + ": only with --workdays");
        }
        return std::to_string(static_cast<int64_t>(days_between_dates(&second, &first))) + "\n";
    }
    const uint8_t mask = weekday_mask(a);
    if ((mask & 0x7F) == 0) throw UsageError("--weekdays: no day of the week is a working day");
    HolidayBook book(rules_option(a.rules));
    return std::to_string(count_workdays(first, second, mask, a.no_holidays ? nullptr : &book)) + "\n";
}

std::string run_easter(const Args& a) {
    const int32_t year = a.year.empty() ? today().year : parse_year(a.year);
    const Date sunday = checked_result(easter(year), "easter");
    std::vector<Holiday> days{
        {good_friday(year), "good-friday", names::kGoodFriday, std::nullopt},
        {good_friday_2_holiday(year), "good-friday-2", names::kGoodFriday2, std::nullopt},
        {sunday, "easter-sunday", names::kEasterSunday, std::nullopt},
        {easter_monday(year), "easter-monday", names::kEasterMonday, std::nullopt},
    };
    return write_holidays(days, Format::text, Lang::en, {Rules::library, ""});
}

std::string run_jd(const Args& a) {
    const bool is_date = a.jd.find('-', 1) != std::string::npos;  // a sign may lead a number
    if (is_date) {
        const Date date = parse_date(a.jd);
        return std::to_string(static_cast<int64_t>(date_to_JD0(&date))) + "\n";
    }
    const int32_t jd = parse_count(a.jd, "Julian Day Number");
    return iso_date(checked_result(JD0_to_date(jd), "jd")) + "\n";
}

std::string clock_text(const SYSTEMTIME& t) {
    char clock[16];
    std::snprintf(clock, sizeof clock, "%02d:%02d", static_cast<int>(t.wHour), static_cast<int>(t.wMinute));
    return iso_date(make_date(t.wYear, t.wMonth, t.wDay)) + " " + clock;
}

std::string run_tz(const Args& a) {
    SYSTEMTIME time = parse_clock_time(a.clock);
    const bool from_local = a.from == "local";
    const bool to_local = a.to == "local";
    if (from_local && !a.from_dst.empty()) throw UsageError("--from-dst: not with --from=local, whose own rules apply");
    if (to_local && !a.to_dst.empty()) throw UsageError("--to-dst: not with --to=local, whose own rules apply");
    auto offset = [](const std::string& text, const char* option) {
        return text.empty() ? 0 : parse_offset(text, option);
    };
    const int32_t from = from_local ? 0 : offset(a.from, "--from");
    const int32_t to = to_local ? 0 : offset(a.to, "--to");
    const int32_t from_dst = offset(a.from_dst, "--from-dst");
    const int32_t to_dst = offset(a.to_dst, "--to-dst");
    int32_t ok = 1;
    if (from_local && !to_local) {
        ok = LocalToOverseaTime(&time, to, to_dst);
    } else if (!from_local && to_local) {
        ok = OverseaToLocalTime(&time, from, from_dst);
    } else if (!from_local && !to_local) {
        ok = ConvertTimeZone(&time, to, to_dst, from, from_dst);
    }
    if (ok == 0) throw UsageError("'" + a.clock + "' cannot be converted: the result leaves the years 1601 to 30827");
    return clock_text(time) + "\n";
}

// ---- the command line -------------------------------------------------------

struct Command {
    CLI::App* app;
    std::string (*run)(const Args&);
};

void add_rules_option(CLI::App* command, Args& a, const char* help) {
    command->add_option("--rules", a.rules, help)->type_name("RULES");
}

std::vector<Command> define_commands(CLI::App& app, Args& a) {
    std::vector<Command> commands;
    auto* holidays = app.add_subcommand("holidays", "The general holidays of a year in date order");
    holidays->add_option("YEAR", a.year, "The year (default: this year)")->type_name("");
    holidays->add_option("--format", a.format, "text, csv, json or ics (default: text)")->type_name("FORMAT");
    holidays->add_option("--lang", a.lang, "Names in en or zh (default: en)")->type_name("LANG");
    add_rules_option(holidays, a,
                     "law: the list as the law has it, 1999-2031 (default); library: what the library's functions "
                     "return, any year");
    commands.push_back({holidays, run_holidays});

    const char* book_rules =
        "Holidays by law (1999-2031) or library; default: law where it covers the year, library elsewhere";
    auto* month = app.add_subcommand("month", "A month grid, weeks from Sunday, holidays marked");
    month->add_option("YYYY-MM", a.month, "The month (default: this month)")->type_name("");
    month->add_option("--color", a.color, "Holidays in colour: auto (on a terminal), always or never")->type_name("WHEN");
    month->add_flag("--lunar", a.show_lunar, "Each day's lunar day under it");
    add_rules_option(month, a, book_rules);
    commands.push_back({month, run_month});

    auto* year = app.add_subcommand("year", "The twelve month grids of a year");
    year->add_option("YYYY", a.year, "The year (default: this year)")->type_name("");
    year->add_option("--color", a.color, "Holidays in colour: auto (on a terminal), always or never")->type_name("WHEN");
    year->add_flag("--lunar", a.show_lunar, "Each day's lunar day under it");
    add_rules_option(year, a, book_rules);
    commands.push_back({year, run_year});

    auto* date = app.add_subcommand("date", "Weekday, JD0, day number, lunar date and holiday of a date");
    date->add_option("DATE", a.date, "YYYY-MM-DD (default: today)")->type_name("");
    date->add_option("--lang", a.lang, "Holiday names in en or zh (default: en)")->type_name("LANG");
    add_rules_option(date, a, book_rules);
    commands.push_back({date, run_date});

    const char* table_note =
        "Follows the library's lunar table (1936-2031), which in a few years differs by a day from the Hong Kong "
        "Observatory's calendar";
    auto* lunar = app.add_subcommand("lunar", "The lunar date of a date (a leap month as L2)");
    lunar->footer(table_note);
    lunar->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    commands.push_back({lunar, run_lunar});

    auto* solar = app.add_subcommand("solar", "The date of a lunar date");
    solar->footer(table_note);
    solar->add_option("LUNAR-DATE", a.lunar, "YYYY-MM-DD, or YYYY-LM-DD for a leap month (2023-L2-01)")->type_name("")->required();
    commands.push_back({solar, run_solar});

    auto* add = app.add_subcommand("add", "A date N days, months, years or working days later (N < 0: earlier)");
    add->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    add->add_option("N", a.count, "How many (negative counts back)")->type_name("")->required();
    add->add_option("UNIT", a.unit, "days (default), months, years or workdays")->type_name("");
    add->add_option("--weekdays", a.weekdays, "Working weekdays for workdays, such as Mon-Fri,Sat (default: Mon-Fri)")->type_name("DAYS");
    add->add_flag("--no-holidays", a.no_holidays,
                  "Count weekdays only, by the library's weekday-mask step (whole weeks jump 7 days)");
    add_rules_option(add, a, book_rules);
    add->footer("Working days skip Saturdays, Sundays and general holidays; the start date is not counted.");
    commands.push_back({add, run_add});

    auto* between = app.add_subcommand("between", "Days from the first date to the second (negative when earlier)");
    between->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    between->add_option("DATE2", a.date2, "YYYY-MM-DD")->type_name("")->required();
    between->add_flag("--workdays", a.workdays, "Count working days after the first date up to the second");
    between->add_option("--weekdays", a.weekdays, "Working weekdays, such as Mon-Fri,Sat (default: Mon-Fri)")->type_name("DAYS");
    between->add_flag("--no-holidays", a.no_holidays, "Count weekdays only");
    add_rules_option(between, a, book_rules);
    commands.push_back({between, run_between});

    auto* easter_command = app.add_subcommand("easter", "Good Friday to Easter Monday of a year");
    easter_command->add_option("YEAR", a.year, "The year (default: this year; Julian Easter up to 1582)");
    commands.push_back({easter_command, run_easter});

    auto* jd = app.add_subcommand("jd", "The JD0 of a date, or the date of a JD0");
    jd->add_option("DATE|NUMBER", a.jd, "YYYY-MM-DD or a whole Julian Day Number (2451545 is 2000-01-01)")->type_name("")->required();
    commands.push_back({jd, run_jd});

    auto* tz = app.add_subcommand("tz", "A clock time converted between UTC offsets");
    tz->add_option("TIME", a.clock, "'YYYY-MM-DD HH:MM'")->type_name("")->required();
    tz->add_option("--from", a.from, "The time's zone: +HHMM, -HHMM or local (default: local)")->type_name("OFFSET");
    tz->add_option("--to", a.to, "The zone wanted: +HHMM, -HHMM or local (default: local)")->type_name("OFFSET");
    tz->add_option("--from-dst", a.from_dst, "Daylight saving added to --from, such as +0100")->type_name("OFFSET");
    tz->add_option("--to-dst", a.to_dst, "Daylight saving added to --to, such as +0100")->type_name("OFFSET");
    commands.push_back({tz, run_tz});
    return commands;
}

// The usage line printed after a mistake in the command line's shape.
std::string usage(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands()) {
        return "usage: hkcal " + command->get_name() + " ... (see: hkcal " + command->get_name() + " --help)";
    }
    return "usage: hkcal COMMAND ... (commands: holidays month year date lunar solar add between easter jd tz; see: "
           "hkcal --help)";
}

// One line for a parse error, naming what was wrong, in the tool's words
// where CLI11's are unclear.
std::string parse_error_line(const CLI::ParseError& e) {
    const std::string what = e.what();
    for (const char* extras : {"The following argument was not expected: ", "The following arguments were not expected: "}) {
        if (what.rfind(extras, 0) == 0) return "unknown option or argument: " + what.substr(std::strlen(extras));
    }
    if (what == "A subcommand is required") return "a command is required";
    const std::size_t missing = what.find(": 1 required ");  // "--format: 1 required FORMAT missing"
    if (missing != std::string::npos && what.ends_with(" missing")) return what.substr(0, missing) + ": a value is required";
    return what;
}

// The first argument when it should name a command but names none.
std::optional<std::string> unknown_command(const CLI::App& app, int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return std::nullopt;
    for (const CLI::App* command : app.get_subcommands({})) {
        if (command->check_name(argv[1])) return std::nullopt;
    }
    return std::string(argv[1]);
}

// Writes all of text to standard output; false when it could not.
bool write_out(const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
#if defined(_WIN32)
        const int wrote = _write(1, text.data() + done, static_cast<unsigned>(text.size() - done));
#else
        const ssize_t wrote = write(STDOUT_FILENO, text.data() + done, text.size() - done);
#endif
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Standard output's result: 0, or, for a reader that went away (a closed
// pipe), 0 without a word; any other failure is reported.
int finish(const std::string& text) {
    if (write_out(text)) return 0;
    if (errno == EPIPE) return 0;
    std::cerr << "hkcal: cannot write the output: " << std::strerror(errno) << "\n";
    return kOutputErrorStatus;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(SIGPIPE)
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe shows as EPIPE instead
#endif
    CLI::App app{"Hong Kong general holidays, lunar dates and date arithmetic, by the hkcal library", "hkcal"};
    app.set_version_flag("--version", "hkcal " + version_text());
    app.require_subcommand(1);
    app.footer("Dates are YYYY-MM-DD of the historical calendar (Julian to 1582-10-04), years -4712 to 9999.\n"
               "Run 'hkcal COMMAND --help' for a command's options.");
    Args args;
    std::vector<Command> commands = define_commands(app, args);
    if (auto name = unknown_command(app, argc, argv)) {
        std::cerr << "hkcal: '" << *name << "' is not a command\n" << usage(app) << "\n";
        return kUsageStatus;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& e) {  // --help, --version
        std::ostringstream text;
        std::ostringstream ignored;
        app.exit(e, text, ignored);
        return finish(text.str());
    } catch (const CLI::ParseError& e) {
        std::cerr << "hkcal: " << parse_error_line(e) << "\n";
        if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr || dynamic_cast<const CLI::RequiredError*>(&e) != nullptr ||
            dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
            std::cerr << usage(app) << "\n";
        }
        return kUsageStatus;
    }
    try {
        for (const Command& command : commands) {
            if (command.app->parsed()) return finish(command.run(args));
        }
    } catch (const UsageError& e) {
        std::cerr << "hkcal: " << e.what() << "\n";
        return kUsageStatus;
    }
    return kUsageStatus;
}
