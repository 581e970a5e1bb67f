#include "truth_table_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "circuit_file.h"
#include "lab_prompts.h"

namespace bench {

namespace {

constexpr char kSegmentLetters[lab::kSegmentsPerDigit][3] = {"a", "b", "c", "d", "e", "f", "g", "dp"};
constexpr int kBoxesPerLine = 8;
constexpr int kMostSettleTicks = 100;

QCheckBox* box(const QString& text, QWidget* parent) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(text);
    return b;
}

// The boxes of the eight segments of one digit, on one line of a grid.
std::array<QCheckBox*, lab::kSegmentsPerDigit> segment_line(QGridLayout* grid, int line, const QString& name,
                                                           QWidget* parent) {
    grid->addWidget(new QLabel(name, parent), line, 0);
    std::array<QCheckBox*, lab::kSegmentsPerDigit> boxes{};
    for (int s = 0; s < lab::kSegmentsPerDigit; ++s) {
        boxes[static_cast<std::size_t>(s)] = new QCheckBox(QString::fromLatin1(kSegmentLetters[s]), parent);
        grid->addWidget(boxes[static_cast<std::size_t>(s)], line, s + 1);
    }
    return boxes;
}

bool write_whole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

truth_table_dialog::truth_table_dialog(QWidget* owner, const bench_model& bench, lab_prompts& prompts,
                                       std::function<QString()> start_folder)
    : QDialog(owner), bench_(bench), prompts_(prompts), start_folder_(std::move(start_folder)) {
    setObjectName(QStringLiteral("truth_table"));
    setWindowTitle(tr("真值表"));
    setModal(false);

    auto* input_group = new QGroupBox(tr("输入：拨动开关（最多 8 个，号小的为高位）"), this);
    auto* input_grid = new QGridLayout(input_group);
    for (int k = 0; k < kSwitchCount; ++k) {
        inputs_[static_cast<std::size_t>(k)] = box(lab::input_name(k), input_group);
        input_grid->addWidget(inputs_[static_cast<std::size_t>(k)], k / kBoxesPerLine, k % kBoxesPerLine);
        connect(inputs_[static_cast<std::size_t>(k)], &QCheckBox::toggled, this, [this] { limit_inputs(); });
    }

    auto* output_group = new QGroupBox(tr("输出"), this);
    auto* outputs = new QVBoxLayout(output_group);
    auto* led_grid = new QGridLayout;
    for (int k = 0; k < kLedCount; ++k) {
        leds_[static_cast<std::size_t>(k)] = box(lab::output_name({lab::output_kind::led, k, 0}), output_group);
        led_grid->addWidget(leds_[static_cast<std::size_t>(k)], k / kBoxesPerLine, k % kBoxesPerLine);
    }
    outputs->addWidget(new QLabel(tr("指示灯"), output_group));
    outputs->addLayout(led_grid);
    auto* segment_grid = new QGridLayout;
    for (int digit = 1; digit <= 2; ++digit)
        digits_[static_cast<std::size_t>(digit - 1)] =
            segment_line(segment_grid, digit - 1, tr("数码管第 %1 位").arg(digit), output_group);
    outputs->addLayout(segment_grid);
    display_grid_ = new QGridLayout;
    outputs->addLayout(display_grid_);

    auto* point_line = new QHBoxLayout;
    point_line->addWidget(new QLabel(tr("连接点 行"), output_group));
    point_row_ = new QSpinBox(output_group);
    point_row_->setRange(0, kGridRows - 1);
    point_line->addWidget(point_row_);
    point_line->addWidget(new QLabel(tr("列"), output_group));
    point_column_ = new QSpinBox(output_group);
    point_column_->setRange(0, kGridColumns - 1);
    point_line->addWidget(point_column_);
    add_point_ = new QPushButton(tr("添加"), output_group);
    point_line->addWidget(add_point_);
    point_line->addStretch();
    outputs->addLayout(point_line);
    points_ = new QListWidget(output_group);
    points_->setObjectName(QStringLiteral("points"));
    points_->setMaximumHeight(70);
    points_->setToolTip(tr("双击删除"));
    outputs->addWidget(points_);

    auto* tick_line = new QHBoxLayout;
    tick_line->addWidget(new QLabel(tr("每行拨好开关后走时钟节拍"), this));
    ticks_ = new QSpinBox(this);
    ticks_->setRange(1, kMostSettleTicks);
    ticks_->setValue(2);
    tick_line->addWidget(ticks_);
    tick_line->addStretch();

    run_ = new QPushButton(tr("生成真值表"), this);
    export_ = new QPushButton(tr("导出 CSV…"), this);
    save_ = new QPushButton(tr("存为实验单…"), this);
    export_->setEnabled(false);
    save_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(export_);
    buttons->addWidget(save_);
    buttons->addStretch();

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    note_->setWordWrap(true);

    auto* choices = new QVBoxLayout;
    choices->addWidget(input_group);
    choices->addWidget(output_group);
    choices->addLayout(tick_line);
    choices->addLayout(buttons);
    choices->addWidget(note_);
    choices->addStretch();

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setMinimumWidth(260);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(table_, 1);
    resize(980, 600);

    connect(add_point_, &QPushButton::clicked, this, [this] { add_point(); });
    connect(points_, &QListWidget::itemDoubleClicked, this, [](QListWidgetItem* item) { delete item; });
    connect(run_, &QPushButton::clicked, this, [this] { run_table(); });
    connect(export_, &QPushButton::clicked, this, [this] { export_csv(); });
    connect(save_, &QPushButton::clicked, this, [this] { save_sheet(); });
    refresh_choices();
}

QCheckBox* truth_table_dialog::segment_box(int digit, int segment) const {
    return digits_[static_cast<std::size_t>(digit - 1)][static_cast<std::size_t>(segment)];
}

void truth_table_dialog::refresh_choices() {
    std::vector<int> chips;
    for (int k = 1; k <= bench_.chip_count(); ++k)
        if (bench_.chip_at(k).chip_class == 4) chips.push_back(k);
    bool same = chips.size() == displays_.size();
    for (std::size_t i = 0; same && i < chips.size(); ++i) same = displays_[i].chip == chips[i];
    if (same) return;
    while (QLayoutItem* item = display_grid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    displays_.clear();
    for (const int chip : chips) {
        const int line = static_cast<int>(displays_.size());
        displays_.push_back({chip, segment_line(display_grid_, line, tr("显示器 U%1").arg(chip), this)});
    }
}

void truth_table_dialog::limit_inputs() {
    int chosen = 0;
    for (const QCheckBox* b : inputs_) chosen += b->isChecked() ? 1 : 0;
    for (QCheckBox* b : inputs_) b->setEnabled(b->isChecked() || chosen < lab::kMostTableInputs);
}

void truth_table_dialog::add_point() {
    const lab::output_probe point{lab::output_kind::point, point_row_->value(), point_column_->value()};
    const QString name = lab::output_name(point);
    if (!points_->findItems(name, Qt::MatchExactly).isEmpty()) return;
    auto* item = new QListWidgetItem(name, points_);
    item->setData(Qt::UserRole, point.first);
    item->setData(Qt::UserRole + 1, point.second);
}

lab::truth_table_request truth_table_dialog::request() const {
    lab::truth_table_request r;
    for (int k = 0; k < kSwitchCount; ++k)
        if (inputs_[static_cast<std::size_t>(k)]->isChecked()) r.inputs.push_back(k);
    for (int k = 0; k < kLedCount; ++k)
        if (leds_[static_cast<std::size_t>(k)]->isChecked()) r.outputs.push_back({lab::output_kind::led, k, 0});
    for (int digit = 1; digit <= 2; ++digit)
        for (int s = 0; s < lab::kSegmentsPerDigit; ++s)
            if (segment_box(digit, s)->isChecked()) r.outputs.push_back({lab::output_kind::module_segment, digit, s});
    for (const display_choice& d : displays_)
        for (int s = 0; s < lab::kSegmentsPerDigit; ++s)
            if (d.boxes[static_cast<std::size_t>(s)]->isChecked())
                r.outputs.push_back({lab::output_kind::display_segment, d.chip, s});
    for (int i = 0; i < points_->count(); ++i)
        r.outputs.push_back({lab::output_kind::point, points_->item(i)->data(Qt::UserRole).toInt(),
                             points_->item(i)->data(Qt::UserRole + 1).toInt()});
    r.settle_ticks = ticks_->value();
    for (int k = 0; k < kSwitchCount; ++k) r.other_switches[static_cast<std::size_t>(k)] = bench_.switch_state(k);
    return r;
}

bool truth_table_dialog::run_table() {
    refresh_choices();
    const lab::truth_table_request r = request();
    if (r.inputs.empty() || r.outputs.empty()) {
        note_->setText(r.inputs.empty() ? tr("请至少选一个输入开关") : tr("请至少选一个输出"));
        return false;
    }
    made_ = lab::make_truth_table(bench_.circuit(), r);
    made_for_ = r;
    note_->setText(tr("共 %1 行：每种组合都在电路的副本上运行，实验台上的电路没有改变。").arg(made_->inputs.size()));
    show_table();
    export_->setEnabled(true);
    save_->setEnabled(true);
    return true;
}

void truth_table_dialog::show_table() {
    QStringList names;
    for (const int k : made_for_.inputs) names << lab::input_name(k);
    for (const lab::output_probe& o : made_for_.outputs) names << lab::output_name(o);
    table_->clear();
    table_->setColumnCount(static_cast<int>(names.size()));
    table_->setHorizontalHeaderLabels(names);
    table_->setRowCount(static_cast<int>(made_->inputs.size()));
    const int inputs = static_cast<int>(made_for_.inputs.size());
    for (int r = 0; r < table_->rowCount(); ++r) {
        const auto row = static_cast<std::size_t>(r);
        for (int c = 0; c < inputs; ++c) {
            auto* item = new QTableWidgetItem(QString::number(made_->inputs[row][static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            table_->setItem(r, c, item);
        }
        // Outputs on a tint of their own, so the two halves of a row read apart.
        for (std::size_t o = 0; o < made_->outputs[row].size(); ++o) {
            auto* item = new QTableWidgetItem(made_->outputs[row][o]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(QColor(232, 240, 255));
            table_->setItem(r, inputs + static_cast<int>(o), item);
        }
    }
}

QString truth_table_dialog::circuit_base_name() const {
    const QString base = QFileInfo(bench_.circuit_name()).completeBaseName();
    return base.isEmpty() ? tr("真值表") : base;
}

bool truth_table_dialog::export_csv() {
    if (!made_) return false;
    const QString folder = start_folder_ ? start_folder_() : QString();
    const std::optional<QString> name =
        prompts_.save_name(QDir(folder).filePath(circuit_base_name() + QStringLiteral(".csv")), csv_filter());
    if (!name) return false;
    if (!write_whole(*name, lab::truth_table_csv(made_for_, *made_))) {
        prompts_.warn(write_error_message(*name));
        return false;
    }
    return true;
}

bool truth_table_dialog::save_sheet() {
    if (!made_) return false;
    const QString folder = start_folder_ ? start_folder_() : QString();
    const std::optional<QString> name =
        prompts_.save_name(QDir(folder).filePath(circuit_base_name() + QStringLiteral(".lab")), sheet_filter());
    if (!name) return false;
    lab::lab_sheet sheet = made_->sheet;
    if (!bench_.circuit_name().isEmpty()) sheet.title = tr("%1 真值表").arg(circuit_base_name());
    if (!write_whole(*name, lab::sheet_text(sheet))) {
        prompts_.warn(write_error_message(*name));
        return false;
    }
    return true;
}

}  // namespace bench
