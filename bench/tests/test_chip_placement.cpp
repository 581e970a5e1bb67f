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

// The holes a chip covers, one column wider on either side.
footprint widened(const chip& c) {
    footprint f = *footprint_of(c);
    --f.first_column;
    ++f.last_column;
    return f;
}

TEST(NameClick, ChipsGoToFreeSeatsNearTheCentreOneColumnApart) {
    bench_model bench;
    const placement first = bench.place_chip_by_name(row_of("74LS00"));
    ASSERT_EQ(first.refused, seat_refusal::none);
    const chip& c = bench.chip_at(first.chip);
    ASSERT_TRUE(c.seated());
    EXPECT_EQ(c.places[14].row, 14) << "the seat row nearest the board's middle";
    EXPECT_NEAR(c.picture.left, kBoardWidth / 2, kPitch);
    for (const char* model : {"74LS04", "74LS151", "74LS00", "74LS273", "BS204"}) {
        const placement p = bench.place_chip_by_name(row_of(model));
        ASSERT_GT(p.chip, 0) << model;
        ASSERT_TRUE(bench.chip_at(p.chip).seated()) << model;
        for (int k = 1; k < p.chip; ++k)
            EXPECT_FALSE(widened(bench.chip_at(k)).overlaps(*footprint_of(bench.chip_at(p.chip))))
                << model << " against chip " << k;
    }
}

TEST(NameClick, KeepsClearOfWireEnds) {
    bench_model bench;
    const int k = bench.place_chip_by_name(row_of("74LS00")).chip;
    const footprint where = *footprint_of(bench.chip_at(k));
    bench.delete_chip(k);
    connect(bench, 36, 0, where.top_row - 2, where.first_column + 3);  // on the upper pins' strip
    const chip& c = bench.chip_at(bench.place_chip_by_name(row_of("74LS00")).chip);
    const footprint now = *footprint_of(c);
    EXPECT_TRUE(now.first_column > where.first_column + 3 || now.last_column < where.first_column + 3 ||
                now.top_row != where.top_row)
        << "a chip placed by name joins no wire";
}

TEST(NameClick, AFullBreadboardTakesNoMoreChips) {
    bench_model bench;
    int placed = 0;
    placement p;
    while ((p = bench.place_chip_by_name(row_of("74LS00"))).chip > 0) ++placed;
    EXPECT_EQ(p.refused, seat_refusal::no_free_place);
    EXPECT_GE(placed, 3 * 7) << "three seat rows of seven or eight chips with a column between them";
    EXPECT_EQ(bench.chip_count(), placed);
}

// A 74LS00 let go with its reference point off the seat (14, 20) by (dx, dy).
struct near_case {
    double dx, dy;
};
void PrintTo(const near_case& c, std::ostream* out) { *out << "(" << c.dx << ", " << c.dy << ")"; }

class Taking : public ::testing::TestWithParam<near_case> {};

TEST_P(Taking, AChipLetGoOverTheBreadboardSeatsOnTheNearestHoles) {
    const near_case c = GetParam();
    const board_point exact = seat_position(14, 20);
    bench_model bench;
    const placement taken = bench.take_chip(row_of("74LS00"), exact.x + c.dx, exact.y + c.dy);
    ASSERT_EQ(taken.refused, seat_refusal::none);
    EXPECT_EQ(bench.chip_at(taken.chip).places[14].row, 14);
    EXPECT_EQ(bench.chip_at(taken.chip).places[14].column, 20);
    EXPECT_DOUBLE_EQ(bench.chip_at(taken.chip).picture.left, exact.x);

    // The same from a drag: pressed, moved, let go.
    const board_point lower = seat_position(24, 20);
    const int k = bench.drop_chip(row_of("74LS00"), 500, 6800);
    bench.press_chip(k, 20, 20);
    bench.move_chip(k, 20 + lower.x + c.dx - 500, 20 + lower.y + c.dy - 6800);
    EXPECT_EQ(bench.release_chip(k).refused, seat_refusal::none);
    EXPECT_EQ(bench.chip_at(k).places[14].row, 24);
    EXPECT_EQ(bench.chip_at(k).places[14].column, 20);
}

INSTANTIATE_TEST_SUITE_P(Offsets, Taking,
                         ::testing::Values(near_case{0, 0}, near_case{50, 45}, near_case{-50, 90},
                                           near_case{40, -400}, near_case{-52, 700}));

TEST(Taking, ColumnsPastTheLastSeatTakeTheLastSeat) {
    bench_model bench;
    const board_point at = seat_position(14, 60);
    const placement p = bench.take_chip(row_of("74LS00"), at.x, at.y);
    EXPECT_EQ(bench.chip_at(p.chip).places[14].column, 57) << "64 - 7";
}

TEST(Taking, AChipLetGoOffTheBreadboardLiesUnseatedWhereItFell) {
    bench_model bench;
    const placement p = bench.take_chip(row_of("74LS00"), 5000, 6800);
    ASSERT_GT(p.chip, 0);
    EXPECT_FALSE(bench.chip_at(p.chip).seated());
    EXPECT_DOUBLE_EQ(bench.chip_at(p.chip).picture.left, 5000);
    EXPECT_DOUBLE_EQ(bench.chip_at(p.chip).picture.top, 6800);
}

TEST(Taking, HolesAnotherChipCoversAreRefused) {
    bench_model bench;
    place_chip(bench, "74LS00", 14, 20);  // rows 14 and 15, columns 20 to 26
    struct attempt {
        const char* model;
        int row, column;
        bool taken;
    };
    const attempt attempts[] = {
        {"74LS04", 14, 26, true},   // shares column 26
        {"74LS04", 14, 27, false},  // right beside it
        {"74LS04", 14, 14, true},   // columns 14 to 20 reach its column 20
        {"74LS151", 11, 18, true},  // rows 11 to 16 lie over the chip's pins
        {"74LS151", 21, 18, false},
    };
    for (const attempt& a : attempts) {
        const int before = bench.chip_count();
        const board_point at = seat_position(a.row, a.column);
        const placement p = bench.take_chip(row_of(a.model), at.x, at.y);
        EXPECT_EQ(p.refused == seat_refusal::holes_taken, a.taken) << a.model << " at " << a.column;
        EXPECT_EQ(bench.chip_count(), a.taken ? before : before + 1) << a.model << " at " << a.column;
    }
}

TEST(Releasing, AChipLetGoOnAnotherGoesBackWhereItWas) {
    bench_model bench;
    place_chip(bench, "74LS00", 14, 20);
    const int k = place_chip(bench, "74LS04", 4, 20);
    const chip before = bench.chip_at(k);
    bench.press_chip(k, 20, 20);
    bench.move_chip(k, 20 + 3 * 112.4, 20 + 2070);  // over the first chip's holes
    const placement p = bench.release_chip(k);
    EXPECT_EQ(p.refused, seat_refusal::holes_taken);
    const chip& after = bench.chip_at(k);
    EXPECT_DOUBLE_EQ(after.picture.left, before.picture.left);
    EXPECT_DOUBLE_EQ(after.picture.top, before.picture.top);
    EXPECT_EQ(after.places[14].row, 4);
    EXPECT_EQ(after.places[14].column, 20);
    // Let go on its own holes again, it stays.
    bench.press_chip(k, 20, 20);
    EXPECT_EQ(bench.release_chip(k).refused, seat_refusal::none);
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
