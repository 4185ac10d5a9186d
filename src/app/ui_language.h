#pragma once

#include <filesystem>
#include <string>
#include <string_view>

enum class UiLanguage { Chinese, English };

// Program.ini's [Setup] Language: "zh" or "en" choose; anything else follows the system locale
// (a name such as "zh_CN": Chinese for zh_*, English otherwise).
UiLanguage ChooseUiLanguage(std::string_view setting, std::string_view localeName);
// The choice of the Program.ini at `ini` and the system's locale.
UiLanguage ProgramUiLanguage(const std::filesystem::path& ini);

// Installs the embedded English translation into the application for English; false when it
// could not be loaded.
bool InstallUiLanguage(UiLanguage language);
// The English text of a source text, empty when there is none.
std::string EnglishText(const char* context, const char* source);
