#include "lab_panel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <chrono>

#include "lab_messages.h"

namespace bench {

namespace {

// A check in the window stops after this long: a sheet that ticks for ever
// must not leave the button waiting.
constexpr std::chrono::seconds kWindowTimeLimit{60};
constexpr int kPreferredWidth = 620;

// The outcome comes first, where a narrow panel still shows it.
enum column { kOutcome, kItem, kExpected, kGot, kColumns };

const QColor kPassColour(20, 120, 40);
const QColor kFailColour(190, 30, 30);
const QColor kFirstFailureBackground(255, 222, 222);

QString row_label(int line, const QString& comment) {
    return comment.isEmpty() ? QCoreApplication::translate("lab panel", "第 %1 行").arg(line) : comment;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

lab_panel::lab_panel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("lab_panel"));
    setWindowTitle(tr("实验单"));

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("lab_title"));
    QFont title_font = title_->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.3);
    title_font.setBold(true);
    title_->setFont(title_font);
    title_->setWordWrap(true);

    instructions_ = new QLabel(this);
    instructions_->setObjectName(QStringLiteral("lab_instructions"));
    instructions_->setWordWrap(true);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    instructions_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    instructions_area_ = new QScrollArea(this);
    instructions_area_->setWidget(instructions_);
    instructions_area_->setWidgetResizable(true);
    instructions_area_->setFrameShape(QFrame::NoFrame);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("lab_message"));
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b01e1e;"));
    message_->hide();

    check_button_ = new QPushButton(tr("检查电路"), this);
    check_button_->setObjectName(QStringLiteral("check_button"));
    check_button_->setEnabled(false);
    open_button_ = new QPushButton(tr("打开实验单…"), this);
    open_button_->setObjectName(QStringLiteral("open_sheet_button"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check_button_);
    buttons->addStretch();
    buttons->addWidget(open_button_);

    rows_ = new QTableWidget(0, kColumns, this);
    rows_->setObjectName(QStringLiteral("lab_rows"));
    rows_->setHorizontalHeaderLabels(
        {tr("结果"), tr("检查项"), tr("应为"), tr("实际")});
    rows_->verticalHeader()->hide();
    rows_->verticalHeader()->setDefaultSectionSize(rows_->fontMetrics().height() + 6);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setWordWrap(false);
    rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    rows_->horizontalHeader()->setStretchLastSection(true);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lab_summary"));
    QFont summary_font = summary_->font();
    summary_font.setBold(true);
    summary_->setFont(summary_font);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(instructions_area_);
    layout->addWidget(message_);
    layout->addLayout(buttons);
    layout->addWidget(rows_, 1);
    layout->addWidget(summary_);
    resize(kPreferredWidth, 560);

    connect(check_button_, &QPushButton::clicked, this, &lab_panel::check_requested);
    connect(open_button_, &QPushButton::clicked, this, &lab_panel::open_requested);
}

lab_panel::~lab_panel() { stop_check(); }

void lab_panel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit_instructions();
}

// The instructions take the height they need, up to a third of the panel;
// longer ones scroll, so the rows always keep their room.
void lab_panel::fit_instructions() {
    // From the panel's own width: the area itself is laid out only once shown.
    const QMargins margins = layout()->contentsMargins();
    const int width = this->width() - margins.left() - margins.right();
    const int needed = instructions_->text().isEmpty() ? 0 : instructions_->heightForWidth(width) + 4;
    instructions_area_->setFixedHeight(std::min(needed, height() / 3));
}

void lab_panel::stop_check() {
    if (watcher_ == nullptr) return;
    // Its result is for a sheet or a circuit that is no longer shown.
    watcher_->disconnect(this);
    cancel_->store(true);
    watcher_->waitForFinished();
    watcher_->deleteLater();
    watcher_ = nullptr;
}

