// hkcal: Hong Kong holidays, lunar dates and date arithmetic from the shell.
// CLI11 reads the command line; each command (commands.cpp) returns its
// whole output as text, which is written only once the command has
// succeeded, so a mistake leaves standard output empty.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "commands.hpp"
#include "format.hpp"
#include "hkcal_hk.h"
#include "options.hpp"
#include "parse.hpp"

namespace {

using namespace hkcal::tool;

constexpr int kUsageStatus = 2;
constexpr int kOutputErrorStatus = 1;

// ---- the command line -------------------------------------------------------

struct Command {
    CLI::App* app;
    std::string (*run)(const Args&);
};

// An option whose word `read` turns into its value as CLI11 meets it (a bad
// word throws UsageError from the parse).
template <typename T, typename Read>
CLI::Option* typed(CLI::App* command, const std::string& name, T& target, Read read, const std::string& help) {
    return command->add_option_function<std::string>(
        name, [&target, read](const std::string& word) { target = read(word); }, help);
}

void add_rules_option(CLI::App* command, Args& a, const std::string& help) {
    typed(command, "--rules", a.rules, rules_option, help)->type_name("RULES");
}

void add_table_option(CLI::App* command, Args& a) {
    typed(command, "--table", a.table, lunar_table_option,
          "observatory: the Hong Kong Observatory's lunar calendar, " + covered_years(HK_COVERS_LUNAR, "-") +
              " (default); library: the classic library's table, " + covered_years(HK_COVERS_CLASSIC_LUNAR, "-") +
              ", a day off the Observatory's in a few months")
        ->type_name("TABLE");
}

void add_format_option(CLI::App* command, Args& a) {
    typed(command, "--format", a.format, format_option, "text, csv, json or ics (default: text)")->type_name("FORMAT");
}

void add_lang_option(CLI::App* command, Args& a, const char* help) {
    typed(command, "--lang", a.lang, lang_option, help)->type_name("LANG");
}

void add_weekdays_option(CLI::App* command, Args& a, const char* help) {
    typed(command, "--weekdays", a.weekdays, parse_weekdays, help)->type_name("DAYS");
}

// --from, --to (which take "local"), --from-dst or --to-dst.
void add_zone_option(CLI::App* command, std::optional<int32_t>& target, const char* name, bool local, const char* help) {
    typed(command, name, target, [name, local](const std::string& word) { return zone_option(word, name, local); }, help)
        ->type_name("OFFSET");
}

std::vector<Command> define_commands(CLI::App& app, Args& a) {
    std::vector<Command> commands;
    auto* holidays = app.add_subcommand("holidays", "The general holidays of a year in date order");
    holidays->add_option("YEAR", a.year, "The year (default: this year)")->type_name("");
    add_format_option(holidays, a);
    add_lang_option(holidays, a, "Names in en or zh (default: en)");
    typed(holidays, "--kind", a.list.kind, kind_option, "general (default) or statutory")->type_name("KIND");
    typed(holidays, "--rest-day", a.list.rest_day, rest_day_option,
          "With --kind=statutory: the days an employee with this weekly rest day gets (such as Sun)")
        ->type_name("DAY");
    holidays->add_flag("--christmas", a.list.christmas,
                       "With --kind=statutory: Christmas Day instead of the Winter Solstice (the employer's choice)");
    add_rules_option(holidays, a,
                     "law: the list as the law has it, " + covered_years(HK_COVERS_HOLIDAYS, "-") +
                         " (default); library: what the classic library's functions return, any year");
    commands.push_back({holidays, run_holidays});

    const std::string book_rules = "Holidays by law (" + covered_years(HK_COVERS_HOLIDAYS, "-") +
                                   ", default) or library (the classic library's functions, any year)";
    // The options of both grid commands, month and year.
    const auto add_grid_options = [&](CLI::App* grid) {
        typed(grid, "--color", a.color, color_option, "Holidays in colour: auto (on a terminal), always or never")
            ->type_name("WHEN");
        grid->add_flag("--lunar", a.show_lunar, "Each day's lunar day under it");
        add_table_option(grid, a);
        add_rules_option(grid, a, book_rules);
    };
    auto* month = app.add_subcommand("month", "A month grid, weeks from Sunday, holidays marked");
    month->add_option("YYYY-MM", a.month, "The month (default: this month)")->type_name("");
    add_grid_options(month);
    commands.push_back({month, run_month});

    auto* year = app.add_subcommand("year", "The twelve month grids of a year");
    year->add_option("YYYY", a.year, "The year (default: this year)")->type_name("");
    add_grid_options(year);
    commands.push_back({year, run_year});

    auto* date = app.add_subcommand("date", "Weekday, JD0, day number, lunar date and holiday of a date");
    date->add_option("DATE", a.date, "YYYY-MM-DD (default: today)")->type_name("");
    add_lang_option(date, a, "Holiday names in en or zh (default: en)");
    add_table_option(date, a);
    add_rules_option(date, a, book_rules);
    commands.push_back({date, run_date});

    auto* lunar = app.add_subcommand("lunar", "The lunar date of a date (a leap month as L2)");
    lunar->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    add_table_option(lunar, a);
    commands.push_back({lunar, run_lunar});

    auto* solar = app.add_subcommand("solar", "The date of a lunar date");
    solar->add_option("LUNAR-DATE", a.lunar, "YYYY-MM-DD, or YYYY-LM-DD for a leap month (2023-L2-01)")->type_name("")->required();
    add_table_option(solar, a);
    commands.push_back({solar, run_solar});

    auto* terms = app.add_subcommand(
        "terms", "The 24 solar terms of a year " + covered_years(HK_COVERS_SOLAR_TERMS, "-") + " in Hong Kong time");
    terms->add_option("YEAR", a.year, "The year (default: this year)")->type_name("");
    add_lang_option(terms, a, "Names in en or zh (default: en)");
    terms->footer("Each line: the date and minute (UTC+8) of the instant the Sun reaches the term's longitude.");
    commands.push_back({terms, run_terms});

    auto* add = app.add_subcommand("add", "A date N days, months, years or working days later (N < 0: earlier)");
    add->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    add->add_option("N", a.count, "How many (negative counts back)")->type_name("")->required();
    typed(add, "UNIT", a.unit, unit_option, "days (default), months, years, workdays or trading-days (the stock exchange's)")->type_name("");
    add_weekdays_option(add, a, "Working weekdays for workdays, such as Mon-Fri,Sat (default: Mon-Fri)");
    add->add_flag("--no-holidays", a.no_holidays,
                  "Count weekdays only, by the library's weekday-mask step (whole weeks jump 7 days)");
    typed(add, "--roll", a.roll, roll_option,
          "Move to a business day: following, modified-following, preceding or modified-preceding "
          "(the result; for workdays and trading-days the start date, to the exchange's days for trading-days)")
        ->type_name("CONVENTION");
    add_rules_option(add, a, book_rules);
    add->footer("Working days skip Saturdays, Sundays and general holidays; trading days also the days the stock "
                "exchange stayed shut; the start date is not counted.");
    commands.push_back({add, run_add});

    auto* between = app.add_subcommand("between", "Days from the first date to the second (negative when earlier)");
    between->add_option("DATE", a.date, "YYYY-MM-DD")->type_name("")->required();
    between->add_option("DATE2", a.date2, "YYYY-MM-DD")->type_name("")->required();
    between->add_flag("--workdays", a.workdays, "Count working days after the first date up to the second");
    add_weekdays_option(between, a, "Working weekdays, such as Mon-Fri,Sat (default: Mon-Fri)");
    between->add_flag("--no-holidays", a.no_holidays, "Count weekdays only");
    between->add_flag("--trading-days", a.trading_days,
                      "Count the stock exchange's trading days after the first date up to the second");
    add_rules_option(between, a, book_rules);
    commands.push_back({between, run_between});

    auto* sessions = app.add_subcommand("sessions", "The stock exchange's trading days and their sessions (HKEX, Hong Kong time)");
    sessions->add_option("YEAR|START", a.date, "A year 1997-2100 (default: this year), or the first date")->type_name("");
    sessions->add_option("END", a.date2, "The last date (YYYY-MM-DD)")->type_name("");
    add_format_option(sessions, a);
    sessions->footer("csv: date,open,break_start,break_end,close; the break fields are empty on a day without a break.");
    commands.push_back({sessions, run_sessions});

    auto* closures = app.add_subcommand("closures",
                                        "Weekdays, not general holidays, that the stock exchange did not trade in full");
    closures->add_option("YEAR", a.year, "The year 1997-2100 (default: this year)")->type_name("");
    closures->add_option("LAST", a.date2, "The last year of a span")->type_name("");
    add_format_option(closures, a);
    add_lang_option(closures, a, "Reasons in en or zh (default: en)");
    closures->footer("Half days on the eves of Christmas, New Year and Lunar New Year; days the weather shut or cut short "
                     "(recorded to " + std::to_string(HK_XHKG_LAST_RECORDED_YEAR) + "; later years are projections).");
    commands.push_back({closures, run_closures});

    auto* easter_command = app.add_subcommand("easter", "Good Friday to Easter Monday of a year");
    easter_command->add_option("YEAR", a.year, "The year (default: this year; Julian Easter up to 1582)");
    commands.push_back({easter_command, run_easter});

    auto* jd = app.add_subcommand("jd", "The JD0 of a date, or the date of a JD0");
    jd->add_option("DATE|NUMBER", a.jd, "YYYY-MM-DD or a whole Julian Day Number (2451545 is 2000-01-01)")->type_name("")->required();
    commands.push_back({jd, run_jd});

    auto* tz = app.add_subcommand("tz", "A clock time converted between UTC offsets");
    tz->add_option("TIME", a.clock, "'YYYY-MM-DD HH:MM'")->type_name("")->required();
    add_zone_option(tz, a.from, "--from", true, "The time's zone: +HHMM, -HHMM or local (default: local)");
    add_zone_option(tz, a.to, "--to", true, "The zone wanted: +HHMM, -HHMM or local (default: local)");
    add_zone_option(tz, a.from_dst, "--from-dst", false, "Daylight saving added to --from, such as +0100");
    add_zone_option(tz, a.to_dst, "--to-dst", false, "Daylight saving added to --to, such as +0100");
    commands.push_back({tz, run_tz});
    return commands;
}

// The usage line printed after a mistake in the command line's shape.
std::string usage(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands()) {
        return "usage: hkcal " + command->get_name() + " ... (see: hkcal " + command->get_name() + " --help)";
    }
    return "usage: hkcal COMMAND ... (commands: holidays month year date lunar solar terms add between sessions closures easter jd tz; see: "
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

// Whether the command line asked for help (the flag is counted while the
// line is read, before any option's word is read into its value).
bool help_asked(const CLI::App& app) {
    for (const CLI::App* command : app.get_subcommands()) {
        if (command->get_help_ptr()->count() > 0) return true;
    }
    return app.get_help_ptr()->count() > 0;
}

// The text CLI11 gives for --help (of the command given) or --version.
std::string help_text(const CLI::App& app, const CLI::Error& e = CLI::CallForHelp()) {
    std::ostringstream text;
    std::ostringstream ignored;
    app.exit(e, text, ignored);
    return text.str();
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
    CLI::App app{"Hong Kong general holidays, lunar dates, solar terms and date arithmetic, by the hkcal libraries", "hkcal"};
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
        app.parse(argc, argv);  // the options' readers throw UsageError here
        for (const Command& command : commands) {
            if (command.app->parsed()) return finish(command.run(args));
        }
    } catch (const CLI::Success& e) {  // --help, --version
        return finish(help_text(app, e));
    } catch (const CLI::ParseError& e) {
        std::cerr << "hkcal: " << parse_error_line(e) << "\n";
        if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr || dynamic_cast<const CLI::RequiredError*>(&e) != nullptr ||
            dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
            std::cerr << usage(app) << "\n";
        }
        return kUsageStatus;
    } catch (const UsageError& e) {
        if (help_asked(app)) return finish(help_text(app));  // --help outweighs an option's bad word
        std::cerr << "hkcal: " << e.what() << "\n";
        return kUsageStatus;
    }
    return kUsageStatus;
}
