#pragma once

#include <QIcon>

// The toolbar's pictures, drawn as vectors so they stay crisp at any device pixel ratio.
namespace Glyphs {
enum Kind { Options, ElementInfo, Find, Temperature, Graph, Help, About, Program };
QIcon icon(Kind kind);
}
