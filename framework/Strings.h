// String lists: TStrings is the list interface every text-holding property
// uses (titles, label texts); TStringList stores the lines, can keep them
// sorted and tells its owner about changes.
#pragma once

#include "framework/Classes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vur {

// The line break Text puts after every line.
inline constexpr const char* sLineBreak = "\r\n";

class TStrings : public TPersistent {
public:
    std::string ClassName() const override { return "TStrings"; }

    virtual int Count() const = 0;
    // Raises EStringListError "List index out of bounds (n)" outside 0..Count-1.
    virtual std::string Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TPersistent* GetObject(int Index) const;
    virtual void PutObject(int Index, TPersistent* AObject);
    std::string operator[](int Index) const { return Get(Index); }

    virtual int Add(const std::string& S);
    int AddObject(const std::string& S, TPersistent* AObject);
    void AddStrings(const TStrings& Strings);
    virtual void Insert(int Index, const std::string& S) = 0;
    void InsertObject(int Index, const std::string& S, TPersistent* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);

    // Case-insensitive, as names and captions are compared.
    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(const TPersistent* AObject) const;
    // "Name=Value" lines.
    std::string Names(int Index) const;
    int IndexOfName(const std::string& Name) const;
    std::string GetValue(const std::string& Name) const;
    void SetValue(const std::string& Name, const std::string& Value);

    // Every line followed by a line break; setting splits at CR, LF or CR LF.
    std::string GetText() const;
    virtual void SetText(const std::string& Value);

    bool Equals(const TStrings& Strings) const;
    void Assign(const TPersistent* Source) override;

    // Changes between BeginUpdate and the matching EndUpdate are reported once.
    void BeginUpdate();
    void EndUpdate();

protected:
    int UpdateCount() const { return FUpdateCount; }
    virtual void SetUpdateState(bool Updating);
    [[noreturn]] static void Error(const std::string& Message, int Data);

private:
    int FUpdateCount = 0;
};

enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override = default;

    std::string ClassName() const override { return "TStringList"; }

    int Count() const override { return static_cast<int>(FList.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TPersistent* GetObject(int Index) const override;
    void PutObject(int Index, TPersistent* AObject) override;

    int Add(const std::string& S) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: true when found; Index is the match or
    // the place to insert.
    bool Find(const std::string& S, int& Index) const;
    void Sort();

    bool GetSorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates GetDuplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    virtual void Changed();
    virtual void Changing();

private:
    struct Item {
        std::string String;
        TPersistent* Object = nullptr;
    };
    int CompareStrings(const std::string& A, const std::string& B) const;
    void CheckIndex(int Index, bool AllowEnd) const;
    void InsertItem(int Index, const std::string& S, TPersistent* AObject);

    std::vector<Item> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};

} // namespace vur
