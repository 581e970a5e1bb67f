// labbench_icon FOLDER: the program's icon (the chip box of the board, as the
// window shows it) as square PNG files labbench_SIZE.png, for the desktop
// entry of the installed program.
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "part_art.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: labbench_icon FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "labbench_icon: cannot make %s\n", argv[1]);
        return 1;
    }
    const bench::art::drawing icon = bench::art::chip_box_icon();
    for (const int size : {32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        // The picture keeps its proportions, centred in the square.
        const double scale = std::min(size / icon.width, size / icon.height);
        const QSizeF drawn(icon.width * scale, icon.height * scale);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.paint_into(painter, QRectF(QPointF((size - drawn.width()) / 2, (size - drawn.height()) / 2), drawn));
        painter.end();
        const QString file = folder.filePath(QStringLiteral("labbench_%1.png").arg(size));
        if (!image.save(file)) {
            std::fprintf(stderr, "labbench_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
