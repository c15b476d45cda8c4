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
/// Prints the usage line to standard error; returns the tools' usage exit code.
int Usage(const char* usage);
