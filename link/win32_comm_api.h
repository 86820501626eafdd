#pragma once
// The Win32 calls behind the Windows serial port, gathered in one table so that a
// test can stand in for the system where Wine behaves differently from Windows
// (exclusive opens, early returns from ReadFile, error codes). Windows builds only.

#include <windows.h>

#include <functional>
#include <memory>

#include "link/serial_port.h"

namespace pemlar {

struct Win32CommApi {
    std::function<HANDLE(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                         DWORD disposition, DWORD attributes, HANDLE templateFile)>
        createFileA;
    std::function<BOOL(HANDLE)> closeHandle;
    std::function<BOOL(HANDLE, LPCOMMTIMEOUTS)> setCommTimeouts;
    std::function<BOOL(HANDLE, LPDCB)> setCommState;
    std::function<BOOL(LPCSTR definition, LPDCB)> buildCommDCBA;
    std::function<BOOL(HANDLE, DWORD flags)> purgeComm;
    std::function<BOOL(HANDLE, LPDWORD errors, LPCOMSTAT status)> clearCommError;
    std::function<BOOL(HANDLE, LPVOID, DWORD toRead, LPDWORD read, LPOVERLAPPED)> readFile;
    std::function<BOOL(HANDLE, LPCVOID, DWORD toWrite, LPDWORD written, LPOVERLAPPED)> writeFile;
    std::function<ULONGLONG()> getTickCount64;
    std::function<void(DWORD milliseconds)> sleep;
};

// The real calls.
Win32CommApi systemWin32CommApi();

// A serial port that makes its calls through `api`.
std::unique_ptr<SerialPort> makeWin32SerialPort(Win32CommApi api);

}  // namespace pemlar
