// Choosing the language from the locale variables, and looking texts up in its gettext catalogue.

#include "platform/Language.h"

#include <libintl.h>

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

Language current = Language::German;
std::filesystem::path cataloguesInUse; // the settings list switches without knowing them

bool isCLocale(std::string_view locale)
{
    return locale.empty() || locale == "C" || locale == "POSIX";
}

} // namespace

std::optional<Language> languageNamed(std::string_view name)
{
    const std::string_view code = name.substr(0, name.find_first_of("_.@"));
    if (code == "de") {
        return Language::German;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

const char* languageCode(Language language)
{
    return language == Language::English ? "en" : "de";
}

Language languageFromEnvironment(const std::function<std::string(const char*)>& variable)
{
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.empty()) {
            break;
        }
    }
    // As gettext does: a plain C locale ignores LANGUAGE, C.UTF-8 does not.
    if (isCLocale(locale)) {
        return Language::German;
    }
    // LANGUAGE, when set, replaces the locale's language altogether.
    const std::string languages = variable("LANGUAGE");
    if (languages.empty()) {
        return languageNamed(locale).value_or(Language::German);
    }
    for (std::string_view list = languages; !list.empty();) {
        const std::size_t colon = list.find(':');
        if (const auto language = languageNamed(list.substr(0, colon))) {
            return *language;
        }
        list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
    }
    return Language::German;
}

Language languageFromEnvironment()
{
    return languageFromEnvironment([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

void useLanguage(Language language, const std::filesystem::path& catalogues)
{
    current = language;
    if (!catalogues.empty()) {
        cataloguesInUse = catalogues;
    }
    if (language == Language::German) {
        return;
    }
    // The player's own locale may not be generated here; C.UTF-8 always is,
    // and unlike "C" it lets gettext follow LANGUAGE. Only the messages
    // category changes: numbers keep being read and written the C way.
    std::setlocale(LC_MESSAGES, "C.UTF-8");
    setenv("LANGUAGE", languageCode(language), 1);
    bindtextdomain(textDomain, cataloguesInUse.c_str());
    bind_textdomain_codeset(textDomain, "UTF-8");
    // Setting the domain again makes gettext forget what it looked up before.
    textdomain(textDomain);
}

Language currentLanguage()
{
    return current;
}

const char* tr(const char* german)
{
    // gettext answers "" with the catalogue's header.
    if (current == Language::German || german == nullptr || *german == '\0') {
        return german;
    }
    return dgettext(textDomain, german);
}

std::string printedText(const char* format, ...)
{
    va_list values;
    va_start(values, format);
    va_list again;
    va_copy(again, values);
    const int length = std::vsnprintf(nullptr, 0, format, values);
    va_end(values);
    std::string text(length > 0 ? std::size_t(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}
