#pragma once

// The COM runtime in the shape callers written for Windows use it: apartments, the class table
// behind CoCreateInstance, and task memory. Thread-safe; no Qt.
//
// Apartments: every thread that calls CoInitialize/CoInitializeEx (or advises a sink) has one
// single-threaded apartment. Events for a sink are queued to the apartment of the thread that
// advised it and run only on that thread: from its Qt event loop once the Qt glue
// (platform/com/QtApartment.h) is installed there, or when the thread calls CoPumpApartment.

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"
#include "platform/com/IUnknown.h"

#include <chrono>
#include <cstddef>

// CoInitializeEx flags.
inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// Class contexts; CLSCTX_ALL (23) is what the programs pass.
inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
inline constexpr DWORD CLSCTX_ALL = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

// S_OK for the first call on a thread, S_FALSE for a nested one; each needs a CoUninitialize.
HRESULT CoInitialize(void* reserved);
HRESULT CoInitializeEx(void* reserved, DWORD flags);
// The last one closes the thread's apartment; events still queued for it are dropped.
void CoUninitialize();

// Creates an object of a registered class. outer must be null (no aggregation).
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);

// Makes an object of the class and returns the interface iid on it (outer is always null).
using ClassFactoryFunction = HRESULT (*)(IUnknown* outer, REFIID iid, void** object);

// Enters a class in the process's class table; registering a class again replaces its factory.
HRESULT CoRegisterClassFactory(REFCLSID clsid, ClassFactoryFunction factory);
HRESULT CoRevokeClassFactory(REFCLSID clsid);

// Task memory: what services return and what callers hand to them. CoTaskMemFree(nullptr) is
// allowed.
void* CoTaskMemAlloc(size_t bytes);
void CoTaskMemFree(void* memory);

// Runs the events queued for the calling thread's apartment; returns how many ran.
size_t CoPumpApartment();

// Waits until the calling thread's apartment has queued events or the timeout passes, then runs
// them; returns how many ran. Without blocking anything else of the process.
size_t CoWaitAndPumpApartment(std::chrono::milliseconds timeout);

// A file descriptor that is readable while the calling thread's apartment has queued events
// (for poll() or a QSocketNotifier); -1 when the thread has no apartment. Stays valid until the
// thread's last CoUninitialize.
int CoApartmentEventFd();
