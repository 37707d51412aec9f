#include "framework/Object.h"

#include <cctype>

namespace {
bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}
}  // namespace

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, std::vector<TPropInfo> props)
    : name_(name), parent_(parent), props_(std::move(props)) {}

bool TClassInfo::InheritsFrom(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_) {
        if (c->name_ == name) return true;
    }
    return false;
}

const TPropInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->parent_) {
        for (const TPropInfo& p : c->props_) {
            if (SameText(p.Name, name)) return &p;
        }
    }
    return nullptr;
}

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}
