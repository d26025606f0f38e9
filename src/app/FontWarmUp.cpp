#include "FontWarmUp.h"

#include <dlfcn.h>

FontWarmUp::FontWarmUp()
{
    // The toolkit links the library; only a copy already loaded is used, so a toolkit
    // built without it costs nothing.
    void *library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return;
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(library, "FcInit"));
    if (!init) {
        dlclose(library);
        return;
    }
    // The library makes its configuration current atomically, so the toolkit finds it
    // loaded, or (if it gets there first) loads it the same way.
    m_thread = std::thread([init, library] {
        init();
        dlclose(library);
    });
}

FontWarmUp::~FontWarmUp()
{
    join();
}

void FontWarmUp::join()
{
    if (m_thread.joinable())
        m_thread.join();
}
