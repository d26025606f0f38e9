#include "base/Texts.h"

namespace Texts {

namespace {

const QChar Ellipsis(0x2026);

// Moves a cut position off the low half of a surrogate pair.
qsizetype safeCut(const QString &text, qsizetype at)
{
    if (at > 0 && at < text.size() && text.at(at).isLowSurrogate()
        && text.at(at - 1).isHighSurrogate())
        --at;
    return at;
}

}

QString cut(const QString &text, int max)
{
    if (text.size() <= max)
        return text;
    if (max <= 0)
        return QString();
    return text.left(safeCut(text, max - 1)) + Ellipsis;
}

QString elideForBox(const QString &text, int maxRun, int maxTotal)
{
    // Runs first, so a path at the end keeps its file name; then the whole.
    const QString &whole = text;
    if (maxRun < 3)
        return cut(whole, maxTotal);
    QString out;
    out.reserve(qMin<qsizetype>(whole.size(), maxTotal + maxRun + 1));
    qsizetype i = 0;
    while (i < whole.size()) {
        qsizetype end = i;
        while (end < whole.size() && !whole.at(end).isSpace())
            ++end;
        if (end - i > maxRun) {
            // Both ends of a path tell most: the drive or root and the file name.
            const qsizetype head = safeCut(whole, i + (maxRun - 1) / 2);
            const qsizetype tail = safeCut(whole, end - (maxRun - 1 - (maxRun - 1) / 2));
            out += QStringView(whole).mid(i, head - i);
            out += Ellipsis;
            out += QStringView(whole).mid(tail, end - tail);
        } else {
            out += QStringView(whole).mid(i, end - i);
        }
        i = end;
        while (i < whole.size() && whole.at(i).isSpace())
            out += whole.at(i++);
        if (out.size() > maxTotal)
            break;
    }
    return cut(out, maxTotal);
}

QString withoutAccelerators(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

}
