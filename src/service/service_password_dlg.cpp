#include "service/service_password_dlg.h"

#include "app/text_filter.h"
#include "image/service_password.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CServicePasswordDlg::CServicePasswordDlg(QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(this)) {
    setWindowTitle(tr("密码"));
    m_edit->setEchoMode(QLineEdit::Password);
    CTextFilter::Install(m_edit, {KeyFilter::Any, 8});
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CServicePasswordDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* line = new QHBoxLayout;
    auto* label = new QLabel(tr("密码"), this);
    label->setBuddy(m_edit);
    line->addWidget(label);
    line->addWidget(m_edit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(line);
    layout->addWidget(buttons);
}

void CServicePasswordDlg::OnOk() {
    if (ServicePasswordMatches(m_edit->text().toStdString()))
        accept();
    else
        reject();
}
