// A query text with its whole numbers kept apart as parameters.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace kinmora {

struct Query {
    // The query with a `?` where each parameter stands.
    QString text;
    // The parameters, in the order their `?` stand.
    std::vector<std::int64_t> parameters;
};

}  // namespace kinmora
