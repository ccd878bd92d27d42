// A fresh drawing with the module's messages, made current for the dialog
// tests, and a way to run a dialog on scripted input lines.
#pragma once

#include <gtest/gtest.h>

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
