#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "data_folder.h"
#include "interface_language.h"
#include "main_window.h"
#include "report_load.h"

// `labbench [FILE.cir]`: a circuit file named on the command line (as a file
// manager passes it) is opened at start. `--report-load FILE.cir` loads it,
// says what was loaded and ends (report_load.h).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::install_translations(app, QDir(bench::data_folder()).filePath(QStringLiteral("translations")),
                                QLocale::system());

    QCommandLineParser parser;
    parser.setApplicationDescription(bench::main_window::caption());
    parser.addHelpOption();
    const QCommandLineOption report(QStringLiteral("report-load"),
                                    QCoreApplication::translate("main", "加载电路文件，报告芯片和导线的数目后退出。"));
    parser.addOption(report);
    parser.addPositionalArgument(QStringLiteral("FILE.cir"),
                                 QCoreApplication::translate("main", "启动时打开的电路文件。"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    bench::main_window window;
    if (parser.isSet(report)) {
        if (files.size() != 1) {
            const QString text = QCoreApplication::translate("main", "--report-load 需要一个电路文件");
            std::fprintf(stderr, "%s\n", qPrintable(text));
            return 2;
        }
        return bench::report_load(window, QFileInfo(files.first()).absoluteFilePath());
    }
    window.show();
    if (!files.isEmpty()) window.open_at_start(QFileInfo(files.first()).absoluteFilePath());
    return app.exec();
}
