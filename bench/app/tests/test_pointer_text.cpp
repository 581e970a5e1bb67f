// The status line under the pointer: moved over the board with real mouse
// moves, it names the point, its value and the chip pins on its node, and
// over a chip the chip and its pin; the point a click would take is ringed.
#include <gtest/gtest.h>

#include <QMimeData>

#include "catalogue.h"
#include "instrument_mouse.h"
#include "pointer_text.h"

using namespace bench;
using namespace bench::testing;

namespace {

struct pointer_bench : ::testing::Test {
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // Moves the pointer over board position (x, y) and gives what the status line says.
    QString over(double x, double y) {
        QTest::mouseMove(w.windowHandle(), board_pixel_in_window(w, x, y));
        return w.status()->pointer_text();
    }
    QString over_point(int row, int column) {
        const board_point p = point_position(row, column);
        return over(p.x, p.y);
    }
    void wire(int r1, int c1, int r2, int c2) {
        click(w.stick(1));
        click_point(w, r1, c1);
        click_point(w, r2, c2);
    }
    // Lets the clock run until the engine has settled the circuit.
    void settle() {
        for (int k = 0; k < 20; ++k) {
            w.model().clock_tick();
            QCoreApplication::processEvents();
        }
    }

    main_window w;
};

TEST_F(pointer_bench, NamesThePointAndRingsIt) {
    EXPECT_EQ(over_point(7, 20), QStringLiteral("面包板第2组 第21列"));
    ASSERT_TRUE(w.pointer()->ring()->ringed().has_value());
    EXPECT_EQ(w.pointer()->ring()->ringed()->x, point_position(7, 20).x);
    EXPECT_EQ(w.pointer()->ring()->ringed()->y, point_position(7, 20).y);
    // Off every point (in the channel between two groups): nothing is ringed and nothing said.
    EXPECT_EQ(over(point_position(4, 20).x, (point_position(4, 20).y + point_position(5, 20).y) / 2), QString());
    EXPECT_FALSE(w.pointer()->ring()->ringed().has_value());
}

TEST(PointNames, AsTheTrainerPrintsThem) {
    struct name_case {
        int row, column;
        const char* name;
    };
    const name_case cases[] = {
        {0, 0, "面包板第1组 第1列"},  {29, 64, "面包板第6组 第65列"}, {30, 6, "上总线 第7段"},
        {34, 27, "下总线 第8段"},     {35, 7, "LED 7"},             {35, 16, "数码管 COM1"},
        {35, 18, "数码管 a段"},       {35, 25, "数码管 dp段"},       {36, 3, "K3"},
        {36, 16, "CP"},               {36, 17, "P+"},                {36, 18, "P-"},
        {36, 22, "+5V"},              {36, 26, "GND"},               {36, 23, ""},
    };
    for (const name_case& c : cases)
        EXPECT_EQ(point_name(c.row, c.column), QString::fromUtf8(c.name)) << c.row << ", " << c.column;
}

// A 74LS00 with pin 1 on (15, 10): pin 14 on the supply, pin 7 and pin 4 on
// ground; outputs 1Y (pin 3, low) and 2Y (pin 6, high) tied together; output
// 4Y (pin 11, low) wired to switch 3, which is up; pin 1 left open.
TEST_F(pointer_bench, SaysTheValuesAndThePinsOfANode) {
    bench_model& m = w.model();
    const board_point seat = point_position(14, 10);
    const int k = m.drop_chip(lgsim::catalogue_row_of("74LS00"), seat.x - kPitch / 1.4, seat.y + 5);
    ASSERT_TRUE(m.seat_chip(k));
    w.redraw_board(kRedrawAll);
    wire(36, 22, 12, 10);
    wire(36, 26, 17, 16);
    wire(18, 16, 17, 13);
    wire(18, 12, 18, 15);
    wire(36, 3, 12, 13);
    click(w.toggle_switch(3));
    EXPECT_EQ(over_point(36, 22), QStringLiteral("+5V  ·  U1 74LS00 脚14  ·  单击删除这根导线"))
        << "no value words with the power off";
    click(w.power_switch());
    settle();

    struct text_case {
        const char* what;
        int row, column;
        const char* text;
    };
    const text_case cases[] = {
        {"a floating input", 17, 10, "面包板第4组 第11列  ·  悬空  ·  U1 74LS00 脚1"},
        {"outputs against each other", 19, 15, "面包板第4组 第16列  ·  输出冲突  ·  U1 74LS00 脚3、U1 74LS00 脚6"},
        {"an output against a switch", 10, 13,
         "面包板第3组 第14列  ·  外部冲突  ·  U1 74LS00 脚11"},
        {"a terminal with a wire", 36, 22, "+5V  ·  高电平  ·  U1 74LS00 脚14  ·  单击删除这根导线"},
        {"a terminal without one", 36, 5, "K5  ·  低电平"},
        {"a wire's end", 18, 12, "面包板第4组 第13列  ·  输出冲突  ·  U1 74LS00 脚3、U1 74LS00 脚6  ·  单击删除这根导线"},
    };
    for (const text_case& c : cases) EXPECT_EQ(over_point(c.row, c.column), QString::fromUtf8(c.text)) << c.what;

    // Over the chip's leg of pin 3, just above its hole: the chip, its model
    // and description, and the pin.
    const board_point pin3 = point_position(15, 12);
    EXPECT_EQ(over(pin3.x, pin3.y - 30), QStringLiteral("U1 74LS00 四2输入与非门  ·  脚3  ·  输出冲突"));
    EXPECT_EQ(w.pointer()->ring()->ringed()->x, pin3.x) << "the pin under the chip is ringed";
    const board_point middle{(pin3.x + point_position(14, 12).x) / 2, (pin3.y + point_position(14, 12).y) / 2};
    EXPECT_EQ(over(middle.x, middle.y), QStringLiteral("U1 74LS00 四2输入与非门"));
}

TEST_F(pointer_bench, ANoteTakesThePlaceOfThePointerTextForAWhile) {
    over_point(36, 3);
    w.status()->show_message(QStringLiteral("这里放不下芯片"), 40);
    EXPECT_EQ(w.status()->shown_text(), QStringLiteral("这里放不下芯片"));
    EXPECT_EQ(w.status()->pointer_text(), QStringLiteral("K3"));
    QTest::qWait(120);
    EXPECT_EQ(w.status()->shown_text(), QStringLiteral("K3"));
}

TEST_F(pointer_bench, AChipNotOnTheHolesSaysSo) {
    // Dropped on the panel below the breadboard, it lies where it fell.
    QMimeData data;
    data.setData(QString::fromLatin1(kChipRowMime), QByteArray::number(lgsim::catalogue_row_of("74LS00")));
    const QPointF at = board_pixel(w, 5000, 6800);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.board(), &drop);
    ASSERT_EQ(w.model().chip_count(), 1);
    picture_control* chip = w.chip_picture(1);
    QTest::mouseMove(w.windowHandle(), in_window(w, chip, chip->rect().center()));
    EXPECT_EQ(w.status()->pointer_text(), QStringLiteral("U1 74LS00 四2输入与非门  ·  未插入面包板"));
}

}  // namespace
