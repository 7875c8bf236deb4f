#include "platform/sdl/alsa_quiet.h"

#include <dlfcn.h>

namespace {

extern "C" void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
using SetErrorHandler = int (*)(ErrorHandler);

}  // namespace

namespace soundhost {

void QuietAlsaErrors()
{
    // The library stays loaded, so that SDL's own loading of it finds the handler in place.
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (alsa == nullptr) return;
    if (const auto set = reinterpret_cast<SetErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")); set != nullptr)
        set(IgnoreAlsaError);
}

}  // namespace soundhost
