#include "dcl/resolve.h"

#include <set>

namespace host::dcl {

namespace {

constexpr int kMaxDepth = 64;       // derivation chains and nesting
constexpr size_t kMaxTiles = 20000;  // per dialog

struct Resolved {
    TileKind kind = TileKind::None;
    std::map<std::string, Value> attributes;
    const std::vector<Node>* children = nullptr;
    const Node* childrenOwner = nullptr;
};

std::string where(const Node& node) {
    return (node.scope ? node.scope->path : std::string("?")) + ", line " + std::to_string(node.line) + ": ";
}

// Definitions already resolved during one build: a definition reached
// along many paths is worked out once.
using ResolveCache = std::map<const Node*, Resolved>;

bool resolveNode(const Node& node, Resolved& out, int depth, std::string& error, ResolveCache& cache) {
    if (depth > kMaxDepth) {
        error = where(node) + "definitions derive from each other in a loop";
        return false;
    }
    if (auto it = cache.find(&node); it != cache.end()) {
        out = it->second;
        return true;
    }
    for (const Attribute& a : node.attributes) out.attributes[a.name] = a.value;
    if (!node.children.empty()) {
        out.children = &node.children;
        out.childrenOwner = &node;
    }
    for (const std::string& parentName : node.parents) {
        if (parentName == "tile") continue;  // the root of every tile type
        const Node* def = node.scope ? node.scope->find(parentName) : nullptr;
        if (!def) {
            error = where(node) + "unknown tile '" + parentName + "'";
            return false;
        }
        Resolved parent;
        if (!resolveNode(*def, parent, depth + 1, error, cache)) return false;
        if (out.kind == TileKind::None) {
            TileKind named = kindOfName(parentName);
            out.kind = named != TileKind::None ? named : parent.kind;
        }
        for (const auto& [name, value] : parent.attributes) out.attributes.emplace(name, value);
        if (parent.children) {
            if (out.children && out.childrenOwner == &node) {
                error = where(node) + "'" + parentName + "' already holds tiles and takes none here";
                return false;
            }
            if (!out.children) {
                out.children = parent.children;
                out.childrenOwner = parent.childrenOwner;
            }
        }
    }
    cache[&node] = out;
    return true;
}

class Builder {
public:
    explicit Builder(std::string& error) : error_(error) {}
    std::unique_ptr<Tile> build(const Node& node, Tile* parent, int depth);

private:
    bool fail(const Node& node, const std::string& message) {
        error_ = where(node) + message;
        return false;
    }
    bool checkPlacement(const Node& node, const Tile& tile);

    std::string& error_;
    size_t count_ = 0;
    ResolveCache cache_;
};

bool Builder::checkPlacement(const Node& node, const Tile& tile) {
    if (tile.kind == TileKind::Dialog && tile.parent) return fail(node, "a dialog cannot stand inside another tile");
    if (tile.kind == TileKind::RadioButton && !tile.cluster())
        return fail(node, "a radio_button must stand inside a radio_row or radio_column");
    return true;
}

std::unique_ptr<Tile> Builder::build(const Node& node, Tile* parent, int depth) {
    if (depth > kMaxDepth) {
        fail(node, "tiles nest too deep (does a tile hold itself?)");
        return nullptr;
    }
    if (++count_ > kMaxTiles) {
        fail(node, "the dialog has too many tiles");
        return nullptr;
    }
    Resolved r;
    if (!resolveNode(node, r, 0, error_, cache_)) return nullptr;
    std::string name = node.name.empty() && !node.parents.empty() ? node.parents.front() : node.name;
    if (r.kind == TileKind::None) {
        fail(node, "'" + name + "' does not derive from a tile type");
        return nullptr;
    }
    auto tile = std::make_unique<Tile>();
    tile->kind = r.kind;
    tile->attributes = std::move(r.attributes);
    tile->parent = parent;
    tile->key = tile->attributeText("key");
    tile->file = node.scope ? node.scope->path : std::string();
    tile->line = node.line;
    if (!checkPlacement(node, *tile)) return nullptr;
    if (r.children) {
        if (!holdsTiles(tile->kind)) {
            fail(node, std::string("a ") + kindName(tile->kind) + " cannot hold tiles");
            return nullptr;
        }
        for (const Node& childNode : *r.children) {
            auto child = build(childNode, tile.get(), depth + 1);
            if (!child) return nullptr;
            tile->children.push_back(std::move(child));
        }
    }
    return tile;
}

void collectScopes(const Scope& scope, std::set<const Scope*>& seen, std::vector<const Scope*>& out) {
    if (!seen.insert(&scope).second) return;
    out.push_back(&scope);
    for (const auto& inc : scope.includes) collectScopes(*inc, seen, out);
}

} // namespace

std::unique_ptr<Tile> buildDialog(const Scope& scope, const std::string& name, std::string& error) {
    const Node* def = scope.find(name);
    if (!def) {
        error = "no dialog '" + name + "' in " + scope.path;
        return nullptr;
    }
    Builder builder(error);
    auto root = builder.build(*def, nullptr, 0);
    if (!root) return nullptr;
    if (root->kind != TileKind::Dialog) {
        error = where(*def) + "'" + name + "' is a " + kindName(root->kind) + ", not a dialog";
        return nullptr;
    }
    return root;
}

bool checkScope(const Scope& scope, std::string& error) {
    std::set<const Scope*> seen;
    std::vector<const Scope*> scopes;
    collectScopes(scope, seen, scopes);
    ResolveCache cache;
    for (const Scope* s : scopes) {
        for (const auto& def : s->definitions) {
            Resolved r;
            if (!resolveNode(*def, r, 0, error, cache)) return false;
            if (r.kind == TileKind::Dialog && s->byName.at(def->name) == def.get()) {
                Builder builder(error);
                if (!builder.build(*def, nullptr, 0)) return false;
            }
        }
    }
    return true;
}

std::vector<std::string> dialogsOf(const Scope& scope) {
    std::set<const Scope*> seen;
    std::vector<const Scope*> scopes;
    collectScopes(scope, seen, scopes);
    std::vector<std::string> names;
    std::set<std::string> named;
    ResolveCache cache;
    for (const Scope* s : scopes) {
        for (const auto& def : s->definitions) {
            Resolved r;
            std::string error;
            if (resolveNode(*def, r, 0, error, cache) && r.kind == TileKind::Dialog && named.insert(def->name).second)
                names.push_back(def->name);
        }
    }
    return names;
}

} // namespace host::dcl
