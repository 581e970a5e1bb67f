#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace bench {

QLocale dialog_locale(const QLocale& system) {
    for (const QString& language : system.uiLanguages()) {
        const QLocale candidate(language);
        if (candidate.language() == QLocale::Chinese) return candidate;
    }
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}

QTranslator* install_qt_translations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(dialog_locale(QLocale::system()), QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace bench
