#include "platform/Language.h"

#include <gtest/gtest.h>

#include <map>

TEST(LanguageTest, TheLocaleVariablesChooseAsGettextDoesAndGermanWhenInDoubt)
{
    const std::pair<std::map<std::string, std::string>, bool> cases[] = { // English?
        {{}, false},
        {{{"LANG", "en_US.UTF-8"}}, true},
        {{{"LANG", "fr_FR.UTF-8"}}, false},
        {{{"LANG", "C"}, {"LANGUAGE", "en"}}, false}, // the C locale ignores LANGUAGE
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "en"}}, true},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:en_GB:de"}}, true},
        {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "fr"}}, false},
        {{{"LC_ALL", "de_AT"}, {"LC_MESSAGES", "en_US"}, {"LANG", "en_US"}}, false},
        {{{"LC_MESSAGES", "en_US"}, {"LANG", "de_DE"}}, true},
        {{{"LC_ALL", "POSIX"}, {"LANG", "en_US"}, {"LANGUAGE", "en"}}, false},
    };
    for (const auto& [variables, english] : cases) {
        const auto& set = variables; // clang 14 lets no lambda capture a structured binding
        const auto variable = [&set](const char* name) { return set.contains(name) ? set.at(name) : ""; };
        EXPECT_EQ(languageFromEnvironment(variable), english ? Language::English : Language::German)
            << testing::PrintToString(variables);
    }
}

TEST(LanguageTest, EnglishComesFromTheBuildsCatalogueWithoutTheLocaleAndGermanIsTheVeryText)
{
    useLanguage(Language::English, KORVEL_RUN_DIR "/locale");
    EXPECT_STREQ(tr("Das Dorf"), "The Village");
    EXPECT_STREQ(tr("Kein Text des Spiels"), "Kein Text des Spiels");
    EXPECT_STREQ(tr(""), "");
    useLanguage(Language::German, {});
    const char* german = "Das Dorf";
    EXPECT_EQ(tr(german), german);
    unsetenv("LANGUAGE");
}
