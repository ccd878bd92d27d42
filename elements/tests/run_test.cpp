#include "elements/tests/run_test.h"

#include <cstdio>
#include <cstdlib>

#include "ads_entity.h"
#include "core/element_factory.h"
#include "core/element_load.h"
#include "core/global_mode.h"
#include "core/linetypes.h"
#include "core/string_convert.h"
#include "core/system_layers.h"
#include "host/io/io.h"
#include "host/shell/drawing_store.h"
#include "host/shell/session.h"

void RunTest::SetUp() {
    ElementTest::SetUp();
    host::shell::resetSession();
    host::io::captureTranscript();
}

void RunTest::TearDown() {
    for (LObject* e : made)
        DestroyElement(e);
    SetGlobalMode(kModeNormal);
    ElementTest::TearDown();
    host::shell::resetSession();
    host::io::setSource(nullptr);
    host::io::setTranscript(nullptr);
}

void RunTest::NewDrawing(const char* tag) {
    doc = host::shell::newDrawing();
    ASSERT_NE(doc, nullptr);
    acdbRegApp(L"LurakCad_B1");
    LoadLinetypes();
    state.database = doc->database();
    system = Record(tag);
    state.currentSystem = system;
}

LSystemRecord RunTest::Record(const char* tag) {
    LSystemRecord r;
    std::snprintf(r.tag, sizeof r.tag, "%s", tag);
    char layer[32];
    SystemLayerName(layer, sizeof layer, tag);
    for (int i = 0; i < 3; ++i) {
        std::snprintf(r.penLayer[i], sizeof r.penLayer[i], "%s", layer);
        std::snprintf(r.penLinetype[i], sizeof r.penLinetype[i], "CONTINUOUS");
    }
    r.penColour[1] = 1;
    r.penColour[2] = 3;
    std::snprintf(r.centreLayer, sizeof r.centreLayer, "%s", layer);
    std::snprintf(r.centreLinetype, sizeof r.centreLinetype, "KÖZÉP");
    std::snprintf(r.labelLayer, sizeof r.labelLayer, "LURAK-%s-F", tag);
    std::snprintf(r.textStyle, sizeof r.textStyle, "STANDARD");
    std::snprintf(r.dimStyle, sizeof r.dimStyle, "STANDARD");
    CreateLayer(5, ToWide(layer).c_str(), doc->database());
    CreateLayer(7, ToWide(r.labelLayer).c_str(), doc->database());
    return r;
}

LObject* RunTest::Make(int16_t family, uint16_t subtype) {
    LObject* e = CreateElement(family, subtype);
    if (e) {
        e->SetSystemRecord(system);
        made.push_back(e);
    }
    return e;
}

void RunTest::SaveChecked(const std::string& path) {
    std::string error;
    ASSERT_TRUE(host::shell::writeDrawing(*doc, path, error)) << error;
    const std::string check = std::string(LURAK_PYTHON) + " " + LURAK_DXF_CHECK + " '" + path + "'";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
}

void RunTest::Reopen(const std::string& path) {
    host::shell::Document* reopened = host::shell::openDrawing(path);
    ASSERT_NE(reopened, nullptr) << path;
    state.database = reopened->database();
}

std::vector<StoredElement> StoredElements() {
    std::vector<StoredElement> out;
    ads_name e;
    for (int status = acdbEntNext(nullptr, e); status == RTNORM;) {
        if (LObject* read = LoadElementFromEntity(e)) {
            uint16_t labels = 0;
            read->GetLabelCount(&labels);
            std::string text = read->GetFamily() == 4 ? read->GetParamText(2) : "";
            LLabelNode* label = read->GetLabel(read->fittingLabelNode);
            out.push_back({read->GetFamily(), read->GetSubtype(), Params(*read), labels, text,
                           label && !ads_name_nil(label->third)});
            DestroyElement(read);
        }
        ads_name next;
        status = acdbEntNext(e, next);
        ads_name_set(next, e);
    }
    return out;
}
