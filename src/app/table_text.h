#pragma once

#include <QString>

#include <string_view>

// What the user sees for a text of the plain tables (marked UI_TEXT) or an exchange message:
// its translation, or the text itself when it has none.
QString TableText(std::string_view text);
