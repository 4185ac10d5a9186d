#include "app/compare_dlg.h"

#include "app/app_globals.h"
#include "app/editor_entries.h"
#include "app/message_box.h"
#include "image/image_diff.h"
#include "image/image_file.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CCompareDlg::CCompareDlg(QWidget* parent, const QString& fileName, const QStringList& lines)
    : QDialog(parent) {
    setWindowTitle(tr("比较"));
    auto* layout = new QVBoxLayout(this);
    // Each line reads "name, the open document's value -> the file's value".
    layout->addWidget(
        new QLabel(tr("当前文档 -> %1").arg(QDir::toNativeSeparators(fileName)), this));
    m_list = new QListWidget(this);
    m_list->addItems(lines.isEmpty() ? QStringList{tr("没有差异")} : lines);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 420);
}

namespace {

QString LoadFailureText(const FileResult& result, const QString& path) {
    const bool unreadable =
        result.error == FileError::CannotOpen || result.error == FileError::CannotRead;
    return unreadable ? CCompareDlg::tr("无法打开文件 %1。").arg(path)
                      : CCompareDlg::tr("%1 不是有效的数据文件。").arg(path);
}

} // namespace

void Editors::CompareWithFile(QWidget* parent) {
    const QString path = Ui::AskOpenFileName(parent);
    if (path.isEmpty())
        return;
    MemoryImage other;
    const FileResult loaded = LoadImageFile(path.toStdString(), other);
    if (!loaded.ok())
        return Ui::ShowMessage(parent, LoadFailureText(loaded, path),
                               QString::fromStdString(loaded.reason));
    QStringList lines;
    for (const std::string& line : DiffImages(g_image, other))
        lines << QString::fromStdString(line);
    CCompareDlg(parent, path, lines).exec();
}
