// JetFormat describes one Access file format the writer produces.
#include "jet_format.h"

namespace kinmora::mkfamily {

namespace {

constexpr JetFormat kAccess97{
    FileFormat::Access97, "Access 97", "Standard Jet DB", 0x00, false, 2048, 126, 10, 2012, 128};
constexpr JetFormat kAccess2000{
    FileFormat::Access2000, "Access 2000", "Standard Jet DB", 0x01, true, 4096, 128, 14, 4060, 64};
constexpr JetFormat kAccess2007{
    FileFormat::Access2007, "Access 2007", "Standard ACE DB", 0x02, true, 4096, 128, 14, 4060, 64};

}  // namespace

const JetFormat& JetFormat::of(FileFormat file) {
    switch (file) {
        case FileFormat::Access2000:
            return kAccess2000;
        case FileFormat::Access2007:
            return kAccess2007;
        case FileFormat::Access97:
            break;
    }
    return kAccess97;
}

}  // namespace kinmora::mkfamily
