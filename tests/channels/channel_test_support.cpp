#include "channel_test_support.h"

#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <QStringList>

#include <functional>
#include <map>

BatchSettings ParseBatchSettings(const QString& words) {
    BatchSettings s;
    s.rxStart = s.txStart = "136.00000";
    s.rxStep = s.txStep = "0";
    s.offset = "0.00000";
    using Setter = std::function<void(const QString&)>;
    auto text = [](std::string& field) {
        return [&field](const QString& v) { field = v.toStdString(); };
    };
    auto number = [](int& field) { return [&field](const QString& v) { field = v.toInt(); }; };
    auto flag = [](bool& field) { return [&field](const QString& v) { field = v == "1"; }; };
    const std::map<QString, Setter> setters = {
        {"first", number(s.first)},
        {"last", number(s.last)},
        {"rxStart", text(s.rxStart)},
        {"rxStep", text(s.rxStep)},
        {"rxDown", flag(s.rxDown)},
        {"mode",
         [&s](const QString& v) {
             s.txMode = v == "offset" ? BatchSettings::TxMode::Offset
                        : v == "own"  ? BatchSettings::TxMode::OwnStart
                                      : BatchSettings::TxMode::SameAsRx;
         }},
        {"offset", text(s.offset)},
        {"minus", flag(s.offsetMinus)},
        {"txStart", text(s.txStart)},
        {"txStep", text(s.txStep)},
        {"txDown", flag(s.txDown)},
        {"rxTone", number(s.rxTone)},
        {"rxRandom", flag(s.rxToneRandom)},
        {"rxInterval", number(s.rxToneInterval)},
        {"rxToneDown", flag(s.rxToneDown)},
        {"txOwn", flag(s.txToneOwn)},
        {"txTone", number(s.txTone)},
        {"txRandom", flag(s.txToneRandom)},
        {"txInterval", number(s.txToneInterval)},
        {"txToneDown", flag(s.txToneDown)},
        {"name", text(s.name)},
        {"byChannel", flag(s.nameByChannel)},
    };
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const QString key = word.section('=', 0, 0);
        const auto it = setters.find(key);
        if (it != setters.end())
            it->second(word.section('=', 1));
        else
            qFatal("unknown batch setting %s", qPrintable(key));
    }
    return s;
}

QString Frequencies(const MemoryImage& image, int record) {
    const ChannelRecord r = ChannelRecord::Load(image, record);
    const QString tx = r.Bytes()[7] == 0xFF
                           ? QString("-")
                           : QString::fromStdString(FormatFrequencyText(r.TxFreq()));
    return QString::fromStdString(FormatFrequencyText(r.RxFreq())) + "/" + tx;
}

void ClearedChannels(MemoryImage& image) {
    image.FillAll(0xFF);
    for (int record = 1; record <= kRecordCount; ++record)
        ClearRecord(image, record);
}
