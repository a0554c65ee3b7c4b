// The frames the reader program writes into its pipe: each one a 32-bit
// length, then one of these kinds and its values.
#pragma once

namespace kinmora::reader_frames {

enum Frame : char {
    kBeginTable = 'T',    // name, column count, then each column's name, type and size
    kExpectedRows = 'N',  // the row count the table's definition gives
    kRow = 'R',           // one value per column
    kEndTable = 'E',
    kDamagedTable = 'W',  // a sentence: the table just ended is damaged
    kMissingTable = 'M',  // the file has no table of that name
    kError = 'X',         // a sentence: why the file cannot be read
    kDone = 'D',
};

}  // namespace kinmora::reader_frames
