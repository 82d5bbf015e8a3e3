#include "catalogue/record_layout.hpp"

#include <array>
#include <cmath>
#include <type_traits>
#include <utility>

#include "console/fields.hpp"
#include "console/fixed_columns.hpp"

namespace tensova {
namespace {

// Iw of the value truncated toward zero (the angle columns of catalogue records): 359.7 gives
// 359, -89.6 gives -89, -0.4 gives 0. A value that is not a number keeps its word.
void appendTruncated(std::string& out, float v, int w) {
    if (!std::isfinite(v)) {
        out += fmtF(v, w, 0);
        return;
    }
    const double clamped = std::fmax(-1e12, std::fmin(1e12, static_cast<double>(v)));
    appendI(out, static_cast<int64_t>(std::trunc(clamped)), w);
}

// Accessors of a store member for event index k: plain per-event arrays, per-axis or per-plane
// arrays (index I first), and per-event component arrays (component J last).
template <auto M>
auto* at(Gcmtblk& s, int32_t k) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype((s.*M)[k])>, float> ||
                  std::is_same_v<std::remove_cvref_t<decltype((s.*M)[k])>, int32_t>)
        return &(s.*M)[static_cast<std::size_t>(k)];
    else
        return (s.*M)[static_cast<std::size_t>(k)].data();
}
template <auto M, std::size_t I>
float* ofAxis(Gcmtblk& s, int32_t k) {
    return &(s.*M)[I][static_cast<std::size_t>(k)];
}
template <auto M, std::size_t J>
float* ofComponent(Gcmtblk& s, int32_t k) {
    return &(s.*M)[static_cast<std::size_t>(k)][J];
}

constexpr const char* kAxisNames[] = {"T", "B", "P"};
constexpr const char* kPlaneNames[] = {"plane 1", "plane 2"};
constexpr const char* kComponentNames[] = {"Mrr", "Mss", "Mee", "Mrs", "Mre", "Mse"};

template <auto M>
constexpr RecordField text(int first, int width) {
    using Member = std::remove_cvref_t<decltype((std::declval<Gcmtblk&>().*M)[0])>;
    constexpr auto length = static_cast<int16_t>(std::tuple_size_v<Member>);
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(width),
            FieldKind::Text,
            0,
            length,
            &at<M>,
            nullptr,
            nullptr,
            nullptr,
            nullptr};
}
template <auto M>
constexpr RecordField integer(const char* name, int first, int width) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(width),
            FieldKind::Integer,
            0,
            0,
            nullptr,
            &at<M>,
            nullptr,
            name,
            nullptr};
}
constexpr RecordField realOf(const char* name, const char* part, int first, int width, int decimals,
                             float* (*f)(Gcmtblk&, int32_t), FieldKind kind = FieldKind::Real) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(width),
            kind,
            static_cast<int8_t>(decimals),
            0,
            nullptr,
            nullptr,
            f,
            name,
            part};
}
template <auto M>
constexpr RecordField real(const char* name, int first, int width, int decimals) {
    return realOf(name, nullptr, first, width, decimals, &at<M>);
}
template <auto M, std::size_t I>
constexpr RecordField axis(const char* name, int first, int width, int decimals) {
    return realOf(name, kAxisNames[I], first, width, decimals, &ofAxis<M, I>);
}
// An angle of a principal axis (three per event) or of a nodal plane (two).
template <auto M, std::size_t I>
constexpr RecordField angle(const char* name, int first, int width) {
    constexpr bool ofAxes = std::tuple_size_v<std::remove_cvref_t<decltype(Gcmtblk{}.*M)>> == 3;
    return realOf(name, ofAxes ? kAxisNames[I] : kPlaneNames[I], first, width, 0, &ofAxis<M, I>,
                  FieldKind::Angle);
}
template <auto M, std::size_t J>
constexpr RecordField component(const char* name, int first, int width, int decimals) {
    return realOf(name, kComponentNames[J], first, width, decimals, &ofComponent<M, J>);
}

