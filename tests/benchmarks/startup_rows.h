#pragma once
// Start-up to the first idle moment and idle memory: the application, a bare program that opens
// an empty window, and a bare program with the main window's widgets, started in turns.

#include <vector>

#include "benchmarks/measure.h"

std::vector<Row> startupRows(int runs);
