// Writes a picture as a GIF with one fixed palette: the outline colours
// exactly, then a colour cube and a grey ramp for anything else. Pixels that
// are more than half transparent become the palette's transparent entry.
#pragma once

#include <QImage>
#include <QString>

namespace picgen {

// False (and a message in error) when the file cannot be written.
bool write_gif(const QImage& image, const QString& path, QString* error);

}  // namespace picgen
