// ERASE and LIST: the objects come from the interactive selection.  LIST
// reads each value as the C API's table of result-buffer kinds says.
#include <map>
#include <string>
#include <string_view>

#include "aced_input.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "api/result_kinds.h"
#include "dxf/quoted_text.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/prompting.h"
#include "shell/text.h"

namespace host::shell {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The bytes of a binary chunk in hex, as a file writes them.
std::string hexBytes(const ads_binary& chunk) {
    std::string out;
    for (short i = 0; chunk.buf && i < chunk.clen; ++i) {
        auto byte = static_cast<unsigned char>(chunk.buf[i]);
        out += kHexDigits[byte >> 4];
        out += kHexDigits[byte & 15];
    }
    return out;
}

// False once the entity is erased: a reactor of an entity erased before it
// in the same selection may have taken it along already.
bool stillLive(const ads_name entity) {
    db::Database* database = api::currentDatabase();
    const db::Object* o = database ? database->object(api::slotOf(*database, entity)) : nullptr;
    return o && !o->erased;
}

std::string quotedText(std::string_view text) {
    std::string out = "\"";
    out += dxf::withoutControls(text);
    return out += '"';
}

std::string pointText(const double point[3]) {
    std::string text = "(";
    for (int i = 0; i < 3; ++i) {
        if (i > 0) text += ' ';
        text += formatNumber(point[i]);
    }
    return text += ')';
}

// A stored group's value by the kind it holds: for a group whose code the
// table of result buffers does not know (a file's group 250), whose node
// carries no value.
std::string storedValueText(const db::Group& g) {
    switch (g.kind()) {
    case db::ValueKind::Text: return quotedText(g.asText());
    case db::ValueKind::Binary: return "<binary " + std::string(g.asText()) + ">";
    case db::ValueKind::Point: return pointText(g.asPoint());
    case db::ValueKind::Real: return formatNumber(g.asReal());
    case db::ValueKind::Int16:
    case db::ValueKind::Int32:
    case db::ValueKind::Int64: return std::to_string(g.asInt());
    case db::ValueKind::Handle: return "<handle " + db::handleText(g.asHandle()) + ">";
    }
    return {};
}

// The n-th (from 0) stored group of that code, or null.
const db::Group* storedGroup(const db::Object* object, int code, size_t n) {
    if (object == nullptr) return nullptr;
    for (const db::Group& g : object->groups)
        if (g.code() == code && n-- == 0) return &g;
    return nullptr;
}

// A node's value, read as the C API's one table of result-buffer kinds
// says its type holds.
std::string valueText(const resbuf* rb) {
    const ads_u_val& v = rb->resval;
    switch (api::payloadOf(rb->restype)) {
    case api::Payload::Text:
    case api::Payload::DxfZero: return quotedText(narrow(v.rstring));
    case api::Payload::Point: return pointText(v.rpoint);
    case api::Payload::Real: return formatNumber(v.rreal);
    case api::Payload::Short: return std::to_string(v.rint);
    case api::Payload::Long: return std::to_string(static_cast<int32_t>(v.rlong));
    case api::Payload::Int64: return std::to_string(v.mnInt64);
    case api::Payload::Name: return "<Entity name: " + std::to_string(v.rlname[0]) + ">";
    case api::Payload::Binary: return "<binary " + hexBytes(v.rbinary) + ">";
    case api::Payload::None:
    case api::Payload::Bad:
    case api::Payload::End: break;
    }
    return {};
}

void listEntity(const ads_name entity) {
    resbuf* apps = acutBuildList(RTSTR, L"*", 0);
    resbuf* list = acdbEntGetX(entity, apps);
    acutRelRb(apps);
    db::Database* database = api::currentDatabase();
    const db::Object* object = database ? database->object(api::slotOf(*database, entity)) : nullptr;
    std::map<int, size_t> unknownSeen;  // nodes of codes the table does not know, by code
    std::string text;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -3) {
            text += "  XDATA:\n";
            continue;
        }
        std::string value;
        if (api::payloadOf(rb->restype) == api::Payload::Bad) {
            const db::Group* stored = storedGroup(object, rb->restype, unknownSeen[rb->restype]++);
            value = stored ? storedValueText(*stored) : "<no value>";
        } else {
            value = valueText(rb);
        }
        text += "  (" + std::to_string(rb->restype) + " . " + value + ")\n";
    }
    acutRelRb(list);
    printOutput(text);
}

// Runs the selection when started; nothing more to ask.
class SelectionCommand : public Command {
public:
    explicit SelectionCommand(bool erase) : erase_(erase) {}
    Step start() override {
        ads_name set;
        int rc = acedSSGet(nullptr, nullptr, nullptr, nullptr, set);
        if (rc == RTCAN) return Step::Cancelled;
        if (rc != RTNORM) return Step::Done;
        long length = 0;
        acedSSLength(set, &length);
        for (long i = 0; i < length; ++i) {
            ads_name entity;
            if (acedSSName(set, i, entity) != RTNORM) continue;
            // acdbEntDel toggles: an entity already erased would come back.
            if (erase_) {
                if (stillLive(entity)) acdbEntDel(entity);
            } else {
                listEntity(entity);
            }
        }
        acedSSFree(set);
        return Step::Done;
    }
    std::string prompt() const override { return {}; }
    Step take(const Arg&) override { return Step::Done; }

private:
    bool erase_;
};

} // namespace

std::unique_ptr<Command> makeSelectCommand(const std::string& name) {
    if (name == "ERASE" || name == "E") return std::make_unique<SelectionCommand>(true);
    if (name == "LIST" || name == "LI") return std::make_unique<SelectionCommand>(false);
    return nullptr;
}

} // namespace host::shell
