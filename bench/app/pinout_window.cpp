#include "pinout_window.h"

#include <QFile>
#include <QPixmap>

#include "art_style.h"
#include "twips_geometry.h"

namespace bench {

namespace {
constexpr double kTopHeight = 380;
constexpr double kPictureTop = 480;
constexpr double kEmptyWidth = 3900, kEmptyHeight = 2000;
}  // namespace

pinout_window::pinout_window(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("Frm_ic"));
    setWindowTitle(tr("芯片引脚和功能"));
    setModal(false);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    resize(px(kFileScale, 7965), px(kFileScale, 4275));

    ptop_ = new QWidget(this);
    ptop_->setObjectName(QStringLiteral("Ptop"));
    ptop_->setAutoFillBackground(true);
    QPalette tp = ptop_->palette();
    tp.setColor(QPalette::Window, QColor(0xC0, 0xFF, 0xFF));
    ptop_->setPalette(tp);
    ptop_->setGeometry(0, 0, width(), px(kFileScale, kTopHeight));

    ic_name_ = new QLabel(ptop_);
    ic_name_->setObjectName(QStringLiteral("IC_name"));
    ic_name_->setGeometry(twips_rect(kFileScale, 200, 28, 4455, 285));
    ic_name_->setFont(art::label_font(px(kFileScale, 250)));
    ic_name_->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0); background: transparent;"));

    ic_bmp_ = new QLabel(this);
    ic_bmp_->setObjectName(QStringLiteral("IC_bmp"));
    ic_bmp_->move(0, px(kFileScale, kPictureTop));
}

void pinout_window::show_diagram(const QString& title, const QString& picture_file) {
    show();
    raise();
    activateWindow();
    ic_name_->setText(title);
    ic_name_->adjustSize();
    QPixmap picture;
    if (QFile::exists(picture_file)) picture.load(picture_file);
    if (!picture.isNull()) {
        ic_bmp_->setPixmap(picture);
        ic_bmp_->resize(picture.size());
        ic_bmp_->update();
        fit_to_picture();
    } else {
        ic_bmp_->clear();
        ic_bmp_->resize(0, 0);
        resize(px(kFileScale, kEmptyWidth), px(kFileScale, kEmptyHeight));
        ptop_->setFixedWidth(width());
    }
}

void pinout_window::fit_to_picture() {
    // The window hugs its picture: 60 twips wider, the top strip and 600 twips taller.
    resize(ic_bmp_->width() + px(kFileScale, 60), px(kFileScale, kTopHeight) + ic_bmp_->height() + px(kFileScale, 600));
    ptop_->setFixedWidth(width());
}

void pinout_window::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // An empty viewer keeps its own size rather than shrinking to nothing.
    if (ic_bmp_->pixmap().isNull()) return;
    fit_to_picture();
}

}  // namespace bench
