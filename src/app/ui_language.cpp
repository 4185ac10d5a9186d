#include "app/ui_language.h"

#include "link/profile_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

QTranslator* EnglishTranslator() {
    static QTranslator* translator = [] {
        auto* loaded = new QTranslator;
        if (!loaded->load(QStringLiteral(":/i18n/kestra_en.qm"))) {
            delete loaded;
            return static_cast<QTranslator*>(nullptr);
        }
        return loaded;
    }();
    return translator;
}

} // namespace

UiLanguage ChooseUiLanguage(std::string_view setting, std::string_view localeName) {
    if (setting == "zh")
        return UiLanguage::Chinese;
    if (setting == "en")
        return UiLanguage::English;
    return localeName.starts_with("zh") ? UiLanguage::Chinese : UiLanguage::English;
}

UiLanguage ProgramUiLanguage(const std::filesystem::path& ini) {
    const std::string setting = ReadIniValue(ini, "Setup", "Language").value_or("");
    return ChooseUiLanguage(setting, QLocale::system().name().toStdString());
}

bool InstallUiLanguage(UiLanguage language) {
    if (language == UiLanguage::Chinese)
        return true;
    QTranslator* translator = EnglishTranslator();
    // The translator lives for the whole process; installing it twice has no further effect.
    return translator && QCoreApplication::installTranslator(translator);
}

std::string EnglishText(const char* context, const char* source) {
    const QTranslator* translator = EnglishTranslator();
    return translator ? translator->translate(context, source).toStdString() : std::string();
}
