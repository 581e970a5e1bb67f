#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

// Answers the file dialog and the message boxes from scripted replies and
// remembers what was asked.
struct scripted_prompts : file_prompts {
    std::deque<std::optional<QString>> file_names;
    std::deque<bool> overwrite_answers;
    QStringList questions;
    QStringList warnings;
    QStringList dialog_folders;

    std::optional<QString> save_file_name(const QString& folder) override { return next(folder); }
    std::optional<QString> open_file_name(const QString& folder) override { return next(folder); }
    bool ask_overwrite(const QString& text) override {
        questions << text;
        const bool yes = overwrite_answers.front();
        overwrite_answers.pop_front();
        return yes;
    }
    void warn(const QString& text) override { warnings << text; }

private:
    std::optional<QString> next(const QString& folder) {
        dialog_folders << folder;
        auto name = file_names.front();
        file_names.pop_front();
        return name;
    }
};

struct files_fixture : ::testing::Test {
    main_window w;
    scripted_prompts* prompts = nullptr;
    QTemporaryDir dir;

    void SetUp() override {
        auto p = std::make_unique<scripted_prompts>();
        prompts = p.get();
        w.set_prompts(std::move(p));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void build_small_circuit() {
        click(w.chips_box()->name_label(0));
        click(w.stick(2));
        click_point(w, 7, 20);
        click_point(w, 36, 3);
    }
    void save_as(const QString& file) {
        prompts->file_names.push_back(file);
        click(w.menu_item(0));
    }
    void load_from(const QString& file) {
        prompts->file_names.push_back(file);
        click(w.menu_item(1));
    }
};

QByteArray contents(const QString& file) {
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

}  // namespace

TEST_F(files_fixture, SaveThenLoadRestoresTheCircuitAndNamesIt) {
    build_small_circuit();
    save_as(path("a.cir"));
    EXPECT_TRUE(prompts->warnings.isEmpty());
    EXPECT_EQ(QFile(path("a.cir")).size(), 3 * 166);
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称: a.cir"));
    click(w.menu_item(2));
    EXPECT_EQ(w.model().chip_count(), 0);
    EXPECT_EQ(w.model().wire_count(), 0);
    load_from(path("a.cir"));
    EXPECT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().wire_count(), 1);
    EXPECT_TRUE(w.chip_picture(1)->isVisible() || !w.isVisible());
    EXPECT_EQ(QDir(prompts->dialog_folders.last()), QDir(dir.path())) << "the dialog starts where the last file was";
}

TEST_F(files_fixture, DialogStartsInTheShippedCircuitsFolder) {
    prompts->file_names.push_back(std::nullopt);
    click(w.menu_item(1));
    EXPECT_EQ(prompts->dialog_folders.first(), w.program_folder() + QStringLiteral("circuit/"));
}

TEST_F(files_fixture, OverwriteQuestionNoLeavesTheFileYesReplacesIt) {
    build_small_circuit();
    QFile old(path("b.cir"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old circuit");
    old.close();
    prompts->overwrite_answers = {false};
    save_as(path("b.cir"));
    ASSERT_EQ(prompts->questions.size(), 1);
    EXPECT_EQ(prompts->questions[0], QStringLiteral("文件") + path("b.cir") + QStringLiteral("已存在，重写它吗?"));
    EXPECT_EQ(contents(path("b.cir")), QByteArray("old circuit"));
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称："));
    prompts->overwrite_answers = {true};
    save_as(path("b.cir"));
    EXPECT_EQ(contents(path("b.cir")).size(), 3 * 166);
}

TEST_F(files_fixture, CancelledDialogTouchesNothing) {
    build_small_circuit();
    prompts->file_names.push_back(std::nullopt);
    click(w.menu_item(0));
    prompts->file_names.push_back(std::nullopt);
    click(w.menu_item(1));
    EXPECT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().wire_count(), 1);
    EXPECT_TRUE(prompts->warnings.isEmpty());
}

TEST_F(files_fixture, MissingFileWarnsAndKeepsTheCircuit) {
    build_small_circuit();
    load_from(path("none.cir"));
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + path("none.cir") + QStringLiteral("不存在"));
    EXPECT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().wire_count(), 1);
}

TEST_F(files_fixture, FormatErrorKeepsTheOldCircuit) {
    build_small_circuit();
    QFile bad(path("bad.cir"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(100, '\x01'));  // a record cut short
    bad.close();
    load_from(path("bad.cir"));
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + path("bad.cir") + QStringLiteral("格式错误"));
    EXPECT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().wire_count(), 1);
}

TEST_F(files_fixture, FailedWriteWarnsAndChangesNothing) {
    build_small_circuit();
    const QString target = path("no such folder/c.cir");
    save_as(target);
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + target + QStringLiteral("写错误"));
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称："));
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(files_fixture, FailedWriteKeepsTheOldFile) {
    build_small_circuit();
    // The target's name is taken by a folder: the new file cannot replace it.
    const QString target = path("taken.cir");
    QDir().mkpath(target + QStringLiteral("/inside"));
    prompts->overwrite_answers = {true};
    save_as(target);
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + target + QStringLiteral("写错误"));
    EXPECT_TRUE(QDir(target + QStringLiteral("/inside")).exists());
}

TEST_F(files_fixture, ClearKeepsThePowerAndShowsItsState) {
    build_small_circuit();
    click(w.power_switch());
    click(w.menu_item(2));
    EXPECT_TRUE(w.model().power_on());
    EXPECT_EQ(w.model().chip_count(), 0);
    EXPECT_EQ(w.model().wire_count(), 0);
    EXPECT_TRUE(w.model().new_circuit());
}

TEST(Viewer, PinoutOfAChipAndOfTheModule) {
    main_window w;
    click(w.chips_box()->name_label(0));
    QTest::mousePress(w.chip_picture(1), Qt::RightButton);
    ASSERT_NE(w.pinout(), nullptr);
    EXPECT_EQ(w.pinout()->windowTitle(), QStringLiteral("芯片引脚和功能"));
    EXPECT_EQ(w.pinout()->title_label()->text(), QStringLiteral("74LS00_四2输入与非门"));
    if (w.pinout()->picture()->pixmap().isNull()) {
        EXPECT_EQ(w.pinout()->size(), QSize(px(3900), px(2000)));
    } else {
        const QSize bmp = w.pinout()->picture()->size();
        EXPECT_EQ(w.pinout()->width(), bmp.width() + px(60));
        EXPECT_EQ(w.pinout()->height(), px(380) + bmp.height() + px(600));
    }
    click_board(w, 9500, 3000, Qt::RightButton);
    EXPECT_EQ(w.pinout()->title_label()->text(), QStringLiteral("数码管模块"));
}

TEST(Help, LabelOpensTheInstructionsAndClosesTheMenu) {
    main_window w;
    click(w.menu_button());
    click(w.help_label());
    EXPECT_FALSE(w.menu()->isVisibleTo(&w));
    ASSERT_NE(w.help(), nullptr);
    EXPECT_EQ(w.help()->windowTitle(), QStringLiteral("操作说明"));
    QStringList texts;
    for (QLabel* l : w.help()->findChildren<QLabel*>()) texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("3.右击芯片可查看逻辑图，双击则删除；")));
    EXPECT_TRUE(texts.contains(QStringLiteral("亦可用右侧万用表测量高/低电平或接点连通性。")));
    EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("^[1-5]\\."))).size(), 5);
    help_window* first = w.help();
    click(w.help_label());
    EXPECT_EQ(w.help(), first) << "the window is reused";
}
