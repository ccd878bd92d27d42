#include "dcl/parser.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "dcl/attributes.h"
#include "dcl/lexer.h"

namespace host::dcl {

namespace fs = std::filesystem;

const Node* Scope::find(const std::string& name) const {
    auto it = byName.find(name);
    if (it != byName.end()) return it->second;
    for (const auto& inc : includes)
        if (const Node* n = inc->find(name)) return n;
    return base ? base->find(name) : nullptr;
}

namespace {

// Braces deeper than any dialog needs; the limit keeps the stack safe.
constexpr int kMaxNesting = 64;

// Files being read, outermost first, to refuse an include cycle.
using IncludeStack = std::vector<std::string>;

std::shared_ptr<const Scope> loadWithStack(const std::string& path, const Scope* base, IncludeStack& stack,
                                           std::string& error);

class Parser {
public:
    Parser(std::string_view text, Scope& scope, IncludeStack& stack)
        : lexer_(text), scope_(scope), stack_(stack) {}

    // False on the first error, with the message in error().
    bool parseFile();
    const std::string& error() const { return error_; }

private:
    void advance() { tok_ = lexer_.next(); }
    bool fail(const std::string& message, int line = 0);
    bool isPunct(char c) const { return tok_.type == TokenType::Punct && tok_.text[0] == c; }
    bool expectPunct(char c, const char* what);
    bool parseInclude();
    bool parseDefinition();
    bool parseParents(Node& node);
    bool parseBody(Node& node, int openLine);
    bool parseBodyItem(Node& node);
    bool parseAttribute(Node& node, const Token& name);

