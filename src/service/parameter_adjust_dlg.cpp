#include "service/parameter_adjust_dlg.h"

#include "app/cell_editor.h"
#include "app/focus_loss.h"
#include "app/table_text.h"
#include "image/band_limits.h"
#include "image/calibration.h"
#include "image/calibration_fields.h"
#include "image/memory_image.h"
#include "image/numeric_text.h"
#include "link/transfer_range.h"
#include "service/calibration_cell_delegate.h"
#include "service/spin_edit.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The two columns of labelled edits, then the row of compander thresholds.
constexpr int kFirstColumn[] = {1213, 1203, 1112, 1114, 1116, 1151,
                                1118, 1145, 1147, 1149, 1120, 1122};
constexpr int kSecondColumn[] = {1124, 1133, 1135, 1137, 1139, 1163, 1126, 1131, 1154, 1156};
constexpr int kThresholdRow[] = {1128, 1161};
constexpr int kHiddenEdit = 1158;
// The check boxes in their four rows.
constexpr std::array<std::array<int, 3>, 4> kSwitchRows = {{
    {1238, 1239, 1240},
    {1241, 1242, 1243},
    {1244, 1245, 0},
    {1246, 1247, 0},
}};

} // namespace

CParameterAdjustDlg::CParameterAdjustDlg(QWidget* parent, MemoryImage& image, BandLimits& limits)
    : CServiceDlg(parent, image, kCalibrationRegion), m_limits(limits) {
    setWindowTitle(tr("参数调节"));
    auto* grids = new QVBoxLayout;
    for (int g = 0; g < kCalibrationGridCount; ++g) {
        BuildGrid(g);
        grids->addWidget(m_grids[g]);
    }
    grids->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ReadButton());
    buttons->addWidget(WriteButton());
    auto* right = new QVBoxLayout;
    right->addLayout(buttons);
    right->addLayout(BuildEdits());
    right->addLayout(BuildSwitches());
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grids);
    layout->addLayout(right, 1);
    SetupGrids();
    LoadFromImage();
}

void CParameterAdjustDlg::BuildGrid(int grid) {
    const CalibrationGridSpec& shape = CalibrationGrids()[grid];
    auto* table = new QTableWidget(this);
    m_grids[grid] = table;
    auto* delegate = new CCalibrationCellDelegate(table, shape);
    table->setItemDelegate(delegate);
    connect(delegate, &CCalibrationCellDelegate::closeRequested, this, &QDialog::accept);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(table, &QTableWidget::cellPressed, this, [table] {
        if (QApplication::mouseButtons() & Qt::LeftButton)
            table->editItem(table->currentItem());
    });
    // The current cell shows its text in red.
    connect(table, &QTableWidget::currentCellChanged, this, [table](int r, int c, int pr, int pc) {
        if (QTableWidgetItem* previous = table->item(pr, pc))
            previous->setForeground(Qt::black);
        if (QTableWidgetItem* current = table->item(r, c))
            current->setForeground(Qt::red);
    });
}

QGridLayout* CParameterAdjustDlg::BuildEdits() {
    auto* layout = new QGridLayout;
    for (int i = 0; i < int(std::size(kFirstColumn)); ++i)
        AddEdit(layout, kFirstColumn[i], i, 0);
    for (int i = 0; i < int(std::size(kSecondColumn)); ++i)
        AddEdit(layout, kSecondColumn[i], i, 2);
    const int last = int(std::size(kFirstColumn));
    AddEdit(layout, kThresholdRow[0], last, 0);
    AddEdit(layout, kThresholdRow[1], last, 2);
    AddEdit(layout, kHiddenEdit, last + 1, 0);
    return layout;
}

void CParameterAdjustDlg::AddEdit(QGridLayout* layout, int id, int row, int column) {
    const CalibrationField* field = FindCalibrationField(id);
    auto* edit = new CSpinEdit(this, field->minimum, field->maximum, field->base, field->text);
    edit->setObjectName(QString::number(id));
    m_edits.insert(id, edit);
    if (field->hidden) {
        edit->hide();
        return;
    }
    auto* label = new QLabel(TableText(field->label), this);
    label->setBuddy(edit);
    layout->addWidget(label, row, column);
    layout->addWidget(edit, row, column + 1);
}

QGridLayout* CParameterAdjustDlg::BuildSwitches() {
    auto* layout = new QGridLayout;
    for (const CalibrationSwitch& sw : CalibrationSwitches()) {
        auto* box = new QCheckBox(TableText(sw.label), this);
        box->setObjectName(QString::number(sw.id));
        m_switches.insert(sw.id, box);
        for (int r = 0; r < int(kSwitchRows.size()); ++r)
            for (int c = 0; c < 3; ++c)
                if (kSwitchRows[r][c] == sw.id)
                    layout->addWidget(box, r, c);
    }
    return layout;
}

void CParameterAdjustDlg::SetupGrids() {
    m_layout = ::SetupGrids(m_limits);
    for (int g = 0; g < kCalibrationGridCount; ++g) {
        ShapeGrid(g);
        FitGrid(g);
    }
}

