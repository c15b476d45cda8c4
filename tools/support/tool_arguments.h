// Command-line reading shared by the developer tools: bounded numbers, the
// chart-mode word and one chart's birth data.
#pragma once

#include "engine/angles.h"

/// A whole decimal number in [low, high]; false on any other text.
bool ParseInt(const char* text, long low, long high, int* out);
/// A finite decimal number in [low, high]; false on any other text.
bool ParseReal(const char* text, double low, double high, double* out);
/// The chart-mode word (decimal or 0x hex): exactly one chart type, at most
/// one view flag, nothing else.
bool ParseMode(const char* text, int* out);
/// One chart's birth data from ten arguments: Y M D h m s ZONE DST LAT LON,
/// coordinates in decimal degrees. The record is not progressed.
bool ParseMoment(char** arg, ChartTimeRecord* record);
/// The chart arguments that end the drawing tools' command lines.
struct ChartArguments {
    ChartTimeRecord first;
    ChartTimeRecord second;
    bool hasSecond = false;
    int houseSystem = 0;
};

/// Reads Y M D h m s ZONE DST LAT LON HOUSE [Y2 M2 D2 h2 m2 s2 ZONE2 DST2 LAT2
/// LON2]: count is 11, or 21 with the second chart.
bool ParseChartArguments(char** arg, int count, ChartArguments* out);
/// Prints the usage line to standard error; returns the tools' usage exit code.
int Usage(const char* usage);

/// A size in pixels from 1 to high. Any other text prints "<tool>: <name>
/// must be a whole number of pixels from 1 to <high>" and returns false;
/// the tool then ends with the usage exit code.
bool ParseSize(const char* tool, const char* name, const char* text, int high, int* out);
