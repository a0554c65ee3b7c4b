// Query texts hold no quoted `?`, so every one stands for a parameter.
#include "data/query.h"

namespace kinmora {

QString Query::written() const {
    QString out;
    std::size_t next = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('?') && next < parameters.size())
            out += QString::number(parameters[next++]);
        else
            out += c;
    }
    return out;
}

}  // namespace kinmora
