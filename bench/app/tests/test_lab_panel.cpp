// The lab panel and the truth-table dialog, worked with the mouse: a sheet
// opens with its circuit, "检查电路" checks a copy and leaves the bench as it
// was, the first failing row is shown, a bad sheet names its line, and a
// truth table is made, exported and saved as a sheet.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <deque>

#include "lab_panel.h"
#include "truth_table_dialog.h"
#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

struct scripted_files : file_prompts {
    std::deque<QString> names;
    std::optional<QString> save_file_name(const QString&) override { return next(); }
    std::optional<QString> open_file_name(const QString&) override { return next(); }
    bool ask_overwrite(const QString&) override { return true; }
    void warn(const QString& text) override { ADD_FAILURE() << text.toStdString(); }
    std::optional<QString> next() {
        const QString name = names.front();
        names.pop_front();
        return name;
    }
};

struct scripted_lab_files : lab_prompts {
    std::deque<QString> names;
    QStringList suggested;
    QStringList warnings;
    std::optional<QString> open_sheet_name(const QString&) override { return next(); }
    std::optional<QString> save_name(const QString& suggestion, const QString&) override {
        suggested << suggestion;
        return next();
    }
    void warn(const QString& text) override { warnings << text; }
    std::optional<QString> next() {
        if (names.empty()) return std::nullopt;
        const QString name = names.front();
        names.pop_front();
        return name;
    }
};

// Everything of the bench that a check could disturb.
struct bench_state {
    bool power;
    std::vector<int> switches;
    std::vector<bool> lamps, leds;
    std::vector<segment_look> segments;
    std::vector<lgsim::value_code> nodes, drives, pins, points;
    int chips, wires, max_node;
    bool new_circuit;
    QImage layer;
    bool operator==(const bench_state&) const = default;
};

bench_state state_of(main_window& w) {
    bench_model& m = w.model();
    bench_state s{m.power_on(), {}, {}, {}, {}, {}, {}, {}, {}, m.chip_count(), m.wire_count(),
                  m.max_node_number(), m.new_circuit(), w.board()->layer()};
    for (int k = 0; k < kSwitchCount; ++k) {
        s.switches.push_back(m.switch_state(k));
        s.lamps.push_back(m.lamp_lit(k));
        s.leds.push_back(m.led_shown(k));
    }
    for (int digit = 1; digit <= 2; ++digit)
        for (int c = kFirstSegmentColumn; c <= kLastSegmentColumn; ++c) s.segments.push_back(m.module_segment(digit, c));
    for (int n = 0; n <= m.max_node_number(); ++n) {
        s.nodes.push_back(m.node_value(n));
        s.drives.push_back(m.node_drive(n));
    }
    for (int k = 1; k <= m.chip_count(); ++k)
        for (int j = 1; j <= m.chip_at(k).pin_count; ++j) s.pins.push_back(m.pin_reading(j, k));
    for (int r = 0; r < kGridRows; ++r)
        for (int c = 0; c < kGridColumns; ++c) s.points.push_back(m.point_value(r, c));
    return s;
}

struct lab_window : ::testing::Test {
    void SetUp() override {
        auto files = std::make_unique<scripted_files>();
        circuit_files = files.get();
        w.set_prompts(std::move(files));
        auto lab_files = std::make_unique<scripted_lab_files>();
        sheet_files = lab_files.get();
        w.lab()->set_prompts(std::move(lab_files));
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QString shipped(const char* name) const { return w.program_folder() + "circuit/" + name; }
    std::size_t shipped_rows(const char* sheet) const {
        const lab::sheet_result read = lab::read_lab_sheet(shipped(sheet));
        return read.sheet ? read.sheet->rows.size() : 0;
    }
    void load(const QString& path) {
        circuit_files->names.push_back(path);
        click(w.menu_item(1));
    }
    // The window's own timers stopped, so that only what the test does moves the bench.
    void hold_timers() {
        w.kick_timer()->stop();
        w.clock_timer()->stop();
    }
    void press_check() {
        lab_panel* panel = w.lab()->panel();
        click(panel->check_button());
        ASSERT_TRUE(QTest::qWaitFor([panel] { return !panel->checking(); }, 10000));
    }
    main_window w;
    scripted_files* circuit_files = nullptr;
    scripted_lab_files* sheet_files = nullptr;
};

}  // namespace

