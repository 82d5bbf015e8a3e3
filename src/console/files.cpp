#include "console/files.hpp"

#include <algorithm>

#include "console/answers.hpp"
#include "console/boxes.hpp"
#include "console/console.hpp"
#include "console/fields.hpp"
#include "console/frames.hpp"
#include "console/input.hpp"
#include "console/prompts.hpp"
#include "console/stop.hpp"
#include "console/text.hpp"

namespace tensova {
namespace {

const Stamp kInitfio("initfio", "1.00", "25-03-94");
const Stamp kListfio("listfio", "1.00", "25-03-94");
const Stamp kOpefin("opefin", "1.00", "25-03-94");
const Stamp kOpefou("opefou", "1.00", "25-03-94");
const Stamp kClofin("clofin", "1.00", "25-03-94");
const Stamp kClofou("clofou", "1.00", "25-03-94");
const Stamp kOpef2("opef2", " 3.8", "24-08-2005");

constexpr std::size_t kNameLength = 40;

void countError(std::string_view side, int32_t count, int32_t limit) {
    const std::string stars(36, '*');
    wout({stars});
    wout({"***           ERROR              ***"});
    wout({stars});
    wout({"    number of " + std::string(side) + " files   =", fmtI(count, 2)});
    wout({"max number of " + std::string(side) + " files   =", fmtI(limit, 2)});
    wout({stars});
    stopRun(1);
}

void listSlot(int32_t k, const std::string& expl, const std::string& name, bool open,
              int32_t unit) {
    wout({"FILE INDEX   =", fmtI(k, 2)});
    wout({" explanation :", expl});
    wout({"    filename =", name});
    wout({"      opened :", fmtL(open, 1)});
    wout({"        unit =", fmtI(unit, 2)});
}

// One side of the table, for the open and close routines.
struct Side {
    const char* word;     // "INPUT FILE" or "OUTPUT FILE"
    const char* opening;  // "OPENING  INPUT FILE" or "OPENING OUTPUT FILE"
    int32_t count;
    int32_t* unit;
    bool* open;
    std::string* name;
    std::string* expl;
    OpenStatus status;
};

Side inputSide(int32_t k) {
    const auto i = static_cast<std::size_t>(k - 1);
    return {"INPUT FILE",     "OPENING  INPUT FILE", fiocom.nin,         &fiocom.iuin[i],
            &fiocom.iopin[i], &fiocom.infnam[i],     &fiocom.infexpl[i], OpenStatus::Old};
}

Side outputSide(int32_t k) {
    const auto i = static_cast<std::size_t>(k - 1);
    return {"OUTPUT FILE",    "OPENING OUTPUT FILE", fiocom.nout,        &fiocom.iouf[i],
            &fiocom.iopou[i], &fiocom.oufnam[i],     &fiocom.oufexpl[i], OpenStatus::New};
}

bool inRange(int32_t k, int32_t count, std::size_t slots) {
    return k >= 1 && k <= count && static_cast<std::size_t>(k) <= slots;
}

void openSlot(int32_t k, std::string_view expl, int32_t imode, const Side& side) {
    if (*side.open) {
        wout({kDashes43});
        wout({side.word, fmtI(k, 2), "ALREADY OPENED !"});
        wout({kDashes43});
        return;
    }
    *side.expl = fit(expl, kNameLength);
    wout({kDashes43});
    wout({side.opening, fmtI(k, 2)});
    wout({kDashes43});
    opef2(*side.name, *side.expl, *side.unit, side.status, imode);
    *side.open = true;
}

bool closeSlot(const Side& side) {
    bool written = true;
    wout({kDashes43});
    if (*side.open) {
        written = unitClose(*side.unit);
        wout({side.word, *side.name, "CLOSED"});
        *side.open = false;
    } else {
        wout({side.word, *side.name, "ALREADY CLOSED !"});
    }
    wout({kDashes43});
    return written;
}

// The name a user gave: blanks around it do not belong to it.
std::string fileName(std::string_view s) {
    const std::string_view t = trimmed(s);
    return t == " " ? std::string() : std::string(t);
}

}  // namespace

void initfio(int32_t nin, int32_t nout) {
    subhead(kInitfio);
    submenuhead(kInitfio);
    wout({kDashes43});
    wout({"       INITIALIZING I/O FILES              "});
    wout({kDashes43});
    if (nin < 0 || nin > 1) countError(" input", nin, 1);
    if (nout < 0 || nout > 2) countError("output", nout, 2);
    fiocom = Fiocom{};
    fiocom.nin = nin;
    fiocom.nout = nout;
    listfio();
    subtail(kInitfio);
}

void listfio() {
    subhead(kListfio);
    wout({kDashes43});
    wout({"             I/O FILES STATUS              "});
    wout({kDashes43});
    wout({"NUMBER OF  INPUT FILES   =", fmtI(fiocom.nin, 2)});
    wout({kDashes43});
    for (int32_t k = 1; k <= fiocom.nin; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        listSlot(k, fiocom.infexpl[i], fiocom.infnam[i], fiocom.iopin[i], fiocom.iuin[i]);
        wout({"--------------"});
    }
    wout({kDashes43});
    wout({"NUMBER OF OUTPUT FILES   =", fmtI(fiocom.nout, 2)});
    wout({kDashes43});
    for (int32_t k = 1; k <= fiocom.nout; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        listSlot(k, fiocom.oufexpl[i], fiocom.oufnam[i], fiocom.iopou[i], fiocom.iouf[i]);
        if (k < fiocom.nout) wout({"--------------"});
    }
    subtail(kListfio);
}

void opefin(int32_t k, std::string_view expl, int32_t imode) {
    subhead(kOpefin);
    if (inRange(k, fiocom.nin, fiocom.iuin.size())) openSlot(k, expl, imode, inputSide(k));
    listfio();
    subtail(kOpefin);
}

void opefou(int32_t k, std::string_view expl, int32_t imode) {
    subhead(kOpefou);
    if (inRange(k, fiocom.nout, fiocom.iouf.size())) openSlot(k, expl, imode, outputSide(k));
    listfio();
    subtail(kOpefou);
}

bool clofin(int32_t k) {
    subhead(kClofin);
    const bool written = !inRange(k, fiocom.nin, fiocom.iuin.size()) || closeSlot(inputSide(k));
    listfio();
    subtail(kClofin);
    return written;
}

bool clofou(int32_t k) {
    subhead(kClofou);
    const bool written = !inRange(k, fiocom.nout, fiocom.iouf.size()) || closeSlot(outputSide(k));
    listfio();
    subtail(kClofou);
    return written;
}

void opef2(std::string& fname, std::string_view expl, int32_t iu, OpenStatus status, int32_t imode,
           std::span<const std::string> replaceable) {
    const std::string_view what = trimmed(expl);
    const std::string question = fit(std::string(what) + " file name", 40);
    for (;;) {
        submenuhead(kOpef2);
        wout({"OPENING", what, "FILE"});
        menutail();
        std::string tried = fname;  // the name as the user gave it, before any cut
        std::string chosen = fname;
        AnswerFrom from = AnswerFrom::Terminal;
        if (imode == 0) {
            // The file chooser of a console: the name is typed, the current name is the
            // default, an empty answer cancels.
            if (questionSource().from != AnswerFrom::CommandFile)
                wout({"Choose", trimmed(question)});
            inchardef(chosen, question, fname, &tried);
            // Where the answer came from: a command file that ended during the question has
            // handed it to the keyboard.
            from = lastAnswerSource().from;
        }
        const bool written = from != AnswerFrom::Terminal;
        const std::string name = fileName(tried);
        const bool fits = name.size() <= fname.size();
        // A file the run holds open is no output: the open refuses it, and says why.
        const bool held = fits && status != OpenStatus::Old && unitHolding(name) != 0;
        // A file of another kind (a catalogue, a TeX source under a plot file's name) is no more
        // replaced than by a new file.
        const bool foreign = status == OpenStatus::Unknown && !replaceable.empty() && fits &&
                             !held && regularFileExists(name) &&
                             std::ranges::none_of(replaceable, [&](const std::string& h) {
                                 return regularFileBeginsWith(name, h);
                             });
        OpenStatus how = foreign ? OpenStatus::New : status;
        const bool exists = how == OpenStatus::New && fits && !held && regularFileExists(name);
        // At a terminal a name to save under may replace a file, as a save dialog does, but
        // only once the user has said so; otherwise the name is asked for again. Written
        // answers cannot know which files exist: they never replace one (a device is no file
        // to lose).
        if (imode == 0 && how == OpenStatus::New && (!written || !exists)) {
            if (exists) {
                bool replace = false;
                inlogicdefwhole(replace, "file exists: replace it", false);
                if (!replace) continue;
            }
            how = OpenStatus::Unknown;
        }
        // A number written for a name to write under is a menu's answer out of step (99, 2001,
        // `99 ! back`), read as every question reads one: taken as a name, it would create a file
        // that nobody asked for.
        const bool outOfStep = written && status != OpenStatus::Old && readsAsNumber(name);
        std::string why;
        if (fits && !outOfStep && unitOpen(iu, name, how, &why)) {
            fname = fit(name, fname.size());
            return;
        }
        const std::string shown = fits ? fit(name, fname.size()) : name;
        if (imode != 0) {
            // Without a dialog the same name would fail again: a failed open ends the run.
            errorhead(kOpef2);
            wout({"COULD NOT OPEN FILE", shown});
            wout({"for unit =", fmtI(iu, 4)});
            wout({"===> STOPPING EXECUTION"});
            errortail00();
            stopRun(1);
        }
        // A command file's next lines answer what comes after this name: taken as names they
        // would misfile data. It ends here and the keyboard takes over.
        const std::string longer =
            fits
                ? std::string()
                : "name longer than " + fmtIown(static_cast<int64_t>(fname.size())) + " characters";
        const bool kept = exists && how == OpenStatus::New && !outOfStep;
        refuseAnswer(
            {kOpef2, trimmed(question), "===> RETRYING", RefusalBox::Warning},
            {"COULD NOT OPEN FILE " + shown, longer,
             fits && (from == AnswerFrom::CommandFile || held || kept) ? why : "",
             kept ? "piped answers and command files never replace a file" : "",
             outOfStep ? "a number is no name to write under: the answers are out of step" : ""});
    }
}

}  // namespace tensova
