#include "../image/test_registry.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

using Messages = QMap<QPair<QString, QString>, QString>; // (context, source) -> translation

// The messages of a .ts file; an unfinished translation counts as none.
bool ReadTs(const QString& path, Messages& messages) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool unfinished = xml.attributes().value("type") == u"unfinished";
            const QString text = xml.readElementText();
            messages[{context, source}] = unfinished ? QString() : text;
        }
    }
    return !xml.hasError();
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression("%\\d").globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

// Every text the sources pass through the translation has an English text in kestra_en.ts, and
// that text keeps the source's placeholders, its menu accelerator and its tooltip part.
class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void everySourceTextIsTranslated();
    void translationsKeepTheirMarkers();
};
KESTRA_REGISTER_TEST(TestTranslations);

void TestTranslations::everySourceTextIsTranslated() {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.start(KESTRA_LUPDATE,
                  QString(KESTRA_LUPDATE_ARGS).split('|') + QStringList{"-ts", fresh});
    QVERIFY(lupdate.waitForFinished(60000) && lupdate.exitCode() == 0);
    Messages sources, committed;
    QVERIFY(ReadTs(fresh, sources));
    QVERIFY(ReadTs(KESTRA_TS_FILE, committed));
    QVERIFY(sources.size() > 300);
    QStringList missing;
    for (auto it = sources.keyBegin(); it != sources.keyEnd(); ++it)
        if (committed.value(*it).isEmpty())
            missing << it->first + ": " + it->second;
    QVERIFY2(missing.isEmpty(), qPrintable("no English text for\n" + missing.join('\n')));
}

void TestTranslations::translationsKeepTheirMarkers() {
    Messages committed;
    QVERIFY(ReadTs(KESTRA_TS_FILE, committed));
    QStringList wrong;
    for (auto it = committed.cbegin(); it != committed.cend(); ++it) {
        const QString& source = it.key().second;
        const QString& english = it.value();
        if (Placeholders(source) != Placeholders(english) ||
            source.contains('&') != english.contains('&') ||
            source.count('\n') != english.count('\n'))
            wrong << source + " -> " + english;
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

#include "test_translations.moc"
