// NEW, OPEN, SAVE, SAVEAS, CLOSE, QUIT.
#include <filesystem>

#include "io/io.h"
#include "shell/commands.h"
#include "shell/drawing_store.h"
#include "shell/prompting.h"
#include "shell/session.h"

namespace host::shell {

namespace {

class NewCommand : public Command {
public:
    Step start() override {
        newDrawing();
        return Step::Done;
    }
    std::string prompt() const override { return {}; }
    Step take(const Arg&) override { return Step::Done; }
};

class OpenCommand : public Command {
public:
    std::string prompt() const override { return "Enter name of drawing to open: "; }
    Step take(const Arg& answer) override {
        if (answer.text.empty()) return Step::Cancelled;
        openDrawing(answer.text);
        return Step::Done;
    }
};

// SAVE of a drawing with a file writes there at once; otherwise, and for
// SAVEAS, it asks for the file.
class SaveCommand : public Command {
public:
    explicit SaveCommand(bool askName) : askName_(askName) {}
    Step start() override {
        Document* doc = currentDocument();
        if (!doc) {
            reprompt("No drawing is open.");
            return Step::Cancelled;
        }
        if (!askName_ && !doc->path().empty()) return save(*doc, doc->path());
        return Step::More;
    }
    std::string prompt() const override {
        Document* doc = currentDocument();
        return "Save drawing as <" + (doc ? doc->name() : std::string()) + ">: ";
    }
    Step take(const Arg& answer) override {
        Document* doc = currentDocument();
        if (!doc) return Step::Cancelled;
        std::string path = answer.text.empty() ? (doc->path().empty() ? doc->name() : doc->path()) : answer.text;
        if (std::filesystem::path(path).extension().empty()) path += ".dxf";
        return save(*doc, path);
    }

private:
    Step save(Document& doc, const std::string& path) {
        plugin().send(AcRx::kSaveMsg);
        std::string error;
        if (!writeDrawing(doc, path, error)) {
            reprompt(error);
            noteSaveFailure();
            return Step::Cancelled;
        }
        doc.setPath(path);
        return Step::Done;
    }
    bool askName_;
};

class CloseCommand : public Command {
public:
    Step start() override {
        Document* doc = currentDocument();
        if (!doc) {
            reprompt("No drawing is open.");
            return Step::Cancelled;
        }
        closeDrawing(doc);
        return Step::Done;
    }
    std::string prompt() const override { return {}; }
    Step take(const Arg&) override { return Step::Done; }
};

class QuitCommand : public Command {
public:
    Step start() override {
        quit();
        return Step::Done;
    }
    std::string prompt() const override { return {}; }
    Step take(const Arg&) override { return Step::Done; }
};

} // namespace

std::unique_ptr<Command> makeDocumentCommand(const std::string& name) {
    if (name == "NEW") return std::make_unique<NewCommand>();
    if (name == "OPEN") return std::make_unique<OpenCommand>();
    if (name == "SAVE" || name == "QSAVE") return std::make_unique<SaveCommand>(false);
    if (name == "SAVEAS") return std::make_unique<SaveCommand>(true);
    if (name == "CLOSE") return std::make_unique<CloseCommand>();
    if (name == "QUIT" || name == "EXIT") return std::make_unique<QuitCommand>();
    return nullptr;
}

} // namespace host::shell
