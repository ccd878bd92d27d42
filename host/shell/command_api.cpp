// acedCommand / acedCmd: arguments fed to host commands one at a time.  A
// command that has not finished when the arguments run out stays active
// (the dimension mode does), and the next call goes on feeding it; a call
// without arguments ends it.
#include <cstdarg>
#include <memory>
#include <vector>

#include "aced_input.h"
#include "ads_entity.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/prompting.h"
#include "shell/text.h"
#include "dxf/quoted_text.h"

using namespace host::shell;

namespace {

std::unique_ptr<Command>& active() {
    static std::unique_ptr<Command> command;
    return command;
}

struct Item {
    Arg arg;
    bool pause = false;
};

bool echoOn() {
    Document* doc = currentDocument();
    return doc && doc->vars().getShort("CMDECHO", 1) != 0;
}

// One list item as an argument; false for a type commands do not take.
bool itemOf(const resbuf* rb, Item& item) {
    switch (rb->restype) {
    case RTSTR: {
        std::string text = narrow(rb->resval.rstring);
        item.pause = text == "\\";
        item.arg = Arg::ofText(text);
        return true;
    }
    case RTPOINT: {
        double p[3] = {rb->resval.rpoint[0], rb->resval.rpoint[1], 0};
        item.arg = Arg::ofPoint(p);
        return true;
    }
    case RT3DPOINT: item.arg = Arg::ofPoint(rb->resval.rpoint); return true;
    case RTREAL:
    case RTANG:
    case RTORINT: item.arg = Arg::ofNumber(rb->resval.rreal); return true;
    case RTSHORT: item.arg = Arg::ofNumber(rb->resval.rint); return true;
    case RTLONG: item.arg = Arg::ofNumber(static_cast<double>(rb->resval.rlong)); return true;
    case RTENAME: item.arg = Arg::ofText(""); return false;
    default: return false;
    }
}

void finish(Step step) {
    if (step == Step::Done || step == Step::Cancelled) active().reset();
}

int abandon(int status) {
    if (active()) active()->end();
    active().reset();
    return status;
}

// True while acedCommand feeds a command with CMDECHO 0.
bool& quiet() {
    static bool flag = false;
    return flag;
}

struct QuietWhileFed {
    bool before = quiet();
    QuietWhileFed() { quiet() = !echoOn(); }
    ~QuietWhileFed() { quiet() = before; }
};

int run(const std::vector<Item>& items) {
    if (items.empty()) return abandon(RTNORM);
    QuietWhileFed scope;
    for (const Item& item : items) {
        if (!active()) {
            if (item.pause || item.arg.kind != Arg::Kind::Text) return RTREJ;
            if (item.arg.text.empty()) continue;  // Enter with no command: nothing to do
            active() = makeHostCommand(item.arg.text);
            if (!active()) {
                reprompt("Unknown command " + host::dxf::inQuotes(item.arg.text) + ".");
                return RTREJ;
            }
            Step step = active()->start();
            finish(step);
            if (step == Step::Cancelled) return RTCAN;
            continue;
        }
        Step step;
        if (item.pause) {
            do {
                std::string answer;
                if (!askAnswer(active()->prompt(), answer)) return abandon(RTCAN);
                step = active()->take(Arg::ofText(answer));
            } while (step == Step::Rejected);
        } else {
            if (echoOn() && active()->echoesPassedAnswers())
                reprompt(active()->prompt() + host::dxf::withoutControls(item.arg.display()));
            step = active()->take(item.arg);
            if (step == Step::Rejected) return abandon(RTREJ);
        }
        finish(step);
        if (step == Step::Cancelled) return RTCAN;
    }
    return RTNORM;
}

} // namespace

namespace host::shell {

void endActiveCommand() { abandon(RTNORM); }

void commandNote(const std::string& text) {
    if (!quiet()) reprompt(text);
}

void continueActiveCommand() {
    while (active()) {
        std::string answer;
        if (!askAnswer(active()->prompt(), answer)) {
            abandon(RTCAN);
            reprompt("*Cancel*");
            return;
        }
        finish(active()->take(Arg::ofText(answer)));
    }
}
bool commandActive() { return active() != nullptr; }

} // namespace host::shell

int acedCmd(const resbuf* rbp) {
    std::vector<Item> items;
    for (const resbuf* rb = rbp; rb && rb->restype != RTNONE; rb = rb->rbnext) {
        Item item;
        if (!itemOf(rb, item)) return abandon(RTREJ);
        items.push_back(std::move(item));
    }
    return run(items);
}

int acedCommand(int rtype, ...) {
    std::vector<Item> items;
    va_list args;
    va_start(args, rtype);
    bool bad = false;
    for (int type = rtype; type != RTNONE && type != 0; type = va_arg(args, int)) {
        Item item;
        switch (type) {
        case RTSTR: {
            const ACHAR* s = va_arg(args, const ACHAR*);
            std::string text = narrow(s);
            item.pause = text == "\\";
            item.arg = Arg::ofText(text);
            break;
        }
        case RTPOINT:
        case RT3DPOINT: {
            const ads_real* p = va_arg(args, const ads_real*);
            double point[3] = {p ? p[0] : 0, p ? p[1] : 0, (p && type == RT3DPOINT) ? p[2] : 0};
            item.arg = Arg::ofPoint(point);
            break;
        }
        case RTREAL:
        case RTANG:
        case RTORINT: item.arg = Arg::ofNumber(va_arg(args, double)); break;
        case RTSHORT: item.arg = Arg::ofNumber(va_arg(args, int)); break;
        case RTLONG: item.arg = Arg::ofNumber(static_cast<double>(va_arg(args, long))); break;
        default: bad = true; break;
        }
        if (bad) break;
        items.push_back(std::move(item));
    }
    va_end(args);
    if (bad) return abandon(RTREJ);
    return run(items);
}
