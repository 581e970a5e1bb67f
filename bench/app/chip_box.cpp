#include "chip_box.h"

#include <QCoreApplication>
#include <QDrag>
#include <QEvent>
#include <QWheelEvent>
#include <QFile>
#include <QMimeData>
#include <QPainter>

#include "art_style.h"
#include "board_canvas.h"
#include "chip_descriptions.h"
#include "board_view.h"
#include "catalogue.h"
#include "chip_art.h"
#include "form_layout.h"
#include "part_art.h"
#include "twips_geometry.h"

namespace bench {

namespace {

// Entry 0's controls; later entries follow 800 twips apart.
constexpr double kNameLeft = 70, kNameTop = 120, kNameWidth = 2535, kNameHeight = 285;
constexpr double kModelLeft = kNameLeft + 150, kModelTopOffset = 465 - 120, kModelWidth = 735,
                 kModelHeight = 255;
constexpr double kPictureLeft = 1080, kPictureTopOffset = 410 - 120, kPictureWidth = 870,
                 kPictureHeight = 375;
constexpr double kEntryStep = 800;
constexpr double kPanelLeft = 166, kPanelTop = 480, kPanelWidth = 2850;
constexpr double kScrollLeft = 2880, kScrollTop = 530, kScrollWidth = 255, kScrollHeight = 5595;
// The box's top, twips from the form's top, while it is out.
constexpr double kTop = 960;
constexpr int kEntries = 31;
// The search field's strip below the list, which makes the box this much taller.
constexpr double kSearchStrip = 420;
constexpr double kBoxHeight = layout::kChipBox.height + kSearchStrip;
constexpr double kSearchTop = layout::kChipBox.height - 150 + 45, kSearchHeight = 330;
constexpr double kEdgeHeight = 150;

// Slide steps of the box: 70 twips behind the board, 100 in front of it.
constexpr double kBehindStep = 70, kFrontStep = 100;
constexpr double kOpenLeft = 80;
constexpr int kSlideTickMs = 4;

QString outline_file(const QString& folder, std::string_view model) {
    return folder + QStringLiteral("ICshape/") + QString::fromUtf8(model.data(), model.size()) +
           QStringLiteral(".gif");
}

// A frame picture along the box's edges.
class edge_strip : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(176, 180, 186));
        g.setColorAt(1, QColor(120, 126, 134));
        p.fillRect(rect(), g);
    }
};

// A label's font at its design size, or smaller, down to two thirds of it,
// where a longer text (an English description) would not fit its box; what
// still does not fit is shown whole by the tooltip.
void fit_font(QLabel* label, const view_scale& s, double design_twips) {
    QFont font = art::control_font(s, design_twips);
    for (double size = design_twips; size >= design_twips * 2 / 3; size -= 10) {
        font = art::control_font(s, size);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width()) break;
    }
    label->setFont(font);
    label->setToolTip(QFontMetrics(font).horizontalAdvance(label->text()) > label->width() ? label->text() : QString());
}

}  // namespace

chip_box::chip_box(QWidget* canvas, QWidget* board, const QString& program_folder)
    : QWidget(canvas), board_(board), program_folder_(program_folder) {
    setObjectName(QStringLiteral("icselect"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("IC__Box"));

    // Decorative edges: left, right, bottom, and the strip under the title.
    // The search strip covers the list where it runs out under the box's foot.
    search_strip_ = new QWidget(this);
    search_strip_->setAutoFillBackground(true);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("IC__search"));
    search_->setPlaceholderText(tr("查找型号或名称，如 138、计数器"));
    search_->setClearButtonEnabled(true);

    for (int k = 0; k < 4; ++k) edges_[k] = new edge_strip(this);

    title_ = new QWidget(this);
    title_->setObjectName(QStringLiteral("Picture2"));
    title_->setAutoFillBackground(true);
    QPalette tp = title_->palette();
    tp.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    title_->setPalette(tp);
    closebox_ = new picture_control(title_);
    closebox_->setObjectName(QStringLiteral("closebox"));
    closebox_->set_picture(art::close_box_picture());
    closebox_->setCursor(Qt::PointingHandCursor);
    title_label_ = new QLabel(tr("器件盒"), title_);
    title_label_->setObjectName(QStringLiteral("Label18"));
    title_label_->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0);"));
    cb_ic_ = new QComboBox(title_);
    cb_ic_->setObjectName(QStringLiteral("CB_ic"));
    cb_ic_->addItems({tr("全部"), tr("逻辑门"), tr("触发器"), tr("译码计数"), tr("其它")});
    cb_ic_->setCurrentIndex(0);

    scroll_ = new QScrollBar(Qt::Vertical, this);
    scroll_->setObjectName(QStringLiteral("IC__VScroll"));
    title_->raise();

    connect(cb_ic_, &QComboBox::activated, this, [this](int index) { fill(index); });
    connect(search_, &QLineEdit::textChanged, this, [this] { fill(category_); });
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) { scroll_to(v); });
    connect(closebox_, &picture_control::pressed, this, [this] { close_box_clicked(); });
    connect(&slide_timer_, &QTimer::timeout, this, [this] { slide_tick(); });

    hide();
    left_ = layout::kChipBox.left;
    lay_out();
    fill(0);
}

