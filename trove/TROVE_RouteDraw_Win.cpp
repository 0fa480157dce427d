// Drawing a route on a Windows device context.
#include <list>

#include "gdi/GDI_BackgroundScope.h"
#include "gdi/GDI_ObjectSelector.h"
#include "gdi/GDI_Pen.h"
#include "gdi/GDI_PointBuffer.h"
#include "trove/TROVE_Route.h"

namespace trove {

namespace {

// Made once when the module loads, deleted when it unloads.
const gdi::Pen_t route_pen(PS_SOLID, 7, 0x00FF00FF);      // magenta band
const gdi::Pen_t highlight_pen(PS_SOLID, 7, 0x0000FFFF);  // yellow band
const gdi::Pen_t thin_pen(PS_SOLID, 1, 0x01000000);       // palette index 0

}  // namespace

void Route_t::Draw(HDC dc, const map::Projector_t& projector, bool highlighted) const {
    gdi::BackgroundScope_t background(dc, 0xFFFFFF, OPAQUE);

    std::list<gdi::SmartPointBuffer_t> buffers;
    for (const RouteWaypoint_t& point : route_points) {
        std::list<map::ScreenPolyline_t> lines;
        projector.Project(point.link.link_points, point.link.link_bounds, lines);
        for (const map::ScreenPolyline_t& line : lines) buffers.emplace_back(line);
    }

    gdi::ObjectSelector_t pen(dc, (highlighted ? highlight_pen : route_pen).Handle());
    for (const gdi::SmartPointBuffer_t& buffer : buffers) ::Polyline(dc, buffer.Points(), buffer.Count());
    ::SelectObject(dc, thin_pen.Handle());
    for (const gdi::SmartPointBuffer_t& buffer : buffers) ::Polyline(dc, buffer.Points(), buffer.Count());
    buffers.clear();  // then the pen, the background mode and colour go back, in that order
}

}  // namespace trove
