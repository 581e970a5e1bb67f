#include "lab_tools.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

#include "lab_panel.h"
#include "main_window.h"
#include "truth_table_dialog.h"

namespace bench {

namespace {

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
    const QString texts[2] = {tr("实验单"), tr("真值表")};
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
    // Beside the board, inside the window. The window first takes the room
    // the screen has to its right; the board fits itself to what is left.
    QSplitter* beside = window_.side_by_side();
    if (panel_->parentWidget() != beside) {
        beside->addWidget(panel_);
        beside->setStretchFactor(0, 1);
        beside->setStretchFactor(1, 0);
        // Dragging the handle to the window's edge puts the panel away.
        beside->setCollapsible(1, true);
    }
    const QScreen* screen = window_.screen() != nullptr ? window_.screen() : QGuiApplication::primaryScreen();
    const int spare = screen != nullptr ? screen->availableGeometry().right() - window_.frameGeometry().right() : 0;
    if (spare > 0 && !window_.isMaximized() && !window_.isFullScreen()) {
        window_.resize(window_.width() + std::min(spare, kPanelWidth), window_.height());
        window_.layout()->activate();
    }
    // Shown and sized here and now, so the board settles before anything else happens.
    panel_->show();
    beside->refresh();
    window_.layout()->activate();
    // The board keeps the larger part.
    const int width = std::clamp(beside->width() * 3 / 10, std::min(kNarrowestPanel, beside->width() / 2), kPanelWidth);
    beside->setSizes({beside->width() - width, width});
    QCoreApplication::sendPostedEvents(beside, QEvent::LayoutRequest);
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
