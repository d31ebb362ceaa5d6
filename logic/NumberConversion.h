#pragma once

#include <QString>
#include <QtGlobal>

// The leading decimal number of a text (after leading white space), or 0 when it has none.
// Independent of the user's locale: the decimal separator is always a full stop.
double TextToNumber(const QString &text);

// A whole number used as a control element or row index. Ends the program with a run-time
// error when the value does not fit a 16-bit index, instead of converting it undefinedly.
qint16 ToIndex(double value);
