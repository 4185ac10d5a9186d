#include "channels/option_lists.h"

#include "image/channel_options.h"

#include <QComboBox>
#include <QCoreApplication>

#include <string>

namespace {

struct OptionControl {
    const char* label;
    const char* name;
};

constexpr const char* kContext = "ChannelOptions";
constexpr OptionControl kControls[kChannelOptionCount] = {
    {QT_TRANSLATE_NOOP("ChannelOptions", "功率"), "power"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "带宽"), "bandwidth"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "繁忙锁定"), "busyLock"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "信令类型"), "signalType"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "声控"), "vox"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "语音处理"), "voiceMode"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "PTT ID"), "pttId"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "扫描"), "scanAdd"},
    {QT_TRANSLATE_NOOP("ChannelOptions", "中继模式"), "repeaterMode"},
};

} // namespace

QString OptionLabel(int option) {
    return QCoreApplication::translate(kContext, kControls[option].label);
}

const char* OptionObjectName(int option) {
    return kControls[option].name;
}

QComboBox* MakeOptionList(int option, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(OptionObjectName(option));
    for (std::string_view item : ChannelField(ChannelOptions()[option].field).options)
        list->addItem(QCoreApplication::translate(kContext, std::string(item).c_str()));
    return list;
}
