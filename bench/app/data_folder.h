// Where the program finds its data: the chip outlines (ICshape/), the pin-out
// diagrams (ICbmp/), the shipped circuits and lab sheets (circuit/) and the
// translations (translations/). Installed, the program is PREFIX/bin/labbench
// and its data is PREFIX/share/labbench/; in the build tree the data sits
// beside the program.
#pragma once

#include <QString>

namespace bench {

// The data folder of a program in `program_folder`, ending in '/'.
QString data_folder_of(const QString& program_folder);

// The data folder of the running program.
QString data_folder();

}  // namespace bench
