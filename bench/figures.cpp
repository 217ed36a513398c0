#include "bench/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

namespace {

struct Figure {
    std::string name;
    double value;
    std::string unit;
};

std::vector<Figure> figures;
std::map<std::string, std::vector<double>> samples;

}  // namespace

void RecordFigure(const std::string& name, double value, const std::string& unit) {
    figures.push_back({name, value, unit});
}

void PrintFigures() {
    std::printf("%s\n", FigureMarker);
    for (const Figure& f : figures) {
        // About three significant digits without switching to exponents.
        const int digits = f.value >= 100 ? 0 : (f.value >= 10 ? 1 : (f.value >= 1 ? 2 : 4));
        std::printf("%s: %.*f %s\n", f.name.c_str(), digits, f.value, f.unit.c_str());
    }
    std::fflush(stdout);
}

void RecordSample(const std::string& series, double value) { samples[series].push_back(value); }

bool HasSamples(const std::string& series) {
    const auto found = samples.find(series);
    return found != samples.end() && !found->second.empty();
}

double MedianSample(const std::string& series) {
    std::vector<double> values = samples.at(series);
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    const double upper = values[middle];
    return (upper + *std::max_element(values.begin(), values.begin() + middle)) / 2;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const std::size_t rank = static_cast<std::size_t>(std::ceil(p * values.size()));
    return values[std::min(values.size() - 1, rank == 0 ? 0 : rank - 1)];
}
