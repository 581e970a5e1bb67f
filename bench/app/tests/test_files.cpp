#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>

#include "scripted_prompts.h"
#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

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

// A circuit of two wires and three chips saved by another bench: six records.
QByteArray six_record_file(const QString& path) {
    bench_model other;
    for (int k = 0; k < 3; ++k) other.place_chip_by_name(0);
    for (const int column : {0, 1}) {
        wire w;
        w.start_row = 36;
        w.start_column = static_cast<std::int16_t>(column);
        w.end_row = 7;
        w.end_column = static_cast<std::int16_t>(20 + column);
        w.points = {{100, 100}, {200, 200}};
        other.add_wire(w);
    }
    EXPECT_TRUE(other.save(path).ok);
    return contents(path);
}

class cut_files : public files_fixture, public ::testing::WithParamInterface<int> {};

TEST_P(cut_files, AreRefusedWholeAndTheBenchKeepsItsCircuit) {
    const QByteArray whole = six_record_file(path("whole.cir"));
    ASSERT_EQ(whole.size(), 6 * 166);
    const QString cut = path("cut.cir");
    QFile file(cut);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(GetParam()));
    file.close();

    build_small_circuit();
    save_as(path("mine.cir"));
    const circuit_copy before = w.model().circuit();
    const QString title = w.windowTitle();
    load_from(cut);
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + cut + QStringLiteral("格式错误"));
    EXPECT_TRUE(same_circuit(w.model().circuit(), before));
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称: mine.cir"));
    EXPECT_EQ(w.windowTitle(), title);
    EXPECT_FALSE(w.history().stack()->canRedo());
    EXPECT_EQ(w.history().undo_text(), QStringLiteral("连线")) << "a refused file is nothing to undo";
}

// Every record boundary short of the end record (0 to 5 records), a byte into
// the file, the middle of a record, a byte either side of a boundary and a
// byte short of the end.
INSTANTIATE_TEST_SUITE_P(Cuts, cut_files,
                         ::testing::Values(0, 166, 332, 498, 664, 830, 1, 83, 165, 167, 500, 995),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "_bytes";
                         });

TEST_F(files_fixture, AWholeFileLoadsAndOldRecordsAfterItsEndAreLeftAlone) {
    QByteArray bytes = six_record_file(path("whole.cir"));
    bytes += bytes.left(3 * 166);  // what a longer circuit written over left behind
    QFile file(path("tail.cir"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    load_from(path("tail.cir"));
    EXPECT_TRUE(prompts->warnings.isEmpty());
    EXPECT_EQ(w.model().chip_count(), 3);
    EXPECT_EQ(w.model().wire_count(), 2);
}

TEST_F(files_fixture, AFileNamedAtStartIsOpened) {
    six_record_file(path("start.cir"));
    w.open_at_start(path("start.cir"));
    EXPECT_TRUE(prompts->warnings.isEmpty());
    EXPECT_EQ(w.model().chip_count(), 3);
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称: start.cir"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("start.cir - 数字电路虚拟实验台"));
    EXPECT_FALSE(w.history().modified());
    EXPECT_FALSE(w.history().stack()->canUndo()) << "the bench before it was empty";
}

TEST_F(files_fixture, AFileNamedAtStartThatCannotBeLoadedLeavesAnEmptyBench) {
    w.open_at_start(path("none.cir"));
    ASSERT_EQ(prompts->warnings.size(), 1);
    EXPECT_EQ(prompts->warnings[0], QStringLiteral("文件") + path("none.cir") + QStringLiteral("不存在"));
    QFile bad(path("bad.cir"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(166, '\x01'));
    bad.close();
    w.open_at_start(path("bad.cir"));
    ASSERT_EQ(prompts->warnings.size(), 2);
    EXPECT_EQ(prompts->warnings[1], QStringLiteral("文件") + path("bad.cir") + QStringLiteral("格式错误"));
    EXPECT_EQ(w.model().chip_count(), 0);
    EXPECT_EQ(w.model().wire_count(), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("数字电路虚拟实验台"));
}

TEST(Viewer, PinoutOfAChipAndOfTheModule) {
    main_window w;
    click(w.chips_box()->name_label(0));
    QTest::mousePress(w.chip_picture(1), Qt::RightButton);
    ASSERT_NE(w.pinout(), nullptr);
    EXPECT_EQ(w.pinout()->windowTitle(), QStringLiteral("芯片引脚和功能"));
    EXPECT_EQ(w.pinout()->title_label()->text(), QStringLiteral("74LS00_四2输入与非门"));
    if (w.pinout()->picture()->pixmap().isNull()) {
        EXPECT_EQ(w.pinout()->size(), QSize(px(kFileScale, 3900), px(kFileScale, 2000)));
    } else {
        const QSize bmp = w.pinout()->picture()->size();
        EXPECT_EQ(w.pinout()->width(), bmp.width() + px(kFileScale, 60));
        EXPECT_EQ(w.pinout()->height(), px(kFileScale, 380) + bmp.height() + px(kFileScale, 600));
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
    // After the instructions: the instruments, the rate bar, undo and the keys.
    for (const char* topic : {"量程旋钮", "示波器", "频率", "撤销", "Ctrl+S", "F1", "Delete", "Esc"})
        EXPECT_FALSE(texts.filter(QString::fromUtf8(topic)).isEmpty()) << topic;
    for (QLabel* l : w.help()->findChildren<QLabel*>())
        EXPECT_TRUE(w.help()->rect().contains(l->geometry())) << l->text().toStdString();
    help_window* first = w.help();
    click(w.help_label());
    EXPECT_EQ(w.help(), first) << "the window is reused";
}
