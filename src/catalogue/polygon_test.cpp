#include "catalogue/polygon_test.hpp"

#include <algorithm>
#include <numbers>

#include "catalogue/selection_tests.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "numeric/angles.hpp"
#include "numeric/frames.hpp"
#include "numeric/vectors.hpp"

namespace tensova {
namespace {

const Stamp kSpolygontst("spolygontst", " 1.0", "01-04-2010");

constexpr float kDegreeF = std::numbers::pi_v<float> / 180.0f;

// Unit vector of a point given in degrees.
std::array<float, 3> unitVector(float lonDeg, float latDeg) {
    std::array<float, 2> ll = {lonDeg, latDeg};
    deg2rad(ll.data(), ll.data(), 2);
    std::array<float, 3> v;
    ll2ccn(&v[0], &v[1], &v[2], &ll[0], &ll[1], 1);
    return v;
}

void vertexRow(const Seistest2& t, std::size_t k) {
    wout({fmtI(static_cast<int64_t>(k + 1), 8), fmtF(t.vrtxlong[k], 8, 3),
          fmtF(t.vrtxlat[k], 8, 3)});
}

void reportZeroNormal(const Seistest2& t, std::size_t k, std::size_t k2) {
    errorhead(kSpolygontst);
    wout({"Test great circle:", fmtL(t.lgrcircle, 1)});
    wout({"INCONSISTENT CONTOUR:"});
    wout({"Vertex #", fmtA("longitude", 8), "latitude"});
    vertexRow(t, k);
    vertexRow(t, k2);
    wout({t.lgrcircle ? "||OV1 x OV2|| = 0" : "||V1V2|| = 0"});
    wout({"V2 = V1 ?"});
    wout({"==> TEST IS UNRELIABLE:"});
    wout({"==> IT NEED BE REDONE"});
    wout({"    AFTER CONTOUR CORRECTION"});
    errortail00();
}

}  // namespace

std::size_t polygonVertexCount(const Seistest2& t) {
    return static_cast<std::size_t>(std::clamp(t.nvrtx, 0, kMaxVertices));
}

std::array<float, 3> edgeNormal(bool greatCircle, float lon1, float lat1, float lon2, float lat2) {
    std::array<float, 3> normal{};
    if (greatCircle) {
        const auto v1 = unitVector(lon1, lat1);
        const auto v2 = unitVector(lon2, lat2);
        vecprod3d(normal.data(), v1.data(), v2.data(), 1);
    } else {
        normal = {lat1 - lat2, lon2 - lon1, 0.0f};
    }
    return normal;
}

EdgeFault edgeFault(bool greatCircle, float lon1, float lat1, float lon2, float lat2) {
    const auto normal = edgeNormal(greatCircle, lon1, lat1, lon2, lat2);
    float length = 0.0f;
    vecnorm(&length, normal.data(), 3, 1);
    if (!greatCircle) return length < kLeastSideDegrees ? EdgeFault::EndsMeet : EdgeFault::None;
    // The normal's length is the sine of the side's arc, which this small is the arc in
    // radians: small where the ends meet and where they are antipodal.
    if (length >= kLeastSideDegrees * kDegreeF) return EdgeFault::None;
    const auto v1 = unitVector(lon1, lat1);
    const auto v2 = unitVector(lon2, lat2);
    float cosine = 0.0f;
    scalprodn(&cosine, v1.data(), v2.data(), 3, 1);
    return cosine > 0.0f ? EdgeFault::EndsMeet : EdgeFault::EndsAntipodal;
}

void spolygontst(int32_t& istat) {
    Seistest2& t = seistest2;
    istat = 0;
    const std::size_t n = polygonVertexCount(t);
    if (t.lgrcircle)
        for (std::size_t k = 0; k < n; ++k) t.vrtx1[k] = unitVector(t.vrtxlong[k], t.vrtxlat[k]);
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t k2 = k + 1 == n ? 0 : k + 1;
        t.vnrm1[k] =
            edgeNormal(t.lgrcircle, t.vrtxlong[k], t.vrtxlat[k], t.vrtxlong[k2], t.vrtxlat[k2]);
        if (edgeFault(t.lgrcircle, t.vrtxlong[k], t.vrtxlat[k], t.vrtxlong[k2], t.vrtxlat[k2]) !=
            EdgeFault::None) {
            reportZeroNormal(t, k, k2);
            istat = t.lgrcircle ? 10 : 20;
        }
    }
}

bool insidePolygon(float rlong, float rlat) {
    const Seistest2& t = seistest2;
    const std::size_t n = polygonVertexCount(t);
    if (t.lgrcircle) {
        const auto p = unitVector(rlong, rlat);
        for (std::size_t k = 0; k < n; ++k) {
            float s = 0.0f;
            scalprodn(&s, p.data(), t.vnrm1[k].data(), 3, 1);
            if (s < 0.0f) return false;
        }
    } else {
        for (std::size_t k = 0; k < n; ++k) {
            const std::array<float, 2> d = {rlong - t.vrtxlong[k], rlat - t.vrtxlat[k]};
            float s = 0.0f;
            scalprodn(&s, d.data(), t.vnrm1[k].data(), 2, 1);
            if (s < 0.0f) return false;
        }
    }
    return true;
}

}  // namespace tensova
