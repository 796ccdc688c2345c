#include "wallcalc/cli/wall_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "wallcalc/cli/texts.hpp"

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

inline constexpr std::string_view kFormatKey = "format";
inline constexpr std::string_view kProjectKey = "project";

// A list's selection as the file writes it: the item's text, or its position when it
// shows no item.
Json listValue(const WindowModel& window, const ListInfo& list) {
    const int position = window.selected(list.list);
    const std::string_view item = listItem(list.list, window.basis(), position);
    if (!item.empty()) return std::string(item);
    return position;
}

std::optional<std::string> readProject(const Json& value, ProjectInfo& project) {
    if (!value.is_object()) return inQuotes(kProjectKey) + "应为一个对象";
    for (const auto& [key, text] : value.items()) {
        const ProjectField* field = nullptr;
        for (const ProjectField& f : kProjectFields) {
            if (f.key == key) field = &f;
        }
        if (field == nullptr) return inQuotes(kProjectKey) + "中有未知的键" + inQuotes(key);
        if (!text.is_string()) return inQuotes(key) + "应为文字";
        project.*(field->field) = text.get<std::string>();
    }
    return std::nullopt;
}

}  // namespace

std::string wallFileText(const WindowModel& window, const ProjectInfo& project) {
    Json out;
    out[std::string(kFormatKey)] = kWallFormat;
    if (window.X() == kCivilDefence) out[std::string(kModeKey)] = kCivilDefenceMode;
    if (window.X() == kOrdinary) out[std::string(kModeKey)] = kOrdinaryMode;
    for (const ListInfo& list : lists())
        out[std::string(list.key)] = listValue(window, list);
    for (const InputBox& in : inputBoxes())
        out[std::string(in.key)] = window.boxText(in.box);
    Json info = Json::object();
    for (const ProjectField& f : kProjectFields)
        info[std::string(f.key)] = project.*(f.field);
    out[std::string(kProjectKey)] = std::move(info);
    return out.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<Wall, std::string> readWallText(std::string_view text) {
    const Json in = Json::parse(text, nullptr, false);
    if (in.is_discarded() || !in.is_object()) return std::string("不是墙体文件（JSON格式有误）");
    const auto format = in.find(std::string(kFormatKey));
    if (format == in.end() || *format != kWallFormat) {
        return "不是墙体文件（" + inQuotes(kFormatKey) + "应为" + inQuotes(kWallFormat) + "）";
    }
    Wall wall;
    for (const auto& [key, value] : in.items()) {
        if (key == kFormatKey) continue;
        if (key == kProjectKey) {
            if (auto why = readProject(value, wall.project)) return *why;
            continue;
        }
        std::optional<std::string> text;
        if (value.is_string()) text = value.get<std::string>();
        if (keyKind(key) == KeyKind::List && value.is_number_integer()) text = value.dump();
        if (!text) return inQuotes(key) + "的值应为文字";
        const ChangeError error = wall.changes.set(key, *text);
        if (error == ChangeError::UnknownKey) return refusedValue(error, key, *text);
        if (error != ChangeError::None)
            return inQuotes(key) + "：" + refusedValue(error, key, *text);
    }
    // A file is opened into a window that has just opened: its list items are read in the
    // basis it names.
    WindowModel opened;
    if (const ChangeFailure failed = wall.changes.applyTo(opened);
        failed.error != ChangeError::None) {
        return inQuotes(failed.key) + "：" + refusedValue(failed.error, failed.key, failed.value);
    }
    return wall;
}

std::variant<Wall, std::string> loadWallFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return "无法打开“" + path + "”：" + fileErrorReason(EISDIR);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return "无法打开“" + path + "”：" + fileErrorReason(errno);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    auto wall = readWallText(bytes.str());
    if (auto* why = std::get_if<std::string>(&wall)) return "无法读取“" + path + "”：" + *why;
    return wall;
}

std::optional<std::string> saveWallFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".part";
    const auto failed = [&](int error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return "无法保存“" + path + "”：" + fileErrorReason(error);
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return failed(EISDIR);
    {
        errno = 0;
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return failed(errno);
        if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
            return failed(errno != 0 ? errno : EIO);
        }
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) return failed(ec.value());
    return std::nullopt;
}

}  // namespace wallcalc::cli
