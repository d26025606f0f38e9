#pragma once

#include <QString>
#include <functional>

// Typing to go to an element: the text typed on the table and the element it finds.
namespace TypeAhead {

// The text is kept to this many characters, and ends this long after the last key.
constexpr int MaxLength = 32;
constexpr int TimeoutMs = 1000;

// The text as the search compares it: lower case, without accents (é is e, ł is l, ß is
// ss), so that what the user types matches whatever the name carries.
QString fold(const QString &text);

// The element the text finds among elements 1..count, or 0. Digits are an atomic number
// ("26"); otherwise, in this order, an exact symbol ("fe", "unq"), the start of a name
// ("iro"), a name that contains the text; among several, the lowest number.
int match(const QString &text, int count, const std::function<QString(int)> &name,
    const std::function<QString(int)> &symbol);

// The search text as keys come: characters are added (up to MaxLength), Backspace takes
// the last back, and the text is forgotten TimeoutMs after the last key.
class Search
{
public:
    // Adds typed characters (what a key or an input method gives) at time nowMs; false
    // when the text was full already and nothing changed.
    bool type(const QString &characters, qint64 nowMs);
    // Takes the last character back; false when there was none.
    bool backspace(qint64 nowMs);
    void end() { m_text.clear(); }
    // Whether a search is under way at nowMs.
    bool active(qint64 nowMs) const;
    const QString &text() const { return m_text; }

private:
    QString m_text;
    qint64 m_last = 0;
};

}
