#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "catalogue.h"
#include "circuit_file.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::place_chip;
using bench::testing::seat_position;

namespace {

int row_of(const char* model) { return lgsim::catalogue_row_of(model); }

struct seat_case {
    const char* model;
    int row;  // the point under the chip's reference point
    int column;
    bool seated;
    int pin1_row;  // when seated
};

class Seating : public ::testing::TestWithParam<seat_case> {};

TEST_P(Seating, TheReferencePointDecidesTheSeat) {
    const seat_case c = GetParam();
    bench_model bench;
    const int row = row_of(c.model);
    const board_point at = seat_position(c.row, c.column, lgsim::kCatalogue[row].chip_class);
    const int k = bench.drop_chip(row, at.x, at.y);
    EXPECT_EQ(bench.seat_chip(k), c.seated);
    const chip& placed = bench.chip_at(k);
    EXPECT_EQ(placed.seated(), c.seated);
    if (!c.seated) return;
    const int pins = placed.pin_count;
    EXPECT_EQ(placed.places[1].row, c.pin1_row);
    EXPECT_EQ(placed.places[1].column, c.column);
    EXPECT_EQ(placed.places[pins].row, c.row);
    EXPECT_EQ(placed.places[pins].column, c.column) << "the last pin sits above pin 1";
    EXPECT_EQ(placed.places[pins / 2].column, c.column + pins / 2 - 1);
    EXPECT_EQ(placed.places[pins / 2 + 1].column, c.column + pins / 2 - 1);
    EXPECT_EQ(placed.places[1].group, group_of_row(c.pin1_row));
    // The picture sits exactly on the holes.
    const board_point p = point_position(c.row, c.column);
    EXPECT_DOUBLE_EQ(placed.picture.left + kPitch / 1.4, p.x);
}

INSTANTIATE_TEST_SUITE_P(
    Board, Seating,
    ::testing::Values(seat_case{"74LS00", 14, 51, true, 15}, seat_case{"74LS00", 14, 57, true, 15},
                      seat_case{"74LS00", 14, 58, false, 0},  // 58 > 64 - 7
                      seat_case{"74LS00", 4, 10, true, 5}, seat_case{"74LS00", 24, 0, true, 25},
                      seat_case{"74LS00", 13, 10, false, 0}, seat_case{"74LS00", 10, 10, false, 0},
                      seat_case{"74LS273", 4, 54, true, 5}, seat_case{"74LS273", 4, 55, false, 0},
                      seat_case{"74LS151", 1, 10, true, 6}, seat_case{"74LS151", 4, 10, true, 9},
                      seat_case{"74LS151", 11, 20, true, 16}, seat_case{"74LS151", 24, 20, true, 29},
                      seat_case{"74LS151", 5, 10, false, 0}, seat_case{"74LS151", 10, 10, false, 0},
                      seat_case{"BS204", 21, 10, true, 26}, seat_case{"BS204", 20, 10, false, 0}));

TEST(Seating, A14PinChipWithPin1On5And10) {
    bench_model bench;
    const int k = place_chip(bench, "74LS00", 4, 10);
    const chip& c = bench.chip_at(k);
    const int expected[][3] = {{1, 5, 10}, {7, 5, 16}, {8, 4, 16}, {14, 4, 10}};
    for (const auto& e : expected) {
        EXPECT_EQ(c.places[e[0]].row, e[1]) << "pin " << e[0];
        EXPECT_EQ(c.places[e[0]].column, e[2]) << "pin " << e[0];
    }
}

TEST(Seating, AMissedSeatKeepsThePreviousPlaces) {
    bench_model bench;
    const int k = place_chip(bench, "74LS00", 14, 10);
    const chip before = bench.chip_at(k);
    bench.press_chip(k, 10, 10);
    bench.move_chip(k, 10 + 2000, 10 + 6000);  // far below the breadboard
    bench.release_chip(k);
    const chip& after = bench.chip_at(k);
    EXPECT_EQ(after.places[1].row, before.places[1].row);
    EXPECT_EQ(after.places[14].column, before.places[14].column);
    // Kept inside the board.
    EXPECT_DOUBLE_EQ(after.picture.top, kBoardHeight - after.picture.height);
}

TEST(Seating, ThePictureIsKeptInsideTheBoard) {
    bench_model bench;
    const int k = bench.drop_chip(0, 20000, -300);
    bench.seat_chip(k);
    const chip& c = bench.chip_at(k);
    EXPECT_DOUBLE_EQ(c.picture.left, kBoardWidth - c.picture.width);
    EXPECT_DOUBLE_EQ(c.picture.top, 0);
}

// A seat undrives a clocked chip's nodes, and the board is then driven and
// evaluated at once: the chip works as soon as it is seated.
TEST(Seating, ASeatedChipIsDrivenAndEvaluatedAtOnce) {
    for (const char* model : {"74LS74", "74LS00"}) {
        bench_model bench;
        const int k = place_chip(bench, model, 14, 10);
        connect(bench, 36, 22, 13, 10);  // supply to pin 14
        connect(bench, 36, 26, 16, 16);  // ground to pin 7
        bench.press_power();
        ASSERT_TRUE(bench.seat_chip(k));
        EXPECT_EQ(bench.node_drive(bench.node_of_pin(14, k)), lgsim::kSupply) << model;
        EXPECT_NE(bench.pin_reading(6, k), lgsim::kUnpowered) << model;
    }
}

TEST(Dropping, TheNewChipTakesItsCatalogueFieldsAndAProvisionalPicture) {
    bench_model bench;
    const int k = bench.drop_chip(row_of("74LS151"), 1000, 2000);
    const chip& c = bench.chip_at(k);
    EXPECT_EQ(c.model, "74LS151");
    EXPECT_EQ(c.mount_kind, 2);
    EXPECT_EQ(c.pin_count, 16);
    EXPECT_EQ(c.chip_class, 1);
    EXPECT_EQ(c.description, "8选1数据选择器");
    EXPECT_DOUBLE_EQ(c.picture.width, kPitch * 8);
    EXPECT_DOUBLE_EQ(c.picture.height, 3 * kPitch * 2);
    EXPECT_FALSE(c.seated());
    for (int j = 0; j <= 60; ++j) EXPECT_EQ(bench.pin_reading(j, k), lgsim::kNoDrive) << j;
    EXPECT_EQ(bench.drop_chip(-1, 0, 0), 0);
    EXPECT_EQ(bench.drop_chip(static_cast<int>(lgsim::kCatalogue.size()), 0, 0), 0);
    EXPECT_EQ(bench.chip_count(), 1);
}

TEST(Dropping, TheOutlineGivesThePictureItsSize) {
    bench_model bench;
    std::vector<std::string> asked;
    bench_hooks hooks;
    hooks.outline_size = [&](const std::string& model) -> std::optional<picture_size> {
        asked.push_back(model);
        if (model == "74LS00") return picture_size{900, 400};
        return std::nullopt;
    };
    bench.set_hooks(hooks);
    const int a = bench.drop_chip(row_of("74LS00"), 100, 100);
    const int b = bench.drop_chip(row_of("74LS04"), 100, 100);
    EXPECT_EQ(asked, (std::vector<std::string>{"74LS00", "74LS04"}));
    EXPECT_DOUBLE_EQ(bench.chip_at(a).picture.width, 900);
    EXPECT_DOUBLE_EQ(bench.chip_at(b).picture.width, kPitch * 7) << "no outline: the size stays";
}

TEST(NameClick, EachChipLandsALittleRightAndAboveThePrevious) {
    bench_model bench;
    for (int i = 0; i < 3; ++i) {
        const int k = bench.place_chip_by_name(0);
        EXPECT_DOUBLE_EQ(bench.chip_at(k).picture.left, kBoardWidth / 2 + 50 * i);
        EXPECT_DOUBLE_EQ(bench.chip_at(k).picture.top, kBoardHeight / 2 - 25 * i);
    }
    bench.release_chip(3);  // any release starts the offsets again
    EXPECT_DOUBLE_EQ(bench.chip_at(bench.place_chip_by_name(0)).picture.left, kBoardWidth / 2);
    for (int i = 1; i <= 10; ++i) bench.place_chip_by_name(0);  // offsets 50 .. 500
    EXPECT_DOUBLE_EQ(bench.chip_at(bench.place_chip_by_name(0)).picture.left, kBoardWidth / 2 + 30);
}

TEST(Dragging, MovesKeepThePressPointUnderThePointer) {
    bench_model bench;
    const int k = bench.drop_chip(0, 1000, 1000);
    EXPECT_FALSE(bench.move_chip(k, 50, 50)) << "no press, no drag";
    bench.press_chip(k, 30, 40);
    EXPECT_TRUE(bench.new_circuit());
    EXPECT_TRUE(bench.move_chip(k, 130, 20));
    EXPECT_DOUBLE_EQ(bench.chip_at(k).picture.left, 1100);
    EXPECT_DOUBLE_EQ(bench.chip_at(k).picture.top, 980);
    bench.release_chip(k);
    EXPECT_FALSE(bench.move_chip(k, 500, 500));
}

TEST(Deleting, LaterChipsMoveDownAndAreSeatedAgain) {
    bench_model bench;
    place_chip(bench, "74LS00", 4, 10);
    place_chip(bench, "74LS04", 14, 10);
    const int third = place_chip(bench, "74LS08", 24, 20);
    const chip former_third = bench.chip_at(third);
    connect(bench, 36, 22, 23, 20);
    bench.delete_chip(2);
    ASSERT_EQ(bench.chip_count(), 2);
    EXPECT_EQ(bench.chip_at(1).model, "74LS00");
    const chip& moved = bench.chip_at(2);
    EXPECT_EQ(moved.model, "74LS08");
    EXPECT_DOUBLE_EQ(moved.picture.left, former_third.picture.left);
    EXPECT_DOUBLE_EQ(moved.picture.top, former_third.picture.top);
    EXPECT_EQ(moved.places[1].row, 25);
    EXPECT_EQ(moved.places[14].row, 24);
    EXPECT_EQ(bench.node_of_pin(14, 2), bench.wire_at(1).node);
    EXPECT_EQ(bench.wire_count(), 1) << "wires stay";
    EXPECT_FALSE(bench.new_circuit()) << "the deletion was evaluated at once, on a new circuit";
}

TEST(Deleting, KeepsAtMost30CharactersOfADescription) {
    // Only a circuit file can bring a description that long.
    QTemporaryDir folder;
    const QString path = folder.filePath("long.cir");
    circuit_record chip_record;
    chip_record.record_kind = kChipRecord;
    chip_record.model = "74LS00";
    chip_record.mount_kind = 1;
    chip_record.pin_count = 14;
    chip_record.chip_class = 1;
    chip_record.description = "  四2输入与非门 with a description of forty";
    circuit_record end = chip_record;
    end.record_kind = kEndRecord;
    ASSERT_TRUE(write_circuit_file(path, {chip_record, chip_record, end}));
    bench_model bench;
    ASSERT_TRUE(bench.load(path).ok);
    ASSERT_EQ(bench.chip_at(2).description, "四2输入与非门 with a description of fo") << "cut by the 40-byte field";
    bench.delete_chip(1);
    EXPECT_EQ(bench.chip_at(1).description, "四2输入与非门 with a description of ");
}

}  // namespace
