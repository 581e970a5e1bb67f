// Editing that forgives mistakes, driven with real mouse and key events:
// undo and redo of every kind of change, the question before unsaved work is
// lost, saving to the circuit's own file, the title, and the keys.
#include <gtest/gtest.h>

#include <cctype>

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>
#include <functional>

#include "catalogue.h"
#include "scripted_prompts.h"
#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

struct editing : ::testing::Test {
    main_window w;
    scripted_prompts* prompts = nullptr;
    QTemporaryDir dir;

    void SetUp() override {
        auto p = std::make_unique<scripted_prompts>();
        prompts = p.get();
        w.set_prompts(std::move(p));
        w.show();
        QApplication::setActiveWindow(&w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&w, static_cast<Qt::Key>(k), modifiers);
    }
    void undo() { key(Qt::Key_Z, Qt::ControlModifier); }
    void redo() { key(Qt::Key_Y, Qt::ControlModifier); }
    void wire(int r1, int c1, int r2, int c2) {
        click(w.stick(1));
        click_point(w, r1, c1);
        click_point(w, r2, c2);
    }
    // A 74LS00 placed by name and a wire from switch 0 to a hole.
    void build_small_circuit() {
        click(w.chips_box()->name_label(0));
        wire(36, 0, 7, 20);
    }
    // Pointer over a chip's picture.
    void point_at_chip(int k) {
        QTest::mouseMove(w.chip_picture(k), w.chip_picture(k)->rect().center());
        QCursor::setPos(w.chip_picture(k)->mapToGlobal(w.chip_picture(k)->rect().center()));
    }
    circuit_copy now() { return w.model().circuit(); }
};



struct change_case {
    const char* what;
    void (*make)(editing& t);
};
void PrintTo(const change_case& c, std::ostream* out) { *out << c.what; }

class undoing : public editing, public ::testing::WithParamInterface<change_case> {};