TEST_F(lab_window, ACircuitWithASheetBesideItOpensThePanel) {
    EXPECT_EQ(w.lab()->panel(), nullptr);
    load(shipped("decade_counter.cir"));
    lab_panel* panel = w.lab()->panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->title_label()->text(), QStringLiteral("十进制计数器（74LS160、74LS47）"));
    EXPECT_TRUE(panel->instructions_label()->text().contains(QStringLiteral("开关 K12")));
    EXPECT_TRUE(panel->check_button()->isEnabled());
    EXPECT_EQ(panel->check_button()->text(), QStringLiteral("检查电路"));
    EXPECT_EQ(panel->rows_table()->rowCount(), static_cast<int>(shipped_rows("decade_counter.lab")));
}

TEST_F(lab_window, CheckingLeavesTheBenchAsItWas) {
    load(shipped("decade_counter.cir"));
    // The counter at 3: power on, the clear released, three rising edges.
    click(w.power_switch());
    click(w.toggle_switch(12));
    hold_timers();
    for (int k = 0; k < 6; ++k) w.model().clock_tick();
    ASSERT_EQ(w.model().module_segment(1, 24), segment_look::lit);  // g of 3
    ASSERT_EQ(w.model().module_segment(1, 22), segment_look::dark);  // e of 3
    w.frames()->now();  // the ticks' frame painted before the picture is taken
    const bench_state before = state_of(w);

    press_check();
    lab_panel* panel = w.lab()->panel();
    const auto rows = static_cast<int>(shipped_rows("decade_counter.lab"));
    EXPECT_EQ(panel->summary_label()->text(), QStringLiteral("通过 %1 / %1 项").arg(rows));
    EXPECT_FALSE(w.kick_timer()->isActive());
    EXPECT_FALSE(w.clock_timer()->isActive());
    EXPECT_TRUE(state_of(w) == before) << "the check ran on the bench itself";

    // The counter's memory is its own still: the next rising edge gives 4.
    w.model().clock_tick();
    w.model().clock_tick();
    EXPECT_EQ(w.model().module_segment(1, 18), segment_look::dark);  // a of 4
    EXPECT_EQ(w.model().module_segment(1, 23), segment_look::lit);   // f of 4
}

TEST_F(lab_window, AMovedWireFailsOnItsRowWhichIsShownFirst) {
    load(shipped("half_adder.cir"));
    // The carry LED's wire taken off the AND output and drawn from input B.
    click_point(w, 35, 0);
    ASSERT_EQ(w.model().wire_count(), 9);
    click(w.stick(2));
    click_point(w, 6, 25);
    click_point(w, 35, 0);
    ASSERT_EQ(w.model().wire_count(), 10);
    press_check();
    lab_panel* panel = w.lab()->panel();
    QTableWidget* rows = panel->rows_table();
    EXPECT_EQ(panel->summary_label()->text(), QStringLiteral("通过 3 / 4 项"));
    EXPECT_EQ(rows->item(1, 0)->text(), QStringLiteral("未通过"));
    EXPECT_EQ(rows->item(1, 1)->text(), QStringLiteral("0 + 1 = 01"));
    EXPECT_EQ(rows->item(1, 2)->text(), QStringLiteral("leds 0100000000000000"));
    EXPECT_EQ(rows->item(1, 3)->text(), QStringLiteral("leds 1100000000000000"));
    EXPECT_EQ(rows->item(0, 0)->text(), QStringLiteral("通过"));
    EXPECT_EQ(rows->currentRow(), 1);
    EXPECT_NE(rows->item(1, 0)->background(), rows->item(0, 0)->background()) << "the first failing row stands out";
}

