// Reads back what the build wrote beside the executables.
#include <gtest/gtest.h>

#include "board_geometry.h"
#include "catalogue.h"
#include "display_segments.h"
#include "outline_colours.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const QDir kRoot(QStringLiteral(PICTURE_ROOT));

QString text_of(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString outline_path(const lgsim::catalogue_entry& chip) {
    return kRoot.filePath(QStringLiteral("ICshape/") + text_of(chip.model) + ".gif");
}

QString pinout_path(const QString& name) { return kRoot.filePath(QStringLiteral("ICbmp/") + name + ".bmp"); }

int whole_pixels(double twips) { return static_cast<int>(std::lround(bench::kFileScale.to_pixels(twips))); }

// Bits per pixel from a BMP file's header.
int bmp_bit_count(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) return -1;
    return static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8;
}

}  // namespace

TEST(GeneratedPictures, EveryModelHasAnOutlineTheSizeOfItsFootprint) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        SCOPED_TRACE(std::string(chip.model));
        const QImage outline(outline_path(chip));
        ASSERT_FALSE(outline.isNull());
        EXPECT_EQ(outline.width(), whole_pixels(bench::kPitch * chip.pin_count / 2));
        EXPECT_EQ(outline.height(), whole_pixels(3 * bench::kPitch * chip.mount_kind));
    }
}

TEST(GeneratedPictures, OutlineLegsLieOverTheHolesOfASeatedChip) {
    // Seated, a picture's left edge is pitch / 1.4 left of pin 1's hole, so
    // pin k's hole is that far plus k hole spacings from the edge.
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        if (chip.chip_class == 4) continue;
        SCOPED_TRACE(std::string(chip.model));
        const QImage outline = QImage(outline_path(chip)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(outline.isNull());
        const int bottom = outline.height() - 1;
        const int column = 10;
        for (int k = 0; k < chip.pin_count / 2; ++k) {
            const double hole = bench::point_position(4, column + k).x - bench::point_position(4, column).x;
            const int x = whole_pixels(bench::kPitch / 1.4 + hole);
            EXPECT_EQ(qAlpha(outline.pixel(x, 0)), 255) << "upper leg " << k;
            EXPECT_EQ(qAlpha(outline.pixel(x, bottom)), 255) << "lower leg " << k;
            // Between two legs the board shows through.
            const int between = x + whole_pixels(bench::kPitch / 2);
            if (between < outline.width()) {
                EXPECT_EQ(qAlpha(outline.pixel(between, 0)), 0) << "after upper leg " << k;
                EXPECT_EQ(qAlpha(outline.pixel(between, bottom)), 0) << "after lower leg " << k;
            }
        }
    }
}

TEST(GeneratedPictures, EveryModelHasATwentyFourBitPinOutDiagram) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        SCOPED_TRACE(std::string(chip.model));
        const QString path = pinout_path(text_of(chip.model));
        const QImage diagram(path);
        ASSERT_FALSE(diagram.isNull());
        EXPECT_GT(diagram.width(), 0);
        EXPECT_EQ(bmp_bit_count(path), 24);
    }
}

TEST(GeneratedPictures, TheDisplayModuleHasItsDiagram) {
    const QString path = pinout_path(QStringLiteral("smgmk"));
    EXPECT_FALSE(QImage(path).isNull());
    EXPECT_EQ(bmp_bit_count(path), 24);
}

// The English interface shows its own pin-out diagrams: one beside every
// Chinese one, with other words in it.
TEST(GeneratedPictures, EveryPinOutDiagramHasAnEnglishOneBeside) {
    QStringList names{QStringLiteral("smgmk")};
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) names << text_of(chip.model);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = kRoot.filePath(QStringLiteral("ICbmp/en/") + name + ".bmp");
        const QImage english(path);
        ASSERT_FALSE(english.isNull());
        EXPECT_EQ(bmp_bit_count(path), 24);
        EXPECT_NE(english, QImage(pinout_path(name)));
    }
}

TEST(GeneratedPictures, DisplayFaceLetsEverySegmentThroughWhereTheBenchLightsIt) {
    for (const lgsim::catalogue_entry& chip : lgsim::kCatalogue) {
        if (chip.chip_class != 4) continue;
        const QImage face = QImage(outline_path(chip)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(face.isNull());
        for (const picgen::display_segment& s : picgen::kDisplaySegments) {
            // The bottom segment and the point lie just below the picture on
            // the bench; the face shows them on its last rows.
            const int x = std::min(whole_pixels((s.x1 + s.x2) / 2), face.width() - 1);
            const int y = std::min(whole_pixels((s.y1 + s.y2) / 2), face.height() - 1);
            EXPECT_EQ(face.pixelColor(x, y).alpha(), 0) << chip.model << " segment " << s.letter;
        }
    }
}
