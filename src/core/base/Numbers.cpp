#include "base/Numbers.h"

#include "base/Temperature.h"

#include "base/Errors.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Numbers {

namespace {

constexpr QChar Blank = QLatin1Char(' ');
// Exponents are saturated here while parsing; anything this large over- or underflows
// a double however many mantissa digits there are.
constexpr int ExponentCap = 1000000;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// A non-negative decimal number d1.d2d3... × 10^exp with no trailing zero digits; zero
// has no digits.
struct Decimal
{
    std::string digits;
    int exp = 0;

    bool isZero() const { return digits.empty(); }
};

// The shortest decimal digits that read back as the same double.
Decimal decimalOf(double magnitude)
{
    Decimal d;
    if (magnitude == 0)
        return d;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    d.exp = std::stoi(text.substr(e + 1));
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Keeps the first `count` digits, an exact half or more rounding away from zero.
void roundToDigits(Decimal &d, int count)
{
    if (d.isZero() || count >= int(d.digits.size()))
        return;
    if (count < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[std::size_t(count)] >= '5';
    d.digits.resize(std::size_t(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[std::size_t(i)] == '9')
            d.digits[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++d.digits[std::size_t(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exp;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

QString fixedDigits(const Decimal &d, int decimals, QChar separator)
{
    QString out;
    if (d.isZero() || d.exp < 0) {
        out += QLatin1Char('0');
    } else {
        for (int i = 0; i <= d.exp; ++i)
            out += QLatin1Char(i < int(d.digits.size()) ? d.digits[std::size_t(i)] : '0');
    }
    out += separator;
    for (int p = 1; p <= decimals; ++p) {
        const int i = d.isZero() ? -1 : d.exp + p;
        out += QLatin1Char(i >= 0 && i < int(d.digits.size()) ? d.digits[std::size_t(i)] : '0');
    }
    return out;
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Rounds to `significant` digits, then to `decimals` places. A negative value keeps its
// minus sign unless it is below one unit of the first hidden place, so -0.004 reads
// "-0.00" and -0.0004 reads "0.00".
QString fixedText(double value, int significant, int decimals, QChar separator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Decimal d = decimalOf(std::fabs(value));
    roundToDigits(d, significant);
    const bool minus = value < 0 && !d.isZero() && d.exp >= -(decimals + 1);
    roundToDigits(d, d.exp + 1 + decimals);
    const QString text = fixedDigits(d, decimals, separator);
    return minus ? QLatin1Char('-') + text : text;
}

// The float grammar with the given separator; on success `normalised` holds the
// mantissa digits with "." and a saturated exponent, ready for std::from_chars, and
// `adjustedExp` the power of ten of the first non-zero digit (or a very small number
// when all digits are zero).
bool scanFloat(const QString &text, QChar separator, bool *negative, std::string *normalised,
    long *adjustedExp)
{
    const int n = int(text.size());
    int i = 0;
    while (i < n && text[i] == Blank)
        ++i;
    *negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        *negative = text[i++] == QLatin1Char('-');

    std::string mantissa;
    long intDigits = 0;
    long firstNonZero = -1; // index into mantissa digits
    int digitCount = 0;
    for (; i < n && isDigit(text[i]); ++i, ++intDigits, ++digitCount) {
        if (firstNonZero < 0 && text[i] != QLatin1Char('0'))
            firstNonZero = digitCount;
        mantissa += char(text[i].unicode());
    }
    if (i < n && text[i] == separator) {
        ++i;
        mantissa += '.';
        for (; i < n && isDigit(text[i]); ++i, ++digitCount) {
            if (firstNonZero < 0 && text[i] != QLatin1Char('0'))
                firstNonZero = digitCount;
            mantissa += char(text[i].unicode());
        }
    }
    if (digitCount == 0)
        return false;

    long exponent = 0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            expNegative = text[i++] == QLatin1Char('-');
        if (i >= n || !isDigit(text[i]))
            return false;
        for (; i < n && isDigit(text[i]); ++i) {
            if (exponent < ExponentCap)
                exponent = exponent * 10 + (text[i].unicode() - '0');
        }
        if (expNegative)
            exponent = -exponent;
    }
    while (i < n && text[i] == Blank)
        ++i;
    if (i != n)
        return false;

    *normalised = mantissa + 'e' + std::to_string(exponent);
    *adjustedExp = firstNonZero < 0 ? std::numeric_limits<long>::min()
                                    : exponent + intDigits - 1 - firstNonZero;
    return true;
}

}

bool tryStrToFloat(const QString &text, QChar decimalSeparator, double *value)
{
    bool negative = false;
    std::string normalised;
    long adjustedExp = 0;
    if (!scanFloat(text, decimalSeparator, &negative, &normalised, &adjustedExp))
        return false;

    double magnitude = 0;
    const char *first = normalised.data();
    const char *last = first + normalised.size();
    const auto res = std::from_chars(first, last, magnitude);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is not a value.
        if (adjustedExp >= 0)
            return false;
        magnitude = 0;
    } else if (res.ec != std::errc() || res.ptr != last || !std::isfinite(magnitude)) {
        return false;
    }
    if (value)
        *value = negative ? -magnitude : magnitude;
    return true;
}

double strToFloat(const QString &text, QChar decimalSeparator)
{
    double value = 0;
    if (!tryStrToFloat(text, decimalSeparator, &value))
        Errors::invalidFloat(text);
    return value;
}

bool tryStrToInt(const QString &text, int *value)
{
    const int n = int(text.size());
    int i = 0;
    while (i < n && text[i] == Blank)
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');

    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
        && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;

    // Decimal values must fit a signed 32-bit integer; hexadecimal ones may use all 32
    // bits, so "$FFFFFFFF" is -1.
    const quint64 limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        const int digit
            = base == 16 ? hexDigit(text[i]) : (isDigit(text[i]) ? text[i].unicode() - '0' : -1);
        if (digit < 0)
            return false;
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > limit)
            return false;
    }
    const quint32 bits = quint32(negative ? (0 - magnitude) : magnitude);
    if (value)
        *value = qint32(bits);
    return true;
}

int strToInt(const QString &text)
{
    int value = 0;
    if (!tryStrToInt(text, &value))
        Errors::invalidInteger(text);
    return value;
}

QString temperatureText(double value, QChar decimalSeparator)
{
    return fixedText(value, 8, 2, decimalSeparator);
}

QString temperatureStatusText(float kelvin, QChar decimalSeparator)
{
    const double k = kelvin;
    const double c = double(Temperature::celsius(k));
    const double f = double(Temperature::fahrenheit(k));
    return temperatureText(k, decimalSeparator) + QStringLiteral(" K, ")
        + temperatureText(c, decimalSeparator) + QStringLiteral("\u00B0C, ")
        + temperatureText(f, decimalSeparator) + QStringLiteral("\u00B0F");
}

QString graphValueLabel(double value, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return nonFinite(value);
    Decimal d = decimalOf(std::fabs(value));
    roundToDigits(d, 5);
    if (d.isZero() || d.exp < 5)
        return fixedText(value, 5, 1, decimalSeparator);

    QString text = value < 0 ? QStringLiteral("-") : QString();
    text += QLatin1Char(d.digits[0]);
    if (d.digits.size() > 1) {
        text += decimalSeparator;
        text += QString::fromLatin1(d.digits.data() + 1, qsizetype(d.digits.size() - 1));
    }
    return text + QStringLiteral("E+") + QString::number(d.exp);
}

int roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);
    if (r >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (r <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return int(r);
}

}
