// Thousands of random presses, moves, releases, double clicks and right
// clicks over the window and everything on it, with the timers running: the
// window must keep responding and the circuit tables must stay consistent.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>
#include <random>

#include "ui_helpers.h"

using namespace bench;
using namespace bench::testing;

namespace {

// The file dialog answers with nothing, or a file in a scratch folder; the
// message boxes are answered at random.
struct random_prompts : file_prompts {
    std::mt19937& random;
    QString folder;
    random_prompts(std::mt19937& r, QString f) : random(r), folder(std::move(f)) {}
    std::optional<QString> pick() {
        switch (random() % 3) {
        case 0: return std::nullopt;
        case 1: return folder + QStringLiteral("/monkey.cir");
        default: return folder + QStringLiteral("/missing.cir");
        }
    }
    std::optional<QString> save_file_name(const QString&) override { return pick(); }
    std::optional<QString> open_file_name(const QString&) override { return pick(); }
    bool ask_overwrite(const QString&) override { return random() % 2 == 0; }
    void warn(const QString&) override {}
};

void expect_consistent(bench_model& m) {
    const int nodes = m.max_node_number();
    for (int w = 1; w <= m.wire_count(); ++w) {
        const wire& line = m.wire_at(w);
        EXPECT_TRUE(line.start_row >= 0 && line.start_row < kGridRows && line.start_column >= 0 &&
                    line.start_column < kGridColumns)
            << "wire " << w;
        EXPECT_TRUE(line.end_row >= 0 && line.end_row < kGridRows && line.end_column >= 0 &&
                    line.end_column < kGridColumns)
            << "wire " << w;
        EXPECT_LE(line.points.size(), 20u);
        EXPECT_TRUE(line.node >= 1 && line.node <= nodes) << "wire " << w << " node " << line.node;
    }
    for (int k = 1; k <= m.chip_count(); ++k) {
        const chip& c = m.chip_at(k);
        for (int j = 1; j <= c.pin_count; ++j) {
            const pin_place& p = c.places[j];
            const bool unseated = p.row < 0;
            const bool on_grid = p.row >= 0 && p.column >= 0 && p.column < kGridColumns;
            EXPECT_TRUE(unseated || on_grid) << "chip " << k << " pin " << j;
            const int node = m.node_of_pin(j, k);
            EXPECT_TRUE(node >= 1 && node <= nodes) << "chip " << k << " pin " << j;
        }
    }
}

// The widgets a student can reach: everything visible inside the window that
// takes the mouse, except the chip-box pictures, whose drag runs the
// platform's own drag loop.
std::vector<QWidget*> targets(main_window& w) {
    std::vector<QWidget*> out{&w};
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || child->objectName().startsWith(QStringLiteral("IC__BMP"))) continue;
        if (child->inherits("QComboBoxPrivateContainer")) continue;
        out.push_back(child);
    }
    return out;
}

}  // namespace

TEST(Monkey, RandomMouseNeverBreaksTheBench) {
    std::mt19937 random(20261209);
    QTemporaryDir dir;
    main_window w;
    w.set_prompts(std::make_unique<random_prompts>(random, dir.path()));
    w.show();
    const int kEvents = 4000;
    for (int n = 0; n < kEvents; ++n) {
        std::vector<QWidget*> all = targets(w);
        // The board gets a good share of the presses: that is where circuits grow.
        QWidget* target = random() % 5 < 2 ? w.board() : all[random() % all.size()];
        const QPoint at(static_cast<int>(random() % std::max(1, target->width())),
                        static_cast<int>(random() % std::max(1, target->height())));
        const Qt::MouseButton button = random() % 4 == 0 ? Qt::RightButton : Qt::LeftButton;
        QPointer<QWidget> guard(target);
        switch (random() % 6) {
        case 0: QTest::mousePress(target, button, Qt::NoModifier, at); break;
        case 1: QTest::mouseRelease(target, button, Qt::NoModifier, at); break;
        case 2: QTest::mouseClick(target, button, Qt::NoModifier, at); break;
        case 3: QTest::mouseDClick(target, button, Qt::NoModifier, at); break;
        default: {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::NoButton,
                             random() % 2 ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
        }
        }
        if (n % 50 == 0) QTest::qWait(2);  // let the kick and clock timers run
        // Close what popped up, as a student would, now and then.
        if (n % 400 == 399)
            for (QDialog* d : w.findChildren<QDialog*>()) d->hide();
        (void)guard;
    }
    QCoreApplication::processEvents();
    std::printf("monkey left %d chips and %d wires, power %s\n", w.model().chip_count(),
                w.model().wire_count(), w.model().power_on() ? "on" : "off");
    expect_consistent(w.model());
    // Still responding: a fresh wire can be drawn and the power switched.
    const int wires = w.model().wire_count();
    if (w.model().wire_in_hand() < 0) click(w.stick(0));
    if (w.model().wire_in_hand() > 0) click(w.stick(0)), click(w.stick(0));
    int free_column = 0;
    for (; free_column < 16; ++free_column) {
        bool used = false;
        for (int k = 1; k <= w.model().wire_count(); ++k)
            used = used || w.model().wire_at(k).has_end_at(kLedRow, free_column) ||
                   w.model().wire_at(k).has_end_at(kTerminalRow, free_column);
        if (!used) break;
    }
    if (free_column < 16) {
        click_point(w, kTerminalRow, free_column);
        click_point(w, kLedRow, free_column);
        EXPECT_EQ(w.model().wire_count(), wires + 1);
    }
    const bool power = w.model().power_on();
    click(w.power_switch());
    EXPECT_NE(w.model().power_on(), power);
    expect_consistent(w.model());
}
