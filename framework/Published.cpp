#include "framework/Published.h"

#include "framework/FrameworkClasses.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/Writer.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <set>

namespace vur {

namespace {
struct TCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view A, std::string_view B) const {
        return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(), [](char X, char Y) {
            return std::toupper(static_cast<unsigned char>(X)) < std::toupper(static_cast<unsigned char>(Y));
        });
    }
};

struct TRegistry {
    std::map<std::string, std::unique_ptr<TClassInfo>, TCaseLess> Classes;
    std::set<std::string, TCaseLess> Registered;
    std::recursive_mutex Lock;
};

// Plain storage; declarations land here while the framework's own are made.
TRegistry& Storage() {
    static TRegistry Registry;
    return Registry;
}

// Lookups see the framework's classes declared, whoever asks first.
TRegistry& Registry() {
    static const bool Declared = (DeclareFrameworkClasses(), true);
    (void)Declared;
    return Storage();
}
} // namespace

bool TPropInfo::IsStored(TPersistent& Object) const {
    if (StoredRule && !StoredRule(Object)) return false;
    switch (Kind) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64:
        return !OrdDefault || GetOrd(Object) != *OrdDefault;
    case tkFloat:
        return !FloatDefault || GetFloat(Object) != *FloatDefault;
    case tkString:
        return !StrDefault || GetStr(Object) != *StrDefault;
    default:
        return true;
    }
}

const TClassInfo* TClassInfo::Parent() const {
    return FParentName.empty() ? nullptr : FindClassInfo(FParentName);
}

bool TClassInfo::InheritsFrom(std::string_view ClassName) const {
    for (const TClassInfo* C = this; C != nullptr; C = C->Parent())
        if (SameName(C->FName, ClassName)) return true;
    return false;
}

const std::vector<const TPropInfo*>& TClassInfo::Properties() const {
    std::lock_guard Guard(Registry().Lock);
    if (FResolved) return FProperties;
    if (const TClassInfo* Ancestor = Parent()) FProperties = Ancestor->Properties();
    for (const TPropInfo& Own : OwnProperties) {
        std::erase_if(FProperties, [&](const TPropInfo* P) { return SameName(P->Name, Own.Name); });
        FProperties.push_back(&Own);
    }
    FResolved = true;
    return FProperties;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const {
    for (const TPropInfo* P : Properties())
        if (SameName(P->Name, Name)) return P;
    return nullptr;
}

std::vector<const TDefinedProperty*> TClassInfo::DefinedProperties() const {
    std::vector<const TDefinedProperty*> Result;
    if (const TClassInfo* Ancestor = Parent()) Result = Ancestor->DefinedProperties();
    for (const TDefinedProperty& Own : OwnDefined) Result.push_back(&Own);
    return Result;
}

const TDefinedProperty* TClassInfo::FindDefined(std::string_view Name) const {
    for (const TClassInfo* C = this; C != nullptr; C = C->Parent())
        for (const TDefinedProperty& D : C->OwnDefined)
            if (SameName(D.Name, Name)) return &D;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view Name) const {
    for (const TClassInfo* C = this; C != nullptr; C = C->Parent())
        for (const TFieldInfo& F : C->OwnFields)
            if (SameName(F.Name, Name)) return &F;
    return nullptr;
}

const TFieldInfo* TClassInfo::FindFieldClass(std::string_view ClassName) const {
    for (const TClassInfo* C = this; C != nullptr; C = C->Parent())
        for (const TFieldInfo& F : C->OwnFields)
            if (SameName(F.ClassName, ClassName)) return &F;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view Name) const {
    for (const TClassInfo* C = this; C != nullptr; C = C->Parent())
        for (const auto& M : C->OwnMethods)
            if (SameName(M->Name, Name)) return M.get();
    return nullptr;
}

const TClassInfo& RegisterClassInfo(std::unique_ptr<TClassInfo> Info) {
    TRegistry& R = Storage();
    std::lock_guard Guard(R.Lock);
    const auto It = R.Classes.find(Info->Name());
    if (It != R.Classes.end()) return *It->second;
    const std::string Name = Info->Name();
    return *R.Classes.emplace(Name, std::move(Info)).first->second;
}

const TClassInfo* FindClassInfo(std::string_view ClassName) {
    TRegistry& R = Registry();
    std::lock_guard Guard(R.Lock);
    const auto It = R.Classes.find(ClassName);
    return It == R.Classes.end() ? nullptr : It->second.get();
}

const TClassInfo* ClassInfoOf(const TPersistent& Instance) { return FindClassInfo(Instance.ClassName()); }

void RegisterClass(std::string_view ClassName) {
    TRegistry& R = Storage();
    std::lock_guard Guard(R.Lock);
    R.Registered.emplace(ClassName);
}

void UnRegisterClass(std::string_view ClassName) {
    TRegistry& R = Storage();
    std::lock_guard Guard(R.Lock);
    const auto It = R.Registered.find(ClassName);
    if (It != R.Registered.end()) R.Registered.erase(It);
}

const TClassInfo* GetClass(std::string_view ClassName) {
    {
        TRegistry& R = Registry();
        std::lock_guard Guard(R.Lock);
        if (!R.Registered.contains(ClassName)) return nullptr;
    }
    const TClassInfo* Info = FindClassInfo(ClassName);
    return Info != nullptr && Info->Create ? Info : nullptr;
}

TDefinedProperty MakeBinaryProperty(const char* Name, std::function<void(TStream&, TPersistent&)> Read,
                                    std::function<void(TStream&, TPersistent&)> Write,
                                    std::function<bool(TPersistent&)> HasData) {
    TDefinedProperty D;
    D.Name = Name;
    if (Read)
        D.Read = [Read](TReader& Reader, TPersistent& O) {
            const std::vector<std::uint8_t> Bytes = Reader.ReadBinary();
            TCustomMemoryStream Stream(Bytes);
            Read(Stream, O);
        };
    if (Write)
        D.Write = [Write](TWriter& Writer, TPersistent& O) {
            TMemoryStream Stream;
            Write(Stream, O);
            Writer.WriteBinary(Stream.Data());
        };
    D.HasData = std::move(HasData);
    return D;
}

} // namespace vur