using G = Gcmtblk;
constexpr std::size_t kT = kAxisT;
constexpr std::size_t kB = kAxisB;
constexpr std::size_t kP = kAxisP;
constexpr std::size_t kNp1 = kPlane1;
constexpr std::size_t kNp2 = kPlane2;

// clang-format off
// ndk: five lines of 80 columns.
constexpr RecordField kNdk1[] = {
    text<&G::hyporef>(1, 4), text<&G::date1>(6, 10), text<&G::time>(17, 10),
    real<&G::rlat>("rlat", 27, 7, 2), real<&G::rlong>("rlong", 34, 8, 2),
    real<&G::depth>("depth", 42, 6, 1), real<&G::rmb>("rmb", 48, 4, 1),
    real<&G::rms>("rms", 52, 4, 1), text<&G::region>(57, 24),
};
constexpr RecordField kNdk2[] = {
    text<&G::cmtlabel>(1, 16), text<&G::bwc>(18, 2), integer<&G::ibstatn>("ibstatn", 20, 3),
    integer<&G::ibrec>("ibrec", 23, 5), integer<&G::ibcutf>("ibcutf", 28, 4), text<&G::swc>(33, 2),
    integer<&G::isstatn>("isstatn", 35, 3), integer<&G::isrec>("isrec", 38, 5),
    integer<&G::iscutf>("iscutf", 43, 4), text<&G::mwc>(48, 2),
    integer<&G::imstatn>("imstatn", 50, 3), integer<&G::imrec>("imrec", 53, 5),
    integer<&G::imcutf>("imcutf", 58, 4), text<&G::invtypc>(63, 4),
    integer<&G::invtypi>("invtypi", 67, 2), text<&G::mtrttypc>(70, 6),
    real<&G::rmtrtdur>("rmtrtdur", 76, 5, 1),
};
constexpr RecordField kNdk3[] = {
    text<&G::clab>(1, 9), real<&G::cdt>("cdt", 10, 9, 1), real<&G::cdte>("cdte", 19, 4, 1),
    real<&G::clat>("clat", 23, 7, 2), real<&G::clate>("clate", 30, 5, 2),
    real<&G::clong>("clong", 35, 8, 2), real<&G::clonge>("clonge", 43, 5, 2),
    real<&G::cdepth>("cdepth", 48, 6, 1), real<&G::cdepthe>("cdepthe", 54, 5, 1),
    text<&G::cdeptyp>(60, 4), text<&G::cstamp>(65, 16),
};
// Moment tensor: Mrr, Mss, Mee, Mrs, Mre, Mse, each followed by its error.
constexpr RecordField kNdk4[] = {
    integer<&G::iexmomt>("iexmomt", 1, 2),
    component<&G::tmomt, 0>("tmomt", 3, 7, 3), component<&G::tmomte, 0>("tmomte", 10, 6, 3),
    component<&G::tmomt, 1>("tmomt", 16, 7, 3), component<&G::tmomte, 1>("tmomte", 23, 6, 3),
    component<&G::tmomt, 2>("tmomt", 29, 7, 3), component<&G::tmomte, 2>("tmomte", 36, 6, 3),
    component<&G::tmomt, 3>("tmomt", 42, 7, 3), component<&G::tmomte, 3>("tmomte", 49, 6, 3),
    component<&G::tmomt, 4>("tmomt", 55, 7, 3), component<&G::tmomte, 4>("tmomte", 62, 6, 3),
    component<&G::tmomt, 5>("tmomt", 68, 7, 3), component<&G::tmomte, 5>("tmomte", 75, 6, 3),
};
constexpr RecordField kNdk5[] = {
    text<&G::cvers>(1, 3),
    axis<&G::tmval, kT>("tmval", 4, 8, 3), angle<&G::tmvecpl, kT>("tmvecpl", 12, 3),
    angle<&G::tmvecaz, kT>("tmvecaz", 15, 4),
    axis<&G::tmval, kB>("tmval", 19, 8, 3), angle<&G::tmvecpl, kB>("tmvecpl", 27, 3),
    angle<&G::tmvecaz, kB>("tmvecaz", 30, 4),
    axis<&G::tmval, kP>("tmval", 34, 8, 3), angle<&G::tmvecpl, kP>("tmvecpl", 42, 3),
    angle<&G::tmvecaz, kP>("tmvecaz", 45, 4),
    real<&G::tmt0>("tmt0", 49, 8, 3),
    angle<&G::azd0, kNp1>("azd0", 57, 4), angle<&G::dipd0, kNp1>("dipd0", 61, 3),
    angle<&G::rakd0, kNp1>("rakd0", 64, 5),
    angle<&G::azd0, kNp2>("azd0", 69, 4), angle<&G::dipd0, kNp2>("dipd0", 73, 3),
    angle<&G::rakd0, kNp2>("rakd0", 76, 5),
};
constexpr RecordLine kNdkLines[] = {
    {kNdk1, 80}, {kNdk2, 80}, {kNdk3, 80}, {kNdk4, 80}, {kNdk5, 80}};

