// Writes the test-file builder's seed files into a folder: the starting corpus of fuzz_load.
// Usage: fuzz_seeds FOLDER
#include <exception>
#include <iostream>

#include "tbk/TBK_Seeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds FOLDER\n";
        return 1;
    }
    try {
        for (const std::string& path : tbk::WriteSeedFiles(argv[1])) std::cout << path << "\n";
    } catch (const std::exception& e) {
        std::cerr << "fuzz_seeds: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
