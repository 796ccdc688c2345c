#include "wallcalc/cli/texts.hpp"

#include <cerrno>
#include <cstring>
#include <span>

namespace wallcalc::cli {
namespace {

// "a、b、c 或 d"
std::string alternatives(std::span<const std::string_view> names, std::string_view last) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? last : "、";
        out += names[i];
    }
    return out;
}

}  // namespace

std::string listChoices(const ListInfo& list) {
    // The items of each basis; the steel list's differ between them.
    std::string out;
    for (const Basis basis : {Basis::Gb2002, Basis::Gb2010}) {
        const ListItems& items = list.byBasis[index(basis)];
        if (basis == Basis::Gb2010 && items.items.data() == list.byBasis[0].items.data()) break;
        if (basis == Basis::Gb2010) out += "；设计规范为GB 50010-2010时";
        out += "可选 " + alternatives(items.items, "、");
        if (!items.shortNames.empty()) {
            out += "（也可写 " + alternatives(items.shortNames, "、") + "）";
        }
    }
    return out + "，或位置序号（0 为第一项）";
}

std::string inQuotes(std::string_view text) {
    return "“" + std::string(text) + "”";
}

std::string_view bareLabel(std::string_view label) {
    for (const std::string_view colon : {std::string_view("："), std::string_view(":")}) {
        if (label.ends_with(colon)) return label.substr(0, label.size() - colon.size());
    }
    return label;
}

std::string refusedValue(ChangeError error, std::string_view key, std::string_view value) {
    switch (error) {
        case ChangeError::None:
            return {};
        case ChangeError::UnknownKey:
            return "未知的键" + inQuotes(key);
        case ChangeError::BadMode:
            return inQuotes(value) + "不是" + std::string(kModeLabel) + "的值；应为 " +
                   alternatives(modeNames(), " 或 ");
        case ChangeError::NotAnItem:
            break;
    }
    const ListInfo* list = listKeyed(key);
    if (list == nullptr) return inQuotes(value) + "不是列表中的一项";
    return std::string(bareLabel(list->label)) + "中没有" + inQuotes(value) + "；" +
           listChoices(*list);
}

std::string fileErrorReason(int error) {
    struct Reason {
        int error;
        std::string_view text;
    };
    static constexpr Reason kReasons[] = {
        {ENOENT, "文件或文件夹不存在"},
        {EACCES, "没有访问权限"},
        {EPERM, "操作不被允许"},
        {EISDIR, "这是一个文件夹，不是文件"},
        {ENOTDIR, "路径中有一部分不是文件夹"},
        {ENOSPC, "磁盘空间不足"},
        {EROFS, "文件系统是只读的"},
        {ENAMETOOLONG, "文件名太长"},
        {EEXIST, "文件已存在"},
        {EIO, "读写出错"},
    };
    for (const Reason& r : kReasons) {
        if (r.error == error) return std::string(r.text);
    }
    return "系统错误 " + std::to_string(error) + "（" + std::strerror(error) + "）";
}

}  // namespace wallcalc::cli
