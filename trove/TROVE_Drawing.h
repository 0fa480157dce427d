#pragma once
// The base of records that can draw themselves on a Windows device context, with the
// drawing state they carry. The picture is a cache shared between copies.
#include <cstdint>

#include "gdi/GDI_MetaFile.h"
#include "geo/GEO_Position.h"
#include "map/MAP_Projector.h"
#include "map/MAP_ScrnRect.h"

#ifdef _WIN32
// The device context handle as <windows.h> declares it, without pulling its macros in here.
struct HDC__;
typedef HDC__* HDC;
#endif

namespace trove {

constexpr double kDefaultDrawingScale = 2147483648.0;  // 2^31

class Drawing_t {
public:
#ifdef _WIN32
    virtual void Draw(HDC dc, const map::Projector_t& projector, bool highlighted) const = 0;
#endif

    std::uint8_t drawing_flag = 0;
    double scale = kDefaultDrawingScale;
    geo::Position_t anchor;
    map::ScrnRect_t screen_rect;
    gdi::MetaFilePtr_t picture;

protected:
    // Not deleted through the base: drawings are held by value.
    Drawing_t() = default;
    Drawing_t(const Drawing_t&) = default;
    Drawing_t& operator=(const Drawing_t&) = default;
    ~Drawing_t() = default;
};

}  // namespace trove