// dek: four lines of 79, 79, 80 and 73 columns. No surface waves, inversion label or type, time
// stamp or version code.
constexpr RecordField kDek1[] = {
    text<&G::cmtlabel>(1, 8), text<&G::date1>(10, 8), text<&G::time>(19, 10),
    real<&G::rlat>("rlat", 30, 6, 2), real<&G::rlong>("rlong", 37, 7, 2),
    real<&G::depth>("depth", 45, 5, 1), real<&G::rmb>("rmb", 50, 3, 1),
    real<&G::rms>("rms", 53, 3, 1), text<&G::region>(56, 24),
};
constexpr RecordField kDek2[] = {
    text<&G::hyporef>(1, 3), text<&G::bwc>(5, 3), integer<&G::ibstatn>("ibstatn", 8, 2),
    integer<&G::ibrec>("ibrec", 10, 3), integer<&G::ibcutf>("ibcutf", 14, 3), text<&G::mwc>(18, 3),
    integer<&G::imstatn>("imstatn", 21, 2), integer<&G::imrec>("imrec", 23, 3),
    integer<&G::imcutf>("imcutf", 27, 3), text<&G::clab>(31, 3), real<&G::cdt>("cdt", 34, 6, 1),
    real<&G::cdte>("cdte", 40, 4, 1), real<&G::clat>("clat", 45, 6, 2),
    real<&G::clate>("clate", 52, 4, 2), real<&G::clong>("clong", 57, 7, 2),
    real<&G::clonge>("clonge", 65, 4, 2), real<&G::cdepth>("cdepth", 70, 5, 1),
    real<&G::cdepthe>("cdepthe", 76, 4, 1),
};
// Moment tensor as in ndk, in narrower fields.
constexpr RecordField kDek3[] = {
    text<&G::mtrttypc>(2, 3), real<&G::rmtrtdur>("rmtrtdur", 5, 4, 1), text<&G::cdeptyp>(10, 2),
    integer<&G::iexmomt>("iexmomt", 12, 3),
    component<&G::tmomt, 0>("tmomt", 15, 6, 2), component<&G::tmomte, 0>("tmomte", 21, 5, 2),
    component<&G::tmomt, 1>("tmomt", 26, 6, 2), component<&G::tmomte, 1>("tmomte", 32, 5, 2),
    component<&G::tmomt, 2>("tmomt", 37, 6, 2), component<&G::tmomte, 2>("tmomte", 43, 5, 2),
    component<&G::tmomt, 3>("tmomt", 48, 6, 2), component<&G::tmomte, 3>("tmomte", 54, 5, 2),
    component<&G::tmomt, 4>("tmomt", 59, 6, 2), component<&G::tmomte, 4>("tmomte", 65, 5, 2),
    component<&G::tmomt, 5>("tmomt", 70, 6, 2), component<&G::tmomte, 5>("tmomte", 76, 5, 2),
};
constexpr RecordField kDek4[] = {
    axis<&G::tmval, kT>("tmval", 1, 7, 2), angle<&G::tmvecpl, kT>("tmvecpl", 8, 3),
    angle<&G::tmvecaz, kT>("tmvecaz", 11, 4),
    axis<&G::tmval, kB>("tmval", 15, 7, 2), angle<&G::tmvecpl, kB>("tmvecpl", 22, 3),
    angle<&G::tmvecaz, kB>("tmvecaz", 25, 4),
    axis<&G::tmval, kP>("tmval", 29, 7, 2), angle<&G::tmvecpl, kP>("tmvecpl", 36, 3),
    angle<&G::tmvecaz, kP>("tmvecaz", 39, 4),
    real<&G::tmt0>("tmt0", 43, 7, 2),
    angle<&G::azd0, kNp1>("azd0", 50, 4), angle<&G::dipd0, kNp1>("dipd0", 54, 3),
    angle<&G::rakd0, kNp1>("rakd0", 58, 4),
    angle<&G::azd0, kNp2>("azd0", 62, 4), angle<&G::dipd0, kNp2>("dipd0", 66, 3),
    angle<&G::rakd0, kNp2>("rakd0", 70, 4),
};
constexpr RecordLine kDekLines[] = {{kDek1, 79}, {kDek2, 79}, {kDek3, 80}, {kDek4, 73}};
// clang-format on

}  // namespace

