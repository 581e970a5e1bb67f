#include "instrument_steps.h"

#include <QStringList>

#include "board_geometry.h"

namespace lab {

namespace {

constexpr float kVoltageRange = 102;  // the meter's direct-voltage kind

std::optional<int> whole_number(const QString& word) {
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A point a probe can be set down on: one with a place on the board, or
// -1 -1 for away from every point.
bool probe_point(int row, int column) {
    return (row == -1 && column == -1) ||
           (row >= 0 && row < bench::kGridRows && column >= 0 && column < bench::kGridColumns &&
            bench::has_place(row, column));
}

std::string plain(double value) { return QString::number(value, 'g', 15).toStdString(); }

}  // namespace

std::optional<instrument_step> parse_instrument_step(const QString& text) {
    const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return std::nullopt;
    const QString& name = words[0];
    if (name == u"probe" && words.size() == 4) {
        const auto k = whole_number(words[1]), r = whole_number(words[2]), c = whole_number(words[3]);
        if (!k || !r || !c || (*k != 0 && *k != 1) || !probe_point(*r, *c)) return std::nullopt;
        return instrument_step{instrument_step_kind::meter_probe, *k, *r, *c};
    }
    if (name == u"scope" && words.size() == 3) {
        const auto r = whole_number(words[1]), c = whole_number(words[2]);
        if (!r || !c || !probe_point(*r, *c)) return std::nullopt;
        return instrument_step{instrument_step_kind::scope_probe, bench::kRedProbe, *r, *c};
    }
    if (name == u"measure" && words.size() == 2 && (words[1] == u"volts" || words[1] == u"ohms")) {
        instrument_step s{instrument_step_kind::measure};
        s.ohms = words[1] == u"ohms";
        return s;
    }
    if (name == u"capture" && words.size() == 1) return instrument_step{instrument_step_kind::capture};
    return std::nullopt;
}

void perform(const instrument_step& s, bench::bench_model& bench, bench::instruments& tools, std::ostream& out) {
    switch (s.kind) {
    case instrument_step_kind::meter_probe:
    case instrument_step_kind::scope_probe: {
        // Picked up and dropped, as the mouse moves a probe.
        tools.lift_probes();
        const bench::instrument which = s.kind == instrument_step_kind::meter_probe ? bench::instrument::meter
                                                                                      : bench::instrument::scope;
        tools.set_down_probe_at(which, s.probe, s.row, s.column);
        break;
    }
    case instrument_step_kind::measure:
        out << "meter " << plain(tools.measure(s.ohms ? bench::kResistanceKind : kVoltageRange)) << '\n';
        break;
    case instrument_step_kind::capture: {
        const bench::capture_result r = tools.capture_run(bench.speed_text());
        out << "capture " << r.samples << ' ' << (r.mean ? plain(*r.mean) : std::string("-")) << '\n';
        break;
    }
    }
}

}  // namespace lab
