#include "framework/StringList.h"

#include "framework/Exceptions.h"
#include "framework/FileIo.h"

std::vector<std::string> SplitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    const size_t end = text.find('\0') == std::string::npos ? text.size() : text.find('\0');
    size_t p = 0;
    while (p < end) {
        size_t start = p;
        while (p < end && text[p] != '\r' && text[p] != '\n') ++p;
        lines.emplace_back(text, start, p - start);
        if (p < end && text[p] == '\r') ++p;
        if (p < end && text[p] == '\n') ++p;
    }
    return lines;
}

std::string JoinTextLines(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

// ---- TStrings ----

const TClassInfo& TStrings::StaticClass() {
    static const TClassInfo info("TStrings", &TObject::StaticClass());
    return info;
}

void TStrings::IndexError(int index) { throw EStringListError(index); }

void TStrings::Put(int index, const std::string& s) {
    BeginUpdate();
    try {
        TObject* object = Objects(index);
        Delete(index);
        Insert(index, s);
        PutObject(index, object);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

TObject* TStrings::Objects(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return nullptr;
}

void TStrings::PutObject(int index, TObject* object) {}

int TStrings::IndexOf(const std::string& s) const {
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        if (Get(i) == s) return i;
    }
    return -1;
}

std::string TStrings::Text() const { return JoinTextLines(ToVector()); }

void TStrings::SetText(const std::string& text) {
    const std::vector<std::string> lines = SplitTextLines(text);
    BeginUpdate();
    try {
        Clear();
        for (const auto& l : lines) Add(l);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    std::string out;
    const int n = Count();
    for (int i = 0; i < n; ++i) {
        const std::string s = Get(i);
        bool quote = s.empty();
        for (unsigned char c : s) {
            if (c <= ' ' || c == ',' || c == '"') quote = true;
        }
        if (i) out += ',';
        if (quote) {
            out += '"';
            for (char c : s) {
                if (c == '"') out += '"';
                out += c;
            }
            out += '"';
        } else {
            out += s;
        }
    }
    return out;
}

void TStrings::LoadFromFile(const std::string& path) { SetText(ReadWholeFile(path)); }

void TStrings::SaveToFile(const std::string& path) const { WriteWholeFile(path, Text()); }

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    const std::vector<std::string> lines = source.ToVector();
    BeginUpdate();
    try {
        Clear();
        for (const auto& l : lines) Add(l);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    const int n = Count();
    v.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) v.push_back(Get(i));
    return v;
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

// ---- TStringList ----

const TClassInfo& TStringList::StaticClass() {
    static const TClassInfo info("TStringList", &TStrings::StaticClass());
    return info;
}

TStringList::TStringList(std::vector<std::string> lines) {
    items_.reserve(lines.size());
    for (auto& l : lines) items_.push_back(Item{std::move(l), nullptr});
}

std::string TStringList::Get(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[static_cast<size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& s) {
    if (index < 0 || index >= Count()) IndexError(index);
    Changing();
    items_[static_cast<size_t>(index)].text = s;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) IndexError(index);
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) IndexError(index);
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::SetText(const std::string& text) {
    std::vector<std::string> lines = SplitTextLines(text);
    Changing();
    items_.clear();
    items_.reserve(lines.size());
    for (auto& l : lines) items_.push_back(Item{std::move(l), nullptr});
    Changed();
}

TObject* TStringList::Objects(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[static_cast<size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* object) {
    if (index < 0 || index >= Count()) IndexError(index);
    items_[static_cast<size_t>(index)].object = object;
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        if (OnChanging) OnChanging(this);
        changedWhileUpdating_ = false;
    } else if (changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        if (OnChange) OnChange(this);
    }
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
    if (UpdateCount() == 0) {
        if (OnChange) OnChange(this);
    } else {
        changedWhileUpdating_ = true;
    }
}
