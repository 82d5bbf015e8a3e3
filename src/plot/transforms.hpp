#pragma once
// Subplots and the three unit systems of a drawing: user units, defined per subplot by an
// affine map to centimetres on the paper, and device units (PostScript points).
//
// A subplot is a slot of plt1blk: selecting it decides which map the next user-unit call
// uses. The set-up routines take the set-up mode `inter`; 6 and 7 act on all 35 subplots
// with the defaults. While the plot file is open a set-up also refreshes the subplot's map to
// device units; the map back from centimetres to user units is refreshed at every set-up.

#include <cstdint>

#include "numeric/matrices.hpp"

namespace tensova {

// The page transform of a subplot's user units, whole: to centimetres on the paper (an origin
// and a matrix) and back. A value: it stays as it was taken whatever is set up later. The
// paper's own map to device units is the page's, not the transform's.
struct PageTransform {
    Vec2 us0tocm{};
    Mat22 ustocm{};
    Vec2 cm0tous{};
    Mat22 cmtous{};
    // Point conversions, as us2cm and cm2us do them for the current subplot.
    void toCm(float* xcm, float* ycm, const float* xus, const float* yus, int32_t n) const;
    void toUser(float* xus, float* yus, const float* xcm, const float* ycm, int32_t n) const;
    // The user units of one centimetre along the paper's x.
    float unitsPerCm() const;
};
// The current subplot's page transform.
PageTransform pageTransform();
// The current subplot takes the page transform t, and its map to device units follows it while
// the plot file is open: what is drawn in user units then lands where t puts it. No dialog and
// no console line.
void usePageTransform(const PageTransform& t);

// Point conversions of the current subplot. An output array may be its input array; n < 1
// converts nothing.
void us2de(float* xde, float* yde, const float* xus, const float* yus, int32_t n);
void cm2de(float* xde, float* yde, const float* xcm, const float* ycm, int32_t n);
void cm2us(float* xus, float* yus, const float* xcm, const float* ycm, int32_t n);
void us2cm(float* xcm, float* ycm, const float* xus, const float* yus, int32_t n);
// The user units of one centimetre along the paper's x, in the current subplot.
float usPerCm();
// A length in centimetres to device units.
void lengthcm2de(float& lde, float lcm);

// User to centimetres in matrix form: xcm = xcm0 + xx xu + xy yu, ycm = ycm0 + yx xu + yy yu.
void sus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy, int32_t inter);
// User to centimetres from user limits and a box on the paper: (xumin, yumin) lands at
// (xcm0, ycm0), the x range fills xlcm and the y range ylcm; with isoxy 1 both axes take
// the smaller scale.
void sus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax,
             float& yumin, float& yumax, int32_t& isoxy, int32_t inter);
// Refresh the user-to-device and the centimetre-to-user map of the current subplot.
void sus2de();
// Centimetres to device units: 28.35 points to the centimetre, origin at the page's origin.
void scm2de();
// Selects and shows the current subplot; isub returns the number selected.
void ssubplot(int32_t& isub, int32_t inter);

// The dialogs behind the two set-ups: show the values, and ask for new ones on request.
void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy);
void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax,
             float& yumin, float& yumax, int32_t& isoxy);

}  // namespace tensova
