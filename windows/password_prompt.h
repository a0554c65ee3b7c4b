// Asks for the database password of a family file, in Thai, with the
// characters hidden as they are typed.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kinmora {

class PasswordPrompt {
public:
    // Asks over `parent` for the password of the file named `fileName`;
    // `wrongBefore` says the last one given was not it. Returns nothing when
    // the person cancels (Esc). The password stays in memory only.
    static std::optional<QString> ask(QWidget* parent, const QString& fileName, bool wrongBefore);
};

}  // namespace kinmora
