// The framed labels: the fitting and unit labels kept on the element's
// label node, and the airflow label with its optional arrow.
#include <cstdio>
#include <string>
#include <vector>

#include "aced_input.h"
#include "ads_entity.h"
#include "core/drawing_context.h"
#include "core/anonymous_block.h"
#include "core/draw_neutral.h"
#include "core/global_mode.h"
#include "core/labels.h"
#include "core/lobject.h"
#include "core/message_numbers.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/xdata_list.h"

namespace {

struct FramedText {
    double y;  // in text sizes
    std::string text;
};

struct FramedLayout {
    std::vector<FramedText> texts;
    double top, bottom;             // in text sizes
    std::vector<double> separators;  // in text sizes
};

}  // namespace

static size_t CharacterCount(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

static std::string FlowText(double flow) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lg m3/h", flow);
    return buffer;
}

// Builds the block of a framed label; its half-width goes to halfWidth.
static int16_t BuildFramed(const LSystemRecord& r, const FramedLayout& layout, const char* layer,
                           char* name, size_t nameSize, double* halfWidth) {
    double v = r.size;
    size_t longest = 0;
    for (const FramedText& t : layout.texts)
        longest = std::max(longest, CharacterCount(t.text));
    double hw = longest * 0.55 * v;
    ads_point origin = {0, 0, 0};
    BeginAnonymousBlock(origin);
    for (const FramedText& t : layout.texts)
        MakeLabelText(r, t.y * v, 1, t.text.c_str(), layer);
    if (r.labelFrame != 0) {
        ads_point c[4] = {{-hw, layout.top * v, 0}, {hw, layout.top * v, 0}, {hw, layout.bottom * v, 0},
                          {-hw, layout.bottom * v, 0}};
        for (int k = 0; k < 4; ++k)
            MakeLine(c[k], c[(k + 1) % 4]);
        for (double y : layout.separators) {
            ads_point a = {-hw, y * v, 0}, b = {hw, y * v, 0};
            MakeLine(a, b);
        }
    }
    if (halfWidth)
        *halfWidth = hw;
    return EndAnonymousBlock(name, nameSize) == RTNORM ? 0 : -1;
}

static int16_t MakeLabelInsert(const LSystemRecord& r, const char* block, const ads_point at, ads_name made) {
    std::wstring b = ToWide(block), layer = ToWide(r.labelLayer);
    resbuf* list = acutBuildList(RTDXF0, L"INSERT", 8, layer.c_str(), 62, static_cast<int>(r.dimColour), 2,
                                 b.c_str(), 10, at, 0);
    if (!list)
        return -1;
    int status = acdbEntMake(list);
    acutRelRb(list);
    if (status != RTNORM || acdbEntLast(made) != RTNORM)
        return -1;
    return 0;
}

// In label mode 129 the existing insert takes the new block and colour.
static int16_t Repoint(const LSystemRecord& r, resbuf* list, const char* block) {
    resbuf* colour = FindGroup(list, 62);
    resbuf* name = colour ? FindGroup(colour, 2) : nullptr;
    if (!colour || !name)
        return 0;
    colour->resval.rint = r.dimColour;
    resbuf* fresh = acutBuildList(2, ToWide(block).c_str(), 0);
    if (fresh) {
        std::swap(name->resval.rstring, fresh->resval.rstring);
        acutRelRb(fresh);
    }
    acdbEntMod(list);
    return 0;
}

static int16_t PlaceFramed(LObject* e, int16_t i, const FramedLayout& layout) {
    LLabelNode* node = e ? e->GetLabel(i) : nullptr;
    if (!node)
        return -1;
    const LSystemRecord& r = e->System();
    bool relabel = GetGlobalMode() == kModeRelabel;
    resbuf* existing = nullptr;
    ads_point pick = {0, 0, 0};
    if (relabel) {
        existing = ads_name_nil(node->third) ? nullptr : acdbEntGet(node->third);
        if (!existing)
            return 0;
    } else {
        ads_point plan, anchor;
        LabelAnchor(e, node->point, plan, anchor);
        acedInitGet(0, L"Quit");
        int status = acedGetPoint(anchor, ToWide(CommandMessage(kPromptLabelPosition)).c_str(), pick);
        if (status == RTKWORD && CurrentDrawing())
            CurrentDrawing()->numberingStop = 1;
        if (status != RTNORM)
            return -1;
    }
    char name[kBlockNameSize] = "";
    int16_t result = BuildFramed(r, layout, "0", name, sizeof name, nullptr);
    if (relabel) {
        if (result == 0)
            Repoint(r, existing, name);
        acutRelRb(existing);
        return result == 0 ? 0 : -1;
    }
    if (result != 0)
        return -1;
    if (EntityIsLive(node->third))
        acdbEntDel(node->third);
    ads_name made;
    if (MakeLabelInsert(r, name, pick, made) != 0)
        return -1;
    ads_name_set(made, node->third);
    return 0;
}

