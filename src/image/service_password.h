#pragma once

#include <string_view>

// The password that unlocks the service entries, fixed for every run.
constexpr std::string_view kServicePassword = "KZP730";

// The whole entry must equal the password; the case of ASCII letters does not matter.
bool ServicePasswordMatches(std::string_view entry);
