#pragma once

#include <QByteArrayView>
#include <QString>

// Windows-1252 text, as the element data file and older settings files hold it.
namespace Cp1252 {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes there
// map to the C1 control of the same value.
QString decode(QByteArrayView bytes);

}
