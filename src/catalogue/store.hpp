#pragma once
// The catalogue store: the events of the last read, one fixed array of kCapacity elements per
// catalogue field. Event k of the catalogue is element k-1 of every array.
//
// Layout that the plot drivers rely on: the six moment-tensor components of one event lie
// together (tmomt[k][j]); the principal-axis and nodal-plane arrays keep all events of one axis
// or plane together (azd0[plane][k]), so that one plane's strikes pass as one plain array.
// Texts are fixed byte arrays, blank-padded, without terminator.

#include <array>
#include <cstdint>
#include <string_view>

namespace tensova {

constexpr int32_t kCapacity = 25000;

// Data types of the store.
constexpr int32_t kNoData = 0;
constexpr int32_t kDekData = 1;
constexpr int32_t kNdkData = 2;

// Axis and plane indices.
constexpr int kAxisT = 0;
constexpr int kAxisB = 1;
constexpr int kAxisP = 2;
constexpr int kPlane1 = 0;
constexpr int kPlane2 = 1;

template <std::size_t N>
using Text = std::array<char, N>;

template <class T>
using PerEvent = std::array<T, kCapacity>;

template <std::size_t N>
std::string_view textOf(const Text<N>& t) {
    return std::string_view(t.data(), N);
}

struct Gcmtblk {
    int32_t count = 0;     // events 1 to count are valid
    int32_t dataType = 0;  // kNoData, kDekData or kNdkData

    PerEvent<int32_t> ibstatn;  // body waves: stations
    PerEvent<int32_t> ibrec;    // body waves: components
    PerEvent<int32_t> ibcutf;   // body waves: shortest period, s
    PerEvent<int32_t> isstatn;  // surface waves (ndk only)
    PerEvent<int32_t> isrec;
    PerEvent<int32_t> iscutf;
    PerEvent<int32_t> imstatn;  // mantle waves
    PerEvent<int32_t> imrec;
    PerEvent<int32_t> imcutf;
    PerEvent<int32_t> iexmomt;  // power of ten of tmomt, tmomte, tmval, tmt0
    PerEvent<int32_t> invtypi;  // inversion type number (ndk only)
    PerEvent<int32_t> nmfree;   // derived: free moment-tensor components

    PerEvent<float> rlat;   // hypocentre latitude, north positive
    PerEvent<float> rlong;  // hypocentre longitude, east positive
    PerEvent<float> depth;  // km
    PerEvent<float> rmb;
    PerEvent<float> rms;
    PerEvent<float> rmtrtdur;  // half duration of the moment-rate function, s
    PerEvent<float> cdt;       // centroid time minus reference time, s
    PerEvent<float> cdte;
    PerEvent<float> clat;
    PerEvent<float> clate;
    PerEvent<float> clong;
    PerEvent<float> clonge;
    PerEvent<float> cdepth;
    PerEvent<float> cdepthe;

    PerEvent<std::array<float, 6>> tmomt;    // Mrr, Mss, Mee, Mrs, Mre, Mse
    PerEvent<std::array<float, 6>> tmomte;   // their errors
    std::array<PerEvent<float>, 3> tmval;    // eigenvalues of T, B, P
    PerEvent<float> tmt0;                    // scalar moment
    std::array<PerEvent<float>, 3> tmvecpl;  // plunges of T, B, P, positive down
    std::array<PerEvent<float>, 3> tmvecaz;  // azimuths of T, B, P
    std::array<PerEvent<float>, 2> azd0;     // strikes of nodal planes 1 and 2
    std::array<PerEvent<float>, 2> dipd0;
    std::array<PerEvent<float>, 2> rakd0;
    PerEvent<float> fclvd;  // derived: CLVD ratio
    PerEvent<float> erelm;  // derived: relative moment-tensor error
    PerEvent<float> xd;     // scratch: projected x, written by the map driver
    PerEvent<float> yd;     // scratch: projected y

    PerEvent<Text<10>> date1;
    PerEvent<Text<10>> time;
    PerEvent<Text<24>> region;
    PerEvent<Text<4>> hyporef;
    PerEvent<Text<16>> cmtlabel;
    PerEvent<Text<3>> bwc;
    PerEvent<Text<3>> swc;  // ndk only
    PerEvent<Text<3>> mwc;
    PerEvent<Text<4>> invtypc;  // ndk only
    PerEvent<Text<6>> mtrttypc;
    PerEvent<Text<9>> clab;
    PerEvent<Text<4>> cdeptyp;
    PerEvent<Text<16>> cstamp;  // ndk only
    PerEvent<Text<3>> cvers;    // ndk only
};

// Zero at program start, texts included; about 9 MB of static storage.
inline Gcmtblk gcmtblk;

}  // namespace tensova
