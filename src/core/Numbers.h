#pragma once

#include <QChar>
#include <QString>

// Number conversion and formatting. The user's decimal separator is taken once at start
// and passed in; nothing here consults the machine's locale.
namespace Numbers {

// Text to floating point: optional blanks, optional sign, digits with an optional
// decimal separator and fraction, an optional exponent (E/e, optional sign, digits),
// optional blanks. Thousands separators are not accepted. Throws
// "'%s' is not a valid floating point value".
double strToFloat(const QString &text, QChar decimalSeparator);
bool tryStrToFloat(const QString &text, QChar decimalSeparator, double *value);

// Text to a 32-bit integer: optional leading blanks, optional sign, decimal digits, or
// hexadecimal after "$" or "0x"/"0X". Throws "'%s' is not a valid integer value".
int strToInt(const QString &text);
bool tryStrToInt(const QString &text, int *value);

// Fixed point with exactly two decimals after rounding to 8 significant digits, halves
// away from zero by the decimal digits; "-" only for values that still round to a
// visible negative (see the tests for the boundary cases).
QString temperatureText(double value, QChar decimalSeparator);

// "K K, C°C, F°F" for a temperature in kelvin held as a 32-bit float.
QString temperatureStatusText(float kelvin, QChar decimalSeparator);

// Value label of the trend graph: 5 significant digits, one decimal, scientific notation
// when more than five digits stand before the decimal point.
QString graphValueLabel(double value, QChar decimalSeparator);

// Round to the nearest integer, an exact half to the even neighbour.
int roundHalfEven(double value);

}
