// Which code page the single-byte text of an Access 97 file is read in.
#pragma once

#include <QString>

namespace kinmora::code_page {

// Text is read in the code page the file's header names, except that Thai
// text (code page 874) is recognised by its bytes whatever the header says.
inline constexpr int kByFile = 0;
inline constexpr int kThai = 874;

// Whether text in code page `codePage` (874, 1252, 1250, ...) can be
// decoded here.
bool isKnown(int codePage);

// The name iconv knows code page `codePage` by ("CP1252").
QByteArray iconvName(int codePage);

// `text` with every control character other than tab and the line breaks
// replaced by U+FFFD: such bytes have no place in a name or a biography,
// and shown raw they would reach a terminal as commands.
QString maskControlCharacters(QString text);

}  // namespace kinmora::code_page
