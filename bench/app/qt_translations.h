// Qt's own texts — the file dialog, the buttons of message boxes — in the
// interface's language, from the translations that come with Qt.
#pragma once

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace bench {

// The locale whose translations the platform's dialogs take: the system's
// when it is a Chinese one (simplified or traditional), otherwise simplified
// Chinese, the language of the whole interface.
QLocale dialog_locale(const QLocale& system);

// Installs Qt's translations for dialog_locale(QLocale::system()). Returns
// the translator (owned by `app`), or nullptr when none could be loaded; the
// dialogs then stay in Qt's own English.
QTranslator* install_qt_translations(QCoreApplication& app);

}  // namespace bench
