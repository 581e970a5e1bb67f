#include "interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>

namespace bench {

namespace {

// A translator loaded and installed, or nullptr.
QTranslator* load_translator(QCoreApplication& app, const QString& file) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

interface_language g_current = interface_language::chinese;

}  // namespace

interface_language language_for(const QLocale& system) {
    const QStringList languages = system.uiLanguages();
    if (languages.isEmpty()) return interface_language::english;
    return QLocale(languages.first()).language() == QLocale::Chinese ? interface_language::chinese
                                                                      : interface_language::english;
}

QLocale chinese_dialog_locale(const QLocale& system) {
    for (const QString& language : system.uiLanguages()) {
        const QLocale candidate(language);
        if (candidate.language() == QLocale::Chinese) return candidate;
    }
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}

installed_translations install_translations(QCoreApplication& app, const QString& folder, const QLocale& system) {
    installed_translations installed;
    installed.language = language_for(system);
    if (installed.language == interface_language::english) {
        const QString file = QDir(folder).filePath(QStringLiteral("labbench_en.qm"));
        installed.program = load_translator(app, file);
        if (installed.program == nullptr) {
            std::fprintf(stderr, "labbench: the English translation %s cannot be loaded; the interface stays Chinese\n",
                         qPrintable(QDir::toNativeSeparators(file)));
            installed.language = interface_language::chinese;
        }
    }
    g_current = installed.language;
    if (installed.language == interface_language::chinese) {
        auto* qt = new QTranslator(&app);
        if (qt->load(chinese_dialog_locale(system), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            QCoreApplication::installTranslator(qt))
            installed.qt = qt;
        else
            delete qt;
    }
    return installed;
}

void remove_translations(installed_translations& installed) {
    for (QTranslator** translator : {&installed.program, &installed.qt}) {
        if (*translator == nullptr) continue;
        QCoreApplication::removeTranslator(*translator);
        delete *translator;
        *translator = nullptr;
    }
    g_current = interface_language::chinese;
}

interface_language current_language() { return g_current; }

QString pinout_picture(const QString& program_folder, const QString& name) {
    const QString file = name + QStringLiteral(".bmp");
    if (g_current == interface_language::english) {
        const QString english = program_folder + QStringLiteral("ICbmp/en/") + file;
        if (QFileInfo::exists(english)) return english;
    }
    return program_folder + QStringLiteral("ICbmp/") + file;
}

}  // namespace bench