TEST_P(undoing, TheChangeIsUndoneAndRedoneExactly) {
    build_small_circuit();
    click(w.power_switch());
    click(w.toggle_switch(2));
    const circuit_copy before = now();
    GetParam().make(*this);
    const circuit_copy after = now();
    ASSERT_FALSE(same_circuit(before, after)) << "the change changed nothing";

    undo();
    EXPECT_TRUE(same_circuit(now(), before));
    EXPECT_EQ(w.model().chip_count(), static_cast<int>(before.chips.size()) - 1);
    for (int k = 1; k <= w.model().chip_count(); ++k) {
        const chip& c = w.model().chip_at(k);
        EXPECT_TRUE(w.chip_picture(k)->isVisible()) << k;
        EXPECT_EQ(w.chip_picture(k)->geometry(), twips_rect(w.scale(), c.picture.left, c.picture.top, c.picture.width, c.picture.height));
    }
    EXPECT_TRUE(w.model().power_on()) << "power is operation, not editing";
    EXPECT_EQ(w.model().switch_state(2), 1);
    EXPECT_TRUE(w.status()->message().startsWith(QStringLiteral("已撤销")));

    redo();
    EXPECT_TRUE(same_circuit(now(), after));
    undo();
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(same_circuit(now(), after)) << "Ctrl+Shift+Z redoes too";
    EXPECT_EQ(w.model().chip_count(), static_cast<int>(after.chips.size()) - 1);
    for (int k = w.model().chip_count() + 1; w.chip_picture(k) != nullptr; ++k)
        EXPECT_FALSE(w.chip_picture(k)->isVisible()) << "no picture left of chip " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, undoing,
    ::testing::Values(
        change_case{"a chip placed by name", [](editing& t) { click(t.w.chips_box()->name_label(3)); }},
        change_case{"a chip dropped from the chip box",
                    [](editing& t) {
                        const board_point p = point_position(24, 5);
                        drop_row(t.w, lgsim::catalogue_row_of("74LS74"), p.x - 80, p.y + 5);
                    }},
        change_case{"a chip moved", [](editing& t) { drag_chip(t.w, 1, 3 * 112.4, -2070); }},
        change_case{"a chip removed by a double click",
                    [](editing& t) { QTest::mouseDClick(t.w.chip_picture(1), Qt::LeftButton); }},
        change_case{"a chip removed with Delete",
                    [](editing& t) {
                        t.point_at_chip(1);
                        t.key(Qt::Key_Delete);
                    }},
        change_case{"a wire added", [](editing& t) { t.wire(36, 1, 8, 30); }},
        change_case{"a wire added with bends",
                    [](editing& t) {
                        click(t.w.stick(4));
                        click_point(t.w, 36, 5);
                        click_board(t.w, 4000, 5000, Qt::RightButton);
                        click_point(t.w, 20, 44);
                    }},
        change_case{"a wire removed", [](editing& t) { click_point(t.w, 7, 20); }},
        change_case{"clear", [](editing& t) { click(t.w.menu_item(kClearItem)); }},
        change_case{"load",
                    [](editing& t) {
                        bench_model other;
                        other.place_chip_by_name(lgsim::catalogue_row_of("74LS161"));
                        ASSERT_TRUE(other.save(t.path("other.cir")).ok);
                        t.prompts->file_names.push_back(t.path("other.cir"));
                        t.key(Qt::Key_O, Qt::ControlModifier);
                    }}),
    [](const ::testing::TestParamInfo<change_case>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST_F(editing, UndoingALoadGivesBackTheCircuitAndItsFile) {
    build_small_circuit();
    prompts->file_names.push_back(path("mine.cir"));
    key(Qt::Key_S, Qt::ControlModifier);
    const circuit_copy mine = now();
    bench_model other;
    other.place_chip_by_name(lgsim::catalogue_row_of("74LS161"));
    ASSERT_TRUE(other.save(path("other.cir")).ok);
    prompts->file_names.push_back(path("other.cir"));
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("other.cir - 数字电路虚拟实验台"));
    undo();
    EXPECT_TRUE(same_circuit(now(), mine));
    EXPECT_EQ(w.circuit_name()->text(), QStringLiteral("电路名称: mine.cir"));
    EXPECT_EQ(w.model().circuit_file(), path("mine.cir")) << "Ctrl+S goes back to the circuit's own file";
    redo();
    EXPECT_EQ(w.model().circuit_file(), path("other.cir"));
}

TEST_F(editing, NothingToUndoAtStartAndDuringADrag) {
    undo();
    EXPECT_EQ(w.model().chip_count(), 0);
    EXPECT_FALSE(w.menu_item(kUndoItem)->isEnabled());
    build_small_circuit();
    EXPECT_TRUE(w.menu_item(kUndoItem)->isEnabled());
    QTest::mousePress(w.chip_picture(1), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    undo();
    EXPECT_EQ(w.model().wire_count(), 1) << "undo waits while a chip is held";
    QTest::mouseRelease(w.chip_picture(1), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    undo();
    EXPECT_EQ(w.model().wire_count(), 0);
}

TEST_F(editing, UndoKeepsTheProbesOnTheirPoints) {
    build_small_circuit();
    w.bench_instruments().set_down_probe_at(instrument::meter, 0, 36, 0);
    w.bench_instruments().set_down_probe_at(instrument::meter, 1, 36, 26);
    wire(36, 1, 8, 30);
    undo();
    int contacts = 0;
    for (int k = 1; k <= w.model().wire_count(); ++k) contacts += w.model().wire_at(k).is_contact();
    EXPECT_EQ(contacts, 2);
    EXPECT_GT(w.bench_instruments().probe(instrument::meter, 0).node, 0);
}

// ---- Unsaved work ----

struct asking_case {
    const char* what;
    void (*command)(editing& t);
};
void PrintTo(const asking_case& c, std::ostream* out) { *out << c.what; }

class asking : public editing, public ::testing::WithParamInterface<asking_case> {};

TEST_P(asking, CancelKeepsEverythingAsItIs) {
    build_small_circuit();
    const circuit_copy before = now();
    prompts->unsaved_answers = {unsaved_answer::cancel};
    GetParam().command(*this);
    ASSERT_EQ(prompts->unsaved_questions.size(), 1);
    EXPECT_EQ(prompts->unsaved_questions[0], QStringLiteral("当前电路已修改，要先保存吗?"));
    EXPECT_TRUE(prompts->dialog_folders.isEmpty()) << "no file dialog after a cancel";
    EXPECT_TRUE(same_circuit(now(), before));
    EXPECT_TRUE(w.isVisible());
}

TEST_P(asking, DontSaveGoesOn) {
    build_small_circuit();
    prompts->unsaved_answers = {unsaved_answer::discard};
    prompts->file_names.push_back(std::nullopt);  // a load's dialog is cancelled
    GetParam().command(*this);
    EXPECT_EQ(prompts->unsaved_questions.size(), 1);
    EXPECT_TRUE(prompts->warnings.isEmpty());
}

TEST_P(asking, SaveWritesFirst) {
    build_small_circuit();
    prompts->unsaved_answers = {unsaved_answer::save};
    prompts->file_names.push_back(path("saved.cir"));
    prompts->file_names.push_back(std::nullopt);
    GetParam().command(*this);
    EXPECT_EQ(QFile(path("saved.cir")).size(), 3 * 166) << "the circuit was saved before it went";
    EXPECT_FALSE(prompts->dialog_folders.isEmpty());
}

TEST_P(asking, NoQuestionWhenNothingChanged) {
    build_small_circuit();
    prompts->file_names.push_back(path("saved.cir"));
    key(Qt::Key_S, Qt::ControlModifier);
    prompts->file_names.push_back(std::nullopt);
    GetParam().command(*this);
    EXPECT_TRUE(prompts->unsaved_questions.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, asking,
    ::testing::Values(asking_case{"close", [](editing& t) { t.w.close(); }},
                      asking_case{"load", [](editing& t) { click(t.w.menu_item(kLoadItem)); }},
                      asking_case{"clear", [](editing& t) { click(t.w.menu_item(kClearItem)); }}),
    [](const ::testing::TestParamInfo<asking_case>& info) { return std::string(info.param.what); });

TEST_F(editing, AnUntouchedOrEmptiedBenchAsksNothing) {
    w.close();
    EXPECT_TRUE(prompts->unsaved_questions.isEmpty());
    w.show();
    click(w.chips_box()->name_label(0));
    QTest::mouseDClick(w.chip_picture(1), Qt::LeftButton);
    click(w.menu_item(kClearItem));
    EXPECT_TRUE(prompts->unsaved_questions.isEmpty()) << "nothing on the bench to lose";
}

TEST_F(editing, CtrlSWritesToTheCircuitsOwnFileWithoutAsking) {
    build_small_circuit();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("未命名电路* - 数字电路虚拟实验台"));
    prompts->file_names.push_back(path("own.cir"));
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompts->dialog_folders.size(), 1) << "the first save asks for a name";
    EXPECT_EQ(w.windowTitle(), QStringLiteral("own.cir - 数字电路虚拟实验台"));
    EXPECT_EQ(QFile(path("own.cir")).size(), 3 * 166);

    wire(36, 1, 8, 30);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("own.cir* - 数字电路虚拟实验台"));
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts->dialog_folders.size(), 1) << "no dialog";
    EXPECT_TRUE(prompts->questions.isEmpty()) << "no overwrite question";
    EXPECT_EQ(QFile(path("own.cir")).size(), 4 * 166);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("own.cir - 数字电路虚拟实验台"));
    undo();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("own.cir* - 数字电路虚拟实验台")) << "changed since the save";

    // The menu's m1 does the same; Ctrl+Shift+S always asks.
    click(w.menu_button());
    click(w.menu_item(kSaveItem));
    EXPECT_EQ(prompts->dialog_folders.size(), 1);
    EXPECT_EQ(QFile(path("own.cir")).size(), 3 * 166);
    prompts->file_names.push_back(path("copy.cir"));
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(prompts->dialog_folders.size(), 2);
    EXPECT_EQ(w.model().circuit_file(), path("copy.cir"));
}

