#include <gtest/gtest.h>
#include <windows.h>

#include "trove/TROVE_Route.h"

namespace {

// Maps a position to the screen as x = longitude, y = latitude, one polyline per link; counts
// its calls.
class PlainProjector_t : public map::Projector_t {
public:
    void Project(std::vector<geo::Position_t> points, const geo::Box_t&,
                 std::list<map::ScreenPolyline_t>& lines) const override {
        ++calls;
        if (points.empty()) return;
        map::ScreenPolyline_t line;
        for (const geo::Position_t& p : points) line.push_back({p.longitude + 0.5, p.latitude - 0.4});
        lines.push_back(line);
    }
    mutable int calls = 0;
};

// A 100 x 60 top-down 32-bit bitmap in a memory device context, filled with grey.
class Canvas_t {
public:
    Canvas_t() : dc_(::CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ =
            ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = ::SelectObject(dc_, bitmap_);
        for (int i = 0; i < kWidth * kHeight; ++i) bits_[i] = 0x808080;
    }
    ~Canvas_t() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    // 0xRRGGBB
    unsigned Pixel(int x, int y) const {
        ::GdiFlush();
        return bits_[y * kWidth + x] & 0xFFFFFF;
    }

private:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 60;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    unsigned* bits_ = nullptr;
};

trove::RouteWaypoint_t PointWithLink(std::vector<geo::Position_t> along) {
    trove::RouteWaypoint_t point;
    point.link.link_points = std::move(along);
    return point;
}

constexpr unsigned kGrey = 0x808080;
constexpr unsigned kMagenta = 0xFF00FF;
constexpr unsigned kYellow = 0xFFFF00;
constexpr unsigned kBlack = 0x000000;

TEST(RouteDraw, ThinLineInsideWideBandAndStateRestored) {
    Canvas_t canvas;
    HPEN own_pen = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HGDIOBJ before = ::SelectObject(canvas.Dc(), own_pen);
    ::SetBkColor(canvas.Dc(), RGB(1, 2, 3));
    ::SetBkMode(canvas.Dc(), TRANSPARENT);

    trove::Route_t route;
    // A horizontal line at y = 30 from x = 10 to x = 90 (coordinates are rounded to the nearest).
    route.route_points.push_back(PointWithLink({geo::Position_t(30, 10), geo::Position_t(30, 90)}));
    route.route_points.push_back(PointWithLink({}));
    PlainProjector_t projector;
    route.Draw(canvas.Dc(), projector, false);

    EXPECT_EQ(projector.calls, 2);
    EXPECT_EQ(canvas.Pixel(50, 30), kBlack);    // the thin line
    EXPECT_EQ(canvas.Pixel(50, 28), kMagenta);  // the band, 7 wide
    EXPECT_EQ(canvas.Pixel(50, 32), kMagenta);
    EXPECT_EQ(canvas.Pixel(50, 40), kGrey);  // outside the band
    EXPECT_EQ(canvas.Pixel(50, 20), kGrey);

    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), own_pen);
    EXPECT_EQ(::GetBkColor(canvas.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);

    ::SelectObject(canvas.Dc(), before);
    ::DeleteObject(own_pen);
}

TEST(RouteDraw, HighlightedBandIsYellow) {
    Canvas_t canvas;
    trove::Route_t route;
    route.route_points.push_back(PointWithLink({geo::Position_t(10, 50), geo::Position_t(50, 50)}));
    PlainProjector_t projector;
    route.Draw(canvas.Dc(), projector, true);
    // Longitude 50 projects to x = 50.5, drawn at 51.
    EXPECT_EQ(canvas.Pixel(51, 30), kBlack);
    EXPECT_EQ(canvas.Pixel(49, 30), kYellow);
    EXPECT_EQ(canvas.Pixel(53, 30), kYellow);
    EXPECT_EQ(canvas.Pixel(60, 30), kGrey);
}

TEST(RouteDraw, NothingToDrawLeavesTheContextAsItWas) {
    Canvas_t canvas;
    const HGDIOBJ pen = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const COLORREF colour = ::GetBkColor(canvas.Dc());
    const int mode = ::GetBkMode(canvas.Dc());
    trove::Route_t route;
    route.route_points.push_back(PointWithLink({}));
    PlainProjector_t projector;
    route.Draw(canvas.Dc(), projector, false);
    trove::Route_t().Draw(canvas.Dc(), projector, true);
    EXPECT_EQ(projector.calls, 1);
    EXPECT_EQ(canvas.Pixel(0, 0), kGrey);
    EXPECT_EQ(::GetCurrentObject(canvas.Dc(), OBJ_PEN), pen);
    EXPECT_EQ(::GetBkColor(canvas.Dc()), colour);
    EXPECT_EQ(::GetBkMode(canvas.Dc()), mode);
}

}  // namespace
