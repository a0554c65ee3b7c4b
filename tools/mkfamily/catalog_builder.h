// CatalogBuilder collects the tables written so far into the MSysObjects catalog table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "table_content.h"
#include "text_encoder.h"

namespace kinmora::mkfamily {

class CatalogBuilder {
public:
    // The catalog's own definition always sits on this page; readers look for it there.
    static constexpr std::uint32_t kCatalogPage = 2;

    void addTable(const std::string& name, std::uint32_t definitionPage);
    // The catalog as a table: itself first, then the user tables in the order added, its
    // names stored as `text` stores Text values.
    TableContent build(const TextEncoder& text) const;

private:
    struct Entry {
        std::string name;
        std::uint32_t definitionPage;
    };
    std::vector<Entry> m_entries;
};

}  // namespace kinmora::mkfamily
