#pragma once
// The selection tests that decide which records a read keeps: their settings block and the two
// predicates the reader applies to each record.

#include <array>
#include <cstdint>

#include "catalogue/store.hpp"

namespace tensova {

// A selection polygon has 3 to 9 vertices, typed or read from a file.
constexpr int32_t kMinVertices = 3;
constexpr int32_t kMaxVertices = 9;

// Settings of the selection tests; zero until the reader's start-up gives them their defaults.
struct Seistest2 {
    int32_t nfreemin;  // minimum number of free moment-tensor components
    int32_t nvrtx;     // polygon vertices in use
    float latmin, latmax;
    float lonmin, lonmax;
    float depmin, depmax;
    std::array<std::array<float, 2>, 3> rakint;  // minimum and maximum of rake intervals 1 to 3
    std::array<float, kMaxVertices> vrtxlat;
    std::array<float, kMaxVertices> vrtxlong;
    std::array<std::array<float, 3>, kMaxVertices> vrtx1;  // unit vectors of the vertices
    std::array<std::array<float, 3>, kMaxVertices> vnrm1;  // one edge normal per vertex
    float fclvdmax;                                        // maximum |CLVD ratio|
    float erelmax;                                         // maximum relative moment-tensor error
    bool ltest;                                            // general switch: off keeps every record
    bool ltestlat;
    bool ltestlong;
    bool ltestdep;
    bool ltestpoly;
    bool lgrcircle;  // polygon edges are great circles, else straight longitude-latitude lines
    bool lrak2pl;    // the rake test needs both nodal planes, else either
    std::array<bool, 3> ltestrak;  // rake intervals 1 to 3 on
    bool ltestfro;                 // Frohlich quality tests
};
inline Seistest2 seistest2;

// Sets up the tests: modes 4 and 5 give every setting its default; even modes then let the
// user change them; last the polygon is checked.
void setseistest6(int32_t inter);

// The latitude, longitude and depth bounds, whatever their switches say.
void gscseistest(float& latmin, float& latmax, float& lonmin, float& lonmax, float& depmin,
                 float& depmax);

// Location-and-rake predicate of event index k: general switch, latitude, longitude, depth,
// polygon, rake, in this order. Every bound is inclusive.
bool passesLocationAndRake(const Gcmtblk& store, int32_t k);

// Quality predicate of event index k (Frohlich tests), on its derived values; applied only
// while the general switch and the quality switch are both on.
bool passesQuality(const Gcmtblk& store, int32_t k);

}  // namespace tensova
