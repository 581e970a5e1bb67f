#include <gtest/gtest.h>

#include <cctype>

#include <QFile>
#include <QTemporaryDir>

#include "bench_model.h"
#include "bench_test_support.h"
#include "circuit_file.h"
#include "value_codes.h"

using namespace bench;
using bench::testing::connect;
using bench::testing::place_chip;

namespace {

// A record laid out by hand from the format's offsets, little-endian.
struct record_bytes {
    QByteArray bytes = QByteArray(kRecordSize, '\0');
    record_bytes() {
        text(2, 20, "");
        text(28, 40, "");
    }
    record_bytes& i16(int at, int value) {
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
        return *this;
    }
    record_bytes& i32(int at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
        return *this;
    }
    record_bytes& text(int at, int width, const QByteArray& gbk) {
        for (int i = 0; i < width; ++i) bytes[at + i] = i < gbk.size() ? gbk[i] : ' ';
        return *this;
    }
    record_bytes& point(int entry, int value) { return i16(84 + 2 * entry, value); }
};

record_bytes chip_bytes(int kind, const QByteArray& model, int mount, int pins, int chip_class,
                        const QByteArray& description, int top, int left) {
    record_bytes r;
    r.i16(0, kind).text(2, 20, model).i16(22, mount).i16(24, pins).i16(26, chip_class);
    r.text(28, 40, description).i16(68, top).i16(70, left);
    return r;
}

record_bytes wire_bytes(int start_row, int start_column, int end_row, int end_column, int points) {
    record_bytes r;
    r.i16(0, kWireRecord).i16(72, start_row).i16(74, start_column).i16(76, end_row).i16(78, end_column);
    r.point(0, points);
    return r;
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray joined(std::initializer_list<record_bytes> records) {
    QByteArray out;
    for (const record_bytes& r : records) out += r.bytes;
    return out;
}

const QByteArray kNandDescription = QByteArray::fromHex("cbc432cae4c8ebd3ebb7c7c3c5");  // 四2输入与非门
const QByteArray kInverterDescription = QByteArray::fromHex("c1f9b7b4cff2c6f7");       // 六反向器

struct file_test : ::testing::Test {
    QTemporaryDir folder;
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
};

TEST_F(file_test, AnEmptyBenchIsOneBlankEndRecord) {
    bench_model bench;
    ASSERT_TRUE(bench.save(path("empty.cir")).ok);
    record_bytes end;
    end.i16(0, kEndRecord);
    EXPECT_EQ(file_bytes(path("empty.cir")), end.bytes);
}

TEST_F(file_test, WiresThenChipsThenAnEndRecordRepeatingTheLastChip) {
    bench_model bench;
    place_chip(bench, "74LS00", 4, 10);
    place_chip(bench, "74LS04", 14, 10);
    const int third = place_chip(bench, "74LS00", 24, 20);
    bench.click_colour_stick(3);
    const board_point a = point_position(3, 10);
    const board_point b = point_position(36, 22);
    bench.press_board(mouse_button::left, a.x, a.y);
    bench.press_board(mouse_button::right, 5000, 5100);
    bench.press_board(mouse_button::left, b.x, b.y);
    connect(bench, 35, 0, 23, 20);  // two points
    ASSERT_EQ(bench.wire_count(), 2);
    ASSERT_TRUE(bench.save(path("five.cir")).ok);

    const auto twips = [](double v) { return static_cast<int>(stored_twips(v)); };
    record_bytes wire1 = wire_bytes(3, 10, 36, 22, 3);
    wire1.i32(80, 0x008000);
    for (const auto& [entry, value] : {std::pair{1, twips(a.x)}, {2, twips(a.y)}, {3, 5000},
                                       {4, 5100}, {5, twips(b.x)}, {6, twips(b.y)}})
        wire1.point(entry, value);
    const board_point c = point_position(35, 0);
    const board_point d = point_position(23, 20);
    record_bytes wire2 = wire_bytes(35, 0, 23, 20, 2);
    wire2.point(1, twips(c.x)).point(2, twips(c.y)).point(3, twips(d.x)).point(4, twips(d.y));
    // The record buffer still holds the first wire's third point.
    wire2.point(5, twips(b.x)).point(6, twips(b.y));
    const auto chip_record = [&](int kind, int k, const QByteArray& model, const QByteArray& description) {
        const chip& ch = bench.chip_at(k);
        return chip_bytes(kind, model, 1, 14, 1, description, twips(ch.picture.top), twips(ch.picture.left));
    };
    const QByteArray expected =
        joined({wire1, wire2, chip_record(kChipRecord, 1, "74LS00", kNandDescription),
                chip_record(kChipRecord, 2, "74LS04", kInverterDescription),
                chip_record(kChipRecord, third, "74LS00", kNandDescription),
                chip_record(kEndRecord, third, "74LS00", kNandDescription)});
    const QByteArray saved = file_bytes(path("five.cir"));
    ASSERT_EQ(saved.size(), 996);
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(saved.mid(r * kRecordSize, kRecordSize).toHex(' ').toStdString(),
                  expected.mid(r * kRecordSize, kRecordSize).toHex(' ').toStdString())
            << "record " << r + 1;
}

TEST_F(file_test, ALoadedCircuitSavesBackByteForByte) {
    bench_model first;
    place_chip(first, "74LS151", 1, 30);
    place_chip(first, "BS204", 21, 10);
    connect(first, 36, 22, 0, 30);
    wire contact;  // a probe's contact wire: both ends on one point, no points
    contact.start_row = contact.end_row = 12;
    contact.start_column = contact.end_column = 12;
    first.add_wire(contact);
    first.save(path("a.cir"));
    bench_model second;
    ASSERT_TRUE(second.load(path("a.cir")).ok);
    ASSERT_EQ(second.chip_count(), 2);
    ASSERT_EQ(second.wire_count(), 2);
    EXPECT_EQ(second.chip_at(2).model, "BS204               ") << "the field's blanks stay";
    EXPECT_EQ(second.chip_at(2).description, "七段数码显示器");
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(second.chip_at(k).places[1].row, first.chip_at(k).places[1].row);
        EXPECT_EQ(second.chip_at(k).places[1].column, first.chip_at(k).places[1].column);
        EXPECT_EQ(second.chip_at(k).picture.left, first.chip_at(k).picture.left);
    }
    EXPECT_TRUE(second.wire_at(2).points.empty());
    second.save(path("b.cir"));
    EXPECT_EQ(file_bytes(path("b.cir")), file_bytes(path("a.cir")));
}

TEST_F(file_test, SavingOverALongerFileLeavesOnlyTheNewRecords) {
    write_bytes(path("old.cir"), QByteArray(10 * kRecordSize, '\x07'));
    bench_model bench;
    place_chip(bench, "74LS00", 4, 10);
    ASSERT_TRUE(bench.save(path("old.cir")).ok);
    EXPECT_EQ(file_bytes(path("old.cir")).size(), 2 * kRecordSize);
}

TEST_F(file_test, AFailedSaveChangesNothing) {
    bench_model bench;
    const QString missing_folder = path("no such folder/c.cir");
    const file_result result = bench.save(missing_folder);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QString::fromUtf8("文件") + missing_folder + QString::fromUtf8("写错误"));
    EXPECT_EQ(bench.circuit_caption(), QString::fromUtf8("电路名称："));
}

