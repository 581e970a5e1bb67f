#include "gif_writer.h"

#include "outline_colours.h"

#include <gif_lib.h>

#include <QHash>

#include <array>
#include <limits>
#include <vector>

namespace picgen {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kTransparentIndex = 0;

using palette = std::array<GifColorType, kPaletteSize>;

GifColorType gif_colour(int r, int g, int b) {
    return {static_cast<GifByteType>(r), static_cast<GifByteType>(g), static_cast<GifByteType>(b)};
}

palette fixed_palette() {
    palette p{};
    int next = kTransparentIndex + 1;
    for (const QColor& c : kOutlineColours) p[next++] = gif_colour(c.red(), c.green(), c.blue());
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p[next++] = gif_colour(r * 51, g * 51, b * 51);
    const int greys = kPaletteSize - next;
    for (int i = 0; next < kPaletteSize; ++i, ++next) {
        const int level = (i + 1) * 255 / (greys + 1);
        p[next] = gif_colour(level, level, level);
    }
    return p;
}

int nearest_index(const palette& p, QRgb pixel) {
    int best = kTransparentIndex + 1;
    int best_distance = std::numeric_limits<int>::max();
    for (int i = kTransparentIndex + 1; i < kPaletteSize; ++i) {
        const int dr = qRed(pixel) - p[i].Red;
        const int dg = qGreen(pixel) - p[i].Green;
        const int db = qBlue(pixel) - p[i].Blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best_distance) {
            best_distance = distance;
            best = i;
        }
    }
    return best;
}

std::vector<GifByteType> quantised_pixels(const QImage& source, const palette& p) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<GifByteType> indices(static_cast<std::size_t>(image.width()) * image.height());
    QHash<QRgb, int> known;
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            int index = kTransparentIndex;
            if (qAlpha(pixel) >= 128) {
                const QRgb opaque = pixel | 0xff000000u;
                auto found = known.constFind(opaque);
                if (found == known.constEnd()) found = known.insert(opaque, nearest_index(p, opaque));
                index = *found;
            }
            indices[at++] = static_cast<GifByteType>(index);
        }
    }
    return indices;
}

QString gif_message(int code) {
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

}  // namespace

bool write_gif(const QImage& image, const QString& path, QString* error) {
    palette colours = fixed_palette();
    const std::vector<GifByteType> pixels = quantised_pixels(image, colours);

    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
    if (!gif) {
        if (error) *error = path + ": " + gif_message(code);
        return false;
    }
    // Transparency needs the 89a form of the format.
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
    const GifByteType control[4] = {0x01, 0, 0, kTransparentIndex};  // transparent index in use
    bool ok = map && EGifPutScreenDesc(gif, image.width(), image.height(), 8, kTransparentIndex, map) == GIF_OK &&
              EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.height(); ++y) {
        auto* line = const_cast<GifByteType*>(pixels.data() + static_cast<std::size_t>(y) * image.width());
        ok = EGifPutLine(gif, line, image.width()) == GIF_OK;
    }
    if (!ok && error) *error = path + ": " + gif_message(gif->Error);
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &code) != GIF_OK) {
        if (ok && error) *error = path + ": " + gif_message(code);
        ok = false;
    }
    return ok;
}

}  // namespace picgen
