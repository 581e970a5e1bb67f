#include "lab_tools.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "lab_panel.h"
#include "main_window.h"
#include "truth_table_dialog.h"

namespace bench {

namespace {

constexpr int kPanelGap = 8;           // pixels between the window and the panel
constexpr int kPanelWidth = 620;       // pixels: the four columns of a row side by side
constexpr int kNarrowestPanel = 360;

}  // namespace

lab_tools::lab_tools(main_window& window)
    : QObject(&window), window_(window), prompts_(std::make_unique<lab_dialogs>(&window)) {
    setObjectName(QStringLiteral("lab_tools"));
    add_menu_items();
}

lab_tools::~lab_tools() = default;

void lab_tools::set_prompts(std::unique_ptr<lab_prompts> prompts) {
    prompts_ = std::move(prompts);
    // The dialog keeps a reference: it is made again with the new prompts.
    delete truth_table_;
    truth_table_ = nullptr;
}

void lab_tools::add_menu_items() {
    const QString texts[2] = {QStringLiteral("实验单"), QStringLiteral("真值表")};
    const char* names[2] = {"m4", "m5"};
    for (int k = 0; k < 2; ++k) {
        QLabel* item = window_.menu()->add_item(texts[k], QString::fromLatin1(names[k]));
        item->installEventFilter(this);
        items_[static_cast<std::size_t>(k)] = item;
    }
}

bool lab_tools::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == items_[0]) show_panel();
        else if (watched == items_[1]) show_truth_table();
    }
    return QObject::eventFilter(watched, event);
}

void lab_tools::place_panel() {
    // Beside the board: right of the window, else left of it, narrowed to the
    // room there is; over the board's right edge only on a screen too small
    // for both.
    const QRect frame = window_.frameGeometry();
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(frame.topLeft(), QSize(4000, 4000));
    const int margin = panel_->frameGeometry().width() - panel_->width();
    const int right_room = room.right() - frame.right() - kPanelGap - margin;
    const int left_room = frame.left() - room.left() - kPanelGap - margin;
    const int wanted = kPanelWidth;
    int width = std::min(wanted, right_room);
    QPoint at(frame.right() + kPanelGap, frame.top());
    if (right_room < kNarrowestPanel && left_room >= kNarrowestPanel) {
        width = std::min(wanted, left_room);
        at.setX(frame.left() - kPanelGap - margin - width);
    } else if (right_room < kNarrowestPanel) {
        width = std::min(wanted, room.width() - margin);
        at.setX(room.right() - margin - width);
    }
    panel_->resize(width, window_.height());
    panel_->move(at);
}

void lab_tools::open_sheet(const QString& path) {
    if (panel_ == nullptr) {
        panel_ = new lab_panel(&window_);
        connect(panel_, &lab_panel::check_requested, this, [this] { check_circuit(); });
        connect(panel_, &lab_panel::open_requested, this, [this] { choose_sheet(); });
    }
    panel_->show_sheet(path, lab::read_lab_sheet(path));
    if (!panel_->isVisible()) place_panel();
    panel_->show();
    panel_->raise();
}

void lab_tools::circuit_loaded(const QString& path) {
    const QString sheet = lab::sheet_beside(path);
    if (QFileInfo::exists(sheet)) open_sheet(sheet);
}

void lab_tools::choose_sheet() {
    const QString folder = panel_ != nullptr && panel_->has_sheet() ? QFileInfo(panel_->sheet_path()).path()
                                                                    : window_.dialog_folder();
    if (const std::optional<QString> name = prompts_->open_sheet_name(folder)) open_sheet(*name);
}

void lab_tools::show_panel() {
    window_.menu()->hide();
    if (panel_ == nullptr || panel_->sheet_path().isEmpty()) {
        choose_sheet();
        return;
    }
    if (!panel_->isVisible()) place_panel();
    panel_->show();
    panel_->raise();
}

void lab_tools::check_circuit() {
    if (panel_ != nullptr) panel_->check(window_.model().circuit());
}

void lab_tools::show_truth_table() {
    window_.menu()->hide();
    if (truth_table_ == nullptr)
        truth_table_ = new truth_table_dialog(&window_, window_.model(), *prompts_,
                                              [this] { return window_.dialog_folder(); });
    truth_table_->refresh_choices();
    truth_table_->show();
    truth_table_->raise();
}

}  // namespace bench
