#include "platform/Registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace tavrel {

namespace {

struct Value {
    uint32_t type = REG_SZ;
    std::vector<uint8_t> bytes;
};

constexpr const char* kMsInfoKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kSystemInfoPrograms[] = {"hardinfo", "kinfocenter", "lshw-gtk",
                                               "gnome-system-monitor", "xfce4-taskmanager"};

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string RootName(HKEY root) {
    switch (root) {
        case HKEY_LOCAL_MACHINE:
            return "HKEY_LOCAL_MACHINE";
        case HKEY_CURRENT_USER:
            return "HKEY_CURRENT_USER";
        default:
            return "";
    }
}

std::optional<std::vector<uint8_t>> HexBytes(const std::string& list) {
    std::vector<uint8_t> bytes;
    size_t i = 0;
    while (i < list.size()) {
        const size_t comma = list.find(',', i);
        const std::string item = list.substr(i, comma - i);
        char* end = nullptr;
        const long v = std::strtol(item.c_str(), &end, 16);
        if (item.empty() || *end != '\0' || v < 0 || v > 255) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(v));
        if (comma == std::string::npos) break;
        i = comma + 1;
    }
    return bytes;
}

std::optional<Value> ParseValue(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        // As in exported registry files, \\ stands for a backslash and \" for a quote.
        std::string s;
        for (size_t i = 1; i + 1 < text.size(); ++i) {
            if (text[i] == '\\' && i + 2 < text.size() &&
                (text[i + 1] == '\\' || text[i + 1] == '"'))
                ++i;
            s += text[i];
        }
        Value v{REG_SZ, std::vector<uint8_t>(s.begin(), s.end())};
        v.bytes.push_back(0);
        return v;
    }
    if (text.rfind("dword:", 0) == 0) {
        char* end = nullptr;
        const unsigned long n = std::strtoul(text.c_str() + 6, &end, 16);
        if (*end != '\0' || text.size() == 6) return std::nullopt;
        Value v{REG_DWORD, {}};
        for (int i = 0; i < 4; ++i) v.bytes.push_back(static_cast<uint8_t>(n >> (8 * i)));
        return v;
    }
    uint32_t type = REG_BINARY;
    std::string list;
    if (text.rfind("hex:", 0) == 0) {
        list = text.substr(4);
    } else if (text.rfind("hex(", 0) == 0 && text.find("):") != std::string::npos) {
        type = static_cast<uint32_t>(std::strtoul(text.c_str() + 4, nullptr, 16));
        list = text.substr(text.find("):") + 2);
    } else {
        return std::nullopt;
    }
    const auto bytes = HexBytes(list);
    if (!bytes) return std::nullopt;
    return Value{type, *bytes};
}

// key path (lower case) -> value name (lower case) -> value
using Store = std::map<std::string, std::map<std::string, Value>>;

Store LoadStore() {
    Store store;
    std::ifstream in(RegistryFilePath());
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == ';' || line[first] == '#') continue;
        line = line.substr(first);
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
            store[section];
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || section.empty()) continue;
        std::string name = line.substr(0, equals);
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = name.substr(1, name.size() - 2);
        if (const auto value = ParseValue(line.substr(equals + 1)))
            store[section][Lower(name)] = *value;
    }
    // Where the file names no system-information program, the first one installed answers.
    auto& msinfo = store[Lower(kMsInfoKey)];
    if (!msinfo.count("path")) {
        const char* path = std::getenv("PATH");
        std::string dirs = path ? path : "/usr/bin:/bin";
        for (const char* program : kSystemInfoPrograms) {
            size_t i = 0;
            std::optional<std::string> found;
            while (i <= dirs.size() && !found) {
                const size_t colon = dirs.find(':', i);
                const std::string dir = dirs.substr(i, colon - i);
                const std::filesystem::path candidate =
                    std::filesystem::path(dir.empty() ? "." : dir) / program;
                std::error_code ignored;
                if (std::filesystem::is_regular_file(candidate, ignored))
                    found = candidate.string();
                if (colon == std::string::npos) break;
                i = colon + 1;
            }
            if (found) {
                Value v{REG_SZ, std::vector<uint8_t>(found->begin(), found->end())};
                v.bytes.push_back(0);
                msinfo["path"] = v;
                break;
            }
        }
    }
    return store;
}

struct OpenKeys {
    std::mutex mutex;
    std::map<HKEY, std::map<std::string, Value>> keys;
    HKEY next = 0x1000;
};

OpenKeys& Keys() {
    static OpenKeys keys;
    return keys;
}

}  // namespace

std::string RegistryFilePath() {
    if (const char* path = std::getenv("TAVREL_REGISTRY"); path && *path) return path;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = config && *config
                                           ? std::filesystem::path(config)
                                           : std::filesystem::path(home ? home : ".") / ".config";
    return (base / "tavrel" / "registry.ini").string();
}

int32_t RegOpenKeyExA(HKEY hKey, const std::string& lpSubKey, uint32_t /*ulOptions*/,
                      uint32_t /*samDesired*/, HKEY* phkResult) {
    if (phkResult == nullptr) return ERROR_INVALID_HANDLE;
    *phkResult = 0;
    const std::string root = RootName(hKey);
    if (root.empty()) return ERROR_INVALID_HANDLE;
    const Store store = LoadStore();
    const auto it = store.find(Lower(root + "\\" + lpSubKey));
    if (it == store.end()) return ERROR_FILE_NOT_FOUND;
    OpenKeys& keys = Keys();
    const std::lock_guard<std::mutex> lock(keys.mutex);
    const HKEY handle = keys.next++;
    keys.keys[handle] = it->second;
    *phkResult = handle;
    return ERROR_SUCCESS;
}

int32_t RegQueryValueExA(HKEY hKey, const std::string& lpValueName, uint32_t* /*lpReserved*/,
                         uint32_t* lpType, uint8_t* lpData, uint32_t* lpcbData) {
    OpenKeys& keys = Keys();
    const std::lock_guard<std::mutex> lock(keys.mutex);
    const auto key = keys.keys.find(hKey);
    if (key == keys.keys.end()) return ERROR_INVALID_HANDLE;
    const auto value = key->second.find(Lower(lpValueName));
    if (value == key->second.end()) return ERROR_FILE_NOT_FOUND;
    const Value& v = value->second;
    if (lpType) *lpType = v.type;
    const auto size = static_cast<uint32_t>(v.bytes.size());
    if (lpData == nullptr) {
        if (lpcbData) *lpcbData = size;
        return ERROR_SUCCESS;
    }
    if (lpcbData == nullptr) return ERROR_INVALID_HANDLE;
    if (*lpcbData < size) {
        *lpcbData = size;
        return ERROR_MORE_DATA;
    }
    std::copy(v.bytes.begin(), v.bytes.end(), lpData);
    *lpcbData = size;
    return ERROR_SUCCESS;
}

int32_t RegCloseKey(HKEY hKey) {
    OpenKeys& keys = Keys();
    const std::lock_guard<std::mutex> lock(keys.mutex);
    return keys.keys.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace tavrel
