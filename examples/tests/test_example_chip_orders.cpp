// The shipped examples with their chips placed in other orders. The order of
// the chip lines is the order in which a student placed the chips, and so the
// order in which the engine's pass meets them; what an example shows must
// not depend on it, as it does not on a real board. Each text is built with
// its chip lines reordered (every order of up to four chips; for more, the
// reversed order and each rotation, so that every chip comes first once and
// every pair of chips meets in both orders), and checked against its lab
// sheet, whose steps and readings that name a chip by number follow the chip.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "cirtool_commands.h"
#include "example_files.h"

using namespace example_files;

namespace {

constexpr std::size_t kMostChipsForEveryOrder = 4;

std::vector<std::string> lines_in(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines of a circuit text: the chip lines, and all the others (the
// wires), which stay in front of the chips in their own order.
struct text_lines {
    std::vector<std::string> others;
    std::vector<std::string> chips;
};

text_lines lines_of(const std::string& text) {
    text_lines lines;
    for (const std::string& line : lines_in(text))
        (line.starts_with("chip ") ? lines.chips : lines.others).push_back(line);
    return lines;
}

// Orders of placing the chips, each a list of the text's chip indices in the
// new order; the text's own order is not among them.
std::vector<std::vector<std::size_t>> orders_to_try(std::size_t chips) {
    std::vector<std::size_t> placed(chips);
    std::iota(placed.begin(), placed.end(), 0);
    std::vector<std::vector<std::size_t>> orders;
    if (chips <= kMostChipsForEveryOrder) {
        while (std::next_permutation(placed.begin(), placed.end())) orders.push_back(placed);
        return orders;
    }
    for (std::size_t k = 1; k < chips; ++k) {
        std::vector<std::size_t> rotated = placed;
        std::rotate(rotated.begin(), rotated.begin() + static_cast<std::ptrdiff_t>(k), rotated.end());
        orders.push_back(rotated);
    }
    orders.emplace_back(placed.rbegin(), placed.rend());
    return orders;
}

// "U3 U1 U2": the chips of the text, by their numbers there, in placing order.
std::string placed_as(const std::vector<std::size_t>& order) {
    std::string text;
    for (std::size_t k : order) text += (text.empty() ? "U" : " U") + std::to_string(k + 1);
    return text;
}

std::string text_in_order(const text_lines& lines, const std::vector<std::size_t>& order) {
    std::string text;
    for (const std::string& line : lines.others) text += line + '\n';
    for (std::size_t k : order) text += lines.chips[k] + '\n';
    return text;
}

// Words that name a chip by its number ("display 3", "pin 2 5" and what they
// print) with the chip's number in the new order; nothing for other words.
std::optional<std::string> with_chip_renumbered(const std::string& words_text, const std::vector<int>& new_number) {
    std::istringstream in(words_text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    if (words.size() < 2 || (words[0] != "display" && words[0] != "pin")) return std::nullopt;
    int chip = 0;
    const auto [end, error] = std::from_chars(words[1].data(), words[1].data() + words[1].size(), chip);
    if (error != std::errc() || end != words[1].data() + words[1].size()) return std::nullopt;
    if (chip < 1 || chip > static_cast<int>(new_number.size())) return std::nullopt;
    words[1] = std::to_string(new_number[static_cast<std::size_t>(chip - 1)]);
    std::string renumbered = words[0];
    for (std::size_t i = 1; i < words.size(); ++i) renumbered += ' ' + words[i];
    return renumbered;
}

// A line of a lab sheet with the chip number of its step or expected reading
// following the chip; comment lines, blank lines, notes and every other line
// stay as they are.
std::string sheet_line_renumbered(const std::string& line, const std::vector<int>& new_number) {
    if (line.empty() || line[0] == '#') return line;
    // The note takes the blanks in front of it along.
    std::size_t note_at = std::min(line.find(" #"), line.size());
    while (note_at > 0 && line[note_at - 1] == ' ') --note_at;
    const std::string note = line.substr(note_at);
    const std::string body = line.substr(0, note_at);
    if (body.empty()) return line;
    const bool step = body[0] == '>';
    const auto renumbered = with_chip_renumbered(step ? body.substr(1) : body, new_number);
    if (!renumbered) return line;
    return (step ? "> " : "") + *renumbered + note;
}

bool write_file(const QString& path, const std::string& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(QByteArray::fromStdString(text)) == static_cast<qint64>(text.size());
}

TEST(ShippedExamplesInOtherChipOrders, EachPassesItsSheet) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString text_file = folder.filePath(QStringLiteral("reordered.txt"));
    const QString circuit = folder.filePath(QStringLiteral("reordered.cir"));
    const QString sheet = folder.filePath(QStringLiteral("reordered.lab"));
    const std::vector<example> examples = shipped_examples();
    ASSERT_FALSE(examples.empty());
    for (const example& e : examples) {
        const text_lines lines = lines_of(bytes_of(e.text).toStdString());
        const std::vector<std::string> sheet_lines = lines_in(bytes_of(e.sheet).toStdString());
        for (const std::vector<std::size_t>& order : orders_to_try(lines.chips.size())) {
            SCOPED_TRACE(e.name + ", chips placed as " + placed_as(order));
            std::vector<int> new_number(order.size());
            for (std::size_t i = 0; i < order.size(); ++i) new_number[order[i]] = static_cast<int>(i + 1);
            std::string renumbered;
            for (const std::string& line : sheet_lines) renumbered += sheet_line_renumbered(line, new_number) + '\n';
            ASSERT_TRUE(write_file(text_file, text_in_order(lines, order)));
            ASSERT_TRUE(write_file(sheet, renumbered));

            std::ostringstream out, err;
            ASSERT_EQ(cirtool::run({"build", text_file, circuit}, out, err), cirtool::kSuccess) << err.str();
            out.str("");
            EXPECT_EQ(cirtool::run({"check", circuit, sheet}, out, err), cirtool::kSuccess) << out.str() << err.str();
        }
    }
}

// Only the chip numbers of chip steps and their readings move.
TEST(ShippedExamplesInOtherChipOrders, StepsThatNameAChipFollowIt) {
    const std::vector<int> new_number{3, 1, 2};  // U1 placed third, U2 first, U3 second
    struct row {
        std::string line, renumbered;
    };
    for (const row& r : std::vector<row>{{"> display 1", "> display 3"},
                                         {"display 3 11111100    # 0", "display 2 11111100    # 0"},
                                         {">  pin  2   5 # a note", "> pin 1 5 # a note"},
                                         {"pin 2 5 1", "pin 1 5 1"},
                                         {"> pin 4 5", "> pin 4 5"},  // no such chip: left for the check to refuse
                                         {"# display 1 on the left", "# display 1 on the left"},
                                         {"> point 2 5", "> point 2 5"},
                                         {"> switch 1 1", "> switch 1 1"},
                                         {"leds 0000000000000001    # U1 carries", "leds 0000000000000001    # U1 carries"},
                                         {"", ""}})
        EXPECT_EQ(sheet_line_renumbered(r.line, new_number), r.renumbered) << r.line;
}

TEST(ShippedExamplesInOtherChipOrders, OrdersTried) {
    EXPECT_EQ(orders_to_try(1).size(), 0u);
    EXPECT_EQ(orders_to_try(3).size(), 5u);  // every order but the text's own
    EXPECT_EQ(orders_to_try(4).size(), 23u);
    const auto six = orders_to_try(6);
    ASSERT_EQ(six.size(), 6u);  // five rotations and the reversed order
    EXPECT_EQ(placed_as(six.front()), "U2 U3 U4 U5 U6 U1");
    EXPECT_EQ(placed_as(six.back()), "U6 U5 U4 U3 U2 U1");
}

}  // namespace
