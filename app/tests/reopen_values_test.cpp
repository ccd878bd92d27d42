// Every type of the catalogue, laid alone and given values off its defaults
// in its properties dialog, saved and opened again: the drawing gives back
// the values the dialog showed when it was accepted, and the dialog shows
// them the same way again.  Reading an element back must not run the rules
// that judge a newly given value against the one before (against a fresh
// element's defaults), nor rules that would not give their own result again.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "ads_entity.h"
#include "app/current_element.h"
#include "core/element_load.h"
#include "core/element_ptr.h"
#include "core/insert_flags.h"
#include "core/lobject.h"
#include "core/string_convert.h"
#include "core/type_tables.h"
#include "dcl/inspect.h"
#include "module_fixture.h"
#include "shell/drawing_store.h"
#include "shell/session.h"

namespace {

constexpr int kLprop = 15;
constexpr int kLastFamily = 15;  // family codes below the custom element's
constexpr int kMaxSubtype = 64;

// The value tiles (v0, v1, ...) of the dialog that closed last: their
// values and, for lists, their rows.
struct Shown {
    std::vector<std::string> values;
    std::vector<std::vector<std::string>> items;
    bool operator==(const Shown&) const = default;
};

// The first `count` of them: a dialog shared by several types may show more
// tiles than an element has values.
Shown ShownValues(int count) {
    Shown out;
    auto dialog = host::dcl::lastDialogState();
    for (int i = 0; dialog && i < count; ++i) {
        const host::dcl::TileState* t = dialog->tile("v" + std::to_string(i));
        if (!t)
            break;
        out.values.push_back(t->value);
        out.items.push_back(t->items);
    }
    return out;
}

void PrintTo(const Shown& s, std::ostream* os) {
    for (size_t i = 0; i < s.values.size(); ++i) {
        *os << " v" << i << "=" << s.values[i];
        if (!s.items[i].empty()) {
            *os << " [";
            for (const std::string& item : s.items[i])
                *os << item << "|";
            *os << "]";
        }
    }
}

bool IsNumber(const std::string& text, double* value) {
    char* end = nullptr;
    *value = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0';
}

// Two ways of changing every value: numbers scaled, lists moved to another
// row (the last or the middle one), then the first number scaled back the
// other way from where it started, so that values kept from before meet a
// smaller (or larger) one given later.
struct Way {
    double scale;
    bool middleRow;
};
const Way kWays[] = {{2.0, false}, {0.5, true}};

// A value other than the tile's, the way says which; "" when there is none.
std::string OtherValue(const host::dcl::TileState& t, const std::vector<host::dcl::TileState>& tiles,
                       const Way& way) {
    if (t.kind == "popup_list" || t.kind == "list_box") {
        if (t.items.empty())
            return "";  // nothing offered alone (a grille's heights follow its duct)
        int n = static_cast<int>(t.items.size());
        std::string row = std::to_string(way.middleRow ? n / 2 : n - 1);
        return t.value == row ? "0" : row;
    }
    if (t.kind == "toggle")
        return t.value == "1" ? "0" : "1";
    if (t.kind.find("radio") != std::string::npos) {
        // The cluster's buttons follow it: any other usable one.
        bool inside = false;
        for (const host::dcl::TileState& b : tiles) {
            if (&b == &t || b.key == t.key) {
                inside = true;
                continue;
            }
            if (inside && b.kind != "radio_button")
                break;
            if (inside && b.key != t.value && b.enabled)
                return b.key;
        }
        return "";
    }
    double v = 0;
    if (!IsNumber(t.value, &v))
        return t.value + "x";
    long scaled = std::lround(v * way.scale);
    return std::to_string(scaled == std::lround(v) ? scaled + 100 : scaled);
}

class ReopenValuesTest : public PlacementTest {
protected:
    struct Laid {
        std::string name;
        std::string handle;
        std::vector<double> values;
        Shown shown;
    };

    // Makes the insert the current element, as picking it would.
    void MakeCurrent(const ads_name entity) {
        ReleaseCurrentElement();
        state->selectionState = kNoCurrentElement;
        ads_name_set(entity, state->currentEntity);
        SelectCurrentElement(entity);
    }

