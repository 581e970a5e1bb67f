// Truth tables made on a copy of a circuit, and the lab sheet that comes
// with each.
#include <gtest/gtest.h>

#include "lab_test_support.h"
#include "sheet_check.h"
#include "truth_table.h"

using namespace lab;
using namespace lab::testing;

namespace {

// Switch 0 is A, switch 1 is B; LED 0 shows the carry, LED 1 the sum, and
// the sum is also read on a hole of the XOR output's strip.
truth_table_request half_adder_request() {
    truth_table_request request;
    request.inputs = {0, 1};
    request.outputs = {{output_kind::led, 0, 0}, {output_kind::led, 1, 0}, {output_kind::point, 7, 16}};
    return request;
}

}  // namespace

TEST(TruthTable, HalfAdder) {
    const truth_table table = make_truth_table(circuit_of(example_text("half_adder")), half_adder_request());
    const std::vector<std::vector<int>> inputs = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    const std::vector<std::vector<QString>> outputs = {{"0", "0", "0"}, {"0", "1", "1"}, {"0", "1", "1"}, {"1", "0", "0"}};
    EXPECT_EQ(table.inputs, inputs);
    EXPECT_EQ(table.outputs, outputs);
}

TEST(TruthTable, ItsSheetPassesTheReferenceAndCatchesAWrongCircuit) {
    const truth_table table = make_truth_table(circuit_of(example_text("half_adder")), half_adder_request());
    ASSERT_EQ(table.sheet.rows.size(), 8u) << "two readings for each of four rows";
    EXPECT_EQ(table.sheet.rows[2].expected, "leds 01xxxxxxxxxxxxxx");
    EXPECT_EQ(table.sheet.rows[2].comment, QStringLiteral("K0=0 K1=1"));
    EXPECT_GT(table.sheet.rows[2].line, 0) << "lines as the saved sheet has them";

    // Saved and read back, as a teacher would hand it out.
    const lab_sheet sheet = sheet_of(sheet_text(table.sheet).toStdString());
    EXPECT_TRUE(check_copy(sheet, circuit_of(example_text("half_adder"))).all_pass());
    const check_result wrong =
        check_copy(sheet, circuit_of(example_text("half_adder", "wire 6:26 led0", "wire 6:25 led0")));
    ASSERT_EQ(wrong.status, check_status::checked);
    EXPECT_EQ(wrong.first_failure(), 2) << "the leds of K0=0 K1=1";
}

TEST(TruthTable, ExportsCsv) {
    const truth_table_request request = half_adder_request();
    const truth_table table = make_truth_table(circuit_of(example_text("half_adder")), request);
    EXPECT_EQ(truth_table_csv(request, table),
              QByteArray("\xEF\xBB\xBFK0,K1,L0,L1,7:16\r\n0,0,0,0,0\r\n0,1,0,1,1\r\n1,0,0,1,1\r\n1,1,1,0,0\r\n"));
}

TEST(TruthTable, SwitchesThatAreNoInputStayAsTheUserSetThem) {
    // The decade counter counts only while switch 12 is up.
    truth_table_request request;
    request.inputs = {0};
    request.outputs = {{output_kind::module_segment, 1, 0}};
    request.settle_ticks = 2;
    const bench::circuit_copy counter = circuit_of(example_text("decade_counter"));
    const truth_table held = make_truth_table(counter, request);
    request.other_switches[12] = 1;
    const truth_table counting = make_truth_table(counter, request);
    // Digit a of 0 is lit; the count goes 1 (a dark), then 2 (a lit).
    EXPECT_EQ(held.outputs, (std::vector<std::vector<QString>>{{"1"}, {"1"}}));
    EXPECT_EQ(counting.outputs, (std::vector<std::vector<QString>>{{"0"}, {"1"}}));
    EXPECT_EQ(counting.sheet.steps[1].text, QStringLiteral("switch 12 1"));
}

TEST(TruthTable, RequestsThatMakeNoTable) {
    const bench::circuit_copy circuit = circuit_of(example_text("half_adder"));
    truth_table_request none = half_adder_request();
    none.inputs.clear();
    EXPECT_TRUE(make_truth_table(circuit, none).inputs.empty());
    truth_table_request nine = half_adder_request();
    nine.inputs = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_TRUE(make_truth_table(circuit, nine).inputs.empty());
    truth_table_request twice = half_adder_request();
    twice.inputs = {1, 1};
    EXPECT_TRUE(make_truth_table(circuit, twice).inputs.empty());
}
