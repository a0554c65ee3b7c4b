// Hands `kinmora-cli picture` to kinmora-picture, which links the graphics
// libraries kinmora-cli leaves out so that its other commands start quickly.
#pragma once

namespace kinmora::cli {

// Replaces this process by kinmora-picture (found by helperProgram()) with
// the same arguments, standard streams and environment, so that a script
// sees one process and kinmora-picture's exit status. Returns only by
// throwing std::runtime_error when kinmora-picture is missing or cannot be
// started.
[[noreturn]] void handOverPicture(char* argv[]);

}  // namespace kinmora::cli
