#pragma once
// Sine, cosine and arc tangent computed alike on every platform. The C libraries' own differ in
// the last bit between them (glibc, the WebAssembly build's, Windows'), and distances and
// bearings are written out to the last digit: these give the same bits everywhere, within one
// unit in the last place. fdlibm's polynomial kernels over a reduction by pi/2 in three parts.
namespace geo {

// For |x| up to 2^20 * pi/2, every angle a position or a leg has; beyond, the C library's.
double Sin(double x);
double Cos(double x);
double Atan2(double y, double x);

}  // namespace geo
