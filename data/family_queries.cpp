// The texts keep every space of the originals: the engine sees exactly these.
#include "data/family_queries.h"

namespace kinmora::queries {
namespace {
QString n(std::int64_t code) { return QString::number(code); }
}  // namespace

QString allPersons() { return QStringLiteral("Select * from family order by name"); }

QString allMarriages() { return QStringLiteral("Select * from married"); }

QString personByCode(std::int64_t c) {
    return QStringLiteral("Select * from family where code = ") + n(c) +
           QStringLiteral(" order by born");
}

QString childrenOfFather(std::int64_t c) {
    return QStringLiteral("Select * from family where fathercode = ") + n(c) +
           QStringLiteral(" order by born");
}

QString childrenOfMother(std::int64_t c) {
    return QStringLiteral("Select * from family where mothercode = ") + n(c) +
           QStringLiteral(" order by born");
}

QString marriagesOf(std::int64_t c) {
    return QStringLiteral("select * from married where fathercode= ") + n(c) +
           QStringLiteral(" or mothercode= ") + n(c) + QStringLiteral(" order by 3");
}

QString childrenOfCouple(std::int64_t p, std::int64_t s) {
    return QStringLiteral("Select * from FAMILY where fathercode= ") + n(p) +
           QStringLiteral(" AND mothercode= ") + n(s) + QStringLiteral(" OR fathercode= ") + n(s) +
           QStringLiteral(" AND mothercode= ") + n(p) + QStringLiteral(" order by born");
}

QString childrenOfOneParent(std::int64_t p) {
    return QStringLiteral("Select * from FAMILY where fathercode= ") + n(p) +
           QStringLiteral(" AND mothercode=0") + QStringLiteral(" OR fathercode=0 ") +
           QStringLiteral("AND mothercode= ") + n(p) + QStringLiteral(" order by born");
}

}  // namespace kinmora::queries

namespace kinmora::criteria {
namespace {
QString quotedText(const QString& text) {
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
}  // namespace

QString nameEquals(const QString& name) { return QStringLiteral("name=") + quotedText(name); }

QString nameEqualsSpaced(const QString& name) {
    return QStringLiteral("name= ") + quotedText(name);
}

QString codeEqualsTight(std::int64_t n) { return QStringLiteral("code= ") + QString::number(n); }

QString codeEquals(std::int64_t n) { return QStringLiteral("code = ") + QString::number(n); }

}  // namespace kinmora::criteria
