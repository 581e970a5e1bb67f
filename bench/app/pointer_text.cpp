#include "pointer_text.h"

#include <QCoreApplication>
#include <QStringList>

#include "chip_descriptions.h"

namespace bench {

namespace {

const QString kSeparator = QStringLiteral("  ·  ");
// A long list of pins is cut here and its length given instead.
constexpr int kMostPinsNamed = 8;

QString chip_name(const bench_model& bench, int k) {
    return QStringLiteral("U%1 %2").arg(k).arg(QString::fromStdString(bench.chip_at(k).model).trimmed());
}

QString node_value_words(const bench_model& bench, int row, int column, int node) {
    if (!bench.power_on()) return {};
    if (node > 0) return value_words(bench.node_value(node));
    // A terminal no wire reaches still shows what the board drives there.
    if (row == kTerminalRow) return value_words(bench.point_value(row, column));
    return {};
}

}  // namespace

QString point_name(int row, int column) {
    if (!has_place(row, column)) return {};
    if (row < 30)
        return QCoreApplication::translate("pointer text", "面包板第%1组 第%2列")
            .arg(group_of_row(row) + 1)
            .arg(column + 1);
    if (row < kLedRow)
        return (column < 20 ? QCoreApplication::translate("pointer text", "上总线 第%1段")
                            : QCoreApplication::translate("pointer text", "下总线 第%1段"))
            .arg(column % 20 + 1);
    if (row == kLedRow) {
        if (column < kDigit1CommonColumn) return QStringLiteral("LED %1").arg(column);
        if (column <= kDigit2CommonColumn)
            return QCoreApplication::translate("pointer text", "数码管 COM%1").arg(column - kDigit1CommonColumn + 1);
        static const char* const kSegments[] = {"a", "b", "c", "d", "e", "f", "g", "dp"};
        return QCoreApplication::translate("pointer text", "数码管 %1段")
            .arg(QLatin1String(kSegments[column - kFirstSegmentColumn]));
    }
    switch (column) {
        case kClockColumn: return QStringLiteral("CP");
        case kPulse0Column: return QStringLiteral("P+");
        case kPulse1Column: return QStringLiteral("P-");
        case kSupplyColumn: return QStringLiteral("+5V");
        case kGroundColumn: return QStringLiteral("GND");
        default: return QStringLiteral("K%1").arg(column);
    }
}

QString value_words(lgsim::value_code code) {
    switch (code) {
        case lgsim::kLow:
        case lgsim::kFallingEdge:
        case lgsim::kGround: return QCoreApplication::translate("pointer text", "低电平");
        case lgsim::kHigh:
        case lgsim::kRisingEdge:
        case lgsim::kSupply: return QCoreApplication::translate("pointer text", "高电平");
        case lgsim::kFloating: return QCoreApplication::translate("pointer text", "悬空");
        case lgsim::kOutputConflict: return QCoreApplication::translate("pointer text", "输出冲突");
        case lgsim::kExternalConflict: return QCoreApplication::translate("pointer text", "外部冲突");
        case lgsim::kUnpowered: return QCoreApplication::translate("pointer text", "未加电");
        default: return {};
    }
}

int node_at_point(const bench_model& bench, int row, int column) {
    const int group = group_of_row(row);
    for (int w = 1; w <= bench.wire_count(); ++w) {
        const wire& line = bench.wire_at(w);
        if ((line.start_group == group && line.start_column == column) ||
            (line.end_group == group && line.end_column == column))
            return line.node > 0 ? line.node : 0;
    }
    for (int k = 1; k <= bench.chip_count(); ++k) {
        const chip& c = bench.chip_at(k);
        for (int j = 1; j <= c.pin_count; ++j)
            if (c.places[j].group == group && c.places[j].column == column) return bench.node_of_pin(j, k);
    }
    return 0;
}

QString pins_on_node(const bench_model& bench, int node) {
    if (node <= 0) return {};
    QStringList pins;
    int count = 0;
    for (int k = 1; k <= bench.chip_count(); ++k)
        for (int j = 1; j <= bench.chip_at(k).pin_count; ++j) {
            if (bench.node_of_pin(j, k) != node) continue;
            if (++count <= kMostPinsNamed)
                pins << QCoreApplication::translate("pointer text", "%1 脚%2").arg(chip_name(bench, k)).arg(j);
        }
    QString text = pins.join(QCoreApplication::translate("pointer text", "、"));
    if (count > kMostPinsNamed) text += QCoreApplication::translate("pointer text", " 等%1个引脚").arg(count);
    return text;
}

QString text_over_point(const bench_model& bench, int row, int column) {
    const QString name = point_name(row, column);
    if (name.isEmpty()) return {};
    QStringList parts{name};
    const int node = node_at_point(bench, row, column);
    if (const QString words = node_value_words(bench, row, column, node); !words.isEmpty()) parts << words;
    if (const QString pins = pins_on_node(bench, node); !pins.isEmpty()) parts << pins;
    // A click here takes away the first wire that ends on this very point.
    for (int w = 1; w <= bench.wire_count(); ++w) {
        const wire& line = bench.wire_at(w);
        if (!line.has_end_at(row, column)) continue;
        parts << (line.is_contact() ? QCoreApplication::translate("pointer text", "单击断开这里的表笔连接")
                                    : QCoreApplication::translate("pointer text", "单击删除这根导线"));
        break;
    }
    return parts.join(kSeparator);
}

QString text_over_chip(const bench_model& bench, int k, int row, int column) {
    if (k < 1 || k > bench.chip_count()) return {};
    const chip& c = bench.chip_at(k);
    QStringList parts{QStringLiteral("%1 %2").arg(chip_name(bench, k), shown_description(c.description).trimmed())};
    if (!c.seated()) {
        parts << QCoreApplication::translate("pointer text", "未插入面包板");
        return parts.join(kSeparator);
    }
    for (int j = 1; j <= c.pin_count; ++j) {
        if (c.places[j].row != row || c.places[j].column != column) continue;
        parts << QCoreApplication::translate("pointer text", "脚%1").arg(j);
        if (bench.power_on())
            if (const QString words = value_words(bench.node_value(bench.node_of_pin(j, k))); !words.isEmpty())
                parts << words;
        break;
    }
    return parts.join(kSeparator);
}

}  // namespace bench