    // The input that changes every usable value tile of the dialog now
    // shown, the way says how.
    static std::string Changes(const host::dcl::DialogState& dialog, int count, const Way& way) {
        std::string lines, firstNumber;
        for (int i = 0; i < count; ++i) {
            const host::dcl::TileState* t = dialog.tile("v" + std::to_string(i));
            if (!t)
                break;
            if (!t->enabled)
                continue;
            std::string value = OtherValue(*t, dialog.tiles, way);
            if (!value.empty())
                lines += t->key + "=" + value + "\n";
            double v = 0;
            if (firstNumber.empty() && t->kind == "edit_box" && IsNumber(t->value, &v) && v > 0)
                firstNumber = t->key + "=" + std::to_string(std::lround(v / way.scale)) + "\n";
        }
        return lines + firstNumber;
    }

    // Lays the type alone at (x, y), changes its values in its dialog and
    // accepts them; false when the type has no class.
    bool LayAndEdit(int family, int subtype, const Way& way, double x, double y, Laid* out) {
        ElementPtr made(MakeElement(static_cast<int16_t>(family), static_cast<uint16_t>(subtype)));
        if (!made || made->GetSubtype() != subtype)
            return false;
        made->SetSystemRecord(state->currentSystem);
        const ads_point at = {x, y, 0};
        made->SetInsertionPoint(at);
        EXPECT_EQ(made->Insert(kInsertAll), 0);
        ads_name entity;
        made->GetEntity(entity);
        out->name = made->GetTypeDesc()->displayCode;
        out->handle = made->HandleText();
        MakeCurrent(entity);
        Run(kLprop, "cancel\n");
        auto opened = host::dcl::lastDialogState();
        EXPECT_TRUE(opened) << out->name;
        if (!opened)
            return true;
        int count = made->GetParamCount();
        // A long straight piece is one piece of its own.
        Run(kLprop, Changes(*opened, count, way) + "accept\nyes\n");
        out->shown = ShownValues(count);
        double* v = nullptr;
        if (state->current && state->current->GetParams(&v) == 0 && v)
            out->values.assign(v, v + state->current->GetParamCount());
        delete[] v;
        return true;
    }

    // Saves the drawing and opens it again as the current drawing.
    void SaveAndReopen() {
        std::string path = (installDir / "reopened.dxf").string(), error;
        ASSERT_TRUE(host::shell::writeDrawing(*host::shell::currentDocument(), path, error)) << error;
        host::shell::Document* doc = host::shell::openDrawing(path, &error);
        ASSERT_NE(doc, nullptr) << error;
        Send(AcRx::kLoadDwgMsg, doc);
        SwitchDocState();
        state = CurrentDocState;
        ASSERT_NE(state, nullptr);
    }
};

TEST_F(ReopenValuesTest, EveryTypeComesBackWithTheValuesItsDialogShowed) {
    std::vector<Laid> laid;
    for (int family = 1; family <= kLastFamily; ++family) {
        if (FamilyOfCode(family) != family)
            continue;
        for (int subtype = 1; subtype <= TypeRowCount(family) && subtype <= kMaxSubtype; ++subtype) {
            for (size_t w = 0; w < std::size(kWays); ++w) {
                Laid one;
                double x = 10000.0 * subtype, y = 20000.0 * family + 10000.0 * static_cast<double>(w);
                if (LayAndEdit(family, subtype, kWays[w], x, y, &one))
                    laid.push_back(one);
            }
        }
    }
    ASSERT_GT(laid.size(), 200u);
    SaveAndReopen();
    for (const Laid& one : laid) {
        ads_name entity;
        ASSERT_EQ(acdbHandEnt(ToWide(one.handle.c_str()).c_str(), entity), RTNORM) << one.name;
        ElementPtr back(LoadElementFromEntity(entity));
        ASSERT_NE(back, nullptr) << one.name;
        double* v = nullptr;
        ASSERT_EQ(back->GetParams(&v), 0);
        std::vector<double> values(v, v + back->GetParamCount());
        delete[] v;
        EXPECT_EQ(values, one.values) << one.name;
        MakeCurrent(entity);
        Run(kLprop, "cancel\n");
        EXPECT_EQ(ShownValues(back->GetParamCount()), one.shown) << one.name;
    }
}

}  // namespace
