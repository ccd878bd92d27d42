#include "shell/documents.h"

#include <algorithm>

#include "io/io.h"
#include "shell/drawing_store.h"

namespace host::shell {

namespace {

class Iterator : public AcApDocumentIterator {
public:
    explicit Iterator(std::vector<Document*> docs) : docs_(std::move(docs)) {}
    bool done() const override { return next_ >= docs_.size(); }
    void step() override {
        if (next_ < docs_.size()) ++next_;
    }
    AcApDocument* document() override { return done() ? nullptr : docs_[next_]; }

private:
    std::vector<Document*> docs_;  // a copy: closing during a walk is safe
    size_t next_ = 0;
};

std::string baseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

Document::Document(uint64_t serial, std::string name)
    : serial_(serial), name_(std::move(name)), fileNameWide_(io::fromUtf8(name_)) {
    vars_.force("DWGNAME", textVar(name_));
}

Document::~Document() {
    if (database_ && destroyDatabase_) destroyDatabase_(database_);
}

AcDbDatabase* Document::database() const { return database_; }

void Document::setDatabase(AcDbDatabase* db, void (*destroy)(AcDbDatabase*)) {
    if (database_ && destroyDatabase_) destroyDatabase_(database_);
    database_ = db;
    destroyDatabase_ = destroy;
}

void Document::setPath(const std::string& path) {
    path_ = path;
    fileNameWide_ = io::fromUtf8(path);
    name_ = baseName(path);
    vars_.force("DWGNAME", textVar(name_));
}

bool Document::highlighted(const long name[2]) const {
    return highlighted_.count({name[0], name[1]}) != 0;
}

void Document::setHighlighted(const long name[2], bool on) {
    if (on)
        highlighted_.insert({name[0], name[1]});
    else
        highlighted_.erase({name[0], name[1]});
}

int DocumentManager::setCurDocument(AcApDocument* doc, AcAp::DocLockMode, bool) {
    if (!isOpen(doc)) return 3;  // eInvalidInput
    current_ = static_cast<Document*>(doc);
    useDatabase(current_->database());
    return 0;
}

AcApDocumentIterator* DocumentManager::newAcApDocumentIterator() { return new Iterator(open_); }

Document* DocumentManager::create(const std::string& name) {
    all_.push_back(std::make_unique<Document>(nextSerial_++, name));
    Document* doc = all_.back().get();
    open_.push_back(doc);
    current_ = doc;
    attachNewDatabase(*doc);
    useDatabase(doc->database());
    return doc;
}

void DocumentManager::close(Document* doc) {
    auto it = std::find(open_.begin(), open_.end(), doc);
    if (it == open_.end()) return;
    open_.erase(it);
    if (current_ == doc) {
        current_ = open_.empty() ? nullptr : open_.back();
        useDatabase(current_ ? current_->database() : nullptr);
    }
}

bool DocumentManager::isOpen(const AcApDocument* doc) const {
    return doc && std::find(open_.begin(), open_.end(), doc) != open_.end();
}

std::string DocumentManager::nextDrawingName() {
    return "Drawing" + std::to_string(nextDrawing_++) + ".dxf";
}

void DocumentManager::reset() {
    open_.clear();
    current_ = nullptr;
    useDatabase(nullptr);
    all_.clear();
    nextDrawing_ = 1;
    // Serials keep counting: a document identity is never reused.
}

DocumentManager& documents() {
    static DocumentManager manager;
    return manager;
}

Document* currentDocument() { return documents().current(); }

} // namespace host::shell

AcApDocManager* acDocManagerPtr() { return &host::shell::documents(); }
