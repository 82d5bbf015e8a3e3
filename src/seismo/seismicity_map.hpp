#pragma once
// The seismicity map: a menu that sets up one map page (plot file, scaling, projection,
// symbols, grid, overlays and points, the plunge threshold of the vertical axis) and a RUN that
// draws the events as projected epicentres with their SHmax and Shmin symbols, writing one line
// per event to the Si-Sh file when asked.

#include <cstdint>
#include <string>

namespace tensova {

// The map's own settings, kept from one call to the next (zero until the start-up).
struct MapSeis {
    std::string plotName = std::string(50, ' ');
    bool contours = false;      // open the overlay menu at the end of a RUN
    bool epicentres = false;    // draw the epicentre symbols
    bool shDirections = false;  // draw the stress symbols and write the Si-Sh lines
    bool points = false;        // open the point menu after the grid
    bool scaleToFit = false;    // fit the grid box into the plot file's page
    float threshold = 0.0f;     // degrees: a steepest axis flatter than this is flagged
    int32_t epitype = 0;        // symbol type of the epicentres
};
inline MapSeis mapseis;

// The map of n events (at most nmax): xd, yd receive their projected positions; longitude,
// latitude (degrees), depth (km), date and time texts (dateLength and timeLength characters
// each, one after the other), strike, dip and rake of the nodal plane to map (degrees). islot is
// the output slot of the file table that holds the Si-Sh file, written during a RUN when lsish
// is on. The map is drawn in subplot isub. Modes 4 and 5 set the defaults of the map and of
// what it drives; every other mode opens the menu, until 99. A plot file opened here stays open.
void mapseis4(float* xd, float* yd, const float* rlong, const float* rlat, const float* depth,
              const char* date1, int32_t dateLength, const char* time1, int32_t timeLength,
              const float* azd1, const float* dipd1, const float* rakd1, int32_t n, int32_t nmax,
              int32_t islot, bool lsish, int32_t isub, int32_t mode);

}  // namespace tensova
