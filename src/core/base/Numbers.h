#pragma once

#include <QChar>
#include <QString>

// Number conversion and formatting. The user's decimal separator is taken once at start
// and passed in; nothing here consults the machine's locale.
namespace Numbers {

// Text to floating point: optional blanks (spaces), optional sign, digits with an optional
// decimal separator and fraction ("5." and ".5" are numbers, a lone separator is not), an
// optional exponent (E/e, optional sign, digits), optional blanks. Nothing else: no
// thousands separators, no other separator character, no "inf"/"nan", no hexadecimal.
// The conversion is exact and locale-free. A magnitude too large for a double fails; one
// too small reads as zero. Throws "'%s' is not a valid floating point value".
double strToFloat(const QString &text, QChar decimalSeparator);
bool tryStrToFloat(const QString &text, QChar decimalSeparator, double *value);

// Text to a 32-bit integer: optional leading blanks (spaces), optional sign, decimal
// digits, or hexadecimal after "$" or "0x"/"0X". Nothing may follow the digits. Decimal
// values must fit a signed 32-bit integer; hexadecimal ones may use all 32 bits and are
// taken as two's complement ("$FFFFFFFF" is -1). Throws "'%s' is not a valid integer
// value".
int strToInt(const QString &text);
bool tryStrToInt(const QString &text, int *value);

// Fixed point with exactly two decimals and no thousands separators. The shortest decimal
// digits of the value are rounded to 8 significant digits, then to two decimals, halves
// away from zero each time (300.125 gives "300.13"). A negative value whose rounded
// magnitude is below 0.001 is written "0.00"; from 0.001 up to below 0.005 it is "-0.00".
// Infinities and NaN give "INF", "-INF" and "NAN".
QString temperatureText(double value, QChar decimalSeparator);

// "K K, C°C, F°F" for a temperature in kelvin held as a 32-bit float; Celsius and
// Fahrenheit are computed in double from it.
QString temperatureStatusText(float kelvin, QChar decimalSeparator);

// Value label of the trend graph: 5 significant digits, one decimal, rounded as in
// temperatureText (so -0.04 gives "-0.0" and -0.004 "0.0"). With more than five digits
// before the decimal point it is the 5-digit mantissa without trailing zeros, "E+" and
// the exponent: 1234567 gives "1.2346E+6", 1000000 "1E+6".
QString graphValueLabel(double value, QChar decimalSeparator);

// Round to the nearest integer, an exact half to the even neighbour; values beyond the
// int range saturate, NaN gives 0.
int roundHalfEven(double value);

}
