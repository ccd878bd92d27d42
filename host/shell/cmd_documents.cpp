// NEW, OPEN, SAVE, SAVEAS, CLOSE, QUIT.
#include <filesystem>
#include <optional>
#include <vector>

#include "io/io.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/file_names.h"
#include "shell/file_replace.h"
#include "shell/keywords.h"
#include "shell/drawing_store.h"
#include "shell/prompting.h"
#include "shell/session.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

// The file a typed answer names: the drawing's own file for Enter, a file
// inside a folder, ".dxf" added when the name has no extension.
std::string answeredPath(const Document& doc, const std::string& answer) {
    std::string path = answer.empty() ? (doc.path().empty() ? doc.name() : doc.path()) : answer;
    path = saveTarget(doc, path);
    if (std::filesystem::path(path).extension().empty()) path += ".dxf";
    return path;
}

// Saves doc (current) to path and says how it went; the drawing then has
// that file.
bool saveAndReport(Document& doc, const std::string& path) {
    makeCurrent(&doc);
    plugin().send(AcRx::kSaveMsg);
    std::string message;
    bool saved = saveDrawing(doc, path, message);
    reprompt(message);
    if (!saved) {
        noteSaveFailure();
        return false;
    }
    doc.setPath(path);
    return true;
}

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
        if (!acceptFileName(answer.text)) return Step::Rejected;
        openDrawing(answer.text);
        return Step::Done;
    }
};

// The questions of a save to a file the user names: "Save drawing as",
// then, when that names another file that is there, whether to replace it
// (see file_replace.h).
class SaveAsQuestions {
public:
    std::string prompt(const Document& doc) const {
        if (!replacing_.empty()) return replaceQuestion(replacing_);
        return "Save drawing as <" + dxf::withoutControls(doc.name()) + ">: ";
    }
    // Done: save doc to `path`; More: the next question; Rejected: asked
    // again; Cancelled: the file is kept and nothing was saved.
    Step take(const Document& doc, const Arg& answer, std::string& path) {
        if (replacing_.empty()) {
            if (!acceptFileName(answer.text)) return Step::Rejected;
            path = answeredPath(doc, answer.text);
            if (!replaceNeedsAsking(&doc, path, doc.path())) return Step::Done;
            replacing_ = path;
            return Step::More;
        }
        std::optional<bool> yes = replaceAnswer(answer.text);
        if (!yes) {
            reprompt("Invalid option keyword.");
            return Step::Rejected;
        }
        if (*yes) {
            path = replacing_;
            replacing_.clear();
            return Step::Done;
        }
        keep(doc);
        return Step::Cancelled;
    }
    // Ended at the question (cancel or the end of the input): the file is
    // kept, and a line says so; false when no file was asked about.
    bool end(const Document& doc) {
        if (replacing_.empty()) return false;
        keep(doc);
        return true;
    }

private:
    void keep(const Document& doc) {
        reprompt(dxf::withoutControls(replacing_) + " was not replaced; " + dxf::withoutControls(doc.name()) +
                 " was not saved.");
        replacing_.clear();
    }
    std::string replacing_;  // the file asked about
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
        return doc ? questions_.prompt(*doc) : std::string();
    }
    Step take(const Arg& answer) override {
        Document* doc = currentDocument();
        if (!doc) return Step::Cancelled;
        std::string path;
        Step step = questions_.take(*doc, answer, path);
        return step == Step::Done ? save(*doc, path) : step;
    }
    void end() override {
        if (Document* doc = currentDocument()) questions_.end(*doc);
    }

private:
    static Step save(Document& doc, const std::string& path) {
        return saveAndReport(doc, path) ? Step::Done : Step::Cancelled;
    }
    bool askName_;
    SaveAsQuestions questions_;
};