constexpr RecordLayout ndkLayout{"ndk", kNdkData, kNdkLines};
constexpr RecordLayout dekLayout{"dek", kDekData, kDekLines};

bool readRecordLine(const RecordLine& layout, std::string_view line, Gcmtblk& store, int32_t k,
                    const RecordField** bad) {
    for (const RecordField& f : layout.fields) {
        bool ok = true;
        switch (f.kind) {
            case FieldKind::Text:
                readFixedText(line, f.first, f.width, f.text(store, k),
                              static_cast<std::size_t>(f.length));
                break;
            case FieldKind::Integer:
                ok = readFixedInt(line, f.first, f.width, *f.integer(store, k));
                break;
            case FieldKind::Real:
            case FieldKind::Angle:
                ok = readFixedReal(line, f.first, f.width, f.decimals, *f.real(store, k));
                break;
        }
        if (!ok) {
            if (bad != nullptr) *bad = &f;
            return false;
        }
    }
    return true;
}

std::string fieldName(const RecordField& f) {
    std::string name = f.name != nullptr ? f.name : "text";
    if (f.part != nullptr) name += std::string(" ") + f.part;
    return name;
}

void appendFieldValue(std::string& out, const RecordField& f, const Gcmtblk& store, int32_t k,
                      int width, AngleEdit angles) {
    // The accessors serve reading too, so they take a modifiable store; nothing is changed here.
    auto& s = const_cast<Gcmtblk&>(store);
    switch (f.kind) {
        case FieldKind::Text:
            out.append(f.text(s, k), static_cast<std::size_t>(width));
            break;
        case FieldKind::Integer:
            appendI(out, *f.integer(s, k), width);
            break;
        case FieldKind::Real:
            appendF(out, *f.real(s, k), width, f.decimals);
            break;
        case FieldKind::Angle:
            if (angles == AngleEdit::Truncated)
                appendTruncated(out, *f.real(s, k), width);
            else
                appendF(out, *f.real(s, k), width, 0);
            break;
    }
}

std::string writeRecordLine(const RecordLine& layout, const Gcmtblk& store, int32_t k) {
    std::string out;
    out.reserve(static_cast<std::size_t>(layout.width));
    for (const RecordField& f : layout.fields) {
        out.resize(static_cast<std::size_t>(f.first - 1), ' ');
        appendFieldValue(out, f, store, k, f.width, AngleEdit::Truncated);
    }
    out.resize(static_cast<std::size_t>(layout.width), ' ');
    return out;
}

}  // namespace tensova
