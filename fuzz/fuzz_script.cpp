// Script lines: any input at the command line of a new drawing, through
// the host's commands and input functions, ends without a crash, and the
// drawing it leaves is written and read back without repairs.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "api/host_api.h"
#include "dxf/reader.h"
#include "dxf/writer.h"
#include "io/io.h"
#include "shell/commands.h"
#include "shell/documents.h"
#include "shell/session.h"
#include "reads_back_quietly.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    host::io::captureTranscript();  // taken and dropped after each input
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    host::shell::resetSession();
    host::shell::newDrawing();
    host::io::setScript(std::string_view(reinterpret_cast<const char*>(data), size));
    host::shell::runCommandLine();
    host::shell::endActiveCommand();
    if (host::shell::Document* doc = host::shell::currentDocument()) {
        std::string written;
        host::dxf::writeDxfText(*host::api::databaseOf(doc->database()), written);
        requireReadsBackQuietly(written, "a drawing made at the command line");
    }
    host::io::setSource(nullptr);
    host::io::takeTranscript();
    return 0;
}
