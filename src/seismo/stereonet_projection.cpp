#include "seismo/stereonet_projection.hpp"

#include <cmath>
#include <string>
#include <string_view>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "numeric/angles.hpp"

namespace tensova {
namespace {

const Stamp kSpron("spron", " 1.0", "01-06-2010");
const Stamp kSspro("sspro", " 1.0", "01-06-2010");
const Stamp kSschmidt("sschmidt", " 1.0", "01-06-2010");
const Stamp kSwulf("swulf", " 1.0", "01-06-2010");

constexpr int32_t kDefaultProjection = 4;
constexpr float kSchmidtFactor = 1.4142135f;  // sqrt(2) in single precision
constexpr float kDefaultCmaxDeg = 180.0f;

bool knownProjection(int32_t iproj) {
    return iproj >= 1 && iproj <= 4;
}

// Radius of colatitude t on the net.
struct SchmidtRadius {
    float operator()(float t) const { return std::sin(t / 2.0f) * schmidtparams.factor; }
};
struct WulffRadius {
    float operator()(float t) const { return std::tan(t / 2.0f); }
};

template <class Radius>
void project(float* x, float* y, const float* az, const float* pl, int32_t n, float cmax,
             Radius radius) {
    const float halfPi = anglerad(kHalfPi);
    for (int32_t i = 0; i < n; ++i) {
        // Both inputs of a point are read before either output: x and y may be az and pl.
        const float a = az[i];
        const float colat = halfPi - pl[i];
        const float r = radius(cmax < colat ? cmax : colat);
        x[i] = r * std::cos(a);
        y[i] = r * std::sin(a);
    }
}

void ssproMenu(int32_t iproj) {
    static constexpr const char* kPicture[] = {
        "          &&&&&&&&&&&&&             ", "           &&&&&&&&&&&              ",
        "             &&&&&#&                ", "               &&& .                ",
        "                    .               ", "     /***************.*************/",
        "    /                 .           / ", "   /                  |          /  ",
        "  /                   V         /   ", " /                    #        /    ",
        "/*****************************/     ",
    };
    submenuhead(kSspro);
    wout({"STEREOGRAPHIC PROJECTION SET UP"});
    wout({"(azimuth,plunge) ---> (x,y) in plane"});
    wout({kDashes43});
    for (const char* line : kPicture) wout({line});
    wout({kDashes43});
    wout({"current projection number =", fmtI(iproj, 4)});
    wout({kDashes43});
    wout({"Projection                   command"});
    wout({"Wulff = conformal = Inversion"});
    wout({"   direct     X,Y axis ............1"});
    wout({"   retrograde X,Y axis ............2"});
    wout({"Schmidt = Lambert Azimuthal equal area"});
    wout({"   direct     X,Y axis ............3"});
    wout({"   retrograde X,Y axis ............4"});
    menutail();
}

// The set-up shared by both nets: initialisation lines, information section, stored cmax.
void setupNet(const Stamp& s, std::string_view title, std::string_view subtitle, float& cmax,
              int32_t mode) {
    if (mode >= 4 && mode <= 7) {
        submenuhead(s);
        wout({"INITIALIZING " + std::string(title)});
        wout({subtitle});
        cmax = kDefaultCmaxDeg;
    }
    if (isDialog(mode)) {
        submenuhead(s);
        wout({title});
        wout({subtitle});
        menutail();
    }
}

}  // namespace

void schmidtn(float* x, float* y, const float* az, const float* pl, int32_t n) {
    project(x, y, az, pl, n, schmidtparams.cmax, SchmidtRadius{});
}

void wulfn(float* x, float* y, const float* az, const float* pl, int32_t n) {
    project(x, y, az, pl, n, wulfparams.cmax, WulffRadius{});
}

void spron(float* x, float* y, const float* az, const float* pl, int32_t n) {
    for (;;) {
        switch (sprojtype.iproj) {
            case 1:
                wulfn(x, y, az, pl, n);
                return;
            case 2:
                wulfn(y, x, az, pl, n);
                return;
            case 3:
                schmidtn(x, y, az, pl, n);
                return;
            case 4:
                schmidtn(y, x, az, pl, n);
                return;
            default:
                break;
        }
        errorhead(kSpron);
        wout({"iproj =", fmtI(sprojtype.iproj, 5)});
        wout({"NO SUCH PROJECTION AVALAIBLE"});
        errortail00();
        int32_t iproj = kDefaultProjection;
        sspro(iproj, 0);
    }
}

void sspro(int32_t& iproj, int32_t mode) {
    if (startsFromStored(mode)) {
        iproj = sprojtype.iproj;
    } else if (mode >= 4 && mode <= 7) {
        iproj = kDefaultProjection;
        submenuhead(kSspro);
        wout({"INITIALIZING STEREOGRAPHIC PROJECTION"});
        wout({"projection number =", fmtI(iproj, 4)});
        wout({"projection = Schmidt, retrograde X,Y axis"});
    }
    bool menu = isDialog(mode);
    for (;;) {
        if (menu) {
            ssproMenu(iproj);
            // A refused number is not offered again: an empty answer takes the default net.
            const int32_t def = knownProjection(iproj) ? iproj : kDefaultProjection;
            inintegvindef(iproj, "projection number", def, 1, 4);
        }
        sprojtype.iproj = iproj;
        float cmax = kDefaultCmaxDeg;
        if (iproj == 1 || iproj == 2) {
            swulf(cmax, 5);
            return;
        }
        if (iproj == 3 || iproj == 4) {
            sschmidt(cmax, 5);
            return;
        }
        errorhead(kSspro);
        wout({"iproj =", fmtI(iproj, 4)});
        wout({"NO SUCH PROJECTION AVALAIBLE"});
        errortail00();
        menu = true;
    }
}

void sschmidt(float& cmax, int32_t mode) {
    setupNet(kSschmidt, "SCHMIDT PROJECTION", "Azimuthal Equal Area (Lambert,1772)", cmax, mode);
    schmidtparams.cmax = rad(cmax);
    schmidtparams.factor = kSchmidtFactor;
}

void swulf(float& cmax, int32_t mode) {
    setupNet(kSwulf, "WULFF PROJECTION", "Inversion or stereographic conformal", cmax, mode);
    wulfparams.cmax = rad(cmax);
}

}  // namespace tensova
