// `Frm_ic`: the pin-out and function diagram of a chip, modeless and reused.
#pragma once

#include <QDialog>
#include <QLabel>

namespace bench {

class pinout_window : public QDialog {
    Q_OBJECT
public:
    explicit pinout_window(QWidget* owner);

    // Shows the diagram `picture_file` under the title `title`; a missing or
    // unreadable file leaves an empty viewer of 3900 x 2000 twips.
    void show_diagram(const QString& title, const QString& picture_file);
    QLabel* title_label() const { return ic_name_; }
    QLabel* picture() const { return ic_bmp_; }
    QWidget* top_strip() const { return ptop_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fit_to_picture();

    QWidget* ptop_ = nullptr;
    QLabel* ic_name_ = nullptr;
    QLabel* ic_bmp_ = nullptr;
};

}  // namespace bench