void chip_box::lay_out() {
    const view_scale& s = scale_of(this);
    const layout::box& box = layout::kChipBox;
    resize(twips_rect(s, 0, 0, box.width, kBoxHeight).size());
    search_strip_->setGeometry(twips_rect(s, 0, box.height - kEdgeHeight, box.width, kSearchStrip + kEdgeHeight));
    search_->setGeometry(twips_rect(s, kPanelLeft, kSearchTop, kScrollLeft + kScrollWidth - kPanelLeft, kSearchHeight));
    search_->setFont(art::control_font(s, 170));
    const QRect edges[4] = {twips_rect(s, 0, 375, 120, kBoxHeight - 375),
                            twips_rect(s, box.width - 90, 375, 90, kBoxHeight - 375),
                            twips_rect(s, 0, kBoxHeight - kEdgeHeight, box.width, kEdgeHeight),
                            twips_rect(s, 0, 375, box.width, 75)};
    for (int k = 0; k < 4; ++k) edges_[k]->setGeometry(edges[k]);
    title_->setGeometry(twips_rect(s, 0, 0, 3375, 375));
    closebox_->setGeometry(twips_rect(s, 0, 0, 375, 375));
    title_label_->setGeometry(twips_rect(s, 480, 0, 960, 375));
    fit_font(title_label_, s, 250);
    cb_ic_->setGeometry(twips_rect(s, 1440, 30, 1455, 315));
    cb_ic_->setFont(art::control_font(s, 170));
    scroll_->setGeometry(twips_rect(s, kScrollLeft, kScrollTop, kScrollWidth, kScrollHeight));
    panel_->setGeometry(twips_rect(s, kPanelLeft, kPanelTop, kPanelWidth, panel_height_));
    place_at(left_);
}

void chip_box::rescale() {
    lay_out();
    for (int i = 0; i < shown_; ++i) place_entry(i);
    scroll_to(scroll_->value());
}

void chip_box::place_at(double left) {
    left_ = left;
    const view_scale& s = scale_of(this);
    const auto* canvas = qobject_cast<const board_canvas*>(parentWidget());
    const QPoint origin = canvas != nullptr ? canvas->origin() : QPoint();
    move(origin + QPoint(px(s, left), px(s, kTop)));
}

void chip_box::place_entry(int i) {
    const view_scale& s = scale_of(this);
    const double y = entry_tops_[i];
    names_[i]->setGeometry(twips_rect(s, kNameLeft, y, kNameWidth, kNameHeight));
    fit_font(names_[i], s, 180);
    models_[i]->setGeometry(twips_rect(s, kModelLeft, y + kModelTopOffset, kModelWidth, kModelHeight));
    models_[i]->setFont(art::control_font(s, 170, true));
    const QSizeF size = entry_picture_sizes_[i];
    pictures_[i]->setGeometry(twips_rect(s, kPictureLeft, y + kPictureTopOffset, size.width(), size.height()));
}

void chip_box::fill(int category) {
    category_ = category;
    const QString wanted = search_->text().trimmed();
    scroll_->blockSignals(true);
    scroll_->setValue(0);
    scroll_->blockSignals(false);
    double y = kNameTop;
    int i = 0;
    entry_rows_.assign(kEntries, 0);
    entry_tops_.assign(kEntries, 0);
    entry_picture_sizes_.assign(kEntries, QSizeF());
    for (int k = 0; k < static_cast<int>(lgsim::kCatalogue.size()); ++k) {
        const lgsim::catalogue_entry& row = lgsim::kCatalogue[k];
        if (category != 0 && row.category != category) continue;
        const QString model = QString::fromUtf8(row.model.data(), row.model.size());
        // The search finds a chip by its model, by the description shown or
        // by the catalogue's own (Chinese) description.
        const QString description = shown_description(row.description);
        const QString own_description = QString::fromUtf8(row.description.data(), row.description.size());
        if (!model.contains(wanted, Qt::CaseInsensitive) && !description.contains(wanted, Qt::CaseInsensitive) &&
            !own_description.contains(wanted, Qt::CaseInsensitive))
            continue;
        entry_rows_[i] = k;
        if (!entries_created_ && static_cast<int>(names_.size()) <= i) {
            QLabel* name = new QLabel(panel_);
            name->setObjectName(QStringLiteral("IC__cNAME(%1)").arg(i));
            name->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
            name->setCursor(Qt::PointingHandCursor);
            QLabel* model = new QLabel(panel_);
            model->setObjectName(QStringLiteral("IC__type(%1)").arg(i));
            model->setStyleSheet(QStringLiteral("color: rgb(0, 64, 64);"));
            model->setCursor(Qt::PointingHandCursor);
            picture_control* picture = new picture_control(panel_, i);
            picture->setObjectName(QStringLiteral("IC__BMP(%1)").arg(i));
            picture->setCursor(Qt::OpenHandCursor);
            const int entry = i;
            name->installEventFilter(this);
            model->installEventFilter(this);
            connect(picture, &picture_control::moved, this,
                    [this, entry](int, Qt::MouseButtons buttons) {
                        if (buttons & Qt::LeftButton) start_drag(entry);
                    });
            names_.push_back(name);
            models_.push_back(model);
            pictures_.push_back(picture);
        }
        QLabel* name = names_[i];
        name->setText(QString::number(i + 1) + QStringLiteral(". ") + description);
        models_[i]->setText(model);
        // The outline file gives the entry's picture its size; the picture
        // itself is drawn at the view's scale. No file, no picture.
        const QString file = outline_file(program_folder_, row.model);
        QPixmap outline;
        if (QFile::exists(file)) outline.load(file);
        if (outline.isNull()) {
            entry_picture_sizes_[i] = QSizeF(kPictureWidth, kPictureHeight);
            pictures_[i]->clear_picture();
        } else {
            entry_picture_sizes_[i] = QSizeF(kFileScale.to_twips(outline.width()), kFileScale.to_twips(outline.height()));
            art::drawing picture = art::chip_outline(model, entry_picture_sizes_[i].width(),
                                                     entry_picture_sizes_[i].height());
            if (picture.empty()) pictures_[i]->set_picture(outline);
            else pictures_[i]->set_picture(picture);
        }
        entry_tops_[i] = y;
        place_entry(i);
        name->show();
        models_[i]->show();
        pictures_[i]->show();
        y += kEntryStep;
        ++i;
    }
    shown_ = i;
    for (int k = i; k < static_cast<int>(names_.size()); ++k) {
        names_[k]->hide();
        models_[k]->hide();
        pictures_[k]->hide();
    }
    panel_height_ = y + 500;
    panel_->setGeometry(twips_rect(scale_of(this), kPanelLeft, kPanelTop, kPanelWidth, panel_height_));
    scroll_->blockSignals(true);
    scroll_->setRange(0, shown_);
    scroll_->setValue(0);
    scroll_->blockSignals(false);
    entries_created_ = true;
}

