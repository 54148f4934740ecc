#include "options.hpp"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <utility>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "hkcal_hk.h"
#include "parse.hpp"

namespace hkcal::tool {
namespace {

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

}  // namespace

Format format_option(const std::string& value) {
    return choose<Format>("--format", value,
                          {{"text", Format::text}, {"csv", Format::csv}, {"json", Format::json}, {"ics", Format::ics}});
}

Lang lang_option(const std::string& value) { return choose<Lang>("--lang", value, {{"en", Lang::en}, {"zh", Lang::zh}}); }

Rules rules_option(const std::string& value) {
    if (value.empty()) return Rules::law;
    return choose<Rules>("--rules", value, {{"law", Rules::law}, {"library", Rules::library}});
}

uint32_t kind_option(const std::string& value) {
    return choose<uint32_t>("--kind", value, {{"general", HK_GENERAL}, {"statutory", HK_STATUTORY}});
}

int32_t rest_day_option(const std::string& value) {
    const uint8_t day = parse_weekdays(value);
    if (std::popcount(day) != 1) throw UsageError("--rest-day: '" + value + "' is not one day of the week");
    return std::countr_zero(day);
}

int32_t roll_option(const std::string& value) {
    return choose<int32_t>("--roll", value,
                           {{"following", HK_FOLLOWING},
                            {"modified-following", HK_MODIFIED_FOLLOWING},
                            {"preceding", HK_PRECEDING},
                            {"modified-preceding", HK_MODIFIED_PRECEDING}});
}

Color color_option(const std::string& value) {
    return choose<Color>("--color", value, {{"auto", Color::automatic}, {"always", Color::always}, {"never", Color::never}});
}

Unit unit_option(const std::string& value) {
    return choose<Unit>("UNIT", value,
                        {{"days", Unit::days}, {"months", Unit::months}, {"years", Unit::years}, {"workdays", Unit::workdays},
                         {"trading-days", Unit::trading_days}});
}

std::optional<int32_t> zone_option(const std::string& value, const char* option, bool local_allowed) {
    if (local_allowed && value == "local") return std::nullopt;
    return parse_offset(value, option);
}

bool use_color(Color color) {
    if (color != Color::automatic) return color == Color::always;
    const char* term = std::getenv("TERM");
#if defined(_WIN32)
    const bool terminal = _isatty(1) != 0;
#else
    const bool terminal = isatty(STDOUT_FILENO) != 0;
#endif
    return terminal && std::getenv("NO_COLOR") == nullptr && !(term != nullptr && std::strcmp(term, "dumb") == 0);
}

}  // namespace hkcal::tool
