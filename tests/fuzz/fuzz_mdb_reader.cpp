// libFuzzer target: the bytes straight into MdbReader in this process, with
// no child to contain libmdb, so that its own crashes and hangs show, and so
// do faults in our decoding of the pages it hands over.
#include <stdexcept>

#include "data/family_file_error.h"
#include "data/mdb_reader.h"
#include "fuzz/memory_file.h"

namespace {

// Takes the rows as the reader process would, converting each value once.
class DiscardingSink : public kinmora::TableSink {
public:
    void beginTable(const kinmora::TableSchema&) override {}
    void row(std::span<const kinmora::Value> values) override {
        for (const kinmora::Value& value : values) (void)value.toText();
    }
    void endTable() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kinmora::fuzz::MemoryFile file({data, size});
    try {
        kinmora::MdbReader reader(file.path());
        DiscardingSink sink;
        for (const char* table : {"family", "married"}) try {
                reader.readTable(QString::fromLatin1(table), sink);
            } catch (const kinmora::FamilyFileError&) {
                // One damaged table does not stop the other from being read.
            }
    } catch (const std::runtime_error&) {
        // FamilyFileError from the header checks or the catalog.
    }
    return 0;
}
