// picgen <folder>: draws every chip's outline into <folder>/ICshape and every
// chip's pin-out diagram, plus the display module's, into <folder>/ICbmp,
// the two folders the bench loads its chip pictures from.
#include "catalogue.h"
#include "chip_pinout.h"
#include "gif_writer.h"
#include "module_diagram.h"
#include "outline_picture.h"
#include "pinout_diagram.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool fail(const QString& message) {
    QTextStream(stderr) << "picgen: " << message << '\n';
    return false;
}

bool write_bmp(const QImage& image, const QString& path) {
    return image.save(path, "BMP") || fail(path + ": cannot write");
}

bool draw_all(const QDir& root) {
    if (!root.mkpath(QStringLiteral("ICshape")) || !root.mkpath(QStringLiteral("ICbmp")))
        return fail(root.path() + ": cannot create the picture folders");
    const QDir outlines(root.filePath(QStringLiteral("ICshape")));
    const QDir pinouts(root.filePath(QStringLiteral("ICbmp")));

    bool ok = true;
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        const QString model = text_of(chip.model);
        QString error;
        if (!picgen::write_gif(picgen::draw_outline(chip), outlines.filePath(model + ".gif"), &error))
            ok = fail(error);
        const picgen::chip_pinout* pinout = picgen::find_pinout(chip.model);
        if (!pinout) {
            ok = fail(model + ": no pin table");
            continue;
        }
        ok = write_bmp(picgen::draw_pinout_diagram(chip, *pinout), pinouts.filePath(model + ".bmp")) && ok;
    }
    const QString module_name = QString::fromLatin1(picgen::kModuleDiagramName);
    return write_bmp(picgen::draw_module_diagram(), pinouts.filePath(module_name + ".bmp")) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    // The generator never opens a window; without a display it still needs a
    // platform for its fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: picgen <folder of the programs>\n";
        return 2;
    }
    return draw_all(QDir(QString::fromLocal8Bit(argv[1]))) ? 0 : 1;
}
