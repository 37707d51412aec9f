#pragma once
// String lists: the abstract TStrings (also the view onto a memo's lines and a list box's
// items) and the in-memory TStringList. Texts are ANSI byte strings.
// Portable: no platform headers.
//
// Text rules (SetText / LoadFromFile): the text ends at the first NUL byte; lines end at
// CR LF, at a lone CR or at a lone LF; a last line without a line break is still a line;
// a break at the very end adds no empty line. Text() / SaveToFile write every line
// followed by CR LF.
#include "framework/Object.h"

#include <string>
#include <vector>

// Splits text into lines by the rules above.
std::vector<std::string> SplitTextLines(const std::string& text);
// Every line followed by CR LF.
std::string JoinTextLines(const std::vector<std::string>& lines);

class TStrings : public TObject {
    KELVORA_CLASS(TStrings)
public:
    virtual int Count() const = 0;
    // Throws EStringListError "List index out of bounds (%d)" for a bad index.
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const std::string& s);
    // Objects attached to items (not stored by every list: then always nullptr).
    virtual TObject* Objects(int index) const;
    virtual void PutObject(int index, TObject* object);

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    int IndexOf(const std::string& s) const;  // exact bytes, -1 when absent

    virtual std::string Text() const;
    virtual void SetText(const std::string& text);
    std::string CommaText() const;

    // Replaces the lines by those of the whole file. Throws EFOpenError when the file cannot
    // be opened and EReadError when it cannot be read.
    void LoadFromFile(const std::string& path);
    // Creates or truncates the file and writes Text(). Throws EFCreateError when the file
    // cannot be created and EWriteError when it cannot be written.
    void SaveToFile(const std::string& path) const;

    void Assign(const TStrings& source);
    std::vector<std::string> ToVector() const;

    // Batches changes (list boxes stop redrawing, change events wait until the end).
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

protected:
    virtual void SetUpdateState(bool updating) {}
    [[noreturn]] static void IndexError(int index);

private:
    int updateCount_ = 0;
};

class TStringList : public TStrings {
    KELVORA_CLASS(TStringList)
public:
    TStringList() = default;
    explicit TStringList(std::vector<std::string> lines);

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;
    void SetText(const std::string& text) override;
    TObject* Objects(int index) const override;
    void PutObject(int index, TObject* object) override;

    // Raised after every change (once at EndUpdate while updating).
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;

private:
    void Changing();
    void Changed();
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    std::vector<Item> items_;
    bool changedWhileUpdating_ = false;
};