bool chip_box::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int k = 0; k < shown_; ++k)
            if (watched == names_[k] || watched == models_[k]) emit name_clicked(entry_rows_[k]);
    }
    return QWidget::eventFilter(watched, event);
}

void chip_box::wheelEvent(QWheelEvent* event) {
    // Over the names and pictures the wheel turns the list's scroll bar; a
    // list that fits the box has nothing to scroll.
    if (panel_height_ <= kScrollHeight) return;
    QCoreApplication::sendEvent(scroll_, event);
}

void chip_box::scroll_to(int value) {
    if (shown_ == 0) return;
    const double top = (kScrollHeight - panel_height_) * value / shown_ + kScrollTop - 50;
    panel_->move(px(scale_of(this), kPanelLeft), px(scale_of(this), top));
}

void chip_box::start_drag(int entry) {
    picture_control* picture = pictures_[entry];
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kChipRowMime), QByteArray::number(entry_rows_[entry]));
    QDrag* drag = new QDrag(picture);
    drag->setMimeData(data);
    if (!picture->picture().isNull()) {
        drag->setPixmap(picture->picture());
        drag->setHotSpot(QPoint(0, 0));
    }
    drag->exec(Qt::CopyAction);
}

void chip_box::open() {
    if (sliding()) finish_slide();
    // Slide positions are twips from the form's left; the board's left edge is where the box hides.
    const double board_left = layout::kBoard.left;
    const double width = layout::kChipBox.width;
    place_at(board_left);
    stackUnder(board_);
    show();
    std::vector<slide_step> steps;
    for (double x = board_left; x >= board_left - width; x -= kBehindStep) steps.push_back({x});
    bool first = true;
    for (double x = board_left - width; x <= kOpenLeft; x += kFrontStep) {
        steps.push_back({x, first});
        first = false;
    }
    steps.push_back({kOpenLeft});
    start_slide(std::move(steps));
}

void chip_box::close_box_clicked() {
    if (sliding()) finish_slide();
    const double board_left = layout::kBoard.left;
    const double width = layout::kChipBox.width;
    std::vector<slide_step> steps;
    bool first = true;
    for (double x = 200; x >= board_left - width; x -= kFrontStep) {
        steps.push_back({x, first});
        first = false;
    }
    first = true;
    for (double x = board_left - width; x <= board_left; x += kBehindStep) {
        slide_step s{x};
        s.lower = first;
        steps.push_back(s);
        first = false;
    }
    steps.back().hide = true;
    start_slide(std::move(steps));
}

void chip_box::start_slide(std::vector<slide_step> steps) {
    steps_ = std::move(steps);
    next_step_ = 0;
    slide_timer_.start(kSlideTickMs);
}

void chip_box::slide_tick() {
    if (next_step_ >= steps_.size()) {
        slide_timer_.stop();
        return;
    }
    const slide_step& s = steps_[next_step_++];
    if (s.raise) raise();
    if (s.lower) stackUnder(board_);
    place_at(s.left);
    if (s.hide) hide();
    if (next_step_ >= steps_.size()) slide_timer_.stop();
}

void chip_box::finish_slide() {
    while (slide_timer_.isActive()) slide_tick();
}

}  // namespace bench
