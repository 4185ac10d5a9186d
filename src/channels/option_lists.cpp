#include "channels/option_lists.h"

#include "app/table_text.h"
#include "image/channel_options.h"
#include "image/codecs.h"

#include <QComboBox>

#include <string>

namespace {

const FieldSpec& OptionSpec(int option) {
    return ChannelField(ChannelOptions()[option].field);
}

} // namespace

QString OptionLabel(int option) {
    return TableText(OptionSpec(option).label);
}

QComboBox* MakeOptionList(int option, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(OptionSpec(option).name));
    for (std::string_view item : OptionSpec(option).options)
        list->addItem(TableText(item));
    return list;
}

QComboBox* MakeToneList(QWidget* parent, const char* name, bool editable) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const std::string& item : ToneList())
        list->addItem(QString::fromStdString(item));
    list->setMaxVisibleItems(20);
    if (editable) {
        list->setEditable(true);
        list->setCompleter(nullptr);
        list->setInsertPolicy(QComboBox::NoInsert);
    }
    return list;
}
