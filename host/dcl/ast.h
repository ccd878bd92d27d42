// The parsed form of a DCL file: definitions, references and attributes.
//
// Every tile written in a file, whether a named definition at the top level
// or a reference inside a body, is a Node: the names it derives from, the
// attributes it sets and the tiles it holds.  A Scope is one loaded file with
// the files it includes; names are looked up in the file itself, then in
// its includes, then in the host's base definitions.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace host::dcl {

enum class ValueType { Integer, Real, String, Word };

struct Value {
    ValueType type = ValueType::String;
    std::string text;  // strings unescaped, numbers and words as written
};

struct Attribute {
    std::string name;
    Value value;
    int line = 0;
};

struct Scope;

struct Node {
    std::string name;                  // named definitions only
    std::vector<std::string> parents;  // first parent wins on conflicts
    std::vector<Attribute> attributes;
    std::vector<Node> children;
    const Scope* scope = nullptr;      // the file it was written in
    int line = 0;
};

struct Scope {
    std::string path;
    std::vector<std::unique_ptr<Node>> definitions;  // in file order
    std::map<std::string, const Node*> byName;       // a later definition wins
    std::vector<std::shared_ptr<const Scope>> includes;
    const Scope* base = nullptr;                     // null in the base itself

    // The definition a name means in this file, or null.
    const Node* find(const std::string& name) const;
};

} // namespace host::dcl
