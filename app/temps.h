#pragma once

#include <QString>

// Clock fields shown to the candidate: at least two digits ("07"), larger values in full ("100").
QString PadTwoDigits(const int &number);

// Whole seconds since start, rounded down.
int elapsedSeconds(double start, double now);

// The remaining time as "MM:SS" (minutes in full when 100 or more).
QString clockText(int remainingSeconds);
