#include "catalogue/record_layout.hpp"

#include <array>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <utility>

#include "console/fields.hpp"
#include "console/fixed_columns.hpp"

namespace tensova {
namespace {

// Iw of the value truncated toward zero (the angle columns of catalogue records): 359.7 gives
// 359, -89.6 gives -89, -0.4 gives 0. A value that is not a number keeps its word.
char* putTruncated(char* p, float v, int w) {
    if (!std::isfinite(v)) return putF(p, v, w, 0);
    // Clamped to what an integer holds; its conversion truncates.
    const double x = v;
    return putI(p, static_cast<int64_t>(x < -1e12 ? -1e12 : (x > 1e12 ? 1e12 : x)), w);
}

// Where a member keeps the element of event 0, in the program's own store, and how far apart
// two events' elements lie: plain per-event arrays, per-axis or per-plane arrays (index I
// first), and per-event component arrays (component J last).
struct Place {
    const void* first;
    int32_t stride;
};
template <auto M>
constexpr Place at() {
    auto& element = (gcmtblk.*M)[0];
    if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(element)>>)
        return {&element, sizeof element};
    else
        return {element.data(), sizeof element};
}
template <auto M, std::size_t I>
constexpr Place ofAxis() {
    return {&(gcmtblk.*M)[I][0], sizeof(float)};
}
template <auto M, std::size_t J>
constexpr Place ofComponent() {
    return {&(gcmtblk.*M)[0][J], sizeof((gcmtblk.*M)[0])};
}

constexpr const char* kAxisNames[] = {"T", "B", "P"};
constexpr const char* kPlaneNames[] = {"plane 1", "plane 2"};
constexpr const char* kComponentNames[] = {"Mrr", "Mss", "Mee", "Mrs", "Mre", "Mse"};

constexpr RecordField field(FieldKind kind, Place place, int first, int width, int decimals = 0,
                            const char* name = nullptr, const char* part = nullptr,
                            int length = 0) {
    return {static_cast<int16_t>(first),
            static_cast<int16_t>(width),
            kind,
            static_cast<int8_t>(decimals),
            static_cast<int16_t>(length),
            place.first,
            place.stride,
            name,
            part};
}
template <auto M>
constexpr RecordField text(int first, int width) {
    using Member = std::remove_cvref_t<decltype((std::declval<Gcmtblk&>().*M)[0])>;
    return field(FieldKind::Text, at<M>(), first, width, 0, nullptr, nullptr,
                 std::tuple_size_v<Member>);
}
template <auto M>
constexpr RecordField integer(const char* name, int first, int width) {
    return field(FieldKind::Integer, at<M>(), first, width, 0, name);
}
template <auto M>
constexpr RecordField real(const char* name, int first, int width, int decimals) {
    return field(FieldKind::Real, at<M>(), first, width, decimals, name);
}
template <auto M, std::size_t I>
constexpr RecordField axis(const char* name, int first, int width, int decimals) {
    return field(FieldKind::Real, ofAxis<M, I>(), first, width, decimals, name, kAxisNames[I]);
}
// An angle of a principal axis (three per event) or of a nodal plane (two).
template <auto M, std::size_t I>
constexpr RecordField angle(const char* name, int first, int width) {
    constexpr bool ofAxes = std::tuple_size_v<std::remove_cvref_t<decltype(Gcmtblk{}.*M)>> == 3;
    return field(FieldKind::Angle, ofAxis<M, I>(), first, width, 0, name,
                 ofAxes ? kAxisNames[I] : kPlaneNames[I]);
}
template <auto M, std::size_t J>
constexpr RecordField component(const char* name, int first, int width, int decimals) {
    return field(FieldKind::Real, ofComponent<M, J>(), first, width, decimals, name,
                 kComponentNames[J]);
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

// What the reader derives from each event, as the tables write it.
constexpr RecordField kDerived[] = {
    real<&G::fclvd>("fclvd", 1, 5, 2), real<&G::erelm>("erelm", 6, 5, 2),
    integer<&G::nmfree>("nmfree", 11, 1),
};
constexpr RecordLine kDerivedLines[] = {{kDerived, 11}};
// clang-format on

// A line is written as blanks with each field over its own columns: the fields come in column
// order, apart, inside the line, and a text's member holds its field.
constexpr bool writable(std::span<const RecordLine> lines) {
    for (const RecordLine& l : lines) {
        int next = 1;
        for (const RecordField& f : l.fields) {
            if (f.first < next || f.width < 1 || (f.kind == FieldKind::Text && f.length < f.width))
                return false;
            next = f.first + f.width;
        }
        if (next - 1 > l.width) return false;
    }
    return true;
}
static_assert(writable(kNdkLines) && writable(kDekLines) && writable(kDerivedLines));

// The element of field f for event index k in store s: at the same place in s as in the
// program's store.
template <class T>
T* element(const RecordField& f, Gcmtblk& s, int32_t k) {
    const std::ptrdiff_t offset =
        static_cast<const char*>(f.place) - reinterpret_cast<const char*>(&gcmtblk);
    return reinterpret_cast<T*>(reinterpret_cast<char*>(&s) + offset +
                                static_cast<std::ptrdiff_t>(k) * f.stride);
}

}  // namespace

constexpr RecordLayout ndkLayout{"ndk", kNdkData, kNdkLines};
constexpr RecordLayout dekLayout{"dek", kDekData, kDekLines};
constexpr RecordLine derivedValues = kDerivedLines[0];

bool readRecordLine(const RecordLine& layout, std::string_view line, Gcmtblk& store, int32_t k,
                    const RecordField** bad) {
    for (const RecordField& f : layout.fields) {
        bool ok = true;
        switch (f.kind) {
            case FieldKind::Text:
                readFixedText(line, f.first, f.width, element<char>(f, store, k),
                              static_cast<std::size_t>(f.length));
                break;
            case FieldKind::Integer:
                ok = readFixedInt(line, f.first, f.width, *element<int32_t>(f, store, k));
                break;
            case FieldKind::Real:
            case FieldKind::Angle:
                ok =
                    readFixedReal(line, f.first, f.width, f.decimals, *element<float>(f, store, k));
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

void putFieldColumn(char* p, std::size_t pitch, const RecordField& f, const Gcmtblk& store,
                    int32_t k, int32_t n, int width, AngleEdit angles) {
    // The elements serve reading too, so they come from a modifiable store; nothing is changed
    // here.
    const char* v = element<char>(f, const_cast<Gcmtblk&>(store), k);
    const std::ptrdiff_t stride = f.stride;
    const char* const end = v + stride * n;
    const auto real = [](const char* e) { return *reinterpret_cast<const float*>(e); };
    switch (f.kind) {
        case FieldKind::Text:
            for (; v != end; v += stride, p += pitch)
                std::memcpy(p, v, static_cast<std::size_t>(width));
            break;
        case FieldKind::Integer:
            for (; v != end; v += stride, p += pitch)
                putI(p, *reinterpret_cast<const int32_t*>(v), width);
            break;
        case FieldKind::Real:
            for (; v != end; v += stride, p += pitch) putF(p, real(v), width, f.decimals);
            break;
        case FieldKind::Angle:
            if (angles == AngleEdit::Truncated)
                for (; v != end; v += stride, p += pitch) putTruncated(p, real(v), width);
            else
                for (; v != end; v += stride, p += pitch) putF(p, real(v), width, 0);
            break;
    }
}

std::string writeRecordLine(const RecordLine& layout, const Gcmtblk& store, int32_t k) {
    std::string out(static_cast<std::size_t>(layout.width), ' ');
    for (const RecordField& f : layout.fields)
        putFieldColumn(out.data() + (f.first - 1), 0, f, store, k, 1, f.width,
                       AngleEdit::Truncated);
    return out;
}

}  // namespace tensova
