#include "channels/program_view.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "app/editor_entries.h"
#include "app/image_step.h"
#include "app/main_frame.h"
#include "app/port_dlg.h"
#include "app/radio_info_dlg.h"
#include "app/read_backup.h"
#include "app/table_text.h"
#include "app/transfer_dlg.h"
#include "channels/find_bar.h"
#include "channels/grid_delegate.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "service/service_entries.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVBoxLayout>

namespace {

const char* const kHeaders[] = {
    QT_TRANSLATE_NOOP("CProgramView", "接收频率"), QT_TRANSLATE_NOOP("CProgramView", "发射频率"),
    QT_TRANSLATE_NOOP("CProgramView", "接收信令"), QT_TRANSLATE_NOOP("CProgramView", "发射信令"),
    QT_TRANSLATE_NOOP("CProgramView", "功率"),     QT_TRANSLATE_NOOP("CProgramView", "扫描"),
    QT_TRANSLATE_NOOP("CProgramView", "带宽"),     QT_TRANSLATE_NOOP("CProgramView", "繁忙")};

// Sees Ctrl+F11 before whichever widget of the view has the focus, and consumes it.
class ServiceKeyFilter : public QObject {
  public:
    explicit ServiceKeyFilter(CProgramView* view) : QObject(view), m_view(view) {}
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !object->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F11 || !(key->modifiers() & Qt::ControlModifier))
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (widget != m_view && !m_view->isAncestorOf(widget))
            return false;
        m_view->OnServicePassword();
        return true;
    }

  private:
    CProgramView* m_view;
};

// Column widths in twips: the label column, the two frequency columns, the others.
constexpr int kLabelTwips = 600;
constexpr int kWideTwips = 1500;
constexpr int kNarrowTwips = 1000;
// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

} // namespace

CProgramView::CProgramView(QWidget* parent)
    : QWidget(parent), m_grid(new QTableWidget(kRecordCount, kGridColumns - 1, this)),
      m_delegate(new CGridDelegate(this)), m_chip(new QComboBox(this)),
      m_channelEdit(new QPushButton(tr("信道编辑"), this)),
      m_initialise(new QPushButton(tr("初始化"), this)),
      m_batch(new QPushButton(tr("批量生成"), this)), m_findBar(new CFindBar(this)),
      m_rowMenu(new QMenu(this)) {
    BuildGrid();
    BuildRowMenu();
    m_chip->addItems({"5802HE", "5802N", "5802E"});
    m_chip->setCurrentIndex(2);
    connect(m_channelEdit, &QPushButton::clicked, this, &CProgramView::OnChannelEdit);
    connect(m_batch, &QPushButton::clicked, this, &CProgramView::OnBatchGenerate);
    connect(m_initialise, &QPushButton::clicked, this, &CProgramView::OnInitialise);
    auto* side = new QVBoxLayout;
    side->addWidget(m_channelEdit);
    side->addWidget(m_batch);
    side->addWidget(m_initialise);
    side->addSpacing(16);
    side->addWidget(new QLabel(tr("收音机"), this));
    side->addWidget(m_chip);
    side->addStretch(1);
    auto* table = new QVBoxLayout;
    table->addWidget(m_grid, 1);
    table->addWidget(m_findBar);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(table, 1);
    layout->addLayout(side);
    // The initialise button belongs to the service mode.
    if (!g_serviceMode)
        m_initialise->hide();
    qApp->installEventFilter(new ServiceKeyFilter(this));
    LoadGrid();
}

// An editor still open would commit into this view while the base class tears it down.
CProgramView::~CProgramView() {
    m_delegate->CommitOpenEditor();
}

void CProgramView::BuildGrid() {
    m_grid->setSortingEnabled(false);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Shift and Ctrl clicks on the row labels select several rows.
    m_grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_grid->setItemDelegate(m_delegate);
    QStringList headers, labels;
    for (const char* h : kHeaders)
        headers << tr(h);
    for (int row = 1; row <= kRecordCount; ++row)
        labels << QString::fromStdString(GridRowLabel(row));
    m_grid->setHorizontalHeaderLabels(headers);
    m_grid->setVerticalHeaderLabels(labels);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_grid->verticalHeader()->setFixedWidth(TwipsToPixels(this, kLabelTwips));
    for (int c = 0; c < kGridColumns - 1; ++c)
        m_grid->setColumnWidth(c, TwipsToPixels(this, c < 2 ? kWideTwips : kNarrowTwips));
    for (int r = 0; r < kRecordCount; ++r)
        for (int c = 0; c < kGridColumns - 1; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            m_grid->setItem(r, c, item);
        }
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    connect(m_grid, &QTableWidget::cellPressed, this, [this] {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            ShowCellEditor();
    });
    // Scrolling hands the focus back to the grid, which commits an open editor.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_delegate->OpenEditor())
            m_grid->setFocus();
    });
}

