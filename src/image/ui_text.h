#pragma once

// Marks a text of a plain table that the user sees. The text itself is what the program stores,
// compares and writes to files; the user interface shows its translation from kUiTextContext.
// The translation tools know the macro under this name, so the context argument stays explicit.
#define UI_TEXT(context, text) text

inline constexpr const char* kUiTextContext = "Radio";
