#include "settings/model_info_dlg.h"

#include "app/focus_loss.h"
#include "app/text_filter.h"
#include "image/band_edit_rules.h"
#include "image/band_limits.h"
#include "image/memory_image.h"
#include "settings/settings_page.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kModelLength = 16;
constexpr int kLimitLength = 3;

} // namespace

CModelInfoDlg::CModelInfoDlg(QWidget* parent, MemoryImage& image, BandLimits& limits,
                             const QString& radioType)
    : QDialog(parent), m_image(image), m_bandLimits(limits), m_model(new QLineEdit(this)) {
    setWindowTitle(tr("机型信息"));
    m_model->setReadOnly(true);
    m_model->setAlignment(Qt::AlignCenter);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("机型"), this), 0, 0);
    grid->addWidget(m_model, 0, 1, 1, 3);
    const char* const labels[2] = {QT_TR_NOOP("A段"), QT_TR_NOOP("B段")};
    for (int band = 0; band < 2; ++band) {
        grid->addWidget(new QLabel(tr(labels[band]), this), band + 1, 0);
        grid->addWidget(new QLabel(QStringLiteral("---"), this), band + 1, 2);
        for (int high = 0; high < 2; ++high) {
            auto* edit = new QLineEdit(this);
            edit->setAlignment(Qt::AlignCenter);
            edit->installEventFilter(this);
            grid->addWidget(edit, band + 1, high ? 3 : 1);
            m_limits[band][high] = edit;
        }
    }
    m_model->setText(radioType);
    InitLists();
    LoadFromImage();
}

CModelInfoDlg::~CModelInfoDlg() {
    if (!m_stored) {
        CommitFocusedControl(this);
        StoreToImage();
    }
}

void CModelInfoDlg::InitLists() {
    CTextFilter::Install(m_model, {KeyFilter::Any, kModelLength});
    for (auto& band : m_limits)
        for (QLineEdit* edit : band)
            CTextFilter::Install(edit, {KeyFilter::Digits, kLimitLength});
}

void CModelInfoDlg::LoadFromImage() {
    for (int band = 0; band < 2; ++band) {
        m_limits[band][0]->setText(QString::fromStdString(LimitToMhzText(m_bandLimits.low[band])));
        m_limits[band][1]->setText(QString::fromStdString(LimitToMhzText(m_bandLimits.high[band])));
    }
}

void CModelInfoDlg::ApplyRule(int band, bool high) {
    const BandPair typed{LimitFromMhzText(m_limits[band][0]->text().toStdString()),
                         LimitFromMhzText(m_limits[band][1]->text().toStdString())};
    const BandPair pair = high ? HighEditRule(typed) : LowEditRule(typed);
    m_limits[band][0]->setText(QString::fromStdString(LimitToMhzText(pair.low)));
    m_limits[band][1]->setText(QString::fromStdString(LimitToMhzText(pair.high)));
}

void CModelInfoDlg::ApplyEditRule(const QObject* edit) {
    for (int band = 0; band < 2; ++band)
        for (int high = 0; high < 2; ++high)
            if (edit == m_limits[band][high])
                return ApplyRule(band, high != 0);
}

void CModelInfoDlg::StoreToImage() {
    ApplyRule(0, false);
    ApplyRule(1, false);
    for (int band = 0; band < 2; ++band) {
        m_bandLimits.low[band] = LimitFromMhzText(m_limits[band][0]->text().toStdString());
        m_bandLimits.high[band] = LimitFromMhzText(m_limits[band][1]->text().toStdString());
    }
    StoreBandLimitsToImage(m_bandLimits, m_image);
    m_stored = true;
}

void CModelInfoDlg::done(int result) {
    if (!m_stored) {
        CommitFocusedControl(this);
        StoreToImage();
    }
    QDialog::done(result);
}

bool CModelInfoDlg::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        ApplyEditRule(object);
    return QDialog::eventFilter(object, event);
}

void CModelInfoDlg::keyPressEvent(QKeyEvent* event) {
    if (IsEnterOrEsc(event))
        return event->accept();
    QDialog::keyPressEvent(event);
}