QString CProgramView::CellText(int row, int column) const {
    const QTableWidgetItem* item = m_grid->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void CProgramView::SetCurrentCell(int row, int column) {
    m_grid->setCurrentCell(row - 1, column - 1);
}

GridRow CProgramView::RowCells(int row) const {
    GridRow cells;
    cells[kColLabel] = GridRowLabel(row);
    for (int c = 1; c < kGridColumns; ++c)
        cells[c] = CellText(row, c).toStdString();
    return cells;
}

std::vector<GridRow> CProgramView::AllRows() const {
    std::vector<GridRow> rows;
    rows.reserve(kRecordCount);
    for (int row = 1; row <= kRecordCount; ++row)
        rows.push_back(RowCells(row));
    return rows;
}

void CProgramView::SetRowCells(int row, const GridRow& cells) {
    for (int c = 1; c < kGridColumns; ++c) {
        QTableWidgetItem* item = m_grid->item(row - 1, c - 1);
        const QString text = QString::fromStdString(cells[c]);
        if (item->text() != text)
            item->setText(text);
    }
}

void CProgramView::LoadGrid() {
    const std::vector<GridRow> rows = ::LoadGrid(g_image, g_bandLimits);
    m_grid->setUpdatesEnabled(false);
    for (int row = 1; row <= kRecordCount; ++row)
        SetRowCells(row, rows[row - 1]);
    m_grid->setUpdatesEnabled(true);
}

void CProgramView::CommitOpenEditors() {
    m_delegate->CommitOpenEditor();
}

void CProgramView::CommitGrid() {
    CommitOpenEditors();
    CommitGridTexts();
}

void CProgramView::CommitGridTexts() {
    ::CommitGrid(g_image, g_bandLimits, AllRows(), m_chip->currentIndex());
}

void CProgramView::ReloadAfterImageChange() {
    LoadGrid();
    CommitGridTexts();
}

void CProgramView::ShowCellEditor() {
    const int row = m_grid->currentRow() + 1;
    if (row < 1)
        return;
    if (CellText(row, kColRxFreq).isEmpty())
        SetCurrentCell(row, kColRxFreq);
    m_grid->editItem(m_grid->currentItem());
}

void CProgramView::CommitEditorText(int row, int column, const QString& text) {
    const QTableWidgetItem* header = m_grid->horizontalHeaderItem(column - 1);
    CImageStep step(
        tr("修改 %1 %2")
            .arg(QString::fromStdString(GridRowLabel(row)), header ? header->text() : QString()));
    GridRow cells = RowCells(row);
    const std::string value = text.toStdString();
    if (column <= kColTxFreq)
        CommitFrequencyEditor(cells, row, column, value, g_bandLimits, g_image);
    else if (column <= kColTxTone)
        CommitToneEditor(cells, column, value);
    else
        CommitOptionEditor(cells, column, value);
    SetRowCells(row, cells);
    // The cell is in the image at once; the row shows what the image holds.
    CommitGridTexts();
    SetRowCells(row, LoadGridRow(g_image, g_bandLimits, row));
}

void CProgramView::MoveAfterEditor(bool down) {
    m_grid->setFocus();
    HandleGridKey(down ? Qt::Key_Down : Qt::Key_Right);
}

bool CProgramView::HandleGridKey(int key) {
    const int row = m_grid->currentRow() + 1, column = m_grid->currentColumn() + 1;
    const int lastColumn = kGridColumns - 1;
    if (key == Qt::Key_Right && column == lastColumn && row < kRecordCount)
        SetCurrentCell(row + 1, 1);
    else if (key == Qt::Key_Right && column < lastColumn)
        SetCurrentCell(row, column + 1);
    else if (key == Qt::Key_Left && column == 1 && row > 1)
        SetCurrentCell(row - 1, lastColumn);
    else if (key == Qt::Key_Down && row < kRecordCount)
        SetCurrentCell(row + 1, column);
    else
        return false;
    return true;
}

bool CProgramView::FilterGridKey(const QKeyEvent* event) {
    if (HandleClipboardKey(event))
        return true;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ShowCellEditor();
        return true;
    }
    if (key == Qt::Key_Right || key == Qt::Key_Left)
        return HandleGridKey(key);
    // A typed character does not search the grid: the current cell stays where it is.
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !command && !event->text().isEmpty() && event->text().front().isPrint();
}

// Each whole notch (high-resolution deltas add up to one) pages the grid; the wheel's normal
// scrolling follows.
void CProgramView::PageByWheel(int delta) {
    if ((delta > 0 && m_wheelRemainder < 0) || (delta < 0 && m_wheelRemainder > 0))
        m_wheelRemainder = 0;
    m_wheelRemainder += delta;
    for (; std::abs(m_wheelRemainder) >= kWheelNotch;
         m_wheelRemainder -= m_wheelRemainder > 0 ? kWheelNotch : -kWheelNotch)
        m_grid->verticalScrollBar()->triggerAction(m_wheelRemainder > 0
                                                       ? QAbstractSlider::SliderPageStepSub
                                                       : QAbstractSlider::SliderPageStepAdd);
}

