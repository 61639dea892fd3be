// The language the player reads, chosen once at start, and tr(), which gives a German text in it.
// German is the game's own language: its texts are the catalogue's keys and need no catalogue.

#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// The mark of a text the player reads. N_() changes nothing: `xgettext
// --keyword=N_` finds the texts by it, and tr() translates them where they
// are shown.
#define N_(text) text

enum class Language { German, English };

// The gettext domain: "korvel.mo" below <catalogues>/<code>/LC_MESSAGES/.
inline constexpr const char* textDomain = "korvel";

// "de" or "en"; a locale name such as "en_GB.UTF-8" or "de_AT" counts by
// its language. Nothing for any other language.
std::optional<Language> languageNamed(std::string_view name);
const char* languageCode(Language language);

// The language the environment asks for, read as gettext reads it: the
// first of LC_ALL, LC_MESSAGES and LANG that is set names the locale; in a
// locale other than C or POSIX the list in LANGUAGE, when set, replaces its
// language, the first one we have winning. German for a C or POSIX locale
// and for languages without a catalogue. `variable` returns a variable's
// value, or "".
Language languageFromEnvironment(const std::function<std::string(const char*)>& variable);
// The same, from this process's environment.
Language languageFromEnvironment();

// Makes tr() give texts in `language`, from the catalogues below
// `catalogues`. This works whether or not the player's locale is generated
// on the machine: the messages locale is C.UTF-8, which glibc always has,
// and gettext is told the language through LANGUAGE. Empty `catalogues`
// keep the folder given before.
void useLanguage(Language language, const std::filesystem::path& catalogues);
Language currentLanguage();

// The text a player reads for the German `german`: itself in German, or
// its translation (itself when the catalogue has none). The pointer stays
// valid for the whole run.
const char* tr(const char* german);

// vsnprintf into a string of the length needed.
std::string printedText(const char* format, ...);

namespace language_detail {
inline const char* printable(const std::string& text) { return text.c_str(); }
template <typename Value>
Value printable(Value value)
{
    // Anything else, a std::filesystem::path say, printf cannot take.
    static_assert(std::is_arithmetic_v<Value> || std::is_pointer_v<Value>);
    return value;
}
} // namespace language_detail

// tr(german) as a printf format, filled in with `values`: a std::string or
// a C string for each %s, an int for each %d. The German and its
// translation name the same directives, which msgfmt --check makes sure of.
template <typename... Values>
std::string trf(const char* german, const Values&... values)
{
    return printedText(tr(german), language_detail::printable(values)...);
}
