#include "service/service_link.h"

#include "app/app_globals.h"
#include "app/message_box.h"
#include "app/read_backup.h"
#include "app/table_text.h"
#include "link/port_name.h"
#include "link/qt_serial_link.h"
#include "link/service_transfer.h"
#include "link/transfer_observer.h"

#include <QObject>

namespace {

class DialogMessages : public MessageSink {
  public:
    explicit DialogMessages(QWidget* parent) : m_parent(parent) {}
    void ShowMessage(const std::string& message, const std::string& reason) override {
        Ui::ShowMessage(m_parent, TableText(message), TableText(reason));
    }

  private:
    QWidget* m_parent;
};

} // namespace

bool RunServiceTransfer(QWidget* parent, TransferMode mode, TransferRange range,
                        MemoryImage& image) {
    QtSerialLink link;
    DialogMessages messages(parent);
    const std::string device = ResolvePortDevice(g_portName, ProgramIniPath().toStdString());
    const bool ok = ServiceTransfer(mode, range, image, link, device, messages);
    if (ok && mode == TransferMode::Read)
        BackupAfterRead(parent, image,
                        range.start == kCalibrationRegion.start ? BackupKind::Calibration
                                                                : BackupKind::DtmfDecoder);
    return ok;
}
