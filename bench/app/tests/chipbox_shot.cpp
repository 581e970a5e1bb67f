#include <QApplication>
#include <QTest>
#include "main_window.h"
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::main_window w;
    w.show();
    QTest::mouseClick(w.chip_box_button(), Qt::LeftButton);
    w.chips_box()->finish_slide();
    QTest::qWait(100);
    w.grab().save(argv[1]);
    w.chips_box()->scroll_bar()->setValue(10);
    QTest::qWait(50);
    w.grab().save(QString::fromLocal8Bit(argv[1]) + ".2.png");
}