// CLOSE (the current drawing) and QUIT (every drawing): each drawing with
// unsaved changes is asked about first.  Yes saves it (asking for a file
// when it has none), No lets the changes go, Cancel stops, and so does a
// file the user would not have replaced or a save that fails: nothing is
// closed that was not saved.  A QUIT that stops closes the drawings it
// saved and leaves current the drawing that was (or, when it closed that
// one, the drawing it stopped at), so that what follows goes into a
// drawing with its changes still open.  When the input ends before the
// answer, the changes are not saved and a line says so.
class CloseCommand : public Command {
public:
    explicit CloseCommand(bool all) : all_(all) {}
    Step start() override {
        Document* current = currentDocument();
        if (!all_ && !current) {
            reprompt("No drawing is open.");
            return Step::Cancelled;
        }
        before_ = current;
        for (Document* doc : all_ ? documents().open() : std::vector<Document*>{current})
            if (hasUnsavedChanges(*doc)) asking_.push_back(doc);
        return next();
    }
    std::string prompt() const override {
        const Document& doc = *asking_.front();
        if (askingFile_) return questions_.prompt(doc);
        return "Save changes to " + dxf::withoutControls(doc.name()) + "? " + kAnswers.display() + " <Yes>: ";
    }
    Step take(const Arg& answer) override {
        Document& doc = *asking_.front();
        if (askingFile_) {
            std::string path;
            Step step = questions_.take(doc, answer, path);
            if (step == Step::Done) return saveAndGoOn(doc, path);
            return step == Step::Cancelled ? stop() : step;
        }
        std::optional<std::string> keyword = answer.text.empty() ? std::string("Yes") : kAnswers.match(answer.text);
        if (!keyword) {
            reprompt("Invalid option keyword.");
            return Step::Rejected;
        }
        if (*keyword == "Cancel") return stop();
        if (*keyword == "No") {
            markSaved(doc);  // the changes are let go
            asking_.erase(asking_.begin());
            return next();
        }
        if (doc.path().empty()) {
            askingFile_ = true;
            return Step::More;
        }
        return saveAndGoOn(doc, doc.path());
    }
    void end() override {
        bool told = askingFile_ && !asking_.empty() && questions_.end(*asking_.front());
        stop();
        if (!io::atEnd()) return;
        if (told) {
            // Not told twice when the input ends.
            markSaved(*asking_.front());
            asking_.erase(asking_.begin());
        }
        for (Document* doc : asking_) {
            reprompt("Changes to " + dxf::withoutControls(doc->name()) + " were not saved.");
            markSaved(*doc);
        }
        asking_.clear();
    }

private:
    Step next() {
        askingFile_ = false;
        if (!asking_.empty()) return Step::More;
        if (all_) quit();
        else closeDrawing(currentDocument());
        return Step::Done;
    }
    Step saveAndGoOn(Document& doc, const std::string& path) {
        if (!saveAndReport(doc, path)) return stop();  // nothing is closed unsaved after a failed save
        if (all_) saved_.push_back(&doc);
        asking_.erase(asking_.begin());
        return next();
    }
    // Ends before the last drawing: the drawings saved so far are closed
    // (a save made each current in turn), and the one current before goes
    // on, or the one asked about when that was closed.
    Step stop() {
        Document* askedAbout = asking_.empty() ? nullptr : asking_.front();
        for (Document* doc : saved_) closeDrawing(doc);
        saved_.clear();
        Document* current = documents().isOpen(before_) ? before_ : askedAbout;
        if (documents().isOpen(current)) makeCurrent(current);
        return Step::Cancelled;
    }
    inline static const KeywordList kAnswers{"Yes No Cancel"};
    bool all_;
    bool askingFile_ = false;
    SaveAsQuestions questions_;
    std::vector<Document*> asking_;
    std::vector<Document*> saved_;  // by QUIT, still open until it ends
    Document* before_ = nullptr;    // current when the command began
};

} // namespace

std::unique_ptr<Command> makeDocumentCommand(const std::string& name) {
    if (name == "NEW") return std::make_unique<NewCommand>();
    if (name == "OPEN") return std::make_unique<OpenCommand>();
    if (name == "SAVE" || name == "QSAVE") return std::make_unique<SaveCommand>(false);
    if (name == "SAVEAS") return std::make_unique<SaveCommand>(true);
    if (name == "CLOSE") return std::make_unique<CloseCommand>(false);
    if (name == "QUIT" || name == "EXIT") return std::make_unique<CloseCommand>(true);
    return nullptr;
}

} // namespace host::shell