TEST_F(file_test, TheCircuitNameIsTheFileNameWithoutItsFolder) {
    bench_model bench;
    ASSERT_TRUE(bench.save(path("b.cir")).ok);
    EXPECT_EQ(bench.circuit_name(), QStringLiteral("b.cir"));
    EXPECT_EQ(bench.circuit_caption(), QString::fromUtf8("电路名称: b.cir"));
    EXPECT_EQ(bench.circuit_folder(), folder.path() + "/");
    EXPECT_EQ(file_part(QStringLiteral("C:\\a\\b.cir")), QStringLiteral("b.cir"));
    EXPECT_EQ(folder_part(QStringLiteral("C:\\a\\b.cir")), QStringLiteral("C:\\a\\"));
}

TEST_F(file_test, AModelWithTrailingBlanksStillWorks) {
    // A 74LS00 with pin 1 on (15, 10): inputs unwired (floating, high), output to LED 0.
    const board_point seat = bench::testing::seat_position(14, 10);
    write_bytes(path("nand.cir"),
                joined({wire_bytes(36, 22, 13, 10, 0), wire_bytes(36, 26, 19, 16, 0),
                        wire_bytes(35, 0, 18, 12, 0),
                        chip_bytes(kChipRecord, "74ls00   ", 1, 14, 1, kNandDescription,
                                   stored_twips(seat.y), stored_twips(seat.x)),
                        record_bytes().i16(0, kEndRecord)}));
    bench_model bench;
    std::vector<std::string> outlines;
    bench_hooks hooks;
    hooks.outline_size = [&](const std::string& model) -> std::optional<picture_size> {
        outlines.push_back(model);
        return std::nullopt;
    };
    bench.set_hooks(hooks);
    ASSERT_TRUE(bench.load(path("nand.cir")).ok);
    EXPECT_EQ(bench.chip_at(1).model, "74ls00              ");
    EXPECT_EQ(outlines, std::vector<std::string>{"74LS00"});
    ASSERT_TRUE(bench.chip_at(1).seated());
    bench.press_power();
    bench.clock_tick();
    EXPECT_EQ(bench.pin_reading(3, 1), lgsim::kLow) << "two floating inputs read high";
    EXPECT_FALSE(bench.led_shown(0));
}

