// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into every program a timed start runs (LD_PRELOAD is handed on through exec):
// in one that has loaded Qt, the window program, it loads the module that ends the process
// at the window's first paint (FirstPaint.cpp). Itself it loads no Qt, so that the stoikon
// command, which hands the window over, is timed as it starts.
#include <dlfcn.h>

#include <string>

namespace {
__attribute__((constructor)) void LoadFirstPaintInQtPrograms()
{
    if (!::dlsym(RTLD_DEFAULT, "qVersion"))
        return;
    Dl_info self;
    if (!::dladdr(reinterpret_cast<void*>(&LoadFirstPaintInQtPrograms), &self) || !self.dli_fname)
        return;
    std::string path = self.dli_fname;
    path = path.substr(0, path.find_last_of('/') + 1) + "libstoikon_first_paint.so";
    ::dlopen(path.c_str(), RTLD_NOW);
}
} // namespace
