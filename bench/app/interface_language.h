// The interface's language follows the system's: Chinese, the language the
// bench is written in, for a Chinese locale (simplified or traditional), and
// English for every other one. The English texts come from the program's own
// translation (translations/labbench_en.qm in the data folder); Qt's own
// texts — the file dialog, the buttons of message boxes — are Qt's English,
// or come from the translations that come with Qt for Chinese.
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;
class QTranslator;

namespace bench {

enum class interface_language { chinese, english };

// The language for a system locale: its first preferred language decides.
interface_language language_for(const QLocale& system);

// The locale whose Qt translations the platform's dialogs take in a Chinese
// interface: the system's own Chinese (simplified or traditional) when it
// names one, otherwise simplified Chinese.
QLocale chinese_dialog_locale(const QLocale& system);

// What install_translations put in place; the translators are owned by the
// application object.
struct installed_translations {
    interface_language language = interface_language::chinese;
    QTranslator* program = nullptr;  // the English texts, or none
    QTranslator* qt = nullptr;       // Qt's own Chinese texts, or none
};

// Installs the translations for `system` from `folder` (the data folder's
// translations/). When the English translation is missing the interface stays
// Chinese, and a line on the error stream says why.
installed_translations install_translations(QCoreApplication& app, const QString& folder, const QLocale& system);

// Takes installed translations away again (for tests that switch languages).
void remove_translations(installed_translations& installed);

// The language install_translations put in place: Chinese before it and
// after remove_translations.
interface_language current_language();

// The pin-out diagram `name`.bmp in the interface's language: the English
// ones sit in ICbmp/en/ beside the Chinese ones in ICbmp/, which stand in for
// any English one missing.
QString pinout_picture(const QString& program_folder, const QString& name);

}  // namespace bench
