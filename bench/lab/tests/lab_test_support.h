// Circuits and sheets for the lab tests: the shipped examples, built from
// their texts in the test, with a line of the text changed where a test
// needs a wrong circuit.
#pragma once

#include <string>

#include <QString>

#include "circuit_copy.h"
#include "lab_sheet.h"

namespace lab::testing {

// The circuit text of examples/NAME.txt, with `from` replaced by `to` when given.
std::string example_text(const std::string& name, const std::string& from = {}, const std::string& to = {});

// Builds a circuit text into a circuit file; throws when the text does not build.
void write_circuit(const std::string& text, const QString& path);

// The sheet examples/NAME.lab; throws when it does not read.
lab_sheet example_sheet(const std::string& name);

// A sheet from text; throws when it does not read.
lab_sheet sheet_of(const std::string& text);

// The circuit of a text as a bench holds it after loading.
bench::circuit_copy circuit_of(const std::string& text);

}  // namespace lab::testing
