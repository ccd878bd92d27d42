// The plug-in module: loaded with the dynamic loader, asked its API
// version, and sent the application messages in the host's order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "acrx_app.h"

namespace host::shell {

// One message as sent: its code and the serial of the document that was
// current (0 for none).
struct SentMessage {
    int code;
    uint64_t document;
};

class Plugin {
public:
    ~Plugin();
    // Loads the file: dlopen, acrxGetApiVersion (must match), acrxEntryPoint.
    // False with a message naming the file and the reason.
    bool load(const std::string& path, std::string& error);
    bool loaded() const { return entry_ != nullptr; }
    // Sends one message with the current document as it stands; what the
    // plug-in answered (kRetOK when none is loaded).
    AcRx::AppRetCode send(AcRx::AppMsgCode msg);
    // Forgets the entry point and closes the library.
    void unload();
    const std::string& path() const { return path_; }
    // The file's name without directory ("LURAK.ARX").
    std::string fileName() const;
    void* appId() { return this; }
    const std::vector<SentMessage>& sent() const { return sent_; }
    void clearLog() { sent_.clear(); }

private:
    void* library_ = nullptr;
    AcRx::AppRetCode (*entry_)(AcRx::AppMsgCode, void*) = nullptr;
    std::string path_;
    std::vector<SentMessage> sent_;
};

} // namespace host::shell
