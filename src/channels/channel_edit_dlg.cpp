#include "channels/channel_edit_dlg.h"

#include "app/app_globals.h"
#include "app/ensure_selection.h"
#include "app/text_filter.h"
#include "channels/option_lists.h"
#include "channels/spin_arrows.h"
#include "image/channel_record.h"
#include "image/codecs.h"
#include "image/field_codec.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kChannelNumberLength = 4;

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CChannelEditDlg::CChannelEditDlg(QWidget* parent, int record, const QString& rxText)
    : QDialog(parent), m_record(std::clamp(record, 1, kRecordCount)),
      m_committedRx(rxText.toStdString()) {
    setWindowTitle(tr("信道编辑"));
    BuildForm();
    InitLists();
    m_number->setText(Q(FormatChannelLabel(m_record)));
    LoadFromImage();
}

CChannelEditDlg::~CChannelEditDlg() {
    if (!m_stored)
        StoreToImage();
}

void CChannelEditDlg::BuildForm() {
    auto makeEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(name);
        return edit;
    };
    m_number = makeEdit("channelNumber");
    m_spin = new CSpinArrows(this);
    m_rx = makeEdit("rxFreq");
    m_tx = makeEdit("txFreq");
    m_rxTone = MakeToneList(this, "rxTone", true);
    m_txTone = MakeToneList(this, "txTone", true);
    m_name = makeEdit("name");
    for (int i = 0; i < kChannelOptionCount; ++i)
        m_options[i] = MakeOptionList(i, this);

    auto* grid = new QGridLayout(this);
    auto* number = new QHBoxLayout;
    number->addWidget(m_number);
    number->addWidget(m_spin);
    auto addRow = [&](int row, int pair, const QString& label, QWidget* control) {
        grid->addWidget(new QLabel(label, this), row, pair * 2);
        grid->addWidget(control, row, pair * 2 + 1);
    };
    grid->addWidget(new QLabel(tr("信道号"), this), 0, 0);
    grid->addLayout(number, 0, 1);
    addRow(1, 0, tr("接收频率"), m_rx);
    addRow(1, 1, tr("发射频率"), m_tx);
    addRow(2, 0, tr("接收信令"), m_rxTone);
    addRow(2, 1, tr("发射信令"), m_txTone);
    for (int i = 0; i < kChannelOptionCount; ++i)
        addRow(3 + i / 2, i % 2, OptionLabel(i), m_options[i]);
    addRow(3 + kChannelOptionCount / 2, 1, tr("信道名字"), m_name);
    connect(m_spin, &CSpinArrows::stepped, this, &CChannelEditDlg::OnSpin);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_number, m_rx, m_tx, m_rxTone, m_txTone, m_name})
        control->installEventFilter(this);
    for (QComboBox* list : m_options)
        list->installEventFilter(this);
}

void CChannelEditDlg::InitLists() {
    const FieldSpec& name = ChannelField(ChannelFieldId::Name);
    CTextFilter::Install(m_name, {name.keys, name.maxLength});
    CTextFilter::Install(m_number, {KeyFilter::ChannelLabel, kChannelNumberLength});
    CTextFilter::Install(m_rx, {KeyFilter::Frequency});
    CTextFilter::Install(m_tx, {KeyFilter::Frequency});
}

ChannelEditValues CChannelEditDlg::ReadControls() const {
    ChannelEditValues values;
    values.empty = !m_tx->isEnabled();
    values.rx = Text(m_rx);
    values.tx = Text(m_tx);
    values.rxTone = m_rxTone->currentText().toStdString();
    values.txTone = m_txTone->currentText().toStdString();
    values.name = Text(m_name);
    for (int i = 0; i < kChannelOptionCount; ++i)
        values.options[i] = m_options[i]->currentIndex();
    return values;
}

