// The one confirmation every save gives: what was saved, in Thai, and the
// files it was written to.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kinmora {

class SavedMessage {
public:
    // Shows "`what`" ("บันทึกผังเป็นภาพแล้ว") over `parent` with the program's
    // `title`, the files under it, and waits until it is closed.
    static void exec(QWidget* parent, const QString& title, const QString& what,
                     const QStringList& files);
};

}  // namespace kinmora
