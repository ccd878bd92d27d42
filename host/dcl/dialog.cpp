#include "dcl/dialog.h"

#include <algorithm>
#include <map>

#include "dcl/attributes.h"
#include "dcl/resolve.h"
#include "dcl/values.h"

namespace host::dcl {

namespace {

struct Registry {
    std::map<int, std::shared_ptr<const Scope>> files;
    int nextFileId = 1;
    std::vector<std::unique_ptr<Dialog>> dialogs;
    std::vector<Dialog*> running;
};

Registry& registry() {
    static Registry r;
    return r;
}

void listTiles(Tile& tile, std::vector<Tile*>& out) {
    out.push_back(&tile);
    for (auto& child : tile.children) listTiles(*child, out);
}

bool takesFocus(const Tile& tile) {
    return isTrue(tile.attribute("is_tab_stop"), false) && tile.usable();
}

} // namespace

Tile* Dialog::find(const std::string& key) const {
    if (key.empty()) return nullptr;
    for (Tile* t : tiles)
        if (t->key == key) return t;
    return nullptr;
}

Tile* Dialog::cancelTile() const {
    for (Tile* t : tiles)
        if (isTrue(t->attribute("is_cancel"), false)) return t;
    return find("cancel");
}

Tile* Dialog::defaultTile() const {
    for (Tile* t : tiles)
        if (isTrue(t->attribute("is_default"), false)) return t;
    return nullptr;
}

void Dialog::moveFocusAway() {
    focus = nullptr;
    for (Tile* t : tiles) {
        if (takesFocus(*t)) {
            focus = t;
            return;
        }
    }
}

void Dialog::close(int closingStatus) {
    done = true;
    status = closingStatus;
}

int addFile(std::shared_ptr<const Scope> scope) {
    Registry& r = registry();
    int id = r.nextFileId++;
    r.files[id] = std::move(scope);
    return id;
}

const Scope* fileById(int id) {
    auto it = registry().files.find(id);
    return it == registry().files.end() ? nullptr : it->second.get();
}

bool removeFile(int id) { return registry().files.erase(id) > 0; }

size_t fileCount() { return registry().files.size(); }

Dialog* createDialog(int fileId, const std::string& name, std::string& error) {
    const Scope* scope = fileById(fileId);
    if (!scope) {
        error = "no dialog file is loaded with id " + std::to_string(fileId);
        return nullptr;
    }
    auto root = buildDialog(*scope, name, error);
    if (!root) return nullptr;
    auto dialog = std::make_unique<Dialog>();
    dialog->name = name;
    dialog->fileId = fileId;
    dialog->root = std::move(root);
    initValues(*dialog->root);
    listTiles(*dialog->root, dialog->tiles);
    std::string initialFocus = dialog->root->attributeText("initial_focus");
    dialog->focus = dialog->find(initialFocus);
    if (!dialog->focus) dialog->moveFocusAway();
    registry().dialogs.push_back(std::move(dialog));
    return registry().dialogs.back().get();
}

Dialog* liveDialog(const void* handle) {
    if (!handle) return nullptr;
    for (auto& d : registry().dialogs)
        if (d.get() == handle) return d.get();
    return nullptr;
}

Dialog* dialogOfTile(const void* handle) {
    if (!handle) return nullptr;
    for (auto& d : registry().dialogs)
        for (Tile* t : d->tiles)
            if (t == handle) return d.get();
    return nullptr;
}

void destroyDialog(Dialog* dialog) {
    auto& dialogs = registry().dialogs;
    auto& running = registry().running;
    running.erase(std::remove(running.begin(), running.end(), dialog), running.end());
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                                 [dialog](const std::unique_ptr<Dialog>& d) { return d.get() == dialog; }),
                  dialogs.end());
}

void dropUnstarted(int fileId) {
    auto& dialogs = registry().dialogs;
    dialogs.erase(std::remove_if(dialogs.begin(), dialogs.end(),
                                 [fileId](const std::unique_ptr<Dialog>& d) {
                                     return d->fileId == fileId && !d->started;
                                 }),
                  dialogs.end());
}

size_t dialogCount() { return registry().dialogs.size(); }

std::vector<Dialog*>& runningDialogs() { return registry().running; }

void resetRegistry() {
    Registry& r = registry();
    r.running.clear();
    r.dialogs.clear();
    r.files.clear();
}

} // namespace host::dcl
