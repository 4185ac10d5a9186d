#include "app_test_support.h"

#include "app/app_globals.h"

#include <QFile>

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
    Ui::SetResponder(this);
}

AutoResponder::~AutoResponder() {
    Ui::SetResponder(nullptr);
}
