#include "app/app_globals.h"
#include "app/editor_entries.h"
#include "app/image_step.h"
#include "app/main_frame.h"
#include "app/message_box.h"
#include "channels/program_view.h"
#include "image/channel_csv.h"
#include "image/image_file.h"

// The view's file exchanges: channel lists as CSV and the comparison with another image. Each
// commits the grid first, so pending cell edits are part of the image.

void CProgramView::OnExportCsv() {
    CommitGrid();
    const QString path =
        Ui::AskSaveFileName(this, QStringLiteral("channels.csv"), Ui::FileKind::Csv);
    if (path.isEmpty())
        return;
    const FileResult saved =
        SaveFileAtomically(path.toStdString(), ExportChannelsCsv(g_image, g_bandLimits));
    if (!saved.ok())
        Ui::ShowMessage(this, tr("无法保存文件 %1。").arg(path),
                        QString::fromStdString(saved.reason));
}

void CProgramView::OnImportCsv() {
    CImageStep step(tr("导入 CSV"));
    const QString path = Ui::AskOpenFileName(this, Ui::FileKind::Csv);
    if (path.isEmpty())
        return;
    std::string text;
    const FileResult read = LoadTextFile(path.toStdString(), text, kMaxChannelCsvBytes);
    if (!read.ok())
        return Ui::ShowMessage(this, tr("无法打开文件 %1。").arg(path),
                               QString::fromStdString(read.reason));
    CommitGrid();
    const CsvImportResult result = ImportChannelsCsv(text, g_image, g_bandLimits);
    if (!result.error.empty())
        return Ui::ShowMessage(this, tr("%1 不是有效的信道列表。").arg(path),
                               QString::fromStdString(result.error));
    LoadGrid();
    CommitGrid();
    // The counts as the message, the adapted and skipped rows as its details.
    const QString summary = QString::fromStdString(DescribeImport(result)).trimmed();
    const qsizetype newline = summary.indexOf('\n');
    Ui::ShowMessage(this, summary.left(newline),
                    newline < 0 ? QString() : summary.mid(newline + 1));
}

void CProgramView::OnCompare() {
    CommitGrid();
    Editors::CompareWithFile(this);
}
