// Makes the text of a written PDF read back as the Thai that was drawn.
#pragma once

#include <QByteArray>
#include <QString>

namespace kinmora {

// Thai fonts draw a tone mark or vowel moved to clear its neighbours with a
// glyph that the font also lists under a private-use code point (U+F700 to
// U+F71A); the PDF's text maps then give those code points, and a search or
// a copy of "ใหญ่" finds "ใหญ" and a stray character. Rewrites each such
// code in the PDF's ToUnicode maps (kept uncompressed) as the Thai character
// it stands for, in place: every offset in the file stays valid.
// Returns the number of codes rewritten.
int restoreThaiText(QByteArray& pdf);

// The same for the PDF file at `path`, such as one a printer wrote. Returns
// false when the file cannot be read or written back.
bool restoreThaiTextInFile(const QString& path);

}  // namespace kinmora
