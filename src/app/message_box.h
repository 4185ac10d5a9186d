#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box and file dialog of the program goes through here, so tests can answer
// them without running a modal loop.
namespace Ui {

struct Responder {
    std::function<void(const QString& text, const QString& details)> message;
    std::function<bool(const QString& text)> question;   // OK / Cancel
    std::function<QString(bool save)> fileName;          // empty = cancelled
    std::function<int(const QString& text)> saveChanges; // a SaveAnswer
};

// Installs a responder for tests; nullptr restores the real dialogs.
void SetResponder(Responder* responder);

void ShowMessage(QWidget* parent, const QString& text, const QString& details = {});
bool AskOkCancel(QWidget* parent, const QString& text);
enum class SaveAnswer { Save, Discard, Cancel };
SaveAnswer AskSaveChanges(QWidget* parent, const QString& text);
// What a file dialog lists: memory images (.dat) or channel lists (.csv).
enum class FileKind { Image, Csv };
QString AskOpenFileName(QWidget* parent, FileKind kind = FileKind::Image,
                        const QString& directory = {});
QString AskSaveFileName(QWidget* parent, const QString& suggestion,
                        FileKind kind = FileKind::Image);

} // namespace Ui
