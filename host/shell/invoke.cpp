// acedInvoke: a defined function by name, or the host's colour dialog
// "acad_colordlg" (answers: a colour number 0 to 256, bylayer, byblock;
// an empty answer or cancel chooses nothing).
#include "aced_input.h"
#include "ads_entity.h"
#include "shell/colours.h"
#include "shell/functions.h"
#include "shell/prompting.h"
#include "shell/result_lists.h"
#include "shell/text.h"

using namespace host::shell;

namespace {

// The chosen colour, or -1 when the user chose nothing.
int askColour(int initial, bool offerByLayer) {
    std::string prompt = "Select colour (" + std::string(offerByLayer ? "0-256, bylayer, byblock" : "1-255") +
                         ") <" + std::to_string(initial) + ">: ";
    for (;;) {
        std::string answer;
        if (!askAnswer(prompt, answer) || answer.empty()) return -1;
        int colour = colourNumber(answer);
        if (colour > kColourByLayer) colour = -1;
        if (!offerByLayer && (colour == kColourByBlock || colour == kColourByLayer)) colour = -1;
        if (colour >= 0) return colour;
        reprompt(offerByLayer ? "Enter a colour number from 0 to 256, bylayer or byblock."
                              : "Enter a colour number from 1 to 255.");
    }
}

int colourDialog(const resbuf* args, resbuf** result) {
    int initial = kColourByLayer;
    bool offerByLayer = true;
    if (args && (args->restype == RTSHORT || args->restype == RTLONG))
        initial = args->restype == RTSHORT ? args->resval.rint : static_cast<int>(args->resval.rlong);
    if (args && args->rbnext && args->rbnext->restype == RTNIL) offerByLayer = false;
    int colour = askColour(initial, offerByLayer);
    if (colour < 0) return RTNORM;
    resbuf* rb = newRb(RTSHORT);
    if (!rb) return RTERROR;
    rb->resval.rint = static_cast<short>(colour);
    *result = rb;
    return RTNORM;
}

} // namespace

int acedInvoke(const resbuf* args, resbuf** result) {
    if (!result) return RTERROR;
    *result = nullptr;
    if (!args || args->restype != RTSTR || !args->resval.rstring) return RTERROR;
    std::string name = narrow(args->resval.rstring);
    if (sameName(name, "acad_colordlg")) return colourDialog(args->rbnext, result);
    return callFunction(name, args->rbnext, result) ? RTNORM : RTERROR;
}