TEST_F(lab_window, ASheetThatCannotBeReadNamesItsLine) {
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.lab");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# 题目\n> power on\n> swtich 3 1\n> leds\nleds 0000000000000000\n");
    file.close();
    sheet_files->names.push_back(bad);
    click(w.menu_button());
    ASSERT_TRUE(w.menu()->isVisible());
    ASSERT_TRUE(w.menu()->rect().contains(w.lab()->menu_item(0)->geometry())) << "the entry fits in the menu";
    EXPECT_EQ(w.lab()->menu_item(0)->text(), QStringLiteral("实验单"));
    click(w.lab()->menu_item(0));
    lab_panel* panel = w.lab()->panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(w.menu()->isVisible());
    EXPECT_TRUE(panel->message_label()->isVisible());
    EXPECT_EQ(panel->message_label()->text(), QStringLiteral("实验单 bad.lab 第 3 行：无法识别的步骤“swtich 3 1”"));
    EXPECT_FALSE(panel->check_button()->isEnabled());
}

TEST_F(lab_window, TruthTableOfTheHalfAdderExportedAndSavedAsASheet) {
    load(shipped("half_adder.cir"));
    hold_timers();
    const bench_state before = state_of(w);
    click(w.menu_button());
    click(w.lab()->menu_item(1));
    truth_table_dialog* dialog = w.lab()->truth_table();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    for (QCheckBox* b : {dialog->input_box(0), dialog->input_box(1), dialog->led_box(0), dialog->led_box(1)}) click(b);
    click(dialog->run_button());
    QTableWidget* table = dialog->table();
    ASSERT_EQ(table->rowCount(), 4);
    ASSERT_EQ(table->columnCount(), 4);
    const char* expected[4][4] = {{"0", "0", "0", "0"}, {"0", "1", "0", "1"}, {"1", "0", "0", "1"}, {"1", "1", "1", "0"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(table->item(r, c)->text(), QString::fromLatin1(expected[r][c])) << r << ',' << c;
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), QStringLiteral("L0"));
    EXPECT_TRUE(state_of(w) == before) << "the table ran on the bench itself";

    QTemporaryDir dir;
    sheet_files->names = {dir.filePath("half.csv"), dir.filePath("half.lab")};
    ASSERT_TRUE(dialog->export_csv());
    ASSERT_TRUE(dialog->save_sheet());
    EXPECT_TRUE(sheet_files->suggested.value(1).endsWith(QStringLiteral("half_adder.lab")));
    QFile csv(dir.filePath("half.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), QByteArray("\xEF\xBB\xBFK0,K1,L0,L1\r\n0,0,0,0\r\n0,1,0,1\r\n1,0,0,1\r\n1,1,1,0\r\n"));

    // The saved sheet opens in the panel and the reference circuit passes it.
    w.lab()->open_sheet(dir.filePath("half.lab"));
    EXPECT_EQ(w.lab()->panel()->title_label()->text(), QStringLiteral("half_adder 真值表"));
    press_check();
    EXPECT_EQ(w.lab()->panel()->summary_label()->text(), QStringLiteral("通过 4 / 4 项"));
}

TEST_F(lab_window, NoMoreThanEightInputs) {
    click(w.menu_button());
    click(w.lab()->menu_item(1));
    truth_table_dialog* dialog = w.lab()->truth_table();
    for (int k = 0; k < 8; ++k) click(dialog->input_box(k));
    EXPECT_FALSE(dialog->input_box(8)->isEnabled());
    EXPECT_TRUE(dialog->input_box(7)->isEnabled()) << "a chosen input can be given up";
    click(dialog->input_box(7));
    EXPECT_TRUE(dialog->input_box(8)->isEnabled());
    EXPECT_FALSE(dialog->run_table()) << "no output chosen";
    EXPECT_FALSE(dialog->note_label()->text().isEmpty());
}
