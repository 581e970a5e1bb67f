// The shipped examples as the tests find them: each NAME.txt in the examples
// folder is a circuit text, and NAME.lab beside it is its lab sheet.
#pragma once

#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

namespace example_files {

struct example {
    std::string name;
    QString text;   // NAME.txt, the circuit text
    QString sheet;  // NAME.lab, the lab sheet
};

// Every example of the folder, by name.
std::vector<example> shipped_examples();

// The whole file, or nothing when it cannot be read.
QByteArray bytes_of(const QString& path);

}  // namespace example_files
