// Shows how a family file's names read in another code page before the
// choice applies: the first names in name order, and a warning when most of
// them would not be readable text.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kinmora {

class CodePagePreview {
public:
    // Whether `text` reads as text: no replacement character, no Thai mark
    // that stands where no letter carries it, and not mostly the accented
    // letters and signs that Thai bytes become in a Western code page.
    static bool isReadable(const QString& text);
    // Asks over `parent` whether to read the file as `choice` says, showing
    // `names`; warns when most of `sample` is not readable. True when the
    // user agrees.
    static bool confirm(QWidget* parent, const QString& choice, const QStringList& names,
                        const QStringList& sample);
};

}  // namespace kinmora
