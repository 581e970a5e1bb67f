#include <QApplication>
#include <QFileInfo>

#include "main_window.h"
#include "qt_translations.h"

// `labbench [FILE.cir]`: a circuit file named on the command line (as a file
// manager passes it) is opened at start.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::install_qt_translations(app);
    bench::main_window window;
    window.show();
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1) window.open_at_start(QFileInfo(arguments.at(1)).absoluteFilePath());
    return app.exec();
}
