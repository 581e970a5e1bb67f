#include <iostream>

#include <QString>
#include <QStringList>

#include "cirtool_commands.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return cirtool::run(arguments, std::cout, std::cerr);
}
