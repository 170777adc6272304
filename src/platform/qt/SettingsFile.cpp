#include "platform/qt/SettingsFile.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/qt/QtPictureCodec.h"

namespace tavrel::qt {

namespace {

struct Entry {
    std::string sKey;
    Variant value;
    std::string sDamage;  // not empty: the stored value cannot be read
};

constexpr const char* kTypeNames[] = {"boolean", "int16", "int32", "text", "picture"};

// The stored type of a value, or null for a value no settings file holds.
const char* TypeOf(const Variant& value) {
    if (std::holds_alternative<bool>(value)) return kTypeNames[0];
    if (std::holds_alternative<int16_t>(value)) return kTypeNames[1];
    if (std::holds_alternative<int32_t>(value)) return kTypeNames[2];
    if (std::holds_alternative<std::string>(value)) return kTypeNames[3];
    if (std::holds_alternative<Picture>(value)) return kTypeNames[4];
    return nullptr;
}

bool IsPng(const QByteArray& bytes) {
    return bytes.startsWith("\x89PNG\r\n\x1a\n");
}

// The value of one stored entry, or the reason it cannot be read.
ErrorOr<Variant> Decode(const QString& type, const QJsonValue& value, const QtPictureCodec& codec) {
    const auto integer = [&](double low, double high) -> ErrorOr<double> {
        if (!value.isDouble()) return Failure{"not a number"};
        const double d = value.toDouble();
        if (d != std::floor(d) || d < low || d > high)
            return Failure{"not a whole number in range"};
        return d;
    };
    if (type == "boolean") {
        if (!value.isBool()) return Failure{"not a boolean"};
        return Variant(value.toBool());
    }
    if (type == "int16") {
        auto d = integer(INT16_MIN, INT16_MAX);
        if (d.IsError()) return d.Error();
        return Variant(static_cast<int16_t>(d.Value()));
    }
    if (type == "int32") {
        auto d = integer(INT32_MIN, INT32_MAX);
        if (d.IsError()) return d.Error();
        return Variant(static_cast<int32_t>(d.Value()));
    }
    if (type == "text") {
        if (!value.isString()) return Failure{"not a text"};
        return Variant(value.toString().toStdString());
    }
    // picture
    if (value.isNull()) return Variant(Picture());
    if (!value.isString()) return Failure{"a picture is base64 PNG or null"};
    const auto decoded = QByteArray::fromBase64Encoding(value.toString().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return Failure{"the picture is not base64"};
    const QByteArray& bytes = decoded.decoded;
    if (!IsPng(bytes)) return Failure{"the picture is not a PNG"};
    const ErrorOr<Picture> picture = codec.FromBytes(std::span(
        reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
    if (picture.IsError()) return picture.Error();
    return Variant(picture.Value());
}

ErrorOr<QJsonValue> Encode(const Variant& value, const QtPictureCodec& codec) {
    struct Visitor {
        const QtPictureCodec& codec;
        ErrorOr<QJsonValue> operator()(std::monostate) const { return Failure{"no value"}; }
        ErrorOr<QJsonValue> operator()(bool b) const { return QJsonValue(b); }
        ErrorOr<QJsonValue> operator()(int16_t v) const { return QJsonValue(v); }
        ErrorOr<QJsonValue> operator()(int32_t v) const { return QJsonValue(v); }
        ErrorOr<QJsonValue> operator()(double) const {
            return Failure{"no settings value is fractional"};
        }
        ErrorOr<QJsonValue> operator()(const std::string& s) const {
            return QJsonValue(QString::fromStdString(s));
        }
        ErrorOr<QJsonValue> operator()(const Picture& p) const {
            if (p.IsEmpty()) return QJsonValue(QJsonValue::Null);
            const auto png = codec.ToPng(p);
            if (png.IsError()) return png.Error();
            const QByteArray bytes(reinterpret_cast<const char*>(png.Value().data()),
                                   static_cast<qsizetype>(png.Value().size()));
            return QJsonValue(QString::fromLatin1(bytes.toBase64()));
        }
    };
    return std::visit(Visitor{codec}, value);
}

std::string LineAndColumn(const QByteArray& text, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// Writes all of `bytes` to a new file beside `sPath`, flushes it to the disk and renames it over
// `sPath`: a crash or a full disk leaves either the old file or the new one, never a mix.
ErrorOr<void> ReplaceAtomically(const std::string& sPath, const QByteArray& bytes) {
    std::string temp = sPath + ".tmp-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Failure{sPath + ": cannot create a temporary file: " + std::strerror(errno)};
    const auto fail = [&](const char* what) -> ErrorOr<void> {
        const std::string reason = std::strerror(errno);
        ::close(fd);
        ::unlink(temp.c_str());
        return Failure{sPath + ": " + what + ": " + reason};
    };
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail("cannot write");
        written += n;
    }
    if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) return fail("cannot flush");
    if (::close(fd) != 0) {
        ::unlink(temp.c_str());
        return Failure{sPath + ": cannot close: " + std::strerror(errno)};
    }
    if (::rename(temp.c_str(), sPath.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temp.c_str());
        return Failure{sPath + ": cannot replace: " + reason};
    }
    return {};
}

}  // namespace

struct SettingsFile::Impl {
    std::vector<Entry> entries;
    std::map<std::string, size_t, std::less<>> index;
    QtPictureCodec codec;

    void Put(Entry entry) {
        if (const auto it = index.find(entry.sKey); it != index.end()) {
            entries[it->second] = std::move(entry);
            return;
        }
        index.emplace(entry.sKey, entries.size());
        entries.push_back(std::move(entry));
    }
};

SettingsFile::SettingsFile() : impl_(std::make_unique<Impl>()) {}
SettingsFile::~SettingsFile() = default;
SettingsFile::SettingsFile(SettingsFile&&) noexcept = default;
SettingsFile& SettingsFile::operator=(SettingsFile&&) noexcept = default;

ErrorOr<SettingsFile> SettingsFile::Load(const std::string& sPath) {
    QFile file(QString::fromStdString(sPath));
    if (!file.open(QIODevice::ReadOnly))
        return Failure{sPath + ": cannot open: " + file.errorString().toStdString()};
    if (file.size() > kMaxFileBytes) return Failure{sPath + ": too large for a settings file"};
    const QByteArray bytes = file.readAll();
    return FromText(std::string(bytes.constData(), static_cast<size_t>(bytes.size())), sPath);
}

ErrorOr<SettingsFile> SettingsFile::FromText(const std::string& sText, const std::string& sPath) {
    if (static_cast<int64_t>(sText.size()) > kMaxFileBytes)
        return Failure{sPath + ": too large for a settings file"};
    const QByteArray text =
        QByteArray::fromRawData(sText.data(), static_cast<qsizetype>(sText.size()));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return Failure{sPath + ": " + LineAndColumn(text, error.offset) + ": " +
                       error.errorString().toStdString()};
    if (!document.isObject())
        return Failure{sPath + ": not a settings file (no object at the top)"};
    const QJsonObject top = document.object();
    if (top.value("format").toString() != kFormat)
        return Failure{sPath + ": not a settings file (format \"" +
                       top.value("format").toString().toStdString() + "\", expected \"" + kFormat +
                       "\")"};
    const QJsonValue version = top.value("version");
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1)
        return Failure{sPath + ": the version is missing or not a whole number"};
    if (version.toDouble() > kVersion)
        return Failure{sPath + ": version " + std::to_string(version.toInt()) +
                       " is newer than this program reads (" + std::to_string(kVersion) + ")"};
    if (!top.value("values").isArray()) return Failure{sPath + ": \"values\" is not a list"};

    SettingsFile settings;
    const QJsonArray values = top.value("values").toArray();
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QJsonObject entry = values[i].toObject();
        const QString type = entry.value("type").toString();
        const bool bKnownType = std::find(std::begin(kTypeNames), std::end(kTypeNames),
                                          type.toStdString()) != std::end(kTypeNames);
        if (!values[i].isObject() || !entry.value("key").isString() || !bKnownType)
            return Failure{
                sPath + ": value " + std::to_string(i + 1) +
                " needs a text \"key\" and a \"type\" of boolean, int16, int32, text or picture"};
        Entry stored{entry.value("key").toString().toStdString(), Variant(), ""};
        ErrorOr<Variant> decoded = Decode(type, entry.value("value"), settings.impl_->codec);
        if (decoded.IsError())
            stored.sDamage = decoded.Error().sReason;
        else
            stored.value = std::move(decoded).Value();
        settings.impl_->Put(std::move(stored));
    }
    return settings;
}

ErrorOr<void> SettingsFile::Save(const std::string& sPath) const {
    QJsonArray values;
    for (const Entry& entry : impl_->entries) {
        if (!entry.sDamage.empty()) continue;  // what could not be read is not written back
        const ErrorOr<QJsonValue> value = Encode(entry.value, impl_->codec);
        if (value.IsError())
            return Failure{sPath + ": " + entry.sKey + ": " + value.Error().sReason};
        values.append(QJsonObject{{"key", QString::fromStdString(entry.sKey)},
                                  {"type", QString::fromLatin1(TypeOf(entry.value))},
                                  {"value", value.Value()}});
    }
    const QJsonObject top{{"format", kFormat}, {"version", kVersion}, {"values", values}};
    return ReplaceAtomically(sPath, QJsonDocument(top).toJson(QJsonDocument::Indented));
}

ErrorOr<void> SettingsFile::Write(std::string_view sKey, const Variant& value,
                                  const Variant& /*vDefault*/) {
    if (TypeOf(value) == nullptr)
        return Failure{"a settings file cannot hold this value: " + std::string(sKey)};
    impl_->Put(Entry{std::string(sKey), value, ""});
    return {};
}

ErrorOr<Variant> SettingsFile::Read(std::string_view sKey, const Variant& vDefault) {
    const auto it = impl_->index.find(sKey);
    if (it == impl_->index.end()) return vDefault;
    const Entry& entry = impl_->entries[it->second];
    if (!entry.sDamage.empty()) return Failure{entry.sKey + ": " + entry.sDamage};
    return entry.value;
}

std::vector<std::string> SettingsFile::Keys() const {
    std::vector<std::string> keys;
    for (const Entry& entry : impl_->entries) keys.push_back(entry.sKey);
    return keys;
}

}  // namespace tavrel::qt
