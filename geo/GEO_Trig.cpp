#include "geo/GEO_Trig.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace geo {

namespace {

// The high 32 bits of x without its sign: sign-free exponent and the top of the mantissa.
std::uint32_t HighBits(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return static_cast<std::uint32_t>(bits >> 32) & 0x7fffffff;
}

// sin(x + y) and cos(x + y) for |x| <= pi/4, y the tail of a reduced argument.
double KernelSin(double x, double y, bool tail) {
    constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                     S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                     S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double w = z * z;
    const double r = S2 + z * (S3 + z * S4) + z * w * (S5 + z * S6);
    const double v = z * x;
    if (!tail) return x + v * (S1 + z * r);
    return x - ((z * (0.5 * y - v * r) - y) - v * S1);
}

double KernelCos(double x, double y) {
    constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                     C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                     C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;
    const double z = x * x;
    const double w = z * z;
    const double r = z * (C1 + z * (C2 + z * C3)) + w * w * (C4 + z * (C5 + z * C6));
    const double hz = 0.5 * z;
    const double one_less = 1.0 - hz;
    return one_less + (((1.0 - one_less) - hz) + (z * r - x * y));
}

// x less the nearest multiple n of pi/2, as y0 + y1 (about 118 bits and more where needed);
// returns n. For |x| < 2^20 * pi/2.
int ReduceByHalfPi(double x, double& y0, double& y1) {
    constexpr double kToInteger = 6755399441055744.0;  // 1.5 * 2^52
    constexpr double kTwoOverPi = 6.36619772367581382433e-01;
    constexpr double P1 = 1.57079632673412561417e+00, P1t = 6.07710050650619224932e-11,
                     P2 = 6.07710050630396597660e-11, P2t = 2.02226624879595063154e-21,
                     P3 = 2.02226624871116645580e-21, P3t = 8.47842766036889956997e-32;
    const double fn = x * kTwoOverPi + kToInteger - kToInteger;
    const int n = static_cast<int>(fn);
    double r = x - fn * P1;
    double w = fn * P1t;
    y0 = r - w;
    const int ex = static_cast<int>(HighBits(x) >> 20);
    if (ex - static_cast<int>(HighBits(y0) >> 20) > 16) {
        double t = r;
        w = fn * P2;
        r = t - w;
        w = fn * P2t - ((t - r) - w);
        y0 = r - w;
        if (ex - static_cast<int>(HighBits(y0) >> 20) > 49) {
            t = r;
            w = fn * P3;
            r = t - w;
            w = fn * P3t - ((t - r) - w);
            y0 = r - w;
        }
    }
    y1 = (r - y0) - w;
    return n;
}

constexpr std::uint32_t kQuarterPi = 0x3fe921fb;  // high bits of pi/4
constexpr std::uint32_t kReducible = 0x413921fb;  // of 2^20 * pi/2

double Atan(double x) {
    static const double kHigh[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                   9.82793723247329054082e-01, 1.57079632679489655800e+00};
    static const double kLow[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                  1.39033110312309984516e-17, 6.12323399573676603587e-17};
    static const double kT[] = {
        3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
        -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
        6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
        -3.65315727442169155270e-02, 1.62858201153657823623e-02};
    const std::uint32_t ix = HighBits(x);
    const bool negative = std::signbit(x);
    if (ix >= 0x44100000) {  // |x| >= 2^66
        if (std::isnan(x)) return x;
        return negative ? -kHigh[3] : kHigh[3];
    }
    int id;
    if (ix < 0x3fdc0000) {              // |x| < 0.4375
        if (ix < 0x3e400000) return x;  // |x| < 2^-27
        id = -1;
    } else {
        x = std::fabs(x);
        if (ix < 0x3fe60000) {  // |x| < 11/16
            id = 0;
            x = (2.0 * x - 1.0) / (2.0 + x);
        } else if (ix < 0x3ff30000) {  // |x| < 19/16
            id = 1;
            x = (x - 1.0) / (x + 1.0);
        } else if (ix < 0x40038000) {  // |x| < 2.4375
            id = 2;
            x = (x - 1.5) / (1.0 + 1.5 * x);
        } else {
            id = 3;
            x = -1.0 / x;
        }
    }
    const double z = x * x;
    const double w = z * z;
    const double s1 = z * (kT[0] + w * (kT[2] + w * (kT[4] + w * (kT[6] + w * (kT[8] + w * kT[10])))));
    const double s2 = w * (kT[1] + w * (kT[3] + w * (kT[5] + w * (kT[7] + w * kT[9]))));
    if (id < 0) return x - x * (s1 + s2);
    const double result = kHigh[id] - (x * (s1 + s2) - kLow[id] - x);
    return negative ? -result : result;
}

}  // namespace

double Sin(double x) {
    const std::uint32_t ix = HighBits(x);
    if (ix <= kQuarterPi) return ix < 0x3e500000 ? x : KernelSin(x, 0.0, false);
    if (ix >= kReducible) return std::sin(x);
    double y0, y1;
    switch (ReduceByHalfPi(x, y0, y1) & 3) {
        case 0:
            return KernelSin(y0, y1, true);
        case 1:
            return KernelCos(y0, y1);
        case 2:
            return -KernelSin(y0, y1, true);
        default:
            return -KernelCos(y0, y1);
    }
}

double Cos(double x) {
    const std::uint32_t ix = HighBits(x);
    if (ix <= kQuarterPi) return ix < 0x3e46a09e ? 1.0 : KernelCos(x, 0.0);
    if (ix >= kReducible) return std::cos(x);
    double y0, y1;
    switch (ReduceByHalfPi(x, y0, y1) & 3) {
        case 0:
            return KernelCos(y0, y1);
        case 1:
            return -KernelSin(y0, y1, true);
        case 2:
            return -KernelCos(y0, y1);
        default:
            return KernelSin(y0, y1, true);
    }
}

double Atan2(double y, double x) {
    constexpr double kPi = 3.1415926535897931160E+00, kPiLow = 1.2246467991473531772E-16;
    if (std::isnan(x) || std::isnan(y)) return x + y;
    // The plain cases, and those where y / x overflows or vanishes, as the C library gives them.
    if (y == 0 || x == 0 || std::isinf(x) || std::isinf(y)) return std::atan2(y, x);
    if (x == 1.0) return Atan(y);
    const std::uint32_t ix = HighBits(x), iy = HighBits(y);
    if (ix + (64u << 20) < iy) return std::signbit(y) ? -kPi / 2 : kPi / 2;
    const bool x_negative = std::signbit(x), y_negative = std::signbit(y);
    const double z = x_negative && iy + (64u << 20) < ix ? 0.0 : Atan(std::fabs(y / x));
    if (!x_negative) return y_negative ? -z : z;
    return y_negative ? (z - kPiLow) - kPi : kPi - (z - kPiLow);
}

}  // namespace geo