void CChannelEditDlg::ShowValues(const ChannelEditValues& values) {
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != m_number && w != m_spin && w != m_rx && !qobject_cast<QLabel*>(w))
            w->setEnabled(!values.empty);
    m_rx->setText(Q(values.rx));
    m_tx->setText(Q(values.tx));
    m_name->setText(Q(values.name));
    for (auto [tone, text] : {std::pair{m_rxTone, &values.rxTone}, {m_txTone, &values.txTone}}) {
        tone->setCurrentIndex(text->empty() ? -1 : tone->findText(Q(*text)));
        tone->setEditText(Q(*text));
    }
    for (int i = 0; i < kChannelOptionCount; ++i) {
        const int index = values.options[i];
        m_options[i]->setCurrentIndex(index < m_options[i]->count() ? index : -1);
        if (!values.empty)
            EnsureSelection(m_options[i], FallbackIndex(ChannelField(ChannelOptions()[i].field)));
    }
}

void CChannelEditDlg::LoadFromImage() {
    m_record = std::clamp(ParseChannelLabel(Text(m_number)), 1, kRecordCount);
    const ChannelEditValues values = LoadChannelEdit(g_image, m_record);
    ShowValues(values);
    m_committedRx = values.rx;
    m_txAtFocus = values.tx;
}

void CChannelEditDlg::StoreToImage() {
    CommitPending();
    StoreChannelEdit(g_image, m_record, m_committedRx, ReadControls());
}

// What focus loss would have done for the focused control and a receive text typed without
// commit, so a store never writes less than the dialog shows.
void CChannelEditDlg::CommitPending() {
    QWidget* focus = focusWidget();
    if (focus == m_tx && Text(m_tx) != m_txAtFocus)
        OnTransmitCommit();
    else if (focus == m_rxTone || focus == m_txTone)
        OnToneFocusLoss(static_cast<QComboBox*>(focus));
    ChannelEditValues values = ReadControls();
    if (values.rx == m_committedRx)
        return;
    CommitPendingReceive(values, m_committedRx, m_record, g_bandLimits);
    ShowValues(values);
}

void CChannelEditDlg::OnReceiveCommit() {
    ChannelEditValues values = ReadControls();
    CommitChannelReceive(values, m_committedRx, m_record, g_bandLimits);
    ShowValues(values);
}

void CChannelEditDlg::OnTransmitCommit() {
    ChannelEditValues values = ReadControls();
    CommitChannelTransmit(values, m_txAtFocus, m_record, g_bandLimits);
    m_rx->setText(Q(values.rx));
    m_tx->setText(Q(values.tx));
}

void CChannelEditDlg::OnToneFocusLoss(QComboBox* tone) {
    if (m_rx->text().isEmpty())
        return;
    const QString text = Q(NormaliseToneText(tone->currentText().toStdString()));
    if (text != tone->currentText())
        tone->setCurrentText(text);
}

void CChannelEditDlg::OnChannelNumberFocusLoss() {
    if (ParseChannelLabel(Text(m_number)) == m_record)
        return;
    StoreToImage();
    m_number->setText(Q(FormatChannelLabel(ChannelFromLabel(Text(m_number)))));
    LoadFromImage();
}

void CChannelEditDlg::OnSpin(int delta) {
    StoreToImage();
    m_number->setText(Q(FormatChannelLabel(ChannelAfterSpin(Text(m_number), delta))));
    LoadFromImage();
}

void CChannelEditDlg::done(int result) {
    if (!m_stored) {
        StoreToImage();
        m_stored = true;
    }
    QDialog::done(result);
}

bool CChannelEditDlg::HandleKey(QObject* object, int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape)
        return false;
    if (object == m_rx) {
        if (enter)
            OnReceiveCommit();
        else
            close();
    }
    return true; // Enter and Esc do nothing anywhere else
}

bool CChannelEditDlg::HandleFocusOut(QObject* object) {
    if (object == m_rx)
        OnReceiveCommit();
    else if (object == m_tx)
        OnTransmitCommit();
    else if (object == m_rxTone || object == m_txTone)
        OnToneFocusLoss(static_cast<QComboBox*>(object));
    else if (object == m_number)
        OnChannelNumberFocusLoss();
    return false;
}

bool CChannelEditDlg::eventFilter(QObject* object, QEvent* event) {
    if (m_stored)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(object, static_cast<QKeyEvent*>(event)->key());
    case QEvent::FocusIn:
        if (object == m_tx)
            m_txAtFocus = Text(m_tx);
        return false;
    case QEvent::FocusOut:
        // Opening a drop-down's list is not leaving the control.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            return false;
        return HandleFocusOut(object);
    default:
        return false;
    }
}
