#pragma once

class QMenu;

// Adds the "语言 / Language" submenu to `menu`: follow the system, Chinese or English. The choice
// goes to Program.ini ([Setup] Language: empty, zh, en) and takes effect at the next start.
void AddLanguageMenu(QMenu* menu);