TEST_F(editing, EveryMenuCommandShowsItsShortcut) {
    const std::pair<int, const char*> expected[] = {{kSaveItem, "Ctrl+S"}, {kSaveAsItem, "Ctrl+Shift+S"},
                                                    {kLoadItem, "Ctrl+O"}, {kUndoItem, "Ctrl+Z"},
                                                    {kRedoItem, "Ctrl+Y"}};
    auto* menu = static_cast<file_menu*>(w.menu());
    for (const auto& [item, keys] : expected) EXPECT_EQ(menu->shortcut_label(item)->text(), QString::fromLatin1(keys));
    EXPECT_EQ(menu->item(kSaveAsItem)->text(), QStringLiteral("另存为"));
    EXPECT_TRUE(w.help_label()->toolTip().contains(QStringLiteral("F1")));
    key(Qt::Key_F1);
    ASSERT_NE(w.help(), nullptr);
    EXPECT_TRUE(w.help()->isVisible());
}

TEST_F(editing, EscPutsTheWireInHandDown) {
    click(w.stick(2));
    click_point(w, 7, 20);
    click_board(w, 4000, 2500, Qt::RightButton);
    ASSERT_EQ(w.model().wire_in_hand(), 2);
    key(Qt::Key_Escape);
    EXPECT_EQ(w.model().wire_in_hand(), -1);
    EXPECT_EQ(w.board()->cursor().shape(), Qt::ArrowCursor);
    click_point(w, 8, 20);
    EXPECT_EQ(w.model().wire_count(), 0) << "no wire in hand any more";
}

TEST_F(editing, DeleteRemovesOnlyTheChipUnderThePointer) {
    click(w.chips_box()->name_label(0));
    click(w.chips_box()->name_label(1));
    ASSERT_EQ(w.model().chip_count(), 2);
    QCursor::setPos(w.board()->mapToGlobal(pixel_of(5000, 6900)));
    key(Qt::Key_Delete);
    EXPECT_EQ(w.model().chip_count(), 2) << "nothing under the pointer";
    point_at_chip(2);
    key(Qt::Key_Delete);
    ASSERT_EQ(w.model().chip_count(), 1);
    EXPECT_EQ(w.model().chip_at(1).model, "74LS00");
}

}  // namespace
