#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "platform/PropertyBag.h"

namespace tavrel::qt {

// A property bag kept in a JSON settings file:
//   {"format": "tavrel-settings", "version": 1,
//    "values": [{"key": "MenusMax", "type": "int32", "value": 3}, ...]}
// Values keep the order in which they were first written; writing a key again replaces its value
// in place. Types are "boolean", "int16", "int32", "text" and "picture" (base64 PNG, or null for
// no picture). Every written value is stored, also one equal to its default.
//
// Loading refuses, with one error naming the file and what is wrong, a file that is not JSON
// (with the line and column), is not a settings file or is of a newer version. A value that does
// not match its type, or a picture that is not base64 PNG, loads as damaged: reading it fails.
// Saving is atomic: the old file stays whole until the new one has been written completely.
class SettingsFile final : public PropertyBag {
public:
    static constexpr const char* kFormat = "tavrel-settings";
    static constexpr int kVersion = 1;
    static constexpr int64_t kMaxFileBytes = int64_t{64} * 1024 * 1024;

    SettingsFile();
    ~SettingsFile() override;
    SettingsFile(SettingsFile&&) noexcept;
    SettingsFile& operator=(SettingsFile&&) noexcept;

    static ErrorOr<SettingsFile> Load(const std::string& sPath);
    // The same from the text of a file; `sName` names it in errors.
    static ErrorOr<SettingsFile> FromText(const std::string& sText, const std::string& sName);
    ErrorOr<void> Save(const std::string& sPath) const;

    ErrorOr<void> Write(std::string_view sKey, const Variant& value,
                        const Variant& vDefault) override;
    ErrorOr<Variant> Read(std::string_view sKey, const Variant& vDefault) override;

    // The keys in their order.
    std::vector<std::string> Keys() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavrel::qt
