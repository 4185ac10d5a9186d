#include "app/language_menu.h"

#include "app/app_globals.h"
#include "app/ini_file.h"
#include "app/message_box.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

constexpr const char* kContext = "CLanguageMenu";

struct Choice {
    const char* text;
    const char* value; // [Setup] Language
};

constexpr Choice kChoices[] = {
    {QT_TRANSLATE_NOOP("CLanguageMenu", "跟随系统 / System"), ""},
    {QT_TRANSLATE_NOOP("CLanguageMenu", "中文"), "zh"},
    {QT_TRANSLATE_NOOP("CLanguageMenu", "English"), "en"},
};

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// Any value but zh and en follows the system, as at start-up.
bool IsChosen(const Choice& choice, const QString& setting) {
    if (*choice.value)
        return setting == choice.value;
    return setting != "zh" && setting != "en";
}

} // namespace

void AddLanguageMenu(QMenu* menu) {
    QMenu* languages = menu->addMenu(Tr(QT_TRANSLATE_NOOP("CLanguageMenu", "语言 / Language")));
    auto* group = new QActionGroup(languages);
    const QString setting = CIniFile(ProgramIniPath()).GetString("Setup", "Language");
    for (const Choice& choice : kChoices) {
        QAction* item = languages->addAction(Tr(choice.text));
        item->setCheckable(true);
        item->setChecked(IsChosen(choice, setting));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [menu, value = choice.value] {
            CIniFile(ProgramIniPath()).SetString("Setup", "Language", value);
            Ui::ShowMessage(
                menu->parentWidget(),
                Tr(QT_TRANSLATE_NOOP("CLanguageMenu", "界面语言将在下次启动程序时更改。")));
        });
    }
}