TEST_F(file_test, GroupsAreRecomputedAndAnyOtherKindIsAChip) {
    write_bytes(path("kinds.cir"),
                joined({wire_bytes(23, 4, 35, 5, 0),
                        chip_bytes(0, "74LS00", 1, 14, 1, kNandDescription, 100, 100),
                        chip_bytes(5, "NOSUCH", 2, 8, 1, "", 100, 100), record_bytes().i16(0, kEndRecord)}));
    bench_model bench;
    ASSERT_TRUE(bench.load(path("kinds.cir")).ok);
    EXPECT_EQ(bench.wire_at(1).start_group, 4);
    EXPECT_EQ(bench.wire_at(1).end_group, 35);
    ASSERT_EQ(bench.chip_count(), 2);
    EXPECT_EQ(bench.chip_at(2).model, "NOSUCH              ") << "unknown models are kept";
    bench.press_power();
    bench.clock_tick();  // the engine takes the unknown model too
}

TEST_F(file_test, RecordsAfterTheEndRecordAreIgnored) {
    write_bytes(path("tail.cir"), joined({wire_bytes(1, 1, 2, 2, 0), record_bytes().i16(0, kEndRecord),
                                          wire_bytes(3, 3, 4, 4, 0)}) +
                                      QByteArray(50, '\x01'));
    bench_model bench;
    ASSERT_TRUE(bench.load(path("tail.cir")).ok);
    EXPECT_EQ(bench.wire_count(), 1);
}

TEST_F(file_test, UndecodableTextNeverStopsALoad) {
    record_bytes odd = chip_bytes(kChipRecord, QByteArray::fromHex("fffe80ff81"), 1, 14, 1, "", 100, 100);
    odd.bytes[28 + 39] = '\x81';  // a lead byte without its trail byte
    write_bytes(path("odd.cir"), joined({odd, record_bytes().i16(0, kEndRecord)}));
    bench_model bench;
    ASSERT_TRUE(bench.load(path("odd.cir")).ok);
    EXPECT_EQ(bench.chip_count(), 1);
    bench.press_power();
    bench.clock_tick();
}

