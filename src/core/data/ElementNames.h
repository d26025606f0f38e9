#pragma once

#include <QString>
#include <QStringList>

// Element names in the language in force. An element's name is known by its English form
// (the data file's field 0, or a naming scheme's name); its translation is looked up by
// that form, and a name without one stays English.
namespace ElementNames {

QString translated(const QString &english);
// Every English name that has a place in the translations, for tests and tools.
QStringList all();

}
