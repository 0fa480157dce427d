#pragma once
// Places the waypoints' labels on the map: greedily, in the order asked, each label takes the
// first of a few places round its marker where it covers no marker and no label placed before
// it, and stays off the map when it fits nowhere. Boxes are kept in a grid of cells, so each
// test looks at its neighbourhood only; a crowded cell counts as full, which keeps the cost of
// a file of many waypoints linear.
#include <cstddef>
#include <vector>

namespace tool {

struct LabelSpot_t {
    double x = 0, y = 0;      // the text's anchor, on its baseline
    const char* anchor = "";  // its text-anchor: "start", "middle" or "end"
    int place = 0;            // which of the places round the marker
};

class LabelPlacer_t {
public:
    LabelPlacer_t(double width, double height);

    // Markers first: labels keep off them.
    void AddMarker(double x, double y, double radius);
    // A label of width by height pixels beside the marker at (x, y) of the given radius; false
    // when it fits nowhere.
    bool Place(double x, double y, double radius, double width, double height, LabelSpot_t& spot);
    // A label placed before (on a map drawn smaller) keeps its place: its box is taken as it is.
    void Keep(double x, double y, double radius, double width, double height, const LabelSpot_t& spot);

private:
    struct Box_t {
        double x0, y0, x1, y1;
    };
    static constexpr double kCell = 32;
    static constexpr std::size_t kCrowded = 40;

    static constexpr int kPlaces = 8;
    // The box and the spot of a label at the place-th place round its marker.
    static Box_t BoxAt(int place, double x, double y, double radius, double width, double height,
                       LabelSpot_t& spot);
    bool Free(const Box_t& box) const;
    void Add(const Box_t& box);
    struct Cells_t {
        std::size_t column0, column1, row0, row1;
    };
    Cells_t CellsOf(const Box_t& box) const;

    double width_, height_;
    std::size_t columns_, rows_;
    std::vector<std::vector<Box_t>> cells_;
};

}  // namespace tool
