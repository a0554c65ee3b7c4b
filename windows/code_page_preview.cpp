// Thai marks (above and below vowels, tone marks) always follow a consonant
// or another mark; text read in the wrong code page breaks that order, or
// turns into Latin-1 signs when Thai bytes are read as Western.
#include "windows/code_page_preview.h"

#include <QMessageBox>

#include "windows/program.h"
#include "windows/titled_message_box.h"

namespace kinmora {
namespace {

constexpr int kShownNames = 5;

bool isThaiConsonant(QChar c) {
    return c.unicode() >= 0x0E01 && c.unicode() <= 0x0E2E;
}

bool isThaiMark(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E);
}

}  // namespace

bool CodePagePreview::isReadable(const QString& text) {
    int western = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QChar::ReplacementCharacter) return false;
        if (isThaiMark(c)) {
            const QChar before = i > 0 ? text[i - 1] : QChar();
            if (!isThaiConsonant(before) && !isThaiMark(before)) return false;
        }
        if (c.unicode() >= 0x80 && c.unicode() <= 0xFF) ++western;
    }
    return western * 2 <= text.size();
}

bool CodePagePreview::confirm(QWidget* parent, const QString& choice, const QStringList& names,
                              const QStringList& sample) {
    int unreadable = 0;
    for (const QString& text : sample) unreadable += isReadable(text) ? 0 : 1;
    QString shown = QStringLiteral("ชื่อแรก ๆ ในแฟ้มจะอ่านได้ดังนี้\n");
    for (const QString& name : names.mid(0, kShownNames)) shown += QStringLiteral("\n• ") + name;
    if (unreadable * 2 > sample.size())
        shown += QStringLiteral("\n\nคำเตือน: ข้อความส่วนใหญ่ในแฟ้มอ่านไม่ออกด้วยรหัสอักษรนี้");
    TitledMessageBox box(QMessageBox::Question, program::title(),
                         QStringLiteral("อ่านแฟ้มด้วย \"%1\" หรือไม่").arg(choice),
                         QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setInformativeText(shown);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace kinmora
