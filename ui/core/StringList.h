#pragma once
// Lists of strings, each with an optional object: the abstract TStrings that
// controls expose (a memo's lines, a combo box's items) and TStringList, kept
// in memory, optionally sorted, with a rule for duplicates.

#include "ui/core/Events.h"
#include "ui/core/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

class TStream;

class TStrings : public TPersistent {
    DECLARE_CLASS_INFO
public:
    // The line break of Text and of saved files.
    static constexpr std::string_view LineBreak = "\r\n";

    virtual int Count() const = 0;
    // Raise EStringListError "List index out of bounds (%d)" for a bad index.
    virtual std::string Strings(int index) const = 0;
    virtual void SetString(int index, const std::string& value);
    virtual TObject* Objects(int index) const;
    virtual void SetObject(int index, TObject* object);
    virtual void Insert(int index, const std::string& value) = 0;
    void InsertObject(int index, const std::string& value, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // The index the string got (a sorted list puts it in its place).
    virtual int Add(const std::string& value);
    int AddObject(const std::string& value, TObject* object);
    void Append(const std::string& value) { Add(value); }
    void AddStrings(const TStrings& strings);
    virtual void Exchange(int a, int b);
    virtual void Move(int from, int to);

    // -1 when absent; compared as the list compares (see CaseSensitive).
    virtual int IndexOf(std::string_view value) const;
    int IndexOfObject(const TObject* object) const;

    // Name=value pairs: the name is the text before the first '='.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    int IndexOfName(std::string_view name) const;
    std::string Values(std::string_view name) const;
    // An empty value removes the pair.
    void SetValue(std::string_view name, const std::string& value);

    // Every string followed by a line break; setting splits at CR, LF or CR LF.
    std::string Text() const;
    virtual void SetText(std::string_view text);
    // Strings separated by commas, quoted where they hold blanks, commas or quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    char Delimiter = ',';
    char QuoteChar = '"';

    bool Equals(const TStrings& other) const;
    void Assign(const TPersistent* source) override;
    // Form data keeps the strings as the list property "Strings".
    void DefineProperties(TFiler& filer) override;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    // Text as bytes, as it is (UTF-8 inside the program).
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    // Raise EFOpenError / EFCreateError.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    bool CaseSensitive() const { return caseSensitive_; }
    virtual void SetCaseSensitive(bool value) { caseSensitive_ = value; }

protected:
    virtual void SetUpdateState(bool /*updating*/) {}
    int CompareStrings(std::string_view a, std::string_view b) const;
    [[noreturn]] void IndexError(int index) const;

private:
    // The strings joined by `delimiter`, quoted with `quoteChar` where needed.
    std::string Joined(char delimiter, char quoteChar) const;

    int updateCount_ = 0;
    bool caseSensitive_ = false;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
    DECLARE_CLASS_INFO
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Strings(int index) const override;
    void SetString(int index, const std::string& value) override;
    TObject* Objects(int index) const override;
    void SetObject(int index, TObject* object) override;
    void Insert(int index, const std::string& value) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& value) override;
    void Exchange(int a, int b) override;
    void Move(int from, int to) override;
    int IndexOf(std::string_view value) const override;

    // Binary search of a sorted list: true and the first match's index, or
    // false and the index where the value would go.
    bool Find(std::string_view value, int& index) const;
    virtual void Sort();
    // `compare` gives negative, zero or positive for the strings at two indices.
    void CustomSort(const std::function<int(TStringList&, int, int)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }
    void SetCaseSensitive(bool value) override;
    // The list frees the objects it holds when their strings go.
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void InsertItem(int index, const std::string& value, TObject* object);
    void CheckIndex(int index) const;
    void ReleaseObject(TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
    bool ownsObjects_ = false;
};