int16_t PlaceFittingLabel(LObject* e, int16_t i, const char* nameText, const char* sizeText) {
    if (!e)
        return -1;
    FramedLayout layout{{{1.0, nameText ? nameText : ""},
                         {-0.8, sizeText ? sizeText : ""},
                         {-2.5, FlowText(e->GetFlow())}},
                        2.7, -2.7, {0.9, -0.9}};
    return PlaceFramed(e, i, layout);
}

int16_t PlaceUnitLabel(LObject* e, int16_t i, const char* text1, const char* text2, const char* text3) {
    if (!e)
        return -1;
    FramedLayout layout{{{1.9, text1 ? text1 : ""},
                         {0.1, text2 ? text2 : ""},
                         {-1.7, text3 ? text3 : ""},
                         {-3.5, FlowText(e->GetFlow())}},
                        3.6, -3.6, {1.8, 0.0, -1.8}};
    return PlaceFramed(e, i, layout);
}

// The straight two-point arrow under an airflow label, head at p2.
static void MakeFlowArrow(const LSystemRecord& r, const ads_point p1, const ads_point p2) {
    std::wstring layer = ToWide(r.labelLayer), style = ToWide(r.dimStyle);
    resbuf* list = acutBuildList(RTDXF0, L"LEADER", 100, L"AcDbEntity", 8, layer.c_str(), 100, L"AcDbLeader", 3,
                                 style.c_str(), 71, 1, 72, 0, 73, 3, 74, 1, 75, 0, 40, 0.0, 41, 0.0, 76, 2, 10,
                                 p2, 10, p1, 77, 256, -3, 1001, L"ACAD", 1000, L"DSTYLE", 1002, L"{", 1070, 41,
                                 1040, 3 * r.size / 4, 1070, 176, 1070, static_cast<int>(r.dimColour), 1002,
                                 L"}", 0);
    MakeFromList(list);
}

int16_t PlaceDuctLabel(LObject* e) {
    if (!e)
        return -1;
    const LSystemRecord& r = e->System();
    LLabelNode* node = e->GetLabel(e->fittingLabelNode);
    ads_point origin = {0, 0, 0}, plan, anchor, pick;
    LabelAnchor(e, node ? node->point : origin, plan, anchor);
    if (acedGetPoint(anchor, ToWide(CommandMessage(kPromptFlowLabel)).c_str(), pick) != RTNORM)
        return -1;
    const LConnector* c = e->GetConnector(0);
    double flow = c ? c->flow : 0.0, area = c ? c->GetArea() : 0.0;
    std::string velocity;
    if (flow != 0.0 && area != 0.0) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.1lf m/s", 277.0 * flow / area);
        velocity = buffer;
    }
    FramedLayout layout{{{0.1, FlowText(flow)}, {-1.7, velocity}}, 1.8, -1.8, {0.0}};
    char name[kBlockNameSize] = "";
    double hw = 0;
    ads_name made;
    if (BuildFramed(r, layout, nullptr, name, sizeof name, &hw) != 0 || MakeLabelInsert(r, name, pick, made) != 0)
        return -1;
    acutPrintf(L"\n");
    acedInitGet(0, L"Left Right None");
    wchar_t word[32] = L"";
    if (acedGetKword(ToWide(CommandMessage(kPromptFlowArrow)).c_str(), word, sizeof word / sizeof word[0]) != RTNORM)
        return 0;
    double side = 0;
    if (word[0] == L'R' || word[0] == L'r')
        side = -1;
    else if (word[0] == L'L' || word[0] == L'l')
        side = 1;
    else
        return 0;
    double v = r.size;
    ads_point p1 = {pick[0] + side * 0.8 * hw, pick[1] - 2.5 * v, 0};
    ads_point p2 = {pick[0] - side * 0.8 * hw, pick[1] - 2.5 * v, 0};
    // The label block is not scaled, so neither is its arrow: it stays
    // under the label whatever the element's insertion scale.
    MakeFlowArrow(r, p1, p2);
    return 0;
}
