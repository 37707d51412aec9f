#include "framework/Properties.h"

#include "framework/CodePage.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

namespace {

const TPropInfo* Find(const TObject* obj, const std::string& name) {
    return obj ? obj->ClassType().FindProperty(name) : nullptr;
}

bool IsOrdinal(const TPropInfo* p) {
    return p && (p->Kind == TPropKind::Ordinal || p->Kind == TPropKind::Enumeration);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

}  // namespace

bool IsPublishedProp(const TObject* obj, const std::string& name) { return Find(obj, name) != nullptr; }

bool PropKindOf(const TObject* obj, const std::string& name, TPropKind& kind) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return false;
    kind = p->Kind;
    return true;
}

long long GetOrdProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!IsOrdinal(p) || !p->GetOrd) return -1;
    return p->GetOrd(*obj);
}

bool SetOrdProp(TObject* obj, const std::string& name, long long value) {
    const TPropInfo* p = Find(obj, name);
    if (!IsOrdinal(p) || !p->SetOrd) return false;
    if (p->Kind == TPropKind::Enumeration &&
        (value < 0 || value >= static_cast<long long>(p->EnumNames.size())))
        return false;
    p->SetOrd(*obj, value);
    return true;
}

std::string GetEnumProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TPropKind::Enumeration || !p->GetOrd) return std::string();
    long long v = p->GetOrd(*obj);
    if (v < 0 || v >= static_cast<long long>(p->EnumNames.size())) return std::to_string(v);
    return p->EnumNames[static_cast<size_t>(v)];
}

bool SetEnumProp(TObject* obj, const std::string& name, const std::string& value) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TPropKind::Enumeration || !p->SetOrd) return false;
    const std::string wanted = Lower(value);
    for (size_t i = 0; i < p->EnumNames.size(); ++i) {
        if (Lower(p->EnumNames[i]) == wanted) {
            p->SetOrd(*obj, static_cast<long long>(i));
            return true;
        }
    }
    long long ordinal = 0;
    if (ParseInteger(value, ordinal)) return SetOrdProp(obj, name, ordinal);
    return false;
}

std::string GetStrProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return std::string();
    if (p->Kind == TPropKind::String && p->GetStr) return p->GetStr(*obj);
    if (p->Kind == TPropKind::WideString && p->GetWide) return WideToAnsi(p->GetWide(*obj));
    return std::string();
}

bool SetStrProp(TObject* obj, const std::string& name, const std::string& value) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return false;
    if (p->Kind == TPropKind::String && p->SetStr) {
        p->SetStr(*obj, value);
        return true;
    }
    if (p->Kind == TPropKind::WideString && p->SetWide) {
        p->SetWide(*obj, AnsiToWide(value));
        return true;
    }
    return false;
}

std::wstring GetWideStrProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return std::wstring();
    if (p->Kind == TPropKind::WideString && p->GetWide) return p->GetWide(*obj);
    if (p->Kind == TPropKind::String && p->GetStr) return AnsiToWide(p->GetStr(*obj));
    return std::wstring();
}

bool SetWideStrProp(TObject* obj, const std::string& name, const std::wstring& value) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return false;
    if (p->Kind == TPropKind::WideString && p->SetWide) {
        p->SetWide(*obj, value);
        return true;
    }
    if (p->Kind == TPropKind::String && p->SetStr) {
        p->SetStr(*obj, WideToAnsi(value));
        return true;
    }
    return false;
}

TObject* GetObjectProp(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TPropKind::Object || !p->GetObj) return nullptr;
    return p->GetObj(*obj);
}

bool SetObjectProp(TObject* obj, const std::string& name, TObject* value) {
    const TPropInfo* p = Find(obj, name);
    if (!p || p->Kind != TPropKind::Object || !p->SetObj) return false;
    p->SetObj(*obj, value);
    return true;
}

std::string GetPropValue(const TObject* obj, const std::string& name) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return std::string();
    switch (p->Kind) {
    case TPropKind::Ordinal:
        return p->GetOrd ? std::to_string(p->GetOrd(*obj)) : std::string();
    case TPropKind::Enumeration:
        return GetEnumProp(obj, name);
    case TPropKind::String:
    case TPropKind::WideString:
        return GetStrProp(obj, name);
    case TPropKind::Object: {
        TObject* value = GetObjectProp(obj, name);
        return value ? value->ClassName() : std::string();
    }
    }
    return std::string();
}

bool SetPropValue(TObject* obj, const std::string& name, const std::string& value) {
    const TPropInfo* p = Find(obj, name);
    if (!p) return false;
    switch (p->Kind) {
    case TPropKind::Ordinal: {
        long long v = 0;
        return ParseInteger(value, v) && SetOrdProp(obj, name, v);
    }
    case TPropKind::Enumeration:
        return SetEnumProp(obj, name, value);
    case TPropKind::String:
    case TPropKind::WideString:
        return SetStrProp(obj, name, value);
    case TPropKind::Object:
        return false;
    }
    return false;
}