    Lexer lexer_;
    Scope& scope_;
    IncludeStack& stack_;
    Token tok_;
    std::string error_;
    int depth_ = 0;
};

bool Parser::fail(const std::string& message, int line) {
    if (tok_.type == TokenType::Error) {
        line = tok_.line;
        error_ = scope_.path + ", line " + std::to_string(line) + ": " + tok_.text;
        return false;
    }
    if (line == 0) line = tok_.line;
    error_ = scope_.path + ", line " + std::to_string(line) + ": " + message;
    return false;
}

std::string describe(const Token& t) {
    switch (t.type) {
    case TokenType::End: return "end of file";
    case TokenType::String: return "\"" + t.text + "\"";
    case TokenType::Include: return "@include";
    default: return "'" + t.text + "'";
    }
}

bool Parser::expectPunct(char c, const char* what) {
    if (isPunct(c)) {
        advance();
        return true;
    }
    return fail(std::string("expected '") + c + "' " + what + ", found " + describe(tok_));
}

bool Parser::parseFile() {
    advance();
    while (tok_.type != TokenType::End) {
        if (tok_.type == TokenType::Error) return fail("");
        if (tok_.type == TokenType::Include) {
            if (!parseInclude()) return false;
        } else if (tok_.type == TokenType::Name) {
            if (!parseDefinition()) return false;
        } else if (isPunct(';')) {
            advance();
        } else {
            return fail("expected a definition or @include, found " + describe(tok_));
        }
    }
    return true;
}

bool Parser::parseInclude() {
    int line = tok_.line;
    advance();
    if (tok_.type != TokenType::String) return fail("@include needs a quoted file name");
    std::string name = tok_.text;
    advance();
    if (isPunct(';')) advance();
    if (name == "base.dcl") return true;  // the base definitions are always there

    fs::path wanted(name);
    std::vector<fs::path> candidates;
    if (wanted.is_absolute()) {
        candidates.push_back(wanted);
    } else {
        candidates.push_back(fs::current_path() / wanted);
        candidates.push_back(fs::path(scope_.path).parent_path() / wanted);
    }
    for (const fs::path& candidate : candidates) {
        std::error_code ec;
        if (!fs::is_regular_file(candidate, ec)) continue;
        std::string includeError;
        auto included = loadWithStack(candidate.lexically_normal().string(), scope_.base, stack_, includeError);
        if (!included) {
            error_ = includeError + "\n  (included from " + scope_.path + ", line " + std::to_string(line) + ")";
            return false;
        }
        scope_.includes.push_back(included);
        return true;
    }
    return fail("cannot find included file \"" + name + "\"", line);
}

bool Parser::parseParents(Node& node) {
    while (isPunct(':')) {
        advance();
        if (tok_.type != TokenType::Name) return fail("expected a tile name after ':', found " + describe(tok_));
        node.parents.push_back(tok_.text);
        advance();
    }
    return true;
}

bool Parser::parseDefinition() {
    auto node = std::make_unique<Node>();
    node->name = tok_.text;
    node->line = tok_.line;
    node->scope = &scope_;
    advance();
    if (!isPunct(':'))
        return fail("expected ':' after the name '" + node->name + "' of a definition, found " + describe(tok_));
    if (!parseParents(*node)) return false;
    if (isPunct(';')) {
        advance();
    } else {
        int openLine = tok_.line;
        if (!expectPunct('{', "to open the definition")) return false;
        if (!parseBody(*node, openLine)) return false;
    }
    scope_.byName[node->name] = node.get();
    scope_.definitions.push_back(std::move(node));
    return true;
}

// Reads items up to and including the closing brace.
bool Parser::parseBody(Node& node, int openLine) {
    if (++depth_ > kMaxNesting) return fail("tiles nest more than " + std::to_string(kMaxNesting) + " deep");
    while (!isPunct('}')) {
        if (tok_.type == TokenType::End)
            return fail("'{' not closed with '}' (opened on line " + std::to_string(openLine) + ")");
        if (!parseBodyItem(node)) return false;
    }
    advance();
    --depth_;
    return true;
}

bool Parser::parseBodyItem(Node& node) {
    if (tok_.type == TokenType::Error) return fail("");
    if (isPunct(';')) {
        advance();
        return true;
    }
    if (isPunct(':')) {  // an inline tile: ": parent [: parent] { ... }"
        Node child;
        child.line = tok_.line;
        child.scope = &scope_;
        if (!parseParents(child)) return false;
        int openLine = tok_.line;
        if (!expectPunct('{', "to open the tile")) return false;
        if (!parseBody(child, openLine)) return false;
        node.children.push_back(std::move(child));
        return true;
    }
    if (tok_.type != TokenType::Name)
        return fail("expected an attribute, a tile or '}', found " + describe(tok_));
    Token name = tok_;
    advance();
    if (isPunct('=')) return parseAttribute(node, name);
    if (isPunct(';')) {  // a reference: "name;"
        advance();
        Node child;
        child.line = name.line;
        child.scope = &scope_;
        child.parents.push_back(name.text);
        node.children.push_back(std::move(child));
        return true;
    }
    if (isPunct(':')) return fail("a named definition ('" + name.text + " : ...') must stand at the top level");
    return fail("expected '=' or ';' after '" + name.text + "', found " + describe(tok_));
}

bool Parser::parseAttribute(Node& node, const Token& name) {
    advance();  // '='
    Attribute attr;
    attr.name = name.text;
    attr.line = name.line;
    switch (tok_.type) {
    case TokenType::String: attr.value.type = ValueType::String; break;
    case TokenType::Integer: attr.value.type = ValueType::Integer; break;
    case TokenType::Real: attr.value.type = ValueType::Real; break;
    case TokenType::Name: attr.value.type = ValueType::Word; break;
    default: return fail("expected a value for attribute '" + name.text + "', found " + describe(tok_));
    }
    attr.value.text = tok_.text;
    advance();
    std::string problem = checkAttribute(attr.name, attr.value);
    if (!problem.empty()) return fail(problem, attr.line);
    if (!expectPunct(';', "after the attribute value")) return false;
    for (Attribute& existing : node.attributes) {
        if (existing.name == attr.name) {  // the later setting wins
            existing = attr;
            return true;
        }
    }
    node.attributes.push_back(std::move(attr));
    return true;
}

std::shared_ptr<const Scope> parseWithStack(std::string_view text, const std::string& path, const Scope* base,
                                            IncludeStack& stack, std::string& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // UTF-8 byte order mark
    auto scope = std::make_shared<Scope>();
    scope->path = path;
    scope->base = base;
    stack.push_back(path);
    Parser parser(text, *scope, stack);
    bool ok = parser.parseFile();
    stack.pop_back();
    if (!ok) {
        error = parser.error();
        return nullptr;
    }
    return scope;
}

std::shared_ptr<const Scope> loadWithStack(const std::string& path, const Scope* base, IncludeStack& stack,
                                           std::string& error) {
    for (const std::string& open : stack) {
        if (open == path) {
            error = path + ": includes itself";
            return nullptr;
        }
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open dialog file " + path;
        return nullptr;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return parseWithStack(content.str(), path, base, stack, error);
}

} // namespace

std::shared_ptr<const Scope> loadFile(const std::string& path, const Scope* base, std::string& error) {
    IncludeStack stack;
    return loadWithStack(path, base, stack, error);
}

std::shared_ptr<const Scope> parseText(std::string_view text, const std::string& path, const Scope* base,
                                       std::string& error) {
    IncludeStack stack;
    return parseWithStack(text, path, base, stack, error);
}

} // namespace host::dcl
