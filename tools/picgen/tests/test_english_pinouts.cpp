// The English pin-out diagrams take every line from the program's English
// translation: none may be missing or keep Chinese, and a table row keeps
// its cells.
#include <gtest/gtest.h>

#include "catalogue.h"
#include "chip_pinout.h"

#include <QRegularExpression>
#include <QTranslator>

#include <string>

namespace {

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool has_chinese(const QString& text) {
    static const QRegularExpression kHan(QStringLiteral("\\p{Han}|[\\x{3000}-\\x{303F}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(kHan);
}

// What the English diagram shows for a text: its translation, or the text
// itself where the translation has none.
QString english(const QTranslator& t, const char* context, std::string_view source) {
    const QString found = t.translate(context, std::string(source).c_str());
    return found.isEmpty() ? text_of(source) : found;
}

class EnglishPinouts : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(translation.load(QStringLiteral(TRANSLATION_FILE))) << TRANSLATION_FILE; }
    QTranslator translation;
};

}  // namespace

TEST_F(EnglishPinouts, EveryLineAndTitleIsEnglish) {
    for (const picgen::chip_pinout* row : picgen::all_pinouts()) {
        SCOPED_TRACE(std::string(row->model));
        for (std::string_view line : row->function)
            EXPECT_FALSE(has_chinese(english(translation, "pinout", line))) << line;
        for (std::string_view table_row : row->table) {
            const QString shown = english(translation, "pinout", table_row);
            EXPECT_FALSE(has_chinese(shown)) << table_row;
            EXPECT_EQ(shown.count(QLatin1Char('|')), text_of(table_row).count(QLatin1Char('|'))) << table_row;
        }
    }
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue)
        EXPECT_FALSE(has_chinese(english(translation, "chip description", chip.description))) << chip.model;
}