void lab_panel::show_sheet(const QString& path, const lab::sheet_result& read) {
    stop_check();
    path_ = path;
    sheet_ = read.sheet;
    result_.reset();
    const QString name = QFileInfo(path).fileName();
    message_->setVisible(!sheet_);
    check_button_->setEnabled(sheet_.has_value());
    if (!sheet_) {
        title_->setText(name);
        instructions_->clear();
        fit_instructions();
        message_->setText(sheet_error_text(read.error, name));
        rows_->setRowCount(0);
        summary_->clear();
        return;
    }
    title_->setText(sheet_->title.isEmpty() ? name : sheet_->title);
    instructions_->setText(sheet_->instructions);
    fit_instructions();
    list_rows();
    summary_->setText(tr("共 %1 项").arg(sheet_->rows.size()));
}

void lab_panel::list_rows() {
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    rows_->clearSelection();
    rows_->setRowCount(static_cast<int>(sheet_->rows.size()));
    for (int r = 0; r < rows_->rowCount(); ++r) {
        const lab::check_row& row = sheet_->rows[static_cast<std::size_t>(r)];
        rows_->setItem(r, kItem, cell(row_label(row.line, row.comment)));
        QTableWidgetItem* expected = cell(QString::fromStdString(row.expected));
        expected->setFont(fixed);
        rows_->setItem(r, kExpected, expected);
        rows_->setItem(r, kGot, cell({}));
        rows_->setItem(r, kOutcome, cell({}));
    }
}

void lab_panel::check(const circuit_copy& circuit) {
    if (!sheet_ || checking()) return;
    check_button_->setEnabled(false);
    message_->hide();
    list_rows();
    summary_->setText(tr("正在检查…"));
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const auto deadline = std::chrono::steady_clock::now() + kWindowTimeLimit;
    watcher_ = new QFutureWatcher<lab::check_result>(this);
    connect(watcher_, &QFutureWatcher<lab::check_result>::finished, this, [this] {
        const lab::check_result result = watcher_->result();
        watcher_->deleteLater();
        watcher_ = nullptr;
        check_button_->setEnabled(sheet_.has_value());
        show_result(result);
        emit check_finished();
    });
    watcher_->setFuture(QtConcurrent::run([sheet = *sheet_, circuit, cancel = cancel_, deadline] {
        return lab::check_copy(sheet, circuit, [&] {
            return !cancel->load() && std::chrono::steady_clock::now() < deadline;
        });
    }));
}

void lab_panel::show_result(const lab::check_result& result) {
    result_ = result;
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int first_failure = result.first_failure();
    for (int r = 0; r < static_cast<int>(result.rows.size()) && r < rows_->rowCount(); ++r) {
        const lab::row_result& row = result.rows[static_cast<std::size_t>(r)];
        QTableWidgetItem* got = cell(QString::fromStdString(row.got));
        got->setFont(fixed);
        rows_->setItem(r, kGot, got);
        QTableWidgetItem* outcome = cell(row.pass ? tr("通过") : tr("未通过"));
        outcome->setForeground(row.pass ? kPassColour : kFailColour);
        rows_->setItem(r, kOutcome, outcome);
        if (r == first_failure) {
            for (int c = 0; c < kColumns; ++c) {
                QTableWidgetItem* item = rows_->item(r, c);
                item->setBackground(kFirstFailureBackground);
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
        }
    }
    rows_->clearSelection();
    if (first_failure >= 0) {
        // Made current without selecting it, so that its own colours show.
        rows_->setCurrentCell(first_failure, kOutcome, QItemSelectionModel::NoUpdate);
        rows_->scrollToItem(rows_->item(first_failure, kItem));
    }
    const int total = static_cast<int>(sheet_ ? sheet_->rows.size() : result.rows.size());
    summary_->setText(tr("通过 %1 / %2 项").arg(result.passed()).arg(total));
    switch (result.status) {
    case lab::check_status::checked:
        return;
    case lab::check_status::stopped:
        message_->setText(tr("检查超过 %1 秒，已停止").arg(kWindowTimeLimit.count()));
        break;
    case lab::check_status::unreadable:
    case lab::check_status::failed:
        message_->setText(tr("电路无法运行：%1").arg(result.error));
        break;
    }
    message_->show();
}

}  // namespace bench
