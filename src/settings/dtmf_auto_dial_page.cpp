#include "settings/dtmf_auto_dial_page.h"

#include "app/app_globals.h"
#include "app/cell_editor.h"
#include "app/text_filter.h"
#include "image/auto_dial_rules.h"
#include "image/dtmf_table.h"
#include "settings/field_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSelfIdId = 1212;
constexpr int kSeparatorId = 1211;
constexpr int kCodeColumn = 1;
constexpr int kCallIdLength = 7;
constexpr int kIndexTwips = 500;
constexpr int kCodeTwips = 2500;

QTableWidgetItem* CenteredItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

CDtmfAutoDialPage::CDtmfAutoDialPage(MemoryImage& image, QWidget* parent)
    : CSettingsPage(parent), m_image(image) {
    auto* fields = new QGridLayout;
    m_form = new CFieldForm(AutoDialFields(), this, fields, 2);
    m_callId = new QLineEdit(this);
    m_callId->setObjectName("1210");
    fields->addWidget(new QLabel(tr("呼叫ID"), this), 1, 0);
    fields->addWidget(m_callId, 1, 1);
    m_ani = new QPushButton(tr("ANI 呼叫"), this);
    m_ani->setAutoDefault(false);
    fields->addWidget(m_ani, 1, 3);
    m_grid = new QTableWidget(this);
    m_cellEditor = new CCellEditor(m_grid, {KeyFilter::Dtmf, kAutoDialCodeLength});
    m_cellEditor->setObjectName("1115");
    m_cellEditor->cellFor = [](int, int column) { return column == kCodeColumn ? column : -1; };
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_grid);
    CTextFilter::Install(m_callId, {KeyFilter::Dtmf, kCallIdLength});
    for (QObject* watched :
         {static_cast<QObject*>(m_grid), static_cast<QObject*>(m_form->Control(kSelfIdId)),
          static_cast<QObject*>(m_form->Control(kSeparatorId))})
        watched->installEventFilter(this);
    connect(m_form->List(kSeparatorId), &QComboBox::activated, this,
            &CDtmfAutoDialPage::SeparatorChosen);
    connect(m_ani, &QPushButton::clicked, this, &CDtmfAutoDialPage::AniCall);
    InitLists();
    LoadFromImage();
}

CDtmfAutoDialPage::~CDtmfAutoDialPage() {
    StoreToImage();
}

void CDtmfAutoDialPage::InitLists() {
    m_form->InitLists();
    m_callId->setText(g_dtmfCallId);
    BuildGrid();
}

void CDtmfAutoDialPage::BuildGrid() {
    m_grid->clear();
    m_grid->setRowCount(kAutoDialCodes);
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({tr("序号"), tr("编码")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setColumnWidth(0, TwipsToPixels(m_grid, kIndexTwips));
    m_grid->setColumnWidth(kCodeColumn, TwipsToPixels(m_grid, kCodeTwips));
    for (int n = 0; n < kAutoDialCodes; ++n) {
        m_grid->setItem(n, 0, CenteredItem(QString::number(n)));
        m_grid->setItem(n, kCodeColumn, CenteredItem({}));
    }
    m_grid->setCurrentCell(0, kCodeColumn);
}

void CDtmfAutoDialPage::LoadFromImage() {
    m_grid->setFocus();
    m_form->LoadFromImage(m_image);
    m_previousSeparator = SeparatorText();
    m_previousSelfId = SelfIdText();
    const auto& codes = AutoDialCodeFields();
    for (int n = 0; n < kAutoDialCodes; ++n)
        m_grid->item(n, kCodeColumn)
            ->setText(QString::fromLatin1(LoadField(m_image, codes[n]).text));
}

void CDtmfAutoDialPage::StoreToImage() {
    CommitCellEditor();
    g_dtmfCallId = m_callId->text();
    m_form->StoreToImage(m_image);
    const auto& codes = AutoDialCodeFields();
    for (int n = 0; n < kAutoDialCodes; ++n)
        StoreField(m_image, codes[n], {.text = ToImageText(m_grid->item(n, kCodeColumn)->text())});
}

QString CDtmfAutoDialPage::SeparatorText() const {
    return m_form->List(kSeparatorId)->currentText();
}

QString CDtmfAutoDialPage::SelfIdText() const {
    return m_form->Edit(kSelfIdId)->text();
}

void CDtmfAutoDialPage::OpenCellEditor() {
    if (QTableWidgetItem* item = m_grid->currentItem(); item && item->column() == kCodeColumn)
        m_cellEditor->Open(item->row(), kCodeColumn);
}

void CDtmfAutoDialPage::CommitCellEditor() {
    m_cellEditor->Commit();
}

void CDtmfAutoDialPage::AniCall() {
    CommitCellEditor();
    const int row = std::max(m_grid->currentRow(), 0);
    const std::string code = ComposeAniCall(
        ToImageText(m_callId->text()), ToImageText(SeparatorText()), ToImageText(SelfIdText()));
    m_grid->item(row, kCodeColumn)->setText(QString::fromLatin1(code));
}

void CDtmfAutoDialPage::RewriteSuffixes(const QString& oldSuffix, const QString& newSuffix) {
    for (int n = 0; n < kAutoDialCodes; ++n) {
        QTableWidgetItem* item = m_grid->item(n, kCodeColumn);
        std::string code = ToImageText(item->text());
        if (RewriteSuffix(code, ToImageText(oldSuffix), ToImageText(newSuffix)))
            item->setText(QString::fromLatin1(code));
    }
}

void CDtmfAutoDialPage::SeparatorChosen() {
    RewriteSuffixes(m_previousSeparator + m_previousSelfId, SeparatorText() + SelfIdText());
    m_previousSeparator = SeparatorText();
}

void CDtmfAutoDialPage::SelfIdLeft() {
    if (SelfIdText().isEmpty())
        return m_form->Edit(kSelfIdId)->setText(m_previousSelfId);
    RewriteSuffixes(m_previousSeparator + m_previousSelfId, SeparatorText() + SelfIdText());
    m_previousSelfId = SelfIdText();
}

bool CDtmfAutoDialPage::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    const auto* keyEvent = key ? static_cast<QKeyEvent*>(event) : nullptr;
    if (watched == m_grid) {
        if (key && (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter)) {
            OpenCellEditor();
            return true;
        }
    } else if (watched == m_form->Control(kSelfIdId)) {
        if (event->type() == QEvent::FocusIn)
            m_previousSelfId = SelfIdText();
        else if (event->type() == QEvent::FocusOut)
            SelfIdLeft();
    } else if (watched == m_form->Control(kSeparatorId) && event->type() == QEvent::FocusIn) {
        m_previousSeparator = SeparatorText();
    }
    return CSettingsPage::eventFilter(watched, event);
}
