// kinmora-genfamily: writes a generated family as family.csv and married.csv,
// ready for kinmora-mkfamily, and prints the name of its largest chart's centre.
// --shape chooses what the records look like (long-notes, the default; compact; mixed).
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "family_generator.h"

namespace {

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char* argv[]) {
    int persons = 0;
    std::filesystem::path folder;
    std::optional<kinmora::bench::FamilyShape> shape = kinmora::bench::FamilyShape::LongNotes;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--persons") == 0)
            persons = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--out") == 0)
            folder = argv[i + 1];
        else if (std::strcmp(argv[i], "--shape") == 0)
            shape = kinmora::bench::shapeNamed(argv[i + 1]);
    }
    if (persons <= 0 || folder.empty() || !shape) {
        std::cerr << "usage: kinmora-genfamily --persons N --out FOLDER"
                     " [--shape long-notes|compact|mixed]\n";
        return 2;
    }
    try {
        const auto family = kinmora::bench::generateFamily(persons, 1, *shape);
        std::filesystem::create_directories(folder);
        writeFile(folder / "family.csv", family.familyCsv);
        writeFile(folder / "married.csv", family.marriedCsv);
        std::cout << family.largestChartName << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "kinmora-genfamily: " << e.what() << '\n';
        return 1;
    }
}
