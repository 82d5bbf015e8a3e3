#include "curve/fixed_params.hpp"

#include <algorithm>

#include "console/boxes.hpp"
#include "console/checks.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/numtext.hpp"
#include "console/prompts.hpp"
#include "console/setup.hpp"
#include "curve/menu_frame.hpp"
#include "numeric/truncation.hpp"

namespace tensova {
namespace {

const Stamp kScparfix("scparfix", " 6.0", "21-05-2008");
const Stamp kScparfixnb("scparfixnb", " 2.0", "21-05-2008");

enum FixedType : int32_t { kNameOnly = 0, kReal = 1, kInteger = 2, kCharacter = 3 };

std::string int6(int32_t v) {
    return fmtI(v, 6);
}

// A slot as the caller holds it.
struct Slot {
    std::string& name;
    int32_t& type;
    float& real;
    int32_t& integer;
    std::string& text;
};

// The value forms that the type gives.
void deriveForms(const Slot& s) {
    switch (s.type) {
        case kNameOnly:
            s.real = 0.0f;
            s.integer = 0;
            s.text = fit("---", s.text.size());
            break;
        case kReal:
            s.integer = truncToInt32(s.real);
            caream(s.text, 9, s.real);
            break;
        case kInteger: {
            s.real = static_cast<float>(s.integer);
            int32_t nchar = 0;
            carinm2(s.text, nchar, 9, s.integer);
            break;
        }
        default:
            s.real = 0.0f;
            s.integer = 0;
            break;
    }
}

std::string infoText(const Slot& s) {
    std::string info(trimmed(s.name));
    if (s.type != kNameOnly) info += " = " + std::string(trimmed(s.text));
    return fit(info, 20);
}

void noActionBox(std::initializer_list<std::string_view> line) {
    warninghead(kScparfix);
    wout(line);
    wout({"=====> NO ACTION"});
    warningtail0();
}

void askType(int32_t& type) {
    static constexpr std::string_view kDashes28 = "----------------------------";
    wout({kDashes28});
    wout({"Parameter type:"});
    wout({kDashes28});
    wout({"name only - no value ......0"});
    wout({"real.......................1"});
    wout({"integer....................2"});
    wout({"character..................3"});
    wout({kDashes28});
    inintegvindef(type, curveQuestion("your choice"), type, kNameOnly, kCharacter);
}

// A value entry carries its command only for the slot's own type.
std::string_view valueLabel(const Slot& s, int32_t type, std::string_view withCommand,
                            std::string_view without) {
    return s.type == type ? withCommand : without;
}

void slotMenu(const Slot& s, std::string& info, int32_t ifix1) {
    curveMenuLoop(
        kScparfix, "          CURVES FIXED PARAMETERS    ",
        [&] {
            wout({"max nb of fixed params .........", int6(kFixedParamSlots)});
            wout({"current nb of fixed params .....", int6(pfixblock.nparfix)});
            wout({kDashes43});
            wout({"Parameter to modify"});
            wout({kDashes43});
            wout({"index  ..........................", int6(ifix1)});
            wout({"name ..........................10", s.name});
            wout({"type ..........................20", int6(s.type)});
            wout({valueLabel(s, kReal, "real      value ...............30",
                             "real      value ................."),
                  fmtF(s.real, 8, 3)});
            wout({valueLabel(s, kInteger, "integer   value ...............40",
                             "integer   value ................."),
                  int6(s.integer)});
            wout({valueLabel(s, kCharacter, "character value ...............50",
                             "character value ................."),
                  s.text});
            wout({"info:", info});
        },
        [&](int32_t choice) {
            int32_t wanted = kNameOnly;
            switch (choice) {
                case 10:
                    inchardef(s.name, curveQuestion("parameter name"), s.name);
                    if (s.type == kNameOnly) deriveForms(s);
                    info = infoText(s);
                    return true;
                case 20:
                    askType(s.type);
                    return true;
                case 30:
                    wanted = kReal;
                    break;
                case 40:
                    wanted = kInteger;
                    break;
                case 50:
                    wanted = kCharacter;
                    break;
                default:
                    return false;
            }
            if (s.type != wanted) {
                noActionBox({"Wrong type of parameter"});
                return true;
            }
            // The question is the parameter's own name.
            if (wanted == kReal) inrealdef(s.real, s.name, s.real);
            if (wanted == kInteger) inintegdef(s.integer, s.name, s.integer);
            if (wanted == kCharacter) inchardef(s.text, s.name, s.text);
            deriveForms(s);
            info = infoText(s);
            return true;
        },
        ChoicePrompt::Standard);
}

}  // namespace

void scparfixnb(int32_t& nparfixa, int32_t inter) {
    if (startsFromStored(inter)) nparfixa = pfixblock.nparfix;
    if (startsFromDefaults(inter)) nparfixa = 0;
    if (cinvin(nparfixa, 0, kFixedParamSlots, "scparfixnb", "nparfixa") != 0) {
        // Either bound crossed gives all the slots.
        nparfixa = kFixedParamSlots;
        wout({"  ===> reset nparfixa =", int6(nparfixa)});
    }
    if (isDialog(inter)) {
        curveMenuLoop(
            kScparfixnb, "          CURVES FIXED PARAMETERS   ",
            [&] {
                wout({"max nb of fixed params ..........", int6(kFixedParamSlots)});
                wout({"current nb of fixed params ....10", int6(nparfixa)});
            },
            [&](int32_t choice) {
                if (choice != 10) return false;
                inintegvindef(nparfixa, curveQuestion("nb of fixed parameters"), nparfixa, 1,
                              kFixedParamSlots);
                return true;
            });
    }
    pfixblock.nparfix = nparfixa;
}

void scparfix1(std::string& pfixnamea, int32_t& ipfixtypea, float& pfixa, int32_t& ipfixa,
               std::string& pfixvaluea, int32_t& ifix1, int32_t inter) {
    Pfixblock& b = pfixblock;
    if (startsFromStored(inter)) {
        // The callers name a slot that exists; a wrong one still reads inside the block.
        const auto i = static_cast<std::size_t>(std::clamp(ifix1, 1, kFixedParamSlots) - 1);
        pfixnamea = fit(b.pfixname[i], pfixnamea.size());
        ipfixtypea = b.ipfixtype[i];
        pfixa = b.pfix[i];
        ipfixa = b.ipfix[i];
        pfixvaluea = fit(b.pfixvalue[i], pfixvaluea.size());
    }
    if (startsFromDefaults(inter)) {
        pfixnamea = fit("parameter", pfixnamea.size());
        ipfixtypea = kReal;
        pfixa = 0.0f;
    }
    if (cinvin(ipfixtypea, kNameOnly, kCharacter, "scparfix", "ipfixtypea") != 0) {
        ipfixtypea = kNameOnly;
        wout({"  ===> reset ipfixtypea =", int6(ipfixtypea)});
    }
    if (b.nparfix < 1) {
        noActionBox({"nparfix =", int6(b.nparfix)});
        return;
    }
    if (cinvin(ifix1, 1, b.nparfix, "scparfix", "ifix1") != 0) {
        ifix1 = b.nparfix;
        wout({"  ===> reset ifix1 =", int6(ifix1)});
    }
    const Slot s{pfixnamea, ipfixtypea, pfixa, ipfixa, pfixvaluea};
    deriveForms(s);
    std::string info = infoText(s);
    if (isDialog(inter)) slotMenu(s, info, ifix1);
    const auto i = static_cast<std::size_t>(ifix1 - 1);
    b.pfixname[i] = fit(pfixnamea, 5);
    b.ipfixtype[i] = ipfixtypea;
    b.pfix[i] = pfixa;
    b.ipfix[i] = ipfixa;
    b.pfixvalue[i] = fit(pfixvaluea, 12);
    b.pfixinfo[i] = fit(info, 17);
}

}  // namespace tensova
