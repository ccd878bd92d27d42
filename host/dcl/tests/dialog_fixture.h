// Shared set-up of the runtime tests: the sample dialog file loaded, the
// transcript captured, and callbacks that record what they were given.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ads_dcl.h"
#include "dcl/inspect.h"
#include "io/io.h"

namespace dcltest {

struct Event {
    std::string key;
    std::string value;
    int reason = 0;
    void* data = nullptr;
    long x = 0, y = 0;
};

inline std::vector<Event>& events() {
    static std::vector<Event> list;
    return list;
}

inline std::string tileKey(ads_callback_packet* p) {
    ACHAR key[32];
    ads_get_attr_string(p->tile, L"key", key, 32);
    return host::io::toUtf8(key);
}

inline void record(ads_callback_packet* p) {
    events().push_back({tileKey(p), host::io::toUtf8(p->value), p->reason, p->client_data, p->x, p->y});
}

inline std::string tileValue(ads_hdlg hdlg, const wchar_t* key) {
    ACHAR buffer[256];
    ads_get_tile(hdlg, key, buffer, 256);
    return host::io::toUtf8(buffer);
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::dcl::resetDialogs();
        events().clear();
        host::io::captureTranscript();
        ASSERT_EQ(ads_load_dialog(DCL_TEST_DATA L"/sample.dcl", &file_), RTNORM) << host::io::takeTranscript();
        ASSERT_EQ(ads_new_dialog(L"sample", file_, NULLCB, &hdlg_), RTNORM);
    }
    void TearDown() override {
        host::dcl::resetDialogs();
        host::io::setSource(nullptr);
    }
    // Binds the recording callback to each key.
    void bind(std::initializer_list<const wchar_t*> keys, CLIENTFUNC fn = record) {
        for (const wchar_t* key : keys) ASSERT_EQ(ads_action_tile(hdlg_, key, fn), RTNORM);
    }
    // Runs the dialog on the script; returns its status.
    int run(const std::string& script) {
        host::io::setScript(script);
        int status = -99;
        EXPECT_EQ(ads_start_dialog(hdlg_, &status), RTNORM);
        return status;
    }
    const host::dcl::TileState& last(const char* key) {
        static host::dcl::TileState none;
        last_ = host::dcl::lastDialogState();
        if (!last_) return none;
        const host::dcl::TileState* t = last_->tile(key);
        return t ? *t : none;
    }

    int file_ = 0;
    ads_hdlg hdlg_ = nullptr;
    std::optional<host::dcl::DialogState> last_;
};

} // namespace dcltest
