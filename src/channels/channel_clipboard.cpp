#include "channels/channel_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void PutChannelsOnClipboard(const ClipboardChannels& channels) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(channels.text));
    if (!channels.records.empty())
        data->setData(kChannelsMimeType,
                      QByteArray(reinterpret_cast<const char*>(channels.records.data()),
                                 qsizetype(channels.records.size())));
    QApplication::clipboard()->setMimeData(data);
}

ClipboardChannels ChannelsOnClipboard() {
    ClipboardChannels channels;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return channels;
    channels.text = data->text().toStdString();
    const QByteArray records = data->data(kChannelsMimeType);
    channels.records.assign(records.begin(), records.end());
    return channels;
}
