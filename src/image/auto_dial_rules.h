#pragma once

#include <string>
#include <string_view>

// "ANI 呼叫": the call identity, the separator and the own identity, joined.
std::string ComposeAniCall(std::string_view callId, std::string_view separator,
                           std::string_view selfId);

// Replaces the old suffix of a non-empty code that ends with exactly it (case-sensitive);
// returns whether the code changed.
bool RewriteSuffix(std::string& code, std::string_view oldSuffix, std::string_view newSuffix);
