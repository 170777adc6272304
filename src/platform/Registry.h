#pragma once

#include <cstdint>
#include <string>

// The registry calls the About box makes, on our own registry: an INI file whose sections are
// key paths and whose entries are values, in the notation of exported registry files:
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   PATH="/usr/bin/hardinfo"        a REG_SZ, stored with its closing NUL (\\ is a backslash)
//   RAW=hex(1):41,42,43             a REG_SZ of exactly these bytes (no closing NUL)
//   NUMBER=dword:0000021a           a REG_DWORD, four bytes, least significant first
//   BLOB=hex:01,02                  REG_BINARY
// The file is $TAVREL_REGISTRY, or else $XDG_CONFIG_HOME/tavrel/registry.ini (by default
// ~/.config/tavrel/registry.ini). When it does not name the system-information program, the key
// SOFTWARE\Microsoft\Shared Tools\MSINFO answers its value PATH with the first installed of the
// Linux system-information programs we know.
namespace tavrel {

using HKEY = uintptr_t;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;

constexpr int32_t ERROR_SUCCESS = 0;
constexpr int32_t ERROR_FILE_NOT_FOUND = 2;
constexpr int32_t ERROR_INVALID_HANDLE = 6;
constexpr int32_t ERROR_MORE_DATA = 234;

constexpr uint32_t REG_SZ = 1;
constexpr uint32_t REG_BINARY = 3;
constexpr uint32_t REG_DWORD = 4;

constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
constexpr uint32_t KEY_ALL_BUT_DELETE = 0x2003F;

// The registry file in use; tests name their own through TAVREL_REGISTRY.
std::string RegistryFilePath();

int32_t RegOpenKeyExA(HKEY hKey, const std::string& lpSubKey, uint32_t ulOptions,
                      uint32_t samDesired, HKEY* phkResult);
// With lpData null only the type and size are reported; a buffer smaller than the value gives
// ERROR_MORE_DATA with the size needed.
int32_t RegQueryValueExA(HKEY hKey, const std::string& lpValueName, uint32_t* lpReserved,
                         uint32_t* lpType, uint8_t* lpData, uint32_t* lpcbData);
int32_t RegCloseKey(HKEY hKey);

}  // namespace tavrel
