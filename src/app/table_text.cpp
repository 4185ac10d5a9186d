#include "app/table_text.h"

#include "image/ui_text.h"

#include <QCoreApplication>

#include <string>

QString TableText(std::string_view text) {
    return QCoreApplication::translate(kUiTextContext, std::string(text).c_str());
}