TEST(TextFields, ACutFallsOnACharacterBoundary) {
    std::string text = "a";
    for (int i = 0; i < 20; ++i) text += "门";
    const QByteArray field = gbk_field(text, kDescriptionFieldWidth);
    ASSERT_EQ(field.size(), kDescriptionFieldWidth);
    EXPECT_EQ(field.at(39), ' ') << "the 20th character would need bytes 40 and 41";
    EXPECT_EQ(static_cast<unsigned char>(field.at(37)), 0xC3);
    EXPECT_EQ(from_gbk(field.constData(), field.size()), text.substr(0, 1 + 19 * 3) + " ");
    EXPECT_EQ(gbk_field("74LS00", kModelFieldWidth), QByteArray("74LS00              "));
}

// ---- Files that cannot be taken ----

struct bad_file {
    const char* what;
    QByteArray bytes;
};

std::vector<bad_file> bad_files() {
    const record_bytes end = record_bytes().i16(0, kEndRecord);
    const record_bytes good_wire = wire_bytes(1, 1, 2, 2, 0);
    const auto chip_with = [](int mount, int pins) {
        return chip_bytes(kChipRecord, "74LS00", mount, pins, 1, kNandDescription, 100, 100);
    };
    return {
        {"start row 37", joined({good_wire, wire_bytes(37, 0, 2, 2, 0), end})},
        {"start row -1", joined({wire_bytes(-1, 0, 2, 2, 0), end})},
        {"end column 65", joined({wire_bytes(1, 1, 2, 65, 0), end})},
        {"end column -1", joined({wire_bytes(1, 1, 2, -1, 0), end})},
        {"21 points", joined({wire_bytes(1, 1, 2, 2, 21), end})},
        {"-1 points", joined({wire_bytes(1, 1, 2, 2, -1), end})},
        {"odd pin count", joined({chip_with(1, 15), end})},
        {"no pins", joined({chip_with(1, 0), end})},
        {"62 pins", joined({chip_with(1, 62), end})},
        {"mount kind 0", joined({chip_with(0, 14), end})},
        {"mount kind 3", joined({chip_with(3, 14), end})},
        {"cut short", joined({good_wire, chip_with(1, 14)}).left(kRecordSize + 100)},
        {"cut inside the first record", joined({end}).left(2)},
        {"whole records without an end record", joined({good_wire, chip_with(1, 14)})},
        {"empty", QByteArray()},
    };
}

class BadFiles : public ::testing::TestWithParam<bad_file> {};

TEST_P(BadFiles, LeaveTheCircuitExactlyAsItWas) {
    QTemporaryDir folder;
    bench_model bench;
    place_chip(bench, "74LS00", 14, 10);
    connect(bench, 36, 22, 13, 10);
    ASSERT_TRUE(bench.save(folder.filePath("good.cir")).ok);
    const QString bad = folder.filePath("bad.cir");
    write_bytes(bad, GetParam().bytes);

    const file_result result = bench.load(bad);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QString::fromUtf8("文件") + bad + QString::fromUtf8("格式错误"));
    ASSERT_EQ(bench.chip_count(), 1);
    ASSERT_EQ(bench.wire_count(), 1);
    EXPECT_EQ(bench.chip_at(1).places[14].row, 14);
    EXPECT_EQ(bench.node_of_pin(14, 1), bench.wire_at(1).node);
    EXPECT_EQ(bench.circuit_name(), QStringLiteral("good.cir"));
    bench.save(folder.filePath("again.cir"));
    EXPECT_EQ(file_bytes(folder.filePath("again.cir")), file_bytes(folder.filePath("good.cir")));
}

