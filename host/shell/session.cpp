#include "shell/session.h"

#include <vector>

#include "io/io.h"
#include "shell/drawing_store.h"
#include "shell/prompting.h"
#include "dxf/quoted_text.h"

namespace host::shell {

namespace {

struct Session {
    std::optional<std::string> version = std::string("17.2");
    std::wstring versionWide = L"17.2";
    Plugin plugin;
    bool quitting = false;
    bool saveFailed = false;
    std::function<void()> beforeQuit;
};

Session& session() {
    static Session s;
    return s;
}

void announceLoad(Document* doc) {
    makeCurrent(doc);
    session().plugin.send(AcRx::kLoadDwgMsg);
    // What the module adds to a drawing it is given is no change of the user's.
    markSaved(*doc);
}

} // namespace

void setHostVersion(std::optional<std::string> version) {
    Session& s = session();
    s.version = std::move(version);
    s.versionWide = io::fromUtf8(s.version.value_or(""));
    for (Document* doc : documents().open()) doc->vars().force("ACADVER", textVar(s.version.value_or("")));
}

const std::optional<std::string>& hostVersion() { return session().version; }

Plugin& plugin() { return session().plugin; }

bool loadPlugin(const std::string& path, std::string& error) {
    Plugin& p = session().plugin;
    if (!p.load(path, error)) return false;
    if (p.send(AcRx::kInitAppMsg) == AcRx::kRetError) {
        // A plug-in that refuses to start is unloaded at once.
        error = "module " + dxf::withoutControls(path) + " refused to start";
        p.unload();
        return false;
    }
    Document* wasCurrent = currentDocument();
    for (Document* doc : std::vector<Document*>(documents().open()))
        if (documents().isOpen(doc)) announceLoad(doc);
    if (documents().isOpen(wasCurrent)) makeCurrent(wasCurrent);
    return true;
}

Document* newDrawing() {
    Document* doc = documents().create(documents().nextDrawingName());
    doc->vars().force("ACADVER", textVar(hostVersion().value_or("")));
    announceLoad(doc);
    return doc;
}

Document* openDrawing(const std::string& path, std::string* why) {
    Document* before = currentDocument();
    Document* doc = documents().create(path);
    doc->vars().force("ACADVER", textVar(hostVersion().value_or("")));
    std::string error;
    std::vector<std::string> repairs;
    if (!readDrawing(*doc, path, error, repairs)) {
        if (why)
            *why = error;
        else
            reprompt(error);
        documents().close(doc);
        if (documents().isOpen(before)) makeCurrent(before);
        return nullptr;
    }
    // What the read left out or changed is said before anything is done
    // to the drawing, however it was opened.
    for (const std::string& line : repairs) reprompt(line);
    doc->setPath(path);
    announceLoad(doc);
    return doc;
}

void closeDrawing(Document* doc) {
    if (!documents().isOpen(doc)) return;
    makeCurrent(doc);
    session().plugin.send(AcRx::kUnloadDwgMsg);
    documents().close(doc);
}

void quit() {
    Session& s = session();
    if (s.quitting) return;
    if (s.beforeQuit) {
        auto action = std::move(s.beforeQuit);
        s.beforeQuit = nullptr;
        action();
    }
    s.quitting = true;
    for (Document* doc : documents().open())
        if (hasUnsavedChanges(*doc)) reprompt("Changes to " + dxf::withoutControls(doc->name()) + " were not saved.");
    if (s.plugin.loaded()) {
        s.plugin.send(AcRx::kPreQuitMsg);
        for (Document* doc : std::vector<Document*>(documents().open())) {
            if (!documents().isOpen(doc)) continue;
            makeCurrent(doc);
            s.plugin.send(AcRx::kUnloadDwgMsg);
        }
        s.plugin.send(AcRx::kUnloadAppMsg);
        s.plugin.unload();
    }
    for (Document* doc : std::vector<Document*>(documents().open())) documents().close(doc);
}

void setBeforeQuit(std::function<void()> action) { session().beforeQuit = std::move(action); }

bool quitting() { return session().quitting; }

void noteSaveFailure() { session().saveFailed = true; }
bool saveFailed() { return session().saveFailed; }

void makeCurrent(Document* doc) { documents().setCurDocument(doc, AcAp::kNone, false); }

void resetSession() {
    Session& s = session();
    s.plugin.unload();
    s.plugin.clearLog();
    documents().reset();
    s.quitting = false;
    s.saveFailed = false;
    s.beforeQuit = nullptr;
    setHostVersion(std::string("17.2"));
}

} // namespace host::shell

const ACHAR* AcDbHostApplicationServices::versionString() const {
    return host::shell::session().versionWide.c_str();
}

const ACHAR* AcDbHostApplicationServices::product() const { return L"LURAK host"; }

AcDbHostApplicationServices* acdbHostApplicationServices() {
    static AcDbHostApplicationServices services;
    return host::shell::hostVersion() ? &services : nullptr;
}
