// A fresh drawing with the module's messages, made current for the dialog
// tests, a way to run a dialog on scripted input lines, and a probe that
// notes what its controls show.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "acdb_objects.h"
#include "api/host_api.h"
#include "core/messages.h"
#include "core/string_convert.h"
#include "core/system_list.h"
#include "io/io.h"
#include "mfc.h"

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(LoadMessages(LURAK_SOURCE_DIR "/data"), 0);
        database = new AcDbDatabase(true);
        host::api::setCurrentDatabase(database);
        host::io::captureTranscript();
    }
    void TearDown() override {
        host::io::setSource(nullptr);
        host::io::takeTranscript();
        host::api::setCurrentDatabase(static_cast<AcDbDatabase*>(nullptr));
        delete database;
    }

    // Runs the dialog on the lines; the transcript of the run.
    static std::string Run(CDialog& dialog, const std::string& lines, INT_PTR* ended = nullptr) {
        host::io::takeTranscript();
        host::io::setScript(lines);
        INT_PTR result = dialog.DoModal();
        if (ended)
            *ended = result;
        return host::io::takeTranscript();
    }

    // Adds a system of that tag with pen 0 on layer.
    void AddListed(const char* tag, const char* layer = "") {
        LSystemRecord record;
        snprintf(record.tag, sizeof record.tag, "%s", tag);
        snprintf(record.penLayer[0], sizeof record.penLayer[0], "%s", layer);
        InsertSystem(systems, &record);
    }

    bool HasLayer(const wchar_t* name) {
        AcDbLayerTable* table = nullptr;
        if (database->getLayerTable(table, AcDb::kForRead) != Acad::eOk)
            return false;
        bool has = table->has(name);
        table->close();
        return has;
    }

    AcDbDatabase* database = nullptr;
    LSystemList systems;
};

// The text of a control as narrow text.
inline std::string TextOf(const CWnd& control) {
    CString text;
    control.GetWindowText(text);
    return text.toUtf8();
}

// How often what occurs in text.
inline size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Notes every control's text, visibility and enabling when the run ends by
// cancel (also at the end of the script), while the controls still live.
template <class Dialog>
class Probe : public Dialog {
public:
    std::map<int, std::string> shown;
    std::map<int, bool> visible, enabled;
    void OnCancel() override {
        for (const host::mfc::ControlTemplate& c : host::mfc::findTemplate(this->templateId())->controls) {
            if (CWnd* control = c.id == static_cast<UINT>(IDC_STATIC) ? nullptr : this->GetDlgItem(c.id)) {
                shown[c.id] = TextOf(*control);
                visible[c.id] = control->IsWindowVisible();
                enabled[c.id] = control->IsWindowEnabled();
            }
        }
        Dialog::OnCancel();
    }
};
