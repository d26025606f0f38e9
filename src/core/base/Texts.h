#pragma once

#include <QString>

// Texts built from the data file or the settings reach the window system as captions,
// status texts, tool-tips and message boxes. A name of megabytes there makes the X server
// drop the connection, so such texts are cut first.
namespace Texts {

// Captions, status texts and tool-tips are cut to this many characters.
constexpr int MaxLineLength = 256;

// The text itself when it has at most max characters, else its first characters and "…",
// max in all; never half of a surrogate pair.
QString cut(const QString &text, int max = MaxLineLength);

// A message box's text: every run of non-blank characters (a path, say) longer than
// maxRun keeps its start and end around "…", so the box cannot grow wider than the
// screen, and the whole is cut to maxTotal characters.
QString elideForBox(const QString &text, int maxRun = 80, int maxTotal = 2000);

// A caption as it is drawn and read: every "&" that marks an accelerator dropped, "&&" as
// one "&".
QString withoutAccelerators(const QString &text);

}
