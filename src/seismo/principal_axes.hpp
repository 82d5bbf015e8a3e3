#pragma once
// Principal stress axes of a double couple, the vertical-axis index and the azimuth of the
// maximum horizontal stress (SHmax), and the console table of events whose vertical axis is
// flagged.
//
// Frame: first axis north, second east, third down. Angles are radians. Axis 1 is S1 (the P
// axis, maximum compression), 2 is S2 (the B or null axis), 3 is S3 (the T axis). An azimuth
// runs clockwise from north in (-pi, pi]; a plunge is positive downwards and keeps its sign:
// an axis computed pointing upwards has a negative plunge (it is the same axis as its antipode).

#include <array>
#include <cstdint>

namespace tensova {

// Azimuths and plunges of S1, S2, S3 from one nodal plane: strike, dip and rake (radians,
// the plane dipping to the right of the strike, rake from the strike towards up-dip). phi
// tilts S1 away from 45 degrees to the slip vector; 0 gives the axes of a double couple.
void fsadr2steff(std::array<float, 3>& azsr, std::array<float, 3>& plsr, float strike, float dip,
                 float rake, float phi);

// Two absolute plunges (radians) no farther apart than this are alike: a tie. fsadr2steff leaves
// the plunges of a true tie within 1.8e-7 of each other (3 units of 2^-24) for every
// mechanism in whole degrees, as the catalogues give them, while the closest plunges that truly
// differ there are 7.2e-6 apart (dip 30, rake 145); the tie lies between, 5 to 7 times from each.
constexpr float kAlikePlunges = 1e-6f;

// For each of n data: isv, the index (1 to 3) of the steepest axis, negated when its absolute
// plunge is below the threshold (radians); azshmax, the SHmax azimuth in [0, 2pi), taken from
// the flattest axis (S1: its azimuth; S2: its azimuth when S1 is the steepest, plus pi/2 when S3
// is; S3: its azimuth plus pi/2). Of plunges alike, the lower index is the steeper and the
// flatter. An absolute plunge above pi/2 gets an error box and is clamped; data whose axes
// cannot be ranked (not numbers) get an error box and an SHmax azimuth of 0.
void siap2sv(float* azshmax, int32_t* isv, const float* az1, const float* pl1, const float* az2,
             const float* pl2, const float* az3, const float* pl3, float threshold, int32_t n);

// The table of flagged data on the console unit `unit`: a rule (unit 6 only), the header, a
// rule (unit 6 only), then one row, in degrees, for each datum whose isv is not 1 to 3. Fields
// are separated by "|" on unit 6 and by TAB elsewhere. Rows are numbered from `nfirst`, so
// that a caller passing one event at a time shows the event's own number.
void writepbsv(const float* azshmax, const int32_t* isv, const float* az1, const float* pl1,
               const float* az2, const float* pl2, const float* az3, const float* pl3, int32_t n,
               int32_t unit, int32_t nfirst);

}  // namespace tensova
