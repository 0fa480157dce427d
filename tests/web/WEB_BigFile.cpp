// Writes the data file the page's performance is measured on: 200,000 typical waypoints, as the
// load benchmark's.
//   web_bigfile PATH
#include <iostream>

#include "tbk/TBK_BigFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: web_bigfile PATH\n";
        return 1;
    }
    tbk::BigFileSpec_t shape;
    shape.waypoints = 200000;
    std::cout << tbk::WriteBigFile(argv[1], shape) << "\n";
    return 0;
}
