// The application side of the host: the messages a plug-in receives, the
// system registry with the dynamic linker and the editor, the document
// manager and the host's version text.
#pragma once

#include "ads_types.h"

class AcDbDatabase;

namespace AcRx {

// Messages the host sends to a plug-in's entry point.
enum AppMsgCode {
    kNullMsg = 0,
    kInitAppMsg = 1,
    kUnloadAppMsg = 2,
    kLoadDwgMsg = 3,
    kUnloadDwgMsg = 4,
    kInvkSubrMsg = 5,
    kCfgMsg = 6,
    kEndMsg = 7,
    kQuitMsg = 8,
    kSaveMsg = 9,
    kDependencyMsg = 10,
    kNoDependencyMsg = 11,
    kOleUnloadAppMsg = 12,
    kPreQuitMsg = 13,
    kInitDialogMsg = 14,
    kEndDialogMsg = 15,
    kSuspendMsg = 16,
};

enum AppRetCode {
    kRetOK = 0,
    kRetError = 3,
};

} // namespace AcRx

// The API version of this host; a plug-in's acrxGetApiVersion returns it.
#define ACRX_API_VERSION 17

// What a plug-in exports.  The host finds both by name with the dynamic
// loader; appId is the host's opaque handle of the plug-in.
extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
extern "C" int acrxGetApiVersion();

// ---------------------------------------------------------------------------
// System registry.

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

class AcRxDictionary {
public:
    // The registered object of that name, or null.
    AcRxObject* at(const ACHAR* key) const;
};

AcRxDictionary* acrxSysRegistry();

#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define ACED_EDITOR_OBJ L"AcEditor"

// Loads plug-ins.  This host loads one module at start-up; the calls the
// module makes on it are recorded and otherwise change nothing.
class AcRxDynamicLinker : public AcRxObject {
public:
    static AcRxDynamicLinker* cast(AcRxObject* object);
    bool unlockApplication(void* appId);
    bool lockApplication(void* appId);
    bool isApplicationLocked(void* appId) const;
    bool registerAppMDIAware(void* appId);
    bool isAppMDIAware(void* appId) const;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))

// Editor notifications.  Every notification does nothing by default; this
// host sends none of them.
class AcEditorReactor : public AcRxObject {
public:
    virtual void commandWillStart(const ACHAR* /*command*/) {}
    virtual void commandEnded(const ACHAR* /*command*/) {}
    virtual void commandCancelled(const ACHAR* /*command*/) {}
};

class AcEditor : public AcRxObject {
public:
    static AcEditor* cast(AcRxObject* object);
    void addReactor(AcEditorReactor* reactor);
    void removeReactor(AcEditorReactor* reactor);
    // How many reactors are attached (for tests).
    int reactorCount() const;
};

#define acedEditor AcEditor::cast(acrxSysRegistry()->at(ACED_EDITOR_OBJ))

// ---------------------------------------------------------------------------
// Documents.

namespace AcAp {
enum DocLockMode {
    kNone = 0x00,
    kAutoWrite = 0x01,
    kNotLocked = 0x02,
    kWrite = 0x04,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40,
};
} // namespace AcAp

class AcTransactionManager {
public:
    // Redraws what changed; a headless host has nothing to redraw.
    void flushGraphics() {}
};

// One open drawing.  A document object is never reused in a session: a
// closed drawing's address is not given to a later drawing.
class AcApDocument {
public:
    virtual ~AcApDocument() = default;
    virtual AcDbDatabase* database() const = 0;
    // The drawing's file: its path, or "Drawing<n>.dxf" before it is saved.
    virtual const ACHAR* fileName() const = 0;
    virtual AcTransactionManager* transactionManager() const = 0;
};

class AcApDocumentIterator {
public:
    virtual ~AcApDocumentIterator() = default;
    virtual bool done() const = 0;
    virtual void step() = 0;
    virtual AcApDocument* document() = 0;
};

class AcApDocManager {
public:
    virtual ~AcApDocManager() = default;
    virtual AcApDocument* curDocument() const = 0;
    virtual AcApDocument* mdiActiveDocument() const = 0;
    // 0 (eOk) when doc is an open document and is now current.
    virtual int setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kNone,
                               bool activate = false) = 0;
    virtual int documentCount() const = 0;
    // Open documents in the order they were opened; the caller deletes it.
    virtual AcApDocumentIterator* newAcApDocumentIterator() = 0;
};

AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()

// ---------------------------------------------------------------------------
// Host application services: the host's version text.

class AcDbHostApplicationServices {
public:
    // The version text, beginning with the major and minor release
    // ("17.2"); set with the lurak program's --host-version option.
    const ACHAR* versionString() const;
    const ACHAR* product() const;
};

// Null when the host runs without application services (lurak
// --no-host-version), as a host that cannot tell its version.
AcDbHostApplicationServices* acdbHostApplicationServices();

// The module finds its own file with GetModuleHandleW / GetModuleFileNameW
// (windows_min.h): the shell registers every plug-in it loads.
