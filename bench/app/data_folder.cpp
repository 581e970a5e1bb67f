#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace bench {

namespace {

// A folder that already ends in a separator (the file system's root) is
// taken as it is.
QString with_separator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

QString data_folder_of(const QString& program_folder) {
    const QString installed = QDir(program_folder).filePath(QStringLiteral("../share/labbench"));
    if (QFileInfo(installed).isDir()) return with_separator(QDir::cleanPath(installed));
    return with_separator(program_folder);
}

QString data_folder() { return data_folder_of(QCoreApplication::applicationDirPath()); }

}  // namespace bench
