#pragma once

#include "app/message_box.h"
#include "link/radio_simulator.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>

class QDialog;

// A program directory of its own (KESTRA_HOME) and start-up values for the globals.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    bool WriteFile(const QString& name, const QByteArray& bytes) const;

  private:
    QTemporaryDir m_dir;
};

// A simulated radio behind COM1 of the test's program directory.
struct SimulatedRadio {
    explicit SimulatedRadio(const MemoryImage& memory, SimulatorFault fault = {})
        : simulator(memory, SimulatorOptions{false, fault}) {}
    SimulatedRadio(const MemoryImage& memory, const SimulatorOptions& options)
        : simulator(memory, options) {}
    bool Start(const TestHome& home);
    // Every byte the program sent to the radio so far.
    QByteArray Sent() const;
    RadioSimulator simulator;
};

// Answers every message box and file dialog; records the messages.
class AutoResponder : public Ui::Responder {
  public:
    AutoResponder();
    ~AutoResponder() { Ui::SetResponder(nullptr); }
    QStringList messages;
    QStringList details;
    bool answerOk = true;
    QStringList fileNames; // taken in order; empty = cancelled
    int questions = 0;
    QStringList savePrompts; // "文件已修改，是否保存？" asked,
    Ui::SaveAnswer saveAnswer = Ui::SaveAnswer::Discard; // and answered this way
};

// Typed keys, a paste (Ctrl+V) or an input method's commit, sent to `target`, the widget with
// the focus (a spin box, not its line edit).
enum class Input { Keys, Paste, InputMethod };
Q_DECLARE_METATYPE(Input)
void EnterText(QWidget* target, const QString& text, Input how);

// Runs `act` on the modal dialog that `open` starts, as soon as its loop runs, then closes
// the dialog with its close box. Returns false when no modal dialog appeared.
bool WithModalDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& act);

// Shows the window and waits until it is active, so focus changes deliver focus events.
bool ShowActive(QWidget* window);

// Moves the focus from `from` to `to` and checks that `from` lost it.
bool MoveFocus(QWidget* from, QWidget* to);
