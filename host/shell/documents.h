// Open drawings: each document has its own database, system variables,
// defined functions, highlight state and loaded menus.  One document is
// current; the C interface acts on it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "acrx_app.h"
#include "shell/sysvars.h"

namespace host::shell {

class Document : public AcApDocument {
public:
    Document(uint64_t serial, std::string name);
    ~Document() override;

    AcDbDatabase* database() const override;
    const ACHAR* fileName() const override { return fileNameWide_.c_str(); }
    AcTransactionManager* transactionManager() const override { return &transactions_; }

    // 1, 2, 3, ... in the order the session made them; never reused.
    uint64_t serial() const { return serial_; }
    // "Drawing1.dxf" or the file's name.
    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    void setPath(const std::string& path);

    SysVars& vars() { return vars_; }
    const SysVars& vars() const { return vars_; }

    // Functions the plug-in defined here: upper-case name -> code.
    std::map<std::string, short>& functions() { return functions_; }

    // Highlight state kept per entity name (acedRedraw 3 and 4).
    bool highlighted(const long name[2]) const;
    void setHighlighted(const long name[2], bool on);
    size_t highlightCount() const { return highlighted_.size(); }

    // Menus loaded with _MENULOAD, as named.
    std::vector<std::string>& menus() { return menus_; }

    // The digest of the drawing as last made, opened or saved; a different
    // digest now means unsaved changes.
    uint64_t savedDigest() const { return savedDigest_; }
    void setSavedDigest(uint64_t digest) { savedDigest_ = digest; }

    // The drawing's database, owned by the document.
    void setDatabase(AcDbDatabase* db, void (*destroy)(AcDbDatabase*));

private:
    uint64_t serial_;
    std::string name_;
    std::string path_;
    std::wstring fileNameWide_;
    mutable AcTransactionManager transactions_;
    SysVars vars_;
    std::map<std::string, short> functions_;
    std::set<std::pair<long, long>> highlighted_;
    std::vector<std::string> menus_;
    AcDbDatabase* database_ = nullptr;
    void (*destroyDatabase_)(AcDbDatabase*) = nullptr;
    uint64_t savedDigest_ = 0;
};

class DocumentManager : public AcApDocManager {
public:
    AcApDocument* curDocument() const override { return current_; }
    AcApDocument* mdiActiveDocument() const override { return current_; }
    int setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode, bool activate) override;
    int documentCount() const override { return static_cast<int>(open_.size()); }
    AcApDocumentIterator* newAcApDocumentIterator() override;

    Document* current() const { return current_; }
    // A new open document, made current.
    Document* create(const std::string& name);
    // Closes doc: it leaves the open list (its object stays allocated until
    // reset, so no later document gets its address); the last opened
    // remaining document becomes current.
    void close(Document* doc);
    bool isOpen(const AcApDocument* doc) const;
    const std::vector<Document*>& open() const { return open_; }
    // The name for the next new drawing: "Drawing<n>.dxf".
    std::string nextDrawingName();
    // Forgets every document (end of session, tests).
    void reset();

private:
    std::vector<std::unique_ptr<Document>> all_;
    std::vector<Document*> open_;
    Document* current_ = nullptr;
    uint64_t nextSerial_ = 1;
    int nextDrawing_ = 1;
};

DocumentManager& documents();

// The current document, or null.
Document* currentDocument();

} // namespace host::shell
