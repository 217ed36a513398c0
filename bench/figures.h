#pragma once

#include <string>
#include <vector>

// Summary figures of a benchmark program. After its own output a program prints the marker
// line and then one "name: value unit" line per figure; scripts/bench collects those lines
// from every program it runs.
inline constexpr const char* FigureMarker = "--- figures ---";

void RecordFigure(const std::string& name, double value, const std::string& unit);
void PrintFigures();

// Per-run samples (e.g. milliseconds per build) kept by name, for medians across a run.
void RecordSample(const std::string& series, double value);
bool HasSamples(const std::string& series);
double MedianSample(const std::string& series);

// The nearest-rank percentile p (0 < p <= 1) of values, which must not be empty.
double Percentile(std::vector<double> values, double p);
