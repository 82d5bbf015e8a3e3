#pragma once
// The plot library's own state: the transforms of the 35 subplots, the drawing attributes the
// device does not read, the plot buffer and the subplot titles. The attributes the device
// reads live with it (postscript/ps_attributes.hpp).

#include <array>
#include <cstdint>
#include <string>

#include "numeric/matrices.hpp"
#include "postscript/ps_attributes.hpp"

namespace tensova {

inline constexpr int32_t kSubplots = 35;

// Affine maps are an origin and a 2x2 matrix stored by columns: p goes to o + M p. Arrays
// by subplot are read with `subplotIndex`, subplots counted from 1. Every member is zero at start.
struct Plt1blk {
    std::array<Vec2, kSubplots> cm0tode{};  // origin of the centimetres in device units
    Mat22 cmtode{};                         // centimetres to device units, all subplots
    float cmtodelength = 0.0f;              // device units per centimetre, for lengths
    std::array<Vec2, kSubplots> us0tode{};  // user units to device units (derived)
    std::array<Mat22, kSubplots> ustode{};
    std::array<Vec2, kSubplots> us0tocm{};  // user units to centimetres
    std::array<Mat22, kSubplots> ustocm{};
    std::array<Vec2, kSubplots> cm0tous{};  // centimetres to user units (derived)
    std::array<Mat22, kSubplots> cmtous{};
    // The last set-up from user limits: the paper position of the minimum corner, the user
    // limits (xumin, xumax, yumin, yumax), the paper lengths and the equal-scale flag.
    std::array<Vec2, kSubplots> usmintocm{};
    std::array<std::array<float, 4>, kSubplots> usextr{};
    std::array<Vec2, kSubplots> cmaxlength{};
    std::array<int32_t, kSubplots> isoxy{};
    int32_t isubcur = 0;  // current subplot, 0 before the first selection
};
inline Plt1blk plt1blk;

// Slot of subplot s (1..35).
inline std::size_t subplotIndex(int32_t s) {
    return static_cast<std::size_t>(s - 1);
}

// The drawing attributes the device does not read. Zero until the start-up fills the number of
// colours and the symbol size and each opening of a plot file gives every attribute its default.
struct Plt2blk {
    float linethick = 0.0f;  // cm
    float txtheight = 0.0f;  // cm
    float symbsize = 0.0f;   // cm: the full width of a symbol
    int32_t ncolor = 0;      // slots 0..ncolor are in use, 1..12 once initialised
    int32_t ifont = 0;       // 1..16
    int32_t symbtype = 0;    // negative: closed outlines filled
};
inline Plt2blk plt2blk;

// The plot buffer: a piece of a polyline, a polygon or a symbol in device units, filled just
// before the device call that draws it.
inline constexpr int32_t kPlotBuffer = 501;
struct Pltbuff1 {
    std::array<float, kPlotBuffer> xdevbuff{};
    std::array<float, kPlotBuffer> ydevbuff{};
};
inline Pltbuff1 pltbuff1;

// Subplot titles, 20 characters each (nothing sets them: they stay blank), and the names of the
// 13 colour slots, 8 characters each.
struct Pltcharblk {
    std::array<std::string, kSubplots> subplotitle = [] {
        std::array<std::string, kSubplots> t;
        t.fill(std::string(20, ' '));
        return t;
    }();
    std::array<std::string, kColourSlots> colornam = [] {
        std::array<std::string, kColourSlots> t;
        t.fill(std::string(8, ' '));
        return t;
    }();
};
inline Pltcharblk pltcharblk;

}  // namespace tensova
