#pragma once
// A mebibyte pasted through the Edit menu into each converter field, beside a bare text field
// receiving the same paste; and the paste of a text ending in blanks beside the same field's
// paste of it without them.

#include <vector>

#include "benchmarks/measure.h"

std::vector<Row> pasteRows(int samples);
