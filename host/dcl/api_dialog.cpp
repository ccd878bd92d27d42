// Dialog files and the life of a dialog: load, open, run, close.

#include <filesystem>
#include <map>

#include "ads_dcl.h"
#include "dcl/api_util.h"
#include "dcl/base.h"
#include "dcl/dialog.h"
#include "dcl/parser.h"
#include "dcl/resolve.h"
#include "dcl/run.h"
#include "io/io.h"

using namespace host;
using namespace host::dcl;

namespace {

// The file a dialog file name means: as given, or with Windows-style
// separators made ours.  Empty when there is no such file.
std::string findDialogFile(const std::string& name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string candidate = name;
    if (!fs::is_regular_file(candidate, ec)) {
        for (char& c : candidate)
            if (c == '\\') c = '/';
        if (!fs::is_regular_file(candidate, ec)) return {};
    }
    return fs::absolute(candidate, ec).lexically_normal().string();
}

// A dialog file read and checked, or null with the error.  A file is read
// once while it stays as it was: a program loads its dialog file for every
// dialog it opens, and reading a large one again costs more than the rest
// of a placement.  (A changed file, by time or size, is read again; the
// files it includes are not looked at.)
std::shared_ptr<const Scope> checkedFile(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    struct Kept {
        fs::file_time_type time;
        uintmax_t size = 0;
        std::shared_ptr<const Scope> scope;
    };
    static std::map<std::string, Kept> kept;
    std::error_code ec;
    fs::file_time_type time = fs::last_write_time(path, ec);
    uintmax_t size = ec ? 0 : fs::file_size(path, ec);
    auto at = kept.find(path);
    if (!ec && at != kept.end() && at->second.time == time && at->second.size == size) return at->second.scope;
    auto scope = loadFile(path, &baseScope(), error);
    if (scope && !checkScope(*scope, error)) scope.reset();
    if (scope && !ec) kept[path] = Kept{time, size, scope};
    return scope;
}

int openDialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x, int y, ads_hdlg* hdlg,
               const char* function) {
    if (!hdlg) return RTERROR;
    *hdlg = nullptr;
    if (!dlgname) return RTERROR;
    std::string error;
    Dialog* dialog = createDialog(dcl_id, io::toUtf8(dlgname), error);
    if (!dialog) {
        complain(function, error);
        return RTERROR;
    }
    dialog->defaultAction = def_callback;
    dialog->x = x;
    dialog->y = y;
    *hdlg = dialog;
    return RTNORM;
}

} // namespace

int ads_load_dialog(const ACHAR* dclfile, int* dcl_id) {
    if (!dcl_id) return RTERROR;
    *dcl_id = -1;
    if (!dclfile) return RTERROR;
    std::string name = io::toUtf8(dclfile);
    std::string path = findDialogFile(name);
    if (path.empty()) {
        complain("ads_load_dialog", "cannot find dialog file " + name);
        return RTERROR;
    }
    std::string error;
    auto scope = checkedFile(path, error);
    if (!scope) {
        io::print("Error in dialog file " + error + "\n");
        return RTERROR;
    }
    *dcl_id = addFile(std::move(scope));
    return RTNORM;
}

int ads_unload_dialog(int dcl_id) {
    if (!removeFile(dcl_id)) return RTERROR;
    dropUnstarted(dcl_id);
    return RTNORM;
}

int ads_new_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, ads_hdlg* hdlg) {
    return openDialog(dlgname, dcl_id, def_callback, -1, -1, hdlg, "ads_new_dialog");
}

int ads_new_positioned_dialog(const ACHAR* dlgname, int dcl_id, CLIENTFUNC def_callback, int x, int y,
                              ads_hdlg* hdlg) {
    return openDialog(dlgname, dcl_id, def_callback, x, y, hdlg, "ads_new_positioned_dialog");
}

int ads_start_dialog(ads_hdlg hdlg, int* status) {
    Dialog* dialog = dialogFor(hdlg, "ads_start_dialog");
    if (!dialog) return RTERROR;
    if (dialog->started) {
        complain("ads_start_dialog", "dialog \"" + dialog->name + "\" is already running");
        return RTERROR;
    }
    int result = runDialog(*dialog);
    destroyDialog(dialog);
    if (status) *status = result;
    return RTNORM;
}

int ads_done_dialog(ads_hdlg hdlg, int status) {
    Dialog* dialog = dialogFor(hdlg, "ads_done_dialog");
    if (!dialog) return RTERROR;
    if (!dialog->started) {
        complain("ads_done_dialog", "dialog \"" + dialog->name + "\" is not running");
        return RTERROR;
    }
    dialog->close(status);
    return RTNORM;
}

int ads_done_positioned_dialog(ads_hdlg hdlg, int status, int* x_result, int* y_result) {
    int result = ads_done_dialog(hdlg, status);
    if (result == RTNORM) {
        Dialog* dialog = liveDialog(hdlg);
        if (x_result) *x_result = dialog->x;
        if (y_result) *y_result = dialog->y;
    }
    return result;
}

int ads_term_dialog(void) {
    for (Dialog* dialog : runningDialogs()) dialog->close(DLGALLDONE);
    return RTNORM;
}
