// ERASE and LIST: the objects come from the interactive selection.
#include <string>

#include "aced_input.h"
#include "ads_entity.h"
#include "api/host_api.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/prompting.h"
#include "shell/text.h"

namespace host::shell {

namespace {

// False once the entity is erased: a reactor of an entity erased before it
// in the same selection may have taken it along already.
bool stillLive(const ads_name entity) {
    db::Database* database = api::currentDatabase();
    const db::Object* o = database ? database->object(api::slotOf(*database, entity)) : nullptr;
    return o && !o->erased;
}

std::string valueText(const resbuf* rb) {
    short t = rb->restype;
    auto point = [&] {
        return "(" + formatNumber(rb->resval.rpoint[0]) + " " + formatNumber(rb->resval.rpoint[1]) + " " +
               formatNumber(rb->resval.rpoint[2]) + ")";
    };
    auto name = [&] { return "<Entity name: " + std::to_string(rb->resval.rlname[0]) + ">"; };
    if (t == -1 || t == -2 || (t >= 330 && t <= 369)) return name();
    if ((t >= 10 && t <= 18) || (t >= 110 && t <= 112) || (t >= 210 && t <= 213) || (t >= 1010 && t <= 1013))
        return point();
    if ((t >= 38 && t <= 59) || (t >= 140 && t <= 149) || (t >= 460 && t <= 469) || (t >= 1040 && t <= 1042))
        return formatNumber(rb->resval.rreal);
    if ((t >= 60 && t <= 79) || (t >= 170 && t <= 179) || (t >= 270 && t <= 289) || (t >= 370 && t <= 389) ||
        (t >= 400 && t <= 409) || (t >= 1060 && t <= 1070))
        return std::to_string(rb->resval.rint);
    if ((t >= 90 && t <= 99) || (t >= 420 && t <= 429) || (t >= 440 && t <= 459) || t == 1071)
        return std::to_string(static_cast<int32_t>(rb->resval.rlong));
    if (t == -3) return "";
    if ((t >= 310 && t <= 319) || t == 1004) return "<binary>";
    return "\"" + narrow(rb->resval.rstring) + "\"";
}

void listEntity(const ads_name entity) {
    resbuf* apps = acutBuildList(RTSTR, L"*", 0);
    resbuf* list = acdbEntGetX(entity, apps);
    acutRelRb(apps);
    std::string text;
    for (const resbuf* rb = list; rb; rb = rb->rbnext) {
        if (rb->restype == -3) {
            text += "  XDATA:\n";
            continue;
        }
        text += "  (" + std::to_string(rb->restype) + " . " + valueText(rb) + ")\n";
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
