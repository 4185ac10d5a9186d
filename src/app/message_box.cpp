#include "app/message_box.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace Ui {

static Responder* s_responder = nullptr;
static const char* const kTitle = QT_TRANSLATE_NOOP("CMainFrame", "写频软件");

static QString Filter(FileKind kind) {
    return kind == FileKind::Csv ? QStringLiteral("*.csv (*.csv)")
                                 : QStringLiteral("*.dat (*.dat)");
}

static QString Suffix(FileKind kind) {
    return kind == FileKind::Csv ? QStringLiteral(".csv") : QStringLiteral(".dat");
}

void SetResponder(Responder* responder) {
    s_responder = responder;
}

void ShowMessage(QWidget* parent, const QString& text, const QString& details) {
    if (s_responder && s_responder->message)
        return s_responder->message(text, details);
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("CMainFrame", kTitle), text,
                    QMessageBox::Ok, parent);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

bool AskOkCancel(QWidget* parent, const QString& text) {
    if (s_responder && s_responder->question)
        return s_responder->question(text);
    return QMessageBox::question(parent, QCoreApplication::translate("CMainFrame", kTitle), text,
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) {
    if (s_responder && s_responder->saveChanges)
        return static_cast<SaveAnswer>(s_responder->saveChanges(text));
    const auto button = QMessageBox::question(
        parent, QCoreApplication::translate("CMainFrame", kTitle), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    return button == QMessageBox::Save      ? SaveAnswer::Save
           : button == QMessageBox::Discard ? SaveAnswer::Discard
                                            : SaveAnswer::Cancel;
}

QString AskOpenFileName(QWidget* parent, FileKind kind, const QString& directory) {
    if (s_responder && s_responder->fileName)
        return s_responder->fileName(false);
    return QFileDialog::getOpenFileName(parent, {}, directory, Filter(kind));
}

QString AskSaveFileName(QWidget* parent, const QString& suggestion, FileKind kind) {
    if (s_responder && s_responder->fileName)
        return s_responder->fileName(true);
    QString name = QFileDialog::getSaveFileName(parent, {}, suggestion, Filter(kind));
    if (!name.isEmpty() && !name.endsWith(Suffix(kind), Qt::CaseInsensitive))
        name += Suffix(kind);
    return name;
}

} // namespace Ui
