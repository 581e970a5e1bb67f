// The interface in English and in Chinese: the window is made after the
// translations for a locale are installed, as the program does at start.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "catalogue.h"
#include "chip_descriptions.h"
#include "data_folder.h"
#include "interface_language.h"
#include "main_window.h"
#include "pointer_text.h"
#include "scripted_prompts.h"
#include "text_recorder.h"
#include "trainer_art.h"
#include "truth_table_dialog.h"

using bench::interface_language;
using bench::main_window;

namespace {

QString translations_folder() { return QDir(bench::data_folder()).filePath(QStringLiteral("translations")); }

// The interface's translations for a locale, installed for one test.
struct language_scope {
    bench::installed_translations installed;
    explicit language_scope(const char* locale)
        : installed(bench::install_translations(*QCoreApplication::instance(), translations_folder(),
                                                QLocale(QString::fromLatin1(locale)))) {}
    ~language_scope() { bench::remove_translations(installed); }
};

bool has_chinese(const QString& text) {
    static const QRegularExpression kHan(QStringLiteral("\\p{Han}"));
    return text.contains(kHan);
}

// The words the board's own artwork prints.
QStringList board_words() {
    bench::testing::text_recorder recorder;
    QPainter painter(&recorder);
    bench::paint_trainer(painter, 0);
    painter.end();
    return recorder.texts;
}

// Every text a widget and its children show: captions, titles, tooltips,
// placeholders, list entries and actions.
QStringList shown_texts(const QWidget* top) {
    QStringList texts{top->windowTitle(), top->toolTip()};
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
        if (auto* line = qobject_cast<const QLineEdit*>(w)) texts << line->placeholderText();
        if (auto* combo = qobject_cast<const QComboBox*>(w))
            for (int k = 0; k < combo->count(); ++k) texts << combo->itemText(k);
    }
    for (const QAction* action : top->findChildren<QAction*>()) texts << action->text() << action->toolTip();
    texts.removeAll(QString());
    return texts;
}

struct language_case {
    const char* locale;
    interface_language language;
    const char* caption;
    const char* save_entry;      // the first entry of the circuit-file menu
    const char* missing_file;    // the message for a file that is not there, %1 its name
    const char* board_word;      // printed left of the power switch
    const char* other_board_word;
    const char* point;           // the status line's name of the first breadboard hole
};

class Language : public ::testing::TestWithParam<language_case> {};

TEST_P(Language, WindowMenuMessagesAndBoardSpeakTheLocalesLanguage) {
    const language_case& c = GetParam();
    language_scope scope(c.locale);
    ASSERT_EQ(scope.installed.language, c.language) << "labbench_en.qm is missing from " << translations_folder().toStdString();

    main_window w;
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(w.menu_item(0)->text(), QString::fromUtf8(c.save_entry));

    auto prompts = std::make_unique<bench::testing::scripted_prompts>();
    auto* asked = prompts.get();
    w.set_prompts(std::move(prompts));
    const QString missing = QDir::temp().filePath(QStringLiteral("no_such_circuit.cir"));
    w.open_at_start(missing);
    ASSERT_EQ(asked->warnings.size(), 1);
    EXPECT_EQ(asked->warnings.first(), QString::fromUtf8(c.missing_file).arg(missing));

    const QStringList words = board_words();
    EXPECT_TRUE(words.contains(QString::fromUtf8(c.board_word))) << words.join(u' ').toStdString();
    EXPECT_FALSE(words.contains(QString::fromUtf8(c.other_board_word)));
    EXPECT_EQ(bench::point_name(0, 0), QString::fromUtf8(c.point));
}

INSTANTIATE_TEST_SUITE_P(
    EnglishAndChinese, Language,
    ::testing::Values(
        language_case{"en_US", interface_language::english, "Digital Circuit Lab Bench", "Save circuit",
                      "File %1 does not exist", "Power", "电源", "Breadboard group 1, column 1"},
        language_case{"de_DE", interface_language::english, "Digital Circuit Lab Bench", "Save circuit",
                      "File %1 does not exist", "Power", "电源", "Breadboard group 1, column 1"},
        language_case{"zh_CN", interface_language::chinese, "数字电路虚拟实验台", "保存电路", "文件%1不存在",
                      "电源", "Power", "面包板第1组 第1列"},
        language_case{"zh_TW", interface_language::chinese, "数字电路虚拟实验台", "保存电路", "文件%1不存在",
                      "电源", "Power", "面包板第1组 第1列"}),
    [](const ::testing::TestParamInfo<language_case>& info) { return std::string(info.param.locale); });

