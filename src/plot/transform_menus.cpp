// The dialogs of the two user-to-centimetre set-ups: a picture of the conversion with its
// current values, one question, and on Yes a prompt for every value in a fixed order. They
// work on their arguments only; the set-up stores what they return.

#include <cmath>
#include <string>

#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/input.hpp"
#include "console/menus.hpp"
#include "console/prompts.hpp"
#include "console/text.hpp"
#include "plot/transforms.hpp"

namespace tensova {
namespace {

const Stamp kMus2cm1("mus2cm1", " 6.5", "16-03-2009");
const Stamp kMus2cm3("mus2cm3", " 4.4", "16-03-2009");

constexpr std::string_view kEquals42 = "==========================================";
constexpr std::string_view kDashes42 = "------------------------------------------";

void lines(std::initializer_list<std::string_view> texts) {
    for (const std::string_view t : texts) wout({t});
}

// Whether the scaling's matrix can be inverted, as every drawing in user units needs; a box
// refuses it otherwise, after the answer to `last`. The determinant is taken as the inversion
// takes it.
bool invertible(const Stamp& which, std::string_view last, float xx, float xy, float yx, float yy) {
    const float det = xx * yy - xy * yx;
    if (det != 0.0f && std::isfinite(det)) return true;
    refuseAnswer({which, last, "==> WILL ASK VALUES AGAIN"},
                 {"det(B) = " + fmtG(det, 15, 3), "=> Cannot Invert B"});
    return false;
}

bool wantsChange() {
    bool alter = false;
    inlogicdef(alter, "Do you want to alter this", false);
    return alter;
}

using Values = std::initializer_list<std::pair<float&, std::string_view>>;

// A real prompt for each value in turn, its current value the default.
void askEach(Values values) {
    for (const auto& [v, question] : values) inrealdef(v, question, v);
}

// One row of the matrix form's values: |xcm|   |  xx    xy|   |xu|   | xcm0|.
void matrixRow(std::string_view left, float a, float b, std::string_view right, float offset) {
    wout({std::string(left) + "   |" + fmtF(a, 7, 3) + " " + fmtF(b, 7, 3) + "|   " +
          std::string(right) + "   |" + fmtF(offset, 7, 3) + "|"});
}

// A text and its value in nine columns with three decimals.
std::string pair(std::string_view text, float v) {
    return std::string(text) + fmtF(v, 9, 3);
}

void isoxyLines(int32_t isoxy) {
    if (isoxy == 1) {
        wout({"X & Y scale imposed equal"});
    } else if (isoxy == 0) {
        wout({"X & Y scale will adjust xlcm & ylcm"});
    } else {
        wout({"WARNING: ixy = ", fmtI(isoxy, 8), " neither 0 nor 1"});
        wout({"      will have same effect as ixy = 0"});
    }
}

}  // namespace

void mus2cm1(float& xcm0, float& ycm0, float& xx, float& xy, float& yx, float& yy) {
    submenuhead(kMus2cm1);
    if (lwito(2)) {
        lines({kEquals42, "          CONVERSION SET UP               ", kEquals42,
               "|  cm  |                   |user units|", "|  on  | <---------------- |   used   |",
               "| plot |                   | in calls |", " ",
               " |xcm|                         |xu|", " |   | <---------------------- |  |",
               " |ycm|                         |yu|", " ", " |xcm|     |xx   xy|   |xu|   |xcm0|",
               " |   |  =  |       | * |  | + |    |", " |ycm|     |yx   yy|   |yu|   |ycm0|",
               kEquals42, "            Current set up:", kEquals42});
        matrixRow("|xcm|", xx, xy, "|xu|", xcm0);
        wout({"|   | = |" + std::string(15, ' ') + "| * |  | + |" + std::string(7, ' ') + "|"});
        matrixRow("|ycm|", yx, yy, "|yu|", ycm0);
        wout({kEquals42});
    }
    if (!wantsChange()) return;
    askEach({{xcm0, "xcm0"}, {ycm0, "ycm0"}});
    askUntilUsable(
        [&] {
            askEach({{xx, "xx"}, {xy, "xy"}, {yx, "yx"}, {yy, "yy"}});
        },
        [&] { return invertible(kMus2cm1, "yy", xx, xy, yx, yy); }, xx, xy, yx, yy);
}

void mus2cm3(float& xcm0, float& ycm0, float& xlcm, float& ylcm, float& xumin, float& xumax,
             float& yumin, float& yumax, int32_t& isoxy) {
    submenuhead(kMus2cm3);
    if (lwito(2)) {
        lines({kEquals42, "          CONVERSION SET UP               ", kEquals42,
               "|  cm  |                     |user units|",
               "|  on  | <------------------ |   used   |",
               "| plot |                     | in calls |", " ",
               " |xcm|                           |xu|", " |   | <------------------------ |  |",
               " |ycm|                           |yu|", kEquals42, "            Current set up:",
               kEquals42, kDashes42, "     1 - USER UNITS IN USER SPACE         ", kDashes42});
        wout({pair("   _|_________________|_  yumax = ", yumax)});
        lines({"    |                 |", "    |                 |"});
        wout({pair("   _|_________________|_  yumin = ", yumin)});
        lines({"    |                 |", "  xumin             xumax"});
        wout({" " + fmtF(xumin, 9, 3) + std::string(9, ' ') + fmtF(xumax, 9, 3)});
        lines({"", " user limits:          xu,yu in user units"});
        wout({pair(" xumin = ", xumin), pair(" yumin = ", yumin)});
        wout({pair(" xumax = ", xumax), pair(" yumax = ", yumax)});
        lines({kDashes42, "     2 - CM UNITS ON PLOT                 ", kDashes42,
               "   _|_________________|_  ", "    |                 |  |"});
        wout({pair("    |                 |  | ylcm = ", ylcm)});
        wout({pair("   _|_________________|_ | _ ycm0 = ", ycm0)});
        lines({"    |                 |", "    <---- xlcm -------> "});
        wout({pair("    |   ", xlcm)});
        wout({pair("  xcm0 = ", xcm0)});
        lines({"", " paper limits:               xcm,ycm in cm"});
        wout({pair(" xlcm  = ", xlcm), pair(" ylcm  = ", ylcm)});
        wout({pair(" xcm0  = ", xcm0), pair(" ycm0  = ", ycm0)});
        lines({kDashes42});
        isoxyLines(isoxy);
        lines({kDashes42});
    }
    if (!wantsChange()) return;
    // The scales of the limits and lengths are the diagonal of the matrix.
    askUntilUsable(
        [&] {
            askEach({{xumin, "xumin"},
                     {xumax, "xumax"},
                     {yumin, "yumin"},
                     {yumax, "yumax"},
                     {xcm0, "xcm0"},
                     {ycm0, "ycm0"},
                     {xlcm, "xlcm"},
                     {ylcm, "ylcm"}});
        },
        [&] {
            return invertible(kMus2cm3, "ylcm", xlcm / (xumax - xumin), 0.0f, 0.0f,
                              ylcm / (yumax - yumin));
        },
        xumin, xumax, yumin, yumax, xcm0, ycm0, xlcm, ylcm);
    inintegvindef(isoxy, "Whether X scale = Y scale", isoxy, 0, 1);
}

}  // namespace tensova
