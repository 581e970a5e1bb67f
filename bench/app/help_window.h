// `Frm_help`: the operating instructions, modeless and reused.
#pragma once

#include <QDialog>
#include <QPixmap>

namespace bench {

class help_window : public QDialog {
    Q_OBJECT
public:
    help_window(QWidget* owner, const QPixmap& menu_picture);
};

}  // namespace bench
