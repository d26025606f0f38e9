// Properties of the number conversions on arbitrary text and arbitrary doubles. The first
// input byte picks the decimal separator and the text's decoding; the rest is the text,
// and its first eight bytes also serve as a raw double for the formatters.
#include "base/Errors.h"
#include "base/Numbers.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition, const char *property, const QString &subject)
{
    if (!condition) {
        std::fprintf(
            stderr, "property failed: %s for '%s'\n", property, subject.toUtf8().constData());
        std::abort();
    }
}

// The float grammar, written independently of the parser.
const QRegularExpression &floatGrammar(QChar separator)
{
    static const QString pattern
        = QStringLiteral("\\A *[+-]?([0-9]+(%1[0-9]*)?|%1[0-9]+)([eE][+-]?[0-9]+)? *\\z");
    static const QRegularExpression point(pattern.arg(QStringLiteral("\\.")));
    static const QRegularExpression comma(pattern.arg(QStringLiteral(",")));
    return separator == QLatin1Char(',') ? comma : point;
}

void checkFloat(const QString &text, QChar separator)
{
    double value = 0;
    const bool ok = Numbers::tryStrToFloat(text, separator, &value);
    bool threw = false;
    try {
        const double thrown = Numbers::strToFloat(text, separator);
        require(ok && std::memcmp(&thrown, &value, sizeof value) == 0,
            "strToFloat agrees with tryStrToFloat", text);
    } catch (const EAuralisError &e) {
        threw = true;
        require(e.message() == QStringLiteral("'%1' is not a valid floating point value").arg(text),
            "float error text", text);
    }
    require(ok != threw, "strToFloat throws exactly when tryStrToFloat fails", text);
    require(!ok || std::isfinite(value), "accepted value is finite", text);

    const bool wellFormed = floatGrammar(separator).match(text).hasMatch();
    require(!ok || wellFormed, "only the grammar is accepted", text);
    // A well-formed text fails only by overflowing, which needs an exponent or many digits.
    require(ok || !wellFormed || text.contains(QLatin1Char('e'), Qt::CaseInsensitive)
            || text.size() > 300,
        "well-formed text is accepted", text);
}

void checkInt(const QString &text)
{
    int value = 0;
    const bool ok = Numbers::tryStrToInt(text, &value);
    bool threw = false;
    try {
        const int thrown = Numbers::strToInt(text);
        require(ok && thrown == value, "strToInt agrees with tryStrToInt", text);
    } catch (const EAuralisError &e) {
        threw = true;
        require(e.message() == QStringLiteral("'%1' is not a valid integer value").arg(text),
            "integer error text", text);
    }
    require(ok != threw, "strToInt throws exactly when tryStrToInt fails", text);

    static const QRegularExpression decimal(QStringLiteral("\\A *[+-]?[0-9]+\\z"));
    if (decimal.match(text).hasMatch()) {
        bool qtOk = false;
        const qlonglong wide = text.trimmed().toLongLong(&qtOk);
        const bool fits = qtOk && wide >= INT32_MIN && wide <= INT32_MAX;
        require(ok == fits, "decimal range", text);
        require(!ok || value == wide, "decimal value", text);
    }
}

void checkFormatting(double value, QChar separator)
{
    const QString subject = QString::number(value, 'g', 17);
    const QString t = Numbers::temperatureText(value, separator);
    const QString label = Numbers::graphValueLabel(value, separator);
    Numbers::roundHalfEven(value);
    if (!std::isfinite(value))
        return;

    static const QRegularExpression fixedPoint(QStringLiteral("\\A-?[0-9]+[.,][0-9]{2}\\z"));
    require(fixedPoint.match(t).hasMatch() && t.count(separator) == 1,
        "temperature text is fixed point", subject);

    if (std::fabs(value) < 1e15) {
        double back = 0;
        require(
            Numbers::tryStrToFloat(t, separator, &back), "temperature text reads back", subject);
        require(std::fabs(back - value) <= std::fabs(value) * 5e-8 + 0.0051,
            "temperature text is within rounding", subject);
        if (t != QStringLiteral("-0") + separator + QStringLiteral("00"))
            require(Numbers::temperatureText(back, separator) == t, "temperature text is stable",
                subject);
    }
    if (value >= 0 && value <= 6000) {
        const QString status = Numbers::temperatureStatusText(float(value), separator);
        require(status.endsWith(QStringLiteral("\u00B0F")), "status text", subject);
    }
    if (!label.contains(QLatin1Char('E'))) {
        double back = 0;
        require(Numbers::tryStrToFloat(label, separator, &back), "label reads back", subject);
        require(std::fabs(back - value) <= std::fabs(value) * 5e-5 + 0.051,
            "label is within rounding", subject);
    }
    if (std::fabs(value) < 2e9)
        require(std::fabs(Numbers::roundHalfEven(value) - value) <= 0.5, "rounding", subject);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar separator = (data[0] & 1) ? QLatin1Char(',') : QLatin1Char('.');
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const auto length = qsizetype(size - 1);
    const QString text
        = (data[0] & 2) ? QString::fromUtf8(bytes, length) : QString::fromLatin1(bytes, length);

    checkFloat(text, separator);
    checkInt(text);

    double parsed = 0;
    if (Numbers::tryStrToFloat(text, separator, &parsed))
        checkFormatting(parsed, separator);
    if (length >= qsizetype(sizeof(double))) {
        double raw = 0;
        std::memcpy(&raw, bytes, sizeof raw);
        checkFormatting(raw, separator);
    }
    return 0;
}
