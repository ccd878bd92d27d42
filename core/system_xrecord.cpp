#include "core/system_xrecord.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "ads_entity.h"
#include "core/layer_names.h"
#include "core/rounding.h"
#include "core/string_convert.h"
#include "core/system_text.h"

resbuf* BuildSystemXrecord(const LSystemRecord* record) {
    if (record == nullptr)
        return nullptr;
    const LSystemRecord& r = *record;
    std::wstring tag = ToWide(r.tag), name = ToWide(r.name);
    std::wstring layer[3], linetype[3];
    for (int i = 0; i < 3; ++i) {
        layer[i] = ToWide(r.penLayer[i]);
        linetype[i] = ToWide(r.penLinetype[i]);
    }
    std::wstring centreLinetype = ToWide(r.centreLinetype), centreLayer = ToWide(r.centreLayer);
    std::wstring textStyle = ToWide(r.textStyle), dimStyle = ToWide(r.dimStyle);
    std::wstring labelLayer = ToWide(r.labelLayer);
    int anyCentreLines = (r.rectCentreLines != 0 || r.roundCentreLines != 0) ? 1 : 0;
    // Only the low 16 bits of the offset fit the group.
    int offset = static_cast<int16_t>(static_cast<uint16_t>(r.labelNumberOffset & 0xFFFF));
    int labelBits = (r.labelCircle >= 1 ? 1 : 0) | (r.labelFrame < 1 ? 2 : 0);
    return acutBuildList(RTDXF0, L"XRECORD", 100, L"AcDbXrecord", 102, L"{LURAK",
                         1, tag.c_str(), 2, name.c_str(), 3, layer[0].c_str(), 40, r.size,
                         60, int(r.penColour[0]), 60, int(r.centreColour), 70, anyCentreLines,
                         172, int(r.penColour[0]), 102, linetype[0].c_str(), 102, layer[0].c_str(),
                         172, int(r.penColour[1]), 102, linetype[1].c_str(), 102, layer[1].c_str(),
                         172, int(r.penColour[2]), 102, linetype[2].c_str(), 102, layer[2].c_str(),
                         172, int(r.centreColour), 102, centreLinetype.c_str(), 102, centreLayer.c_str(),
                         70, int(r.rectCentreLines), 70, int(r.roundCentreLines), 70, offset,
                         70, labelBits, 172, int(r.dimTextColour), 172, int(r.dimColour),
                         102, textStyle.c_str(), 102, dimStyle.c_str(), 102, labelLayer.c_str(),
                         40, r.zigzagScale, 102, L"}", 0);
}

void ShortFormLabelLayer(char* out, size_t outSize, const char* tag, double size) {
    char text[64];
    snprintf(text, sizeof text, "%s%.15s-%lg", kSystemLayerPrefix, tag ? tag : "", RoundToDouble(size));
    CopyFieldText(out, outSize, text);
}

namespace {

// Walks the groups after the marker.  Each step takes the next group when
// it has the expected code and is followed by a further group (the last
// group of a record may end the chain where the caller allows it).
class GroupReader {
public:
    explicit GroupReader(const resbuf* first) : rb_(first) {}

