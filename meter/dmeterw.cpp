// Creation, the stored properties, their access rules and the property bag.
#include "dmeterw.h"

#include <QApplication>
#include <QPalette>

#include "colour_value.h"
#include "meter_geometry.h"
#include "range_table.h"

namespace dmeterx {

namespace {

// Fast enough not to keep the host waiting (a full sweep is about 310 steps),
// slow enough for the eye to follow the needle.
constexpr std::chrono::microseconds kDefaultStepDelay{500};

const QString kDefaultInRes = QStringLiteral("100000000000");

std::uint32_t button_face_colour() { return colour_value(QPalette().color(QPalette::Button)); }

template <typename T>
T read_as(const property_bag& bag, const QString& key, const T& fallback) {
    const QVariant stored = bag.read(key, QVariant::fromValue(fallback));
    return stored.canConvert<T>() ? stored.value<T>() : fallback;
}

}  // namespace

dmeterw::dmeterw(QWidget* parent)
    : QWidget(parent),
      kind_(range_at(kFirstRange).kind),
      range_position_(kFirstRange),
      full_scale_(range_at(kFirstRange).full_scale),
      in_res_(kDefaultInRes),
      plug_(geometry::kJacks[geometry::kHomeJack]),
      current_jack_(geometry::kHomeJack),
      needle_tip_(geometry::kNeedleRestTip),
      step_delay_(kDefaultStepDelay),
      back_colour_(button_face_colour()),
      font_(host_font()),
      lead_pen_(Qt::black, 1) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(rounded_pixels(geometry::kWidth), rounded_pixels(geometry::kHeight));
    res_values_ini();
    res_pos_alfa_ini();
    alfa_cal();
    rebuild_surface();
}

dmeterw::~dmeterw() = default;

QSize dmeterw::sizeHint() const {
    return {rounded_pixels(geometry::kWidth), rounded_pixels(geometry::kHeight)};
}

QFont dmeterw::host_font() const {
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void dmeterw::set_BackColor(std::uint32_t colour) {
    back_colour_ = colour;
    rebuild_surface();
    update();
    emit property_changed(QStringLiteral("BackColor"));
}

void dmeterw::set_ForeColor(std::uint32_t colour) {
    fore_colour_ = colour;
    emit property_changed(QStringLiteral("ForeColor"));
}

void dmeterw::set_Enabled(bool on) {
    enabled_flag_ = on;
    emit property_changed(QStringLiteral("Enabled"));
}

void dmeterw::set_Font(const QFont& font) {
    font_ = font;
    emit property_changed(QStringLiteral("Font"));
}

void dmeterw::set_BackStyle(std::int16_t style) {
    back_style_ = style;
    emit property_changed(QStringLiteral("BackStyle"));
}

void dmeterw::set_BorderStyle(std::int16_t style) {
    border_style_ = style;
    emit property_changed(QStringLiteral("BorderStyle"));
}

void dmeterw::set_Picture(const QImage& picture) {
    picture_ = picture;
    rebuild_surface();
    update();
    emit property_changed(QStringLiteral("Picture"));
}

double dmeterw::value_prop() const {
    if (!design_mode_) throw property_error(kGetNotSupportedAtRunTime, "value_prop");
    return value_;
}

void dmeterw::set_value_prop(double value) {
    if (design_mode_) throw property_error(kSetNotPermitted, "value_prop");
    value_ = value;
    if (kind_ == kDirectCurrent || kind_ == kDirectVoltage) {
        pointer_move();
    } else if (kind_ == kResistance) {
        RESpointer_move();
    }
    emit property_changed(QStringLiteral("value_prop"));
}

void dmeterw::set_value_type(float) {
    throw property_error(design_mode_ ? kSetNotPermitted : kSetNotSupportedAtRunTime, "value_type");
}

void dmeterw::set_in_res(const QString& resistance) {
    if (!design_mode_) throw property_error(kSetNotSupportedAtRunTime, "in_res");
    in_res_ = resistance;
    emit property_changed(QStringLiteral("in_res"));
}

void dmeterw::scale_type_cal() {
    const range_row& row = range_at(range_position_);
    kind_ = row.kind;
    full_scale_ = row.full_scale;
    in_res_ = QString::fromLatin1(row.in_res);
}

void dmeterw::save_properties(property_bag& bag) const {
    bag.write(QStringLiteral("BackColor"), back_colour_, button_face_colour());
    bag.write(QStringLiteral("ForeColor"), fore_colour_, 0u);
    bag.write(QStringLiteral("Enabled"), enabled_flag_, false);
    bag.write(QStringLiteral("Font"), font_, host_font());
    bag.write(QStringLiteral("BackStyle"), QVariant::fromValue(back_style_), QVariant::fromValue(std::int16_t{0}));
    bag.write(QStringLiteral("BorderStyle"), QVariant::fromValue(border_style_),
              QVariant::fromValue(std::int16_t{0}));
    bag.write(QStringLiteral("Picture"), QVariant::fromValue(picture_), QVariant::fromValue(QImage()));
    bag.write(QStringLiteral("value_prop"), value_, 0.0);
    bag.write(QStringLiteral("value_type"), kind_, kDirectVoltage);
    bag.write(QStringLiteral("in_res"), in_res_, kDefaultInRes);
}

void dmeterw::load_properties(const property_bag& bag) {
    back_colour_ = read_as<std::uint32_t>(bag, QStringLiteral("BackColor"), button_face_colour());
    fore_colour_ = read_as<std::uint32_t>(bag, QStringLiteral("ForeColor"), 0u);
    enabled_flag_ = read_as<bool>(bag, QStringLiteral("Enabled"), false);
    font_ = read_as<QFont>(bag, QStringLiteral("Font"), host_font());
    back_style_ = read_as<std::int16_t>(bag, QStringLiteral("BackStyle"), 0);
    border_style_ = read_as<std::int16_t>(bag, QStringLiteral("BorderStyle"), 0);
    picture_ = read_as<QImage>(bag, QStringLiteral("Picture"), QImage());
    // The value is kept for the host to read back at design time; the needle
    // waits for the next write.
    value_ = read_as<double>(bag, QStringLiteral("value_prop"), 0.0);
    // "value_type" is not taken back: a new control's switch stands at range
    // 1, and the kind must be the one the knob shows.
    in_res_ = read_as<QString>(bag, QStringLiteral("in_res"), kDefaultInRes);
    rebuild_surface();
    update();
}

}  // namespace dmeterx
