#include "channel_test_support.h"

#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/memory_image.h"

#include <QTest>

#include <map>

BatchSettings ParseBatchSettings(const QString& words) {
    using B = BatchSettings;
    static const std::map<QString, int B::*> numbers = {{"rxTone", &B::rxTone},
                                                        {"rxInterval", &B::rxToneInterval},
                                                        {"txTone", &B::txTone},
                                                        {"txInterval", &B::txToneInterval}};
    static const std::map<QString, std::string B::*> texts = {
        {"rxStart", &B::rxStart}, {"rxStep", &B::rxStep}, {"offset", &B::offset},
        {"txStart", &B::txStart}, {"txStep", &B::txStep}, {"name", &B::name}};
    static const std::map<QString, bool B::*> flags = {
        {"rxDown", &B::rxDown},          {"minus", &B::offsetMinus},
        {"txDown", &B::txDown},          {"rxRandom", &B::rxToneRandom},
        {"rxToneDown", &B::rxToneDown},  {"txOwn", &B::txToneOwn},
        {"txRandom", &B::txToneRandom},  {"txToneDown", &B::txToneDown},
        {"byChannel", &B::nameByChannel}};
    B s;
    s.rxStart = s.txStart = "136.00000";
    s.rxStep = s.txStep = "0";
    s.offset = "0.00000";
    for (const QString& word : words.split(' ', Qt::SkipEmptyParts)) {
        const QString key = word.section('=', 0, 0), value = word.section('=', 1);
        if (!word.contains('=')) {
            s.first = word.section('-', 0, 0).toInt();
            s.last = word.section('-', 1).toInt();
        } else if (numbers.count(key))
            s.*numbers.at(key) = value.toInt();
        else if (texts.count(key))
            s.*texts.at(key) = value.toStdString();
        else if (flags.count(key))
            s.*flags.at(key) = value == "1";
        else if (key == "options") // item digits in ChannelOptions() order, '-' for none
            for (int i = 0; i < kChannelOptionCount; ++i)
                s.options[i] = value[i] == '-' ? -1 : value[i].digitValue();
        else if (key == "mode")
            s.txMode = value == "offset" ? B::TxMode::Offset : B::TxMode::OwnStart;
        else
            qFatal("unknown batch setting %s", qPrintable(word));
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

void Retype(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