    const resbuf* Take(short code, bool mayBeLast = false) {
        if (rb_ == nullptr || rb_->restype != code)
            return nullptr;
        if (rb_->rbnext == nullptr && !mayBeLast)
            return nullptr;
        const resbuf* taken = rb_;
        rb_ = rb_->rbnext;
        return taken;
    }
    // The next group without taking it.
    const resbuf* Peek() const { return rb_; }

private:
    const resbuf* rb_;
};

bool TakeText(GroupReader& in, short code, char* field, size_t size, bool cutAllowed,
              bool mayBeLast = false) {
    const resbuf* rb = in.Take(code, mayBeLast);
    if (rb == nullptr)
        return false;
    std::string text = ToNarrowString(rb->resval.rstring);
    return CopyFieldText(field, size, text.c_str()) || cutAllowed;
}

template <size_t N>
bool TakeName(GroupReader& in, short code, char (&field)[N], bool mayBeLast = false) {
    return TakeText(in, code, field, N, false, mayBeLast);
}

bool TakeShort(GroupReader& in, short code, int16_t* field) {
    const resbuf* rb = in.Take(code);
    if (rb == nullptr)
        return false;
    *field = rb->resval.rint;
    return true;
}

bool TakeReal(GroupReader& in, short code, double* field) {
    const resbuf* rb = in.Take(code);
    if (rb == nullptr)
        return false;
    *field = rb->resval.rreal;
    return true;
}

const resbuf* FindMarker(const resbuf* chain) {
    for (const resbuf* rb = chain; rb; rb = rb->rbnext)
        if (rb->restype == 102 && ToNarrowString(rb->resval.rstring) == kSystemXrecordMarker)
            return rb;
    return nullptr;
}

bool ReadLongForm(LSystemRecord& r, GroupReader& in) {
    int16_t ignored = 0, offset = 0, labelBits = 0;
    // The pen-0 colour of the long part repeats the first 60 group.
    if (!TakeShort(in, 172, &ignored) || !TakeName(in, 102, r.penLinetype[0]) ||
        !TakeName(in, 102, r.penLayer[0]))
        return false;
    for (int pen = 1; pen < 3; ++pen)
        if (!TakeShort(in, 172, &r.penColour[pen]) || !TakeName(in, 102, r.penLinetype[pen]) ||
            !TakeName(in, 102, r.penLayer[pen]))
            return false;
    if (!TakeShort(in, 172, &r.centreColour) || !TakeName(in, 102, r.centreLinetype) ||
        !TakeName(in, 102, r.centreLayer) || !TakeShort(in, 70, &r.rectCentreLines) ||
        !TakeShort(in, 70, &r.roundCentreLines) || !TakeShort(in, 70, &offset) ||
        !TakeShort(in, 70, &labelBits))
        return false;
    r.labelNumberOffset = offset;  // sign-extended
    r.labelCircle = (labelBits & 1) ? 1 : 0;
    r.labelFrame = (labelBits & 2) ? 0 : 1;
    if (!TakeShort(in, 172, &r.dimTextColour) || !TakeShort(in, 172, &r.dimColour) ||
        !TakeName(in, 102, r.textStyle) || !TakeName(in, 102, r.dimStyle) ||
        !TakeName(in, 102, r.labelLayer, true))
        return false;
    const resbuf* last = in.Peek();
    r.zigzagScale = (last && last->restype == 40) ? last->resval.rreal : 1.0;
    return true;
}

}  // namespace

void FillShortForm(LSystemRecord& r) {
    r.penColour[1] = r.penColour[2] = 0;
    r.zigzagScale = 1.0;
    CopyFieldText(r.penLayer[1], r.penLayer[0]);
    CopyFieldText(r.penLayer[2], r.penLayer[0]);
    CopyFieldText(r.penLinetype[0], "BYLAYER");
    CopyFieldText(r.penLinetype[1], "BYBLOCK");
    CopyFieldText(r.penLinetype[2], "BYBLOCK");
    CopyFieldText(r.centreLayer, r.penLayer[0]);
    CopyFieldText(r.centreLinetype, "KÖZÉP");
    r.labelNumberOffset = 0;
    r.labelCircle = 1;
    r.labelFrame = 1;
    r.dimTextColour = r.dimColour = 256;
    CopyFieldText(r.textStyle, "STANDARD");
    CopyFieldText(r.dimStyle, "STANDARD");
    ShortFormLabelLayer(r.labelLayer, sizeof r.labelLayer, r.tag, r.size);
}

int16_t ParseSystemXrecord(LSystemRecord* record, const resbuf* chain) {
    if (record == nullptr)
        return -1;
    const resbuf* marker = FindMarker(chain);
    if (marker == nullptr || marker->rbnext == nullptr)
        return -1;
    LSystemRecord& r = *record;
    GroupReader in(marker->rbnext);
    int16_t centreLines = 0;
    if (!TakeText(in, 1, r.tag, sizeof r.tag, true) || !TakeText(in, 2, r.name, sizeof r.name, true) ||
        !TakeName(in, 3, r.penLayer[0]) || !TakeReal(in, 40, &r.size) ||
        !TakeShort(in, 60, &r.penColour[0]) || !TakeShort(in, 60, &r.centreColour) ||
        !TakeShort(in, 70, &centreLines))
        return -1;
    NormaliseSystemTag(r.tag);
    r.rectCentreLines = r.roundCentreLines = centreLines;
    const resbuf* next = in.Peek();
    if (next && next->restype == 172 && next->rbnext)
        return ReadLongForm(r, in) ? 0 : -1;
    FillShortForm(r);
    return 0;
}
