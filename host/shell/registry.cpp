// The system registry with the two objects a plug-in looks up: the dynamic
// linker (its calls are recorded, nothing follows from them) and the
// editor (keeps its reactors; this host sends them no notifications).
#include <algorithm>
#include <cwchar>
#include <set>
#include <vector>

#include "acrx_app.h"

namespace {

struct LinkerState {
    std::set<void*> unlocked;
    std::set<void*> mdiAware;
};

LinkerState& linkerState() {
    static LinkerState s;
    return s;
}

std::vector<AcEditorReactor*>& editorReactors() {
    static std::vector<AcEditorReactor*> reactors;
    return reactors;
}

AcRxDynamicLinker& linker() {
    static AcRxDynamicLinker object;
    return object;
}

AcEditor& editor() {
    static AcEditor object;
    return object;
}

} // namespace

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
    if (!key) return nullptr;
    if (std::wcscmp(key, ACRX_DYNAMIC_LINKER) == 0) return &linker();
    if (std::wcscmp(key, ACED_EDITOR_OBJ) == 0) return &editor();
    return nullptr;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}

AcRxDynamicLinker* AcRxDynamicLinker::cast(AcRxObject* object) {
    return object == &linker() ? &linker() : nullptr;
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
    linkerState().unlocked.insert(appId);
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
    linkerState().unlocked.erase(appId);
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(void* appId) const {
    return linkerState().unlocked.count(appId) == 0;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
    linkerState().mdiAware.insert(appId);
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(void* appId) const { return linkerState().mdiAware.count(appId) != 0; }

AcEditor* AcEditor::cast(AcRxObject* object) { return object == &editor() ? &editor() : nullptr; }

void AcEditor::addReactor(AcEditorReactor* reactor) {
    auto& list = editorReactors();
    if (reactor && std::find(list.begin(), list.end(), reactor) == list.end()) list.push_back(reactor);
}

void AcEditor::removeReactor(AcEditorReactor* reactor) {
    auto& list = editorReactors();
    list.erase(std::remove(list.begin(), list.end(), reactor), list.end());
}

int AcEditor::reactorCount() const { return static_cast<int>(editorReactors().size()); }
