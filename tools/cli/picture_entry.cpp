// One description, so that `kinmora-cli --help` and `kinmora-cli picture
// --help` agree with what kinmora-picture accepts.
#include "picture_entry.h"

#include <utility>

#include "living_option.h"

namespace kinmora::cli {

CliCommand pictureCommand(CliCommand::Run run) {
    return {
        "picture",
        "FILE [--name NAME] [--side father|mother] -o OUT.pdf|.svg|.png [--paper A4|A3] "
        "[--tiles] [--dpi N] [--living names|full]",
        "Draws the family chart as a descendant tree in a PDF, SVG or PNG file.",
        {{"--name", 0, "NAME", "the centre person (default: the first in name order)"},
         {"--side", 0, "SIDE", "father (default) or mother"},
         {"--output", 'o', "FILE", "the picture to write; its ending says the type"},
         {"--paper", 0, "SIZE",
          "A4 or A3: the chart fitted to one page of that paper, or tiled when too large (PDF "
          "only)"},
         {"--tiles", 0, "", "split the chart at full size over pages to tape together (PDF only)"},
         {"--dpi", 0, "N", "dots per inch of a PNG (default 150)"},
         livingOption("full")},
        std::move(run)};
}

}  // namespace kinmora::cli
