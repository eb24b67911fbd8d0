#include "app/LanguageChoice.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const std::vector<std::string> kShipped{"en", "fr"};

language::Environment environment(std::map<std::string, std::string> variables) {
    return [variables = std::move(variables)](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

std::string resolve(std::string_view setting, std::map<std::string, std::string> variables) {
    return language::resolve(setting, environment(std::move(variables)), kShipped);
}

} // namespace

TEST(LanguageChoice, LocaleNamesGiveTheirLanguage) {
    EXPECT_EQ(language::ofLocale("ja_JP.UTF-8"), "ja");
    EXPECT_EQ(language::ofLocale("de_DE@euro"), "de");
    EXPECT_EQ(language::ofLocale("EN"), "en");
    EXPECT_EQ(language::ofLocale("C"), "");
    EXPECT_EQ(language::ofLocale("C.UTF-8"), "");
    EXPECT_EQ(language::ofLocale("POSIX"), "");
}

TEST(LanguageChoice, AutomaticFollowsTheFirstVariableSetInOrder) {
    EXPECT_EQ(resolve("auto", {{"LANG", "en_US.UTF-8"}}), "en");
    EXPECT_EQ(resolve("auto", {{"LANG", "ja_JP.UTF-8"}}), "");
    EXPECT_EQ(resolve("auto", {{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "ja_JP.UTF-8"}}), "fr");
    EXPECT_EQ(resolve("auto", {{"LC_ALL", "C.UTF-8"}, {"LC_MESSAGES", "en_GB.UTF-8"}}), "");
    EXPECT_EQ(resolve("auto", {{"LANGUAGE", "ja"}, {"LC_ALL", "en_US.UTF-8"}}), "");
    // An empty variable counts as not set.
    EXPECT_EQ(resolve("auto", {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "fr_CA"}}), "fr");
    // Nothing set at all: the program's own texts, as under C.
    EXPECT_EQ(resolve("auto", {}), "");
}

TEST(LanguageChoice, LanguagesWithoutTranslationGetEnglish) {
    EXPECT_EQ(resolve("auto", {{"LANG", "de_DE.UTF-8"}}), "en");
    // LANGUAGE lists preferences: the first one the program speaks wins.
    EXPECT_EQ(resolve("auto", {{"LANGUAGE", "de:fr:ja"}}), "fr");
    EXPECT_EQ(resolve("auto", {{"LANGUAGE", "de:ja_JP:en"}}), "");
    EXPECT_EQ(resolve("auto", {{"LANGUAGE", "de:pt"}, {"LANG", "ja_JP.UTF-8"}}), "en");
}

TEST(LanguageChoice, AChosenLanguageOverridesTheDesktop) {
    EXPECT_EQ(resolve("en", {{"LANG", "ja_JP.UTF-8"}}), "en");
    EXPECT_EQ(resolve("ja", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr"}}), "");
    EXPECT_EQ(resolve("fr", {{"LANG", "C"}}), "fr");
    // A value the program does not know falls back to following the desktop.
    EXPECT_EQ(resolve("xx", {{"LANG", "ja_JP.UTF-8"}}), "");
    EXPECT_EQ(resolve("", {{"LANG", "en_US.UTF-8"}}), "en");
}
