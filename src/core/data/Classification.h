#pragma once

// The fixed classification of the elements that picks a tile's number colour.
enum class ElementClass { Metal, Nonmetal, Semimetal };

// Metal for every element not listed as a nonmetal or semimetal (and for numbers outside
// the table).
ElementClass elementClass(int z);
