#include "example_files.h"

#include <QDir>
#include <QFile>

namespace example_files {

std::vector<example> shipped_examples() {
    const QDir folder(QStringLiteral(EXAMPLES_FOLDER));
    std::vector<example> found;
    for (const QString& file : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        if (file == u"CMakeLists.txt") continue;
        const QString name = file.chopped(4);
        found.push_back({name.toStdString(), folder.filePath(file), folder.filePath(name + ".lab")});
    }
    return found;
}

QByteArray bytes_of(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace example_files
