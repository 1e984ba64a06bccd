#include "framework/Published.h"

#include "framework/FrameworkClasses.h"
#include "framework/Reader.h"
#include "framework/Streams.h"
#include "framework/Writer.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <set>
#include <typeinfo>
#include <unordered_map>

namespace vur {

namespace {
char Fold(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - ('a' - 'A')) : C; }

struct TCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view A, std::string_view B) const {
        return std::lexicographical_compare(A.begin(), A.end(), B.begin(), B.end(),
                                            [](char X, char Y) { return Fold(X) < Fold(Y); });
    }
};

struct TRegistry {
    std::map<std::string, std::unique_ptr<TClassInfo>, TCaseLess> Classes;
    // The same declarations by their exact names: what ClassName() gives finds them here.
    std::unordered_map<std::string, const TClassInfo*> Exact;
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
    if (FResolved.load(std::memory_order_acquire)) return FProperties;
    std::lock_guard Guard(Registry().Lock);
    if (FResolved.load(std::memory_order_relaxed)) return FProperties;
    if (const TClassInfo* Ancestor = Parent()) FProperties = Ancestor->Properties();
    for (const TPropInfo& Own : OwnProperties) {
        std::erase_if(FProperties, [&](const TPropInfo* P) { return SameName(P->Name, Own.Name); });
        FProperties.push_back(&Own);
    }
    for (const TPropInfo* P : FProperties) FByName.emplace(P->Name, P);
    FResolved.store(true, std::memory_order_release);
    return FProperties;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const {
    const std::vector<const TPropInfo*>& All = Properties();
    if (const auto It = FByName.find(Name); It != FByName.end()) return It->second;
    for (const TPropInfo* P : All)
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
    const TClassInfo& Added = *R.Classes.emplace(Name, std::move(Info)).first->second;
    R.Exact.emplace(Name, &Added);
    return Added;
}

namespace {
const TClassInfo* Find(const std::string& ClassName) {
    TRegistry& R = Registry();
    std::lock_guard Guard(R.Lock);
    if (const auto It = R.Exact.find(ClassName); It != R.Exact.end()) return It->second;
    const auto It = R.Classes.find(ClassName);
    return It == R.Classes.end() ? nullptr : It->second.get();
}
} // namespace

const TClassInfo* FindClassInfo(std::string_view ClassName) { return Find(std::string(ClassName)); }

const TClassInfo* ClassInfoOf(const TPersistent& Instance) {
    // The class of an instance is its dynamic type's; the name is asked once per type.
    thread_local std::unordered_map<const std::type_info*, const TClassInfo*> Known;
    const std::type_info* Type = &typeid(Instance);
    if (const auto It = Known.find(Type); It != Known.end()) return It->second;
    const TClassInfo* Class = Find(Instance.ClassName());
    // A class not declared yet may be declared later: only answers are kept.
    if (Class != nullptr) Known.emplace(Type, Class);
    return Class;
}

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
            Reader.ReadBinary([&](TCustomMemoryStream& Value) { Read(Value, O); });
        };
    if (Write)
        D.Write = [Write](TWriter& Writer, TPersistent& O) {
            Writer.WriteBinary([&](TStream& Value) { Write(Value, O); });
        };
    D.HasData = std::move(HasData);
    return D;
}

} // namespace vur
