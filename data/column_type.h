// How the values of a family-file column are read, apart from Qt so that the
// family-file writer can share it.
#pragma once

namespace kinmora {

// Other covers Access types the program does not show (OLE objects, binary,
// replication ids): their values read as Null.
enum class ColumnType { Bool, Integer, Real, Date, Text, Memo, Other };

}  // namespace kinmora