TEST(LanguageChoice, ChineseLocalesKeepTheChineseTextsAndEveryOtherGetsEnglish) {
    const std::pair<const char*, interface_language> cases[] = {
        {"zh_CN", interface_language::chinese}, {"zh_TW", interface_language::chinese},
        {"zh_HK", interface_language::chinese}, {"zh_SG", interface_language::chinese},
        {"en_US", interface_language::english}, {"en_GB", interface_language::english},
        {"de_DE", interface_language::english}, {"ja_JP", interface_language::english},
        {"C", interface_language::english},
    };
    for (const auto& [locale, language] : cases)
        EXPECT_EQ(bench::language_for(QLocale(QString::fromLatin1(locale))), language) << locale;
}

TEST(LanguageChoice, QtsOwnDialogTextsAreChineseInTheChineseInterfaceOnly) {
    {
        language_scope scope("zh_TW");
        ASSERT_NE(scope.installed.qt, nullptr) << "Qt's translations (Debian qt6-translations-l10n) are missing";
        EXPECT_EQ(scope.installed.program, nullptr) << "Chinese needs no translation of its own";
        EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
    EXPECT_EQ(bench::chinese_dialog_locale(QLocale(QStringLiteral("zh_TW"))).territory(), QLocale::Taiwan);
    EXPECT_EQ(bench::chinese_dialog_locale(QLocale(QStringLiteral("en_US"))).territory(), QLocale::China);
    language_scope scope("en_US");
    EXPECT_EQ(scope.installed.qt, nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST(LanguageChoice, WithoutItsTranslationTheInterfaceStaysChinese) {
    QTemporaryDir empty;
    auto installed = bench::install_translations(*QCoreApplication::instance(), empty.path(),
                                                 QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(installed.language, interface_language::chinese);
    EXPECT_EQ(installed.program, nullptr);
    main_window w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("数字电路虚拟实验台"));
    bench::remove_translations(installed);
}

// Everything the English window, its help and its truth-table dialog show is
// English: a text that escaped the translation would show up here.
TEST(EnglishInterface, ShowsNoUntranslatedText) {
    language_scope scope("en_US");
    ASSERT_EQ(scope.installed.language, interface_language::english);
    main_window w;
    w.show_help();
    w.lab()->show_truth_table();
    for (const QWidget* top : {static_cast<const QWidget*>(&w), static_cast<const QWidget*>(w.help()),
                               static_cast<const QWidget*>(w.lab()->truth_table())})
        for (const QString& text : shown_texts(top)) EXPECT_FALSE(has_chinese(text)) << text.toStdString();
    // English lines are longer than Chinese ones: the help still holds them all.
    for (const QLabel* l : w.help()->findChildren<QLabel*>())
        EXPECT_TRUE(w.help()->rect().contains(l->geometry())) << l->text().toStdString();
    for (const QString& word : board_words()) EXPECT_FALSE(has_chinese(word)) << word.toStdString();
}

TEST(EnglishInterface, EveryCatalogueDescriptionIsTranslatedAndDataStaysAsItIs) {
    language_scope scope("en_US");
    for (const lgsim::catalogue_entry& row : lgsim::kCatalogue) {
        const QString shown = bench::shown_description(row.description);
        EXPECT_FALSE(shown.isEmpty() || has_chinese(shown)) << row.model;
    }
    EXPECT_EQ(bench::shown_description("我的芯片"), QStringLiteral("我的芯片")) << "a file's own description";
}

// The pin-out viewer shows the diagrams of the interface's language; a
// folder without English ones shows the Chinese.
TEST(EnglishInterface, PinOutDiagramsFollowTheLanguage) {
    const QString folder = bench::data_folder();
    for (const QString& name : {QStringLiteral("74LS00"), QStringLiteral("smgmk")}) {
        {
            language_scope scope("en_US");
            const QString english = bench::pinout_picture(folder, name);
            EXPECT_TRUE(english.endsWith(QStringLiteral("ICbmp/en/") + name + QStringLiteral(".bmp"))) << english.toStdString();
            EXPECT_FALSE(QImage(english).isNull());
        }
        language_scope scope("zh_CN");
        EXPECT_EQ(bench::pinout_picture(folder, name), folder + QStringLiteral("ICbmp/") + name + QStringLiteral(".bmp"));
    }
    QTemporaryDir only_chinese;
    language_scope scope("en_US");
    const QString other = only_chinese.path() + QStringLiteral("/");
    EXPECT_EQ(bench::pinout_picture(other, QStringLiteral("74LS00")), other + QStringLiteral("ICbmp/74LS00.bmp"));
}

TEST(DataFolder, InstalledProgramsTakeTheShareFolderAndBuiltOnesTheirOwn) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(bench::data_folder_of(bin), bin + QStringLiteral("/"));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("share/labbench"))));
    EXPECT_EQ(bench::data_folder_of(bin), root.filePath(QStringLiteral("share/labbench/")));
}

}  // namespace
