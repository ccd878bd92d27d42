// _MENULOAD: records the menu for the drawing and warns when the file is
// not on the host's search path.
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/file_names.h"
#include "shell/prompting.h"
#include "shell/search_path.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

class MenuLoadCommand : public Command {
public:
    std::string prompt() const override { return "Enter name of menu file to load: "; }
    Step take(const Arg& answer) override {
        if (answer.text.empty()) return Step::Cancelled;
        if (!acceptFileName(answer.text)) return Step::Rejected;
        Document* doc = currentDocument();
        if (!doc) return Step::Cancelled;
        doc->menus().push_back(answer.text);
        if (findOnSearchPath(answer.text).empty())
            reprompt("Menu file " + dxf::withoutControls(answer.text) + " is not on the search path.");
        else
            commandNote("Menu " + dxf::withoutControls(answer.text) + " loaded.");
        return Step::Done;
    }
    // A module loads its menu into every drawing: a note, not a dialogue.
    bool echoesPassedAnswers() const override { return false; }
};

} // namespace

std::unique_ptr<Command> makeMenuLoadCommand(const std::string& name) {
    if (name == "MENULOAD") return std::make_unique<MenuLoadCommand>();
    return nullptr;
}

} // namespace host::shell
