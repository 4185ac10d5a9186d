#include "app_test_support.h"

#include "app/app_globals.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QInputMethodEvent>
#include <QTest>
#include <QTimer>

TestHome::TestHome() {
    qputenv("KESTRA_HOME", m_dir.path().toUtf8());
    g_exeDir = ProgramDirectory();
    g_bandLimits = BandLimits{};
    g_portName = "COM1";
    g_radioType.clear();
}

TestHome::~TestHome() {
    qunsetenv("KESTRA_HOME");
    g_exeDir.clear();
}

bool TestHome::WriteFile(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SimulatedRadio::Start(const TestHome& home) {
    std::string error;
    if (!simulator.Start(error))
        return false;
    g_portName = "COM1";
    return home.WriteFile(
        "Program.ini", "[Ports]\nCOM1=" + QByteArray::fromStdString(simulator.DevicePath()) + "\n");
}

QByteArray SimulatedRadio::Sent() const {
    const std::vector<uint8_t> bytes = simulator.Received();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

AutoResponder::AutoResponder() {
    message = [this](const QString& text, const QString& detail) {
        messages << text;
        details << detail;
    };
    question = [this](const QString&) {
        ++questions;
        return answerOk;
    };
    fileName = [this](bool) { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); };
    saveChanges = [this](const QString& text) {
        savePrompts << text;
        return static_cast<int>(saveAnswer);
    };
    Ui::SetResponder(this);
}

void EnterText(QWidget* target, const QString& text, Input how) {
    switch (how) {
    case Input::Keys:
        // A keyboard layout can type characters beyond ASCII as well.
        for (QChar c : text)
            if (c.unicode() < 0x80)
                QTest::keyClick(target, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        break;
    case Input::Paste:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case Input::InputMethod: {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(target, &commit);
        break;
    }
    }
}

bool WithModalDialog(const std::function<void()>& open, const std::function<void(QDialog*)>& act) {
    bool seen = false;
    // A local timer: it cannot fire after this function returns.
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        act(dialog);
        dialog->close();
    });
    timer.start(0);
    open();
    return seen;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool MoveFocus(QWidget* from, QWidget* to) {
    to->setFocus();
    return !from->hasFocus() && to->hasFocus();
}