bool CProgramView::eventFilter(QObject* object, QEvent* event) {
    if (object == m_grid && event->type() == QEvent::KeyPress)
        return FilterGridKey(static_cast<QKeyEvent*>(event));
    // The grid takes its clipboard keys before any window shortcut does.
    if (object == m_grid && event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Paste)) {
            event->accept();
            return true;
        }
    }
    if (object == m_grid->viewport() && event->type() == QEvent::Wheel)
        PageByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return QWidget::eventFilter(object, event);
}

bool CProgramView::RunTransfer(int kind) {
    const auto k = static_cast<CTransferDlg::Kind>(kind);
    if (k != CTransferDlg::Kind::Read)
        CommitGrid();
    CTransferDlg dialog(window(), k);
    dialog.exec();
    // Only a complete read changes the image; a failed one leaves the grid as it was.
    if (k == CTransferDlg::Kind::Read && dialog.Succeeded()) {
        BackupAfterRead(this, g_image, BackupKind::Read);
        LoadGrid();
    }
    return dialog.Succeeded();
}

void CProgramView::OnReadFromRadio() {
    bool read = false;
    {
        CImageStep step(tr("读频"));
        read = RunTransfer(int(CTransferDlg::Kind::Read));
    }
    // A read is a fresh start: the image equals the radio, so it is not modified.
    if (read)
        g_cleanImage.Mark(g_image);
}
void CProgramView::OnWriteToRadio() {
    RunTransfer(int(CTransferDlg::Kind::Write));
}
void CProgramView::OnInitialise() {
    RunTransfer(int(CTransferDlg::Kind::Initialise));
}

void CProgramView::OnPortSettings() {
    CPortDlg dialog(window(), ProbeSerialDevice);
    dialog.exec();
}

void CProgramView::OnRadioInfo() {
    CRadioInfoDlg dialog(window());
    dialog.exec();
}

void CProgramView::OnChannelEdit() {
    CImageStep step(tr("信道信息"));
    CommitGrid();
    const int row = std::max(1, m_grid->currentRow() + 1);
    Editors::ChannelEdit(window(), row, CellText(row, kColRxFreq));
    LoadGrid();
    m_grid->setFocus();
}

void CProgramView::OnBatchGenerate() {
    CImageStep step(tr("批量生成"));
    // The generator reloads the grid from the image; edits still in it must be there first.
    CommitGrid();
    Editors::BatchGenerate(*this);
}

void CProgramView::OnModelInfo() {
    CImageStep step(tr("机型"));
    CommitGrid();
    Editors::ModelInfo(window());
    LoadGrid();
}

void CProgramView::OnFmReceiver() {
    CImageStep step(tr("收音机"));
    Editors::FmReceiver(window());
}

void CProgramView::OnParameterAdjust() {
    CImageStep step(tr("参数调节"));
    Service::ParameterAdjust(window());
}

void CProgramView::OnServicePassword() {
    if (!Service::AskServicePassword(window()))
        return;
    ShowServiceButton();
    if (auto* frame = qobject_cast<CMainFrame*>(window()))
        frame->EnableServiceMode();
    else
        g_serviceMode = true;
}

void CProgramView::ShowServiceButton() {
    m_initialise->show();
}

void CProgramView::PrintChannelList(QPrinter* printer) const {
    QTextDocument document;
    QTextCursor cursor(&document);
    std::vector<QStringList> rows;
    QStringList header{QString()};
    for (const char* h : kHeaders)
        header << tr(h);
    rows.push_back(header);
    for (int row = 1; row <= kRecordCount; ++row) {
        if (CellText(row, kColRxFreq).isEmpty())
            continue;
        QStringList cells{QString::fromStdString(GridRowLabel(row))};
        for (int c = 1; c < kGridColumns; ++c)
            cells << (c > kColTxTone ? TableText(CellText(row, c).toStdString())
                                     : CellText(row, c));
        rows.push_back(cells);
    }
    QTextTableFormat format;
    format.setHeaderRowCount(1);
    format.setCellPadding(3);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    QTextTable* table = cursor.insertTable(int(rows.size()), kGridColumns, format);
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < kGridColumns; ++c)
            table->cellAt(r, c).firstCursorPosition().insertText(rows[r][c]);
    document.print(printer);
}

void CProgramView::OnPrint(QPrinter& printer) {
    CommitOpenEditors();
    QPrintDialog dialog(&printer, window());
    if (dialog.exec() == QDialog::Accepted)
        PrintChannelList(&printer);
}

void CProgramView::OnPrintPreview(QPrinter& printer) {
    CommitOpenEditors();
    QPrintPreviewDialog preview(&printer, window());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintChannelList(printer); });
    preview.exec();
}
