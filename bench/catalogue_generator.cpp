#include "catalogue_generator.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string_view>

namespace tensova::bench {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int64_t kMinutesApart = 67;

using V3 = std::array<double, 3>;  // north, east, down

double rad(double d) {
    return d * kPi / 180.0;
}
double deg(double r) {
    return r * 180.0 / kPi;
}
double dot(const V3& a, const V3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
V3 cross(const V3& a, const V3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
V3 scaled(const V3& a, double s) {
    return {a[0] * s, a[1] * s, a[2] * s};
}
V3 sum(const V3& a, const V3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

struct Plane {
    double strike, dip, rake;
};

// Normal (pointing up) and slip vector of a nodal plane.
void planeVectors(const Plane& p, V3& n, V3& d) {
    const double f = rad(p.strike), dl = rad(p.dip), l = rad(p.rake);
    n = {-std::sin(dl) * std::sin(f), std::sin(dl) * std::cos(f), -std::cos(dl)};
    d = {std::cos(l) * std::cos(f) + std::sin(l) * std::cos(dl) * std::sin(f),
         std::cos(l) * std::sin(f) - std::sin(l) * std::cos(dl) * std::cos(f),
         -std::sin(l) * std::sin(dl)};
}

// The plane with normal n and slip d.
Plane planeOf(V3 n, V3 d) {
    if (n[2] > 0.0) {
        n = scaled(n, -1.0);
        d = scaled(d, -1.0);
    }
    Plane p;
    p.dip = deg(std::acos(std::fmin(1.0, -n[2])));
    const double f = std::atan2(-n[0], n[1]);
    p.strike = std::fmod(deg(f) + 360.0, 360.0);
    const double dl = rad(p.dip);
    const V3 s = {std::cos(f), std::sin(f), 0.0};
    const V3 w = {std::cos(dl) * std::sin(f), -std::cos(dl) * std::cos(f), -std::sin(dl)};
    p.rake = deg(std::atan2(dot(d, w), dot(d, s)));
    return p;
}

// Angles are whole degrees in the files, so they are made whole here.
float whole(double v) {
    return static_cast<float>(std::nearbyint(v));
}

void axisAngles(V3 v, float& plunge, float& azimuth) {
    if (v[2] < 0.0) v = scaled(v, -1.0);
    plunge = whole(deg(std::asin(std::fmin(1.0, v[2]))));
    azimuth = whole(std::fmod(deg(std::atan2(v[1], v[0])) + 360.0, 360.0));
    if (azimuth >= 360.0f) azimuth = 0.0f;
}

template <std::size_t N>
void setText(Text<N>& t, std::string_view s) {
    std::memset(t.data(), ' ', N);
    std::memcpy(t.data(), s.data(), std::min(N, s.size()));
}

// Civil date of a day count from 1970-01-01.
void civil(int64_t days, int& y, int& m, int& d) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

constexpr std::string_view kRegions[] = {
    "NEAR COAST OF NORTHERN C",
    "KURIL ISLANDS",
    "MARIANA ISLANDS REGION",
    "SOUTH OF FIJI ISLANDS",
    "KERMADEC ISLANDS REGION",
    "CENTRAL MID-ATLANTIC RID",
    "SOUTHERN IRAN",
    "NEAR EAST COAST OF HONS",
    "TONGA ISLANDS",
    "SOLOMON ISLANDS",
    "NORTHERN CALIFORNIA",
    "PERU-BRAZIL BORDER REGIO",
};

class Generator {
  public:
    Generator(const RecordLayout& layout, uint32_t seed)
        : layout_(layout), rng_(seed), store_(std::make_unique<Gcmtblk>()) {}

    void append(int64_t index, std::string& out) {
        fill(index);
        for (const RecordLine& line : layout_.lines) {
            out += writeRecordLine(line, *store_, 0);
            out += '\n';
        }
    }

  private:
    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }

    void fill(int64_t index) {
        Gcmtblk& s = *store_;
        const bool ndk = layout_.dataType == kNdkData;

        // Reference time: events kMinutesApart minutes apart from 1950-01-01.
        const int64_t minutes = index * kMinutesApart;
        const int64_t day = minutes / 1440 - 7305;
        int y, m, d;
        civil(day, y, m, d);
        const int hh = static_cast<int>(minutes % 1440 / 60), mm = static_cast<int>(minutes % 60);
        // Events of one day in order: the dek name's letter.
        const int64_t firstOfDay = ((minutes / 1440) * 1440 + kMinutesApart - 1) / kMinutesApart;
        const auto letter = static_cast<char>('A' + (index - firstOfDay) % 26);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%04.1f", hh, mm, uniform(0.0, 59.9));
        setText(s.time[0], buf);
        if (ndk) {
            std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, m, d);
            setText(s.date1[0], buf);
            std::snprintf(buf, sizeof buf, "C%04d%02d%02d%02d%02dA", y, m, d, hh, mm);
        } else {
            std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", m, d, y % 100);
            setText(s.date1[0], buf);
            std::snprintf(buf, sizeof buf, "C%02d%02d%02d%c", m, d, y % 100, letter);
        }
        setText(s.cmtlabel[0], buf);

        // Hypocentre and centroid. Epicentres keep more than a degree from the poles, as real
        // ones do: a world map on Mercator, whose poles lie at infinity, shows every one.
        s.rlat[0] = static_cast<float>(uniform(-88.99, 88.99));
        s.rlong[0] = static_cast<float>(uniform(-179.99, 179.99));
        s.depth[0] = static_cast<float>(uniform(0.0, 690.0));
        s.rmb[0] = static_cast<float>(uniform(4.0, 7.5));
        s.rms[0] = static_cast<float>(uniform(0.0, 8.0));
        setText(s.region[0], kRegions[index % std::size(kRegions)]);
        setText(s.hyporef[0], "PDE");
        s.cdt[0] = static_cast<float>(uniform(-9.9, 9.9));
        s.cdte[0] = static_cast<float>(uniform(0.1, 0.9));
        s.clat[0] = s.rlat[0] + static_cast<float>(uniform(-0.3, 0.3));
        s.clate[0] = static_cast<float>(uniform(0.01, 0.09));
        s.clong[0] = s.rlong[0] + static_cast<float>(uniform(-0.3, 0.3));
        s.clonge[0] = static_cast<float>(uniform(0.01, 0.09));
        s.cdepth[0] = static_cast<float>(uniform(12.0, 690.0));
        s.cdepthe[0] = static_cast<float>(uniform(0.1, 9.9));

        // Inversion data.
        setText(s.bwc[0], "B:");
        setText(s.swc[0], "S:");
        setText(s.mwc[0], "M:");
        s.ibstatn[0] = static_cast<int32_t>(uniform(0, 99));
        s.ibrec[0] = s.ibstatn[0] * 2;
        s.ibcutf[0] = 40;
        s.isstatn[0] = static_cast<int32_t>(uniform(0, 99));
        s.isrec[0] = s.isstatn[0] * 2;
        s.iscutf[0] = 50;
        s.imstatn[0] = static_cast<int32_t>(uniform(0, 99));
        s.imrec[0] = s.imstatn[0] * 2;
        s.imcutf[0] = 125;
        setText(s.invtypc[0], "CMT:");
        s.invtypi[0] = 1;
        setText(s.mtrttypc[0], ndk ? "TRIHD:" : "TRI");
        s.rmtrtdur[0] = static_cast<float>(uniform(0.5, 9.9));
        setText(s.clab[0], ndk ? "CENTROID:" : "CEN");
        setText(s.cdeptyp[0], ndk ? "FREE" : "FR");
        setText(s.cstamp[0], "S-20200101000000");
        setText(s.cvers[0], "V10");

        source(s);
    }

    // A random source: nodal plane 1, the plane and axes that follow from it, and the moment
    // tensor with those axes and a small CLVD part.
    void source(Gcmtblk& s) {
        Plane p1{std::floor(uniform(0.0, 360.0)), std::floor(uniform(5.0, 90.0)),
                 std::floor(uniform(-179.0, 181.0))};
        V3 n, d;
        planeVectors(p1, n, d);
        const Plane p2 = planeOf(d, n);
        const V3 t = scaled(sum(n, d), 1.0 / std::sqrt(2.0));
        const V3 p = scaled(sum(n, scaled(d, -1.0)), 1.0 / std::sqrt(2.0));
        const V3 b = cross(n, d);

        const double m0 = uniform(1.0, 9.9);
        const double clvd = uniform(-0.05, 0.05) * m0;
        const double eig[3] = {m0 + clvd, -2.0 * clvd, -m0 + clvd};
        const V3* axes[3] = {&t, &b, &p};
        double mned[3][3] = {};
        for (int a = 0; a < 3; ++a)
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) mned[i][j] += eig[a] * (*axes[a])[i] * (*axes[a])[j];
        // North, east, down to up, south, east.
        const double mrse[6] = {mned[2][2], mned[0][0],  mned[1][1],
                                mned[2][0], -mned[2][1], -mned[0][1]};

        s.iexmomt[0] = static_cast<int32_t>(uniform(23.0, 27.0));
        for (std::size_t j = 0; j < 6; ++j) {
            s.tmomt[0][j] = static_cast<float>(mrse[j]);
            s.tmomte[0][j] = static_cast<float>(uniform(0.01, 0.3));
        }
        for (int a = 0; a < 3; ++a) {
            s.tmval[static_cast<std::size_t>(a)][0] = static_cast<float>(eig[a]);
            axisAngles(*axes[a], s.tmvecpl[static_cast<std::size_t>(a)][0],
                       s.tmvecaz[static_cast<std::size_t>(a)][0]);
        }
        s.tmt0[0] = static_cast<float>(m0);
        const Plane planes[2] = {p1, p2};
        for (std::size_t k = 0; k < 2; ++k) {
            s.azd0[k][0] = whole(planes[k].strike);
            if (s.azd0[k][0] >= 360.0f) s.azd0[k][0] = 0.0f;
            s.dipd0[k][0] = whole(planes[k].dip);
            s.rakd0[k][0] = whole(planes[k].rake);
            if (s.rakd0[k][0] <= -180.0f) s.rakd0[k][0] = 180.0f;
        }
    }

    const RecordLayout& layout_;
    std::mt19937 rng_;
    std::unique_ptr<Gcmtblk> store_;
};

}  // namespace

std::string generateCatalogue(int64_t n, const RecordLayout& layout, uint32_t seed) {
    Generator g(layout, seed);
    std::string out;
    out.reserve(static_cast<std::size_t>(n) * 410);
    for (int64_t i = 0; i < n; ++i) g.append(i, out);
    return out;
}

bool writeCatalogue(const std::string& path, int64_t n, const RecordLayout& layout, uint32_t seed) {
    std::ofstream f(path, std::ios::binary);
    const std::string text = generateCatalogue(n, layout, seed);
    f.write(text.data(), static_cast<std::streamsize>(text.size()));
    f.close();
    return static_cast<bool>(f);
}

}  // namespace tensova::bench
