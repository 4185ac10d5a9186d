#include "app/about_info_dlg.h"

#include "app/app_globals.h"
#include "app/ini_file.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CAboutInfoDlg::CAboutInfoDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("关于"));
    const CIniFile ini(ProgramIniPath());
    const char* keys[3] = {"Version", "Copyright", "Company"};
    auto* text = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        m_lines[i] = new QLabel(ini.GetString("About", keys[i]), this);
        text->addWidget(m_lines[i]);
    }
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* ok = new QPushButton(tr("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

QString CAboutInfoDlg::LineText(int line) const {
    return line >= 0 && line < 3 ? m_lines[line]->text() : QString();
}
