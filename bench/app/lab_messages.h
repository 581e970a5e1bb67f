// What the lab panel says about a sheet it cannot read, in the bench's
// language, naming the sheet and the line.
#pragma once

#include <QString>

#include "lab_sheet.h"

namespace bench {

QString sheet_error_text(const lab::sheet_error& error, const QString& sheet_name);

}  // namespace bench