// Rows, labels, headers, widths (twips at the screen's resolution) and centred cells.
void CParameterAdjustDlg::ShapeGrid(int grid) {
    const CalibrationGridSpec& shape = CalibrationGrids()[grid];
    const CalibrationGridLayout& rows = m_layout.grids[grid];
    QTableWidget* table = m_grids[grid];
    table->setRowCount(rows.rowCount - 1);
    table->setColumnCount(int(shape.headers.size()));
    QStringList headers, labels;
    for (std::string_view header : shape.headers)
        headers << TableText(header);
    for (const CalibrationGridLine& line : rows.lines)
        labels << QString::fromStdString(line.bandLabel) + TableText(line.suffix);
    table->setHorizontalHeaderLabels(headers);
    table->setVerticalHeaderLabels(labels);
    table->verticalHeader()->setFixedWidth(TwipsToPixels(this, shape.labelWidthTwips));
    for (int c = 0; c < table->columnCount(); ++c) {
        table->setColumnWidth(c, TwipsToPixels(this, shape.dataWidthTwips));
        table->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignCenter);
        for (int r = 0; r < table->rowCount(); ++r) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            table->setItem(r, c, item);
        }
    }
}

void CParameterAdjustDlg::FitGrid(int grid) {
    QTableWidget* table = m_grids[grid];
    const int frame = 2 * table->frameWidth();
    int width = table->verticalHeader()->width() + frame;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    const int height = table->horizontalHeader()->sizeHint().height() +
                       table->rowCount() * table->verticalHeader()->defaultSectionSize() + frame;
    table->setFixedSize(width, height);
}

QString CParameterAdjustDlg::CellText(int grid, int row, int column) const {
    const QTableWidgetItem* item = m_grids[grid]->item(row - 1, column - 1);
    return item ? item->text() : QString();
}

void CParameterAdjustDlg::SetCellText(int grid, int row, int column, const QString& text) {
    if (QTableWidgetItem* item = m_grids[grid]->item(row - 1, column - 1))
        item->setText(text);
}

QString CParameterAdjustDlg::RowLabel(int grid, int row) const {
    const QTableWidgetItem* item = m_grids[grid]->verticalHeaderItem(row - 1);
    return item ? item->text() : QString();
}

void CParameterAdjustDlg::LoadGrid(int grid) {
    const CalibrationGridSpec& shape = CalibrationGrids()[grid];
    const std::vector<CalibrationGridLine>& lines = m_layout.grids[grid].lines;
    for (int r = 0; r < int(lines.size()); ++r)
        for (int c = 0; c < int(shape.headers.size()); ++c) {
            const int value = CalibrationCellValue(shape, m_image.Byte(lines[r].address + c));
            SetCellText(grid, r + 1, c + 1, QString::number(value));
        }
}

void CParameterAdjustDlg::StoreGrid(int grid) {
    CommitOpenEditor(grid);
    const CalibrationGridSpec& shape = CalibrationGrids()[grid];
    const std::vector<CalibrationGridLine>& lines = m_layout.grids[grid].lines;
    for (int r = 0; r < int(lines.size()); ++r)
        for (int c = 0; c < int(shape.headers.size()); ++c) {
            const int value = ReadNumberText(CellText(grid, r + 1, c + 1).toStdString(), 10);
            m_image.SetByte(lines[r].address + c, static_cast<uint8_t>(value & 0xFF));
        }
}

// An editor still open when the dialog stores counts as committed.
void CParameterAdjustDlg::CommitOpenEditor(int grid) {
    QTableWidget* table = m_grids[grid];
    const QModelIndex index = table->currentIndex();
    if (QWidget* editor = index.isValid() ? table->indexWidget(index) : nullptr)
        table->itemDelegate()->setModelData(editor, table->model(), index);
}

void CParameterAdjustDlg::LoadFromImage() {
    SetupGrids();
    for (int g = 0; g < kCalibrationGridCount; ++g)
        LoadGrid(g);
    for (const CalibrationField& field : CalibrationFields())
        m_edits[field.id]->SetNumber(LoadCalibrationField(m_image, field));
    for (const CalibrationSwitch& sw : CalibrationSwitches())
        m_switches[sw.id]->setChecked(LoadCalibrationSwitch(m_image, sw));
    for (const CalibrationField& field : CalibrationFields())
        if (field.clampOnLoad)
            m_edits[field.id]->Clamp();
}

void CParameterAdjustDlg::StoreToImage() {
    for (const CalibrationField& field : CalibrationFields())
        if (field.clampOnLoad)
            m_edits[field.id]->Clamp();
    DeriveRampTable(m_image);
    StoreGrid(kSquelchGrid);
    StoreGrid(kPowerGrid);
    // The slopes follow the power values just stored.
    DeriveBandPoints(m_image, m_limits);
    StoreGrid(kDetectionGrid);
    for (const CalibrationField& field : CalibrationFields())
        StoreCalibrationField(m_image, field, m_edits[field.id]->Number());
    for (const CalibrationSwitch& sw : CalibrationSwitches())
        StoreCalibrationSwitch(m_image, sw, m_switches[sw.id]->isChecked());
}

void CParameterAdjustDlg::AfterRead() {
    RefreshBandLimitsFromImage(m_image, m_limits);
}

void CParameterAdjustDlg::BeforeWrite() {
    StoreBandLimitsToImage(m_limits, m_image);
}
