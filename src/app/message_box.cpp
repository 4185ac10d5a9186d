#include "app/message_box.h"

#include <QFileDialog>
#include <QMessageBox>

namespace Ui {

static Responder* s_responder = nullptr;
static const char* const kTitle = "写频软件";
static const char* const kFilter = "*.dat (*.dat)";

void SetResponder(Responder* responder) {
    s_responder = responder;
}

void ShowMessage(QWidget* parent, const QString& text, const QString& details) {
    if (s_responder && s_responder->message)
        return s_responder->message(text, details);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kTitle), text, QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

bool AskOkCancel(QWidget* parent, const QString& text) {
    if (s_responder && s_responder->question)
        return s_responder->question(text);
    return QMessageBox::question(parent, QString::fromUtf8(kTitle), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString AskOpenFileName(QWidget* parent) {
    if (s_responder && s_responder->fileName)
        return s_responder->fileName(false);
    return QFileDialog::getOpenFileName(parent, {}, {}, QString::fromUtf8(kFilter));
}

QString AskSaveFileName(QWidget* parent, const QString& suggestion) {
    if (s_responder && s_responder->fileName)
        return s_responder->fileName(true);
    QString name = QFileDialog::getSaveFileName(parent, {}, suggestion, QString::fromUtf8(kFilter));
    if (!name.isEmpty() && !name.endsWith(".dat", Qt::CaseInsensitive))
        name += ".dat";
    return name;
}

} // namespace Ui
