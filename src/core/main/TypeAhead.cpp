#include "main/TypeAhead.h"

#include <QHash>
#include <QStringList>

namespace TypeAhead {

QString fold(const QString &text)
{
    // Letters that carry their mark in their own shape, which decomposition leaves whole.
    static const QHash<QChar, QString> plain { { QChar(0x0141), QStringLiteral("l") },
        { QChar(0x0142), QStringLiteral("l") }, { QChar(0x00D8), QStringLiteral("o") },
        { QChar(0x00F8), QStringLiteral("o") }, { QChar(0x0110), QStringLiteral("d") },
        { QChar(0x0111), QStringLiteral("d") }, { QChar(0x00DF), QStringLiteral("ss") },
        { QChar(0x00C6), QStringLiteral("ae") }, { QChar(0x00E6), QStringLiteral("ae") },
        { QChar(0x0152), QStringLiteral("oe") }, { QChar(0x0153), QStringLiteral("oe") },
        { QChar(0x0131), QStringLiteral("i") } };
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 128;
    if (ascii)
        return text.toLower();
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing)
            continue;
        const auto it = plain.constFind(c);
        out += it != plain.constEnd() ? *it : QString(c);
    }
    return out.toCaseFolded();
}

int match(const QString &text, int count, const std::function<QString(int)> &name,
    const std::function<QString(int)> &symbol)
{
    if (text.isEmpty())
        return 0;
    bool digits = true;
    for (const QChar c : text)
        digits = digits && c.isDigit() && c.unicode() < 128;
    if (digits) {
        bool ok = false;
        const int z = text.toInt(&ok);
        return ok && z >= 1 && z <= count ? z : 0;
    }
    const QString wanted = fold(text);
    for (int z = 1; z <= count; ++z)
        if (fold(symbol(z)) == wanted)
            return z;
    QStringList names;
    names.reserve(count);
    for (int z = 1; z <= count; ++z) {
        names << fold(name(z));
        if (names.back().startsWith(wanted))
            return z;
    }
    for (int z = 1; z <= count; ++z)
        if (names[z - 1].contains(wanted))
            return z;
    return 0;
}

bool Search::type(const QString &characters, qint64 nowMs)
{
    if (!active(nowMs))
        m_text.clear();
    m_last = nowMs;
    if (m_text.size() >= MaxLength)
        return false;
    m_text += characters.left(MaxLength - m_text.size());
    return true;
}

bool Search::backspace(qint64 nowMs)
{
    if (!active(nowMs) || m_text.isEmpty())
        return false;
    m_last = nowMs;
    m_text.chop(m_text.size() >= 2 && m_text.back().isLowSurrogate() ? 2 : 1);
    return true;
}

bool Search::active(qint64 nowMs) const
{
    return !m_text.isEmpty() && nowMs - m_last < TimeoutMs;
}

}