INSTANTIATE_TEST_SUITE_P(Load, BadFiles, ::testing::ValuesIn(bad_files()),
                         [](const ::testing::TestParamInfo<bad_file>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(file_test, AMissingFileLeavesTheCircuitAndTurnsTheIndicatorsOff) {
    bench_model bench;
    connect(bench, 36, 0, 35, 0);
    bench.press_switch(0);
    bench.press_power();
    bench.clock_tick();
    ASSERT_TRUE(bench.led_shown(0));
    const file_result result = bench.load(QStringLiteral(" nowhere.cir "));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QString::fromUtf8("文件nowhere.cir不存在"));
    EXPECT_EQ(bench.wire_count(), 1);
    EXPECT_FALSE(bench.led_shown(0));
    EXPECT_FALSE(bench.lamp_lit(0));
}

TEST_F(file_test, ALoadAppliesThePowerStateAndForgetsChipStates) {
    bench_model source;
    place_chip(source, "74LS74", 14, 10);
    source.save(path("ff.cir"));
    bench_model bench;
    bench.press_power();
    bench.clock_tick();
    ASSERT_TRUE(bench.load(path("ff.cir")).ok);
    EXPECT_FALSE(bench.new_circuit()) << "the load was evaluated at once, on a new circuit";
    EXPECT_EQ(bench.point_value(36, kSupplyColumn), lgsim::kSupply);
}

TEST_F(file_test, ClearEmptiesTheBenchAndKeepsThePower) {
    bench_model bench;
    place_chip(bench, "74LS00", 14, 10);
    connect(bench, 36, 22, 13, 10);
    bench.save(path("kept.cir"));
    bench.press_switch(1);
    bench.press_power();
    bench.clear();
    EXPECT_EQ(bench.chip_count(), 0);
    EXPECT_EQ(bench.wire_count(), 0);
    EXPECT_TRUE(bench.new_circuit());
    EXPECT_TRUE(bench.power_on());
    EXPECT_TRUE(bench.lamp_lit(1));
    EXPECT_EQ(bench.point_value(36, kSupplyColumn), lgsim::kSupply);
    EXPECT_EQ(bench.circuit_name(), QStringLiteral("kept.cir"));
    EXPECT_EQ(bench.max_node_number(), 0);
}

TEST(Messages, NameTheFileTrimmed) {
    EXPECT_EQ(overwrite_question(QStringLiteral(" a.cir")), QString::fromUtf8("文件a.cir已存在，重写它吗?"));
    EXPECT_EQ(format_error_message(QStringLiteral("a.cir  ")), QString::fromUtf8("文件a.cir格式错误"));
    EXPECT_EQ(warning_title(), QString::fromUtf8("警告信息"));
}

}  // namespace

TEST(SharedPoints, SeveralWiresOnOnePointSaveLoadAndNumberAsOneNode) {
    QTemporaryDir folder;
    bench_model bench;
    place_chip(bench, "74LS04", 14, 10);
    for (const int column : {10, 11, 12}) connect(bench, 36, 0, 17, column);  // switch 0 to pins 1, 2, 3
    connect(bench, 36, 0, 36, 0);  // and a probe's contact wire on the same terminal
    ASSERT_TRUE(bench.save(folder.filePath("shared.cir")).ok);
    bench_model loaded;
    ASSERT_TRUE(loaded.load(folder.filePath("shared.cir")).ok);
    ASSERT_EQ(loaded.wire_count(), 4);
    for (int w = 1; w <= 4; ++w) {
        EXPECT_EQ(loaded.wire_at(w).start_row, 36) << w;
        EXPECT_EQ(loaded.wire_at(w).node, loaded.wire_at(1).node) << w;
    }
    for (const int pin : {1, 2, 3}) EXPECT_EQ(loaded.node_of_pin(pin, 1), loaded.wire_at(1).node) << pin;
    EXPECT_EQ(loaded.wire_at(2).end_column, 11);
    ASSERT_TRUE(loaded.save(folder.filePath("again.cir")).ok);
    EXPECT_EQ(file_bytes(folder.filePath("again.cir")), file_bytes(folder.filePath("shared.cir")));
}
