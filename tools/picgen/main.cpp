// picgen <folder>: draws every chip's outline into <folder>/ICshape and every
// chip's pin-out diagram, plus the display module's, into <folder>/ICbmp,
// the two folders the bench loads its chip pictures from.
// picgen --english FILE.qm <folder>: the pin-out diagrams again, with their
// texts from that translation, into <folder>/ICbmp/en for the English interface.
#include "catalogue.h"
#include "chip_pinout.h"
#include "gif_writer.h"
#include "module_diagram.h"
#include "outline_picture.h"
#include "pinout_diagram.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <QTranslator>

namespace {

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool fail(const QString& message) {
    QTextStream(stderr) << "picgen: " << message << '\n';
    return false;
}

bool write_bmp(const QImage& image, const QString& path) {
    return image.save(path, "BMP") || fail(path + ": cannot write");
}

// The pin-out diagrams of every chip and of the module into `pinouts`.
bool draw_pinouts(const QDir& pinouts) {
    bool ok = true;
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        const picgen::chip_pinout* pinout = picgen::find_pinout(chip.model);
        if (!pinout) {
            ok = fail(text_of(chip.model) + ": no pin table");
            continue;
        }
        ok = write_bmp(picgen::draw_pinout_diagram(chip, *pinout), pinouts.filePath(text_of(chip.model) + ".bmp")) && ok;
    }
    const QString module_name = QString::fromLatin1(picgen::kModuleDiagramName);
    return write_bmp(picgen::draw_module_diagram(), pinouts.filePath(module_name + ".bmp")) && ok;
}

bool draw_english(const QDir& root, const QString& translation) {
    auto* english = new QTranslator(QCoreApplication::instance());
    if (!english->load(translation) || !QCoreApplication::installTranslator(english))
        return fail(translation + ": cannot load the translation");
    if (!root.mkpath(QStringLiteral("ICbmp/en")))
        return fail(root.path() + ": cannot create the picture folders");
    return draw_pinouts(QDir(root.filePath(QStringLiteral("ICbmp/en"))));
}

bool draw_all(const QDir& root) {
    if (!root.mkpath(QStringLiteral("ICshape")) || !root.mkpath(QStringLiteral("ICbmp")))
        return fail(root.path() + ": cannot create the picture folders");
    const QDir outlines(root.filePath(QStringLiteral("ICshape")));
    const QDir pinouts(root.filePath(QStringLiteral("ICbmp")));

    bool ok = true;
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        QString error;
        if (!picgen::write_gif(picgen::draw_outline(chip), outlines.filePath(text_of(chip.model) + ".gif"), &error))
            ok = fail(error);
    }
    return draw_pinouts(pinouts) && ok;
}

}  // namespace

int main(int argc, char** argv) {
    // The generator never opens a window; without a display it still needs a
    // platform for its fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--english"))
        return draw_english(QDir(arguments[3]), arguments[2]) ? 0 : 1;
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: picgen [--english FILE.qm] <folder of the programs>\n";
        return 2;
    }
    return draw_all(QDir(arguments[1])) ? 0 : 1;
}
