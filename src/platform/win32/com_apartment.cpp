#include "platform/win32/com_apartment.h"

#include <windows.h>

#include <objbase.h>

namespace flickmark::win32 {

// S_OK and S_FALSE (already initialised the same way) each need one CoUninitialize. RPC_E_CHANGED_MODE
// (the thread is in another apartment) and other failures must not be balanced.
ComApartment::ComApartment()
    : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)),
      initialised_(SUCCEEDED(result_)) {}

ComApartment::~ComApartment() {
    if (initialised_)
        ::CoUninitialize();
}

} // namespace flickmark::win32
