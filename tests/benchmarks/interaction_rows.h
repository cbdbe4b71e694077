#pragma once
// One step of the user's in the running application, beside a bare widget doing its visible work.

#include <vector>

#include "benchmarks/measure.h"

std::vector<Row> interactionRows(int samples);
