#pragma once
// Writing and reading one number of twelve digits with the rules alone: the time and the
// allocations per number, beside Qt's own conversion of the number to text and back.

#include <vector>

#include "benchmarks/measure.h"

std::vector<Row> rulesRows(int samples);
