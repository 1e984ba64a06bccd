// The published-property registry: what a class stores in a component stream.
// Each class declares, once and beside its own code, its published properties
// (name, kind, getter and setter, default and stored-when rule), its custom
// stored properties with their read and write routines (the DefineProperties
// of the class), and for forms its published fields and methods. The reader
// and writer work only from these declarations.
//
// Declarations are made with TDeclare:
//
//   TDeclare<TChartAxis>("TChartAxis", "TPersistent")
//       .Bool("Automatic", &TChartAxis::GetAutomatic, &TChartAxis::SetAutomatic).Default(true)
//       .Float("Minimum", &TChartAxis::GetMinimum,
//       &TChartAxis::SetMinimum).Stored(&TChartAxis::IsMinimumStored) .Object("Axis", &TChartAxis::GetAxis);
//
// A class's properties are its ancestors' followed by its own, in declaration
// order; declaring an ancestor's property again moves it to the new place.
// Ordinals are stored when they differ from their default (always when they
// have none), floats when they differ from theirs (0 unless stated), strings
// when not empty; a Stored rule must hold besides.
#pragma once

#include "framework/Classes.h"
#include "framework/TypeInfo.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vur {

class TReader;
class TWriter;
class TStream;

// What an object-valued property holds.
enum TObjectRole : std::uint8_t {
    // An object its owner made and keeps; its properties are stored under
    // the property's name ("Font.Height").
    orSubObject,
    // Another component, stored by name and assigned after the whole read.
    orReference,
    // A list of items (tag 14), read into the existing list after clearing it.
    orCollection,
};

struct TCollectionAccess {
    std::function<int(TPersistent& Owner)> Count;
    std::function<TPersistent*(TPersistent& Owner, int Index)> Item;
    std::function<void(TPersistent& Owner)> Clear;
    // A new item at the end of the list.
    std::function<TPersistent*(TPersistent& Owner)> Add;
};

// A published method: events are bound to it by name.
class TMethodInfo : public std::enable_shared_from_this<TMethodInfo> {
public:
    TMethodInfo(std::string AName, std::type_index ASignature)
        : Name(std::move(AName)), Signature(ASignature) {}
    virtual ~TMethodInfo() = default;
    const std::string Name;
    // The event type the method fits (a std::function type).
    const std::type_index Signature;
};

template <class Sig>
class TTypedMethod;
template <class R, class... A>
class TTypedMethod<R(A...)> : public TMethodInfo {
public:
    TTypedMethod(std::string AName, std::function<R(TPersistent&, A...)> ACall)
        : TMethodInfo(std::move(AName), typeid(std::function<R(A...)>)), Call(std::move(ACall)) {}
    const std::function<R(TPersistent&, A...)> Call;
};

// What an event holds once it is bound to a published method: the method is
// called on Instance, and the writer finds the method's name again.
template <class Sig>
struct TBoundMethod;
template <class R, class... A>
struct TBoundMethod<R(A...)> {
    TPersistent* Instance;
    std::shared_ptr<const TTypedMethod<R(A...)>> Method;
    R operator()(A... Args) const { return Method->Call(*Instance, std::forward<A>(Args)...); }
};

// The event value that calls Method on Instance, as a stored event binds it.
template <class Sig>
std::function<Sig> BindMethod(TPersistent* Instance, const TTypedMethod<Sig>& Method) {
    return TBoundMethod<Sig>{Instance,
                             std::static_pointer_cast<const TTypedMethod<Sig>>(Method.shared_from_this())};
}

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = tkInteger;
    // The value type of ordinal, float and string properties.
    const TTypeInfo* Type = nullptr;
    // Integer, char, enumeration, set and Int64 kinds.
    std::function<std::int64_t(TPersistent&)> GetOrd;
    std::function<void(TPersistent&, std::int64_t)> SetOrd;
    std::optional<std::int64_t> OrdDefault;
    std::function<double(TPersistent&)> GetFloat;
    std::function<void(TPersistent&, double)> SetFloat;
    std::optional<double> FloatDefault = 0.0;
    std::function<std::string(TPersistent&)> GetStr;
    std::function<void(TPersistent&, const std::string&)> SetStr;
    std::optional<std::string> StrDefault = std::string();
    // Class kind.
    TObjectRole Role = orSubObject;
    // The object, made on first use where the owner makes it lazily (reading).
    std::function<TPersistent*(TPersistent&)> GetObject;
    // The object when it exists, without making it (writing); empty: GetObject.
    std::function<TPersistent*(TPersistent&)> PeekObject;
    // References (and nil) are assigned through this.
    std::function<void(TPersistent&, TPersistent*)> SetObject;
    TCollectionAccess Collection;
    // Method kind: the event's std::function type.
    std::type_index Signature = typeid(void);
    // The name of the published method the event is bound to; empty when it
    // holds none or something else.
    std::function<std::string(TPersistent&)> MethodName;
    // Binds the event to Method on Instance (none: clears it); false when the
    // method does not fit the event.
    std::function<bool(TPersistent& Object, TPersistent* Instance, const TMethodInfo* Method)> SetMethod;
    std::function<bool(TPersistent&)> StoredRule;

    // Whether the writer stores the property of Object (default and rule).
    bool IsStored(TPersistent& Object) const;
};

// A custom stored property: not published, read and written by routines of
// the class (the class's DefineProperties).
struct TDefinedProperty {
    std::string Name;
    // Empty: the property is only read (an older name), or only written.
    std::function<void(TReader&, TPersistent&)> Read;
    std::function<void(TWriter&, TPersistent&)> Write;
    // Empty: always written (when there is a Write).
    std::function<bool(TPersistent&)> HasData;
};

// A published field of a form: a component the form owns, filled in when a
// component of that name is read (or named).
struct TFieldInfo {
    std::string Name;
    std::string ClassName;
    std::function<TComponent*(TComponent* Owner)> Create;
    // Stores Value when it is of the field's class (none clears it).
    std::function<void(TPersistent& Owner, TComponent* Value)> Set;
    std::function<TComponent*(TPersistent& Owner)> Get;
};

class TClassInfo {
public:
    TClassInfo(std::string AName, std::string AParentName)
        : FName(std::move(AName)), FParentName(std::move(AParentName)) {}

    const std::string& Name() const { return FName; }
    // None for a class declared without a (known) ancestor.
    const TClassInfo* Parent() const;
    bool InheritsFrom(std::string_view ClassName) const;

    // Ancestors' first; a redeclared property in its descendant's place.
    const std::vector<const TPropInfo*>& Properties() const;
    const TPropInfo* FindProperty(std::string_view Name) const;
    // Ancestors' first.
    std::vector<const TDefinedProperty*> DefinedProperties() const;
    const TDefinedProperty* FindDefined(std::string_view Name) const;
    const TFieldInfo* FindField(std::string_view Name) const;
    // A field of this class or an ancestor whose class is ClassName.
    const TFieldInfo* FindFieldClass(std::string_view ClassName) const;
    const TMethodInfo* FindMethod(std::string_view Name) const;

    // Component classes that can be made by name.
    std::function<TComponent*(TComponent* Owner)> Create;

    std::vector<TPropInfo> OwnProperties;
    std::vector<TDefinedProperty> OwnDefined;
    std::vector<TFieldInfo> OwnFields;
    std::vector<std::shared_ptr<TMethodInfo>> OwnMethods;

private:
    std::string FName;
    std::string FParentName;
    mutable std::vector<const TPropInfo*> FProperties;
    // The same by their exact names, for the common lookup.
    mutable std::unordered_map<std::string_view, const TPropInfo*> FByName;
    mutable std::atomic<bool> FResolved = false;
};

// Adds a declaration; a second one of a name already declared is dropped.
const TClassInfo& RegisterClassInfo(std::unique_ptr<TClassInfo> Info);
const TClassInfo* FindClassInfo(std::string_view ClassName);
// The declaration of Instance's class (by its ClassName), or none.
const TClassInfo* ClassInfoOf(const TPersistent& Instance);

// The event value that calls Instance's published method Name, as a stored
// event would bind it; empty when Instance's class publishes no method of
// that name fitting the event type Sig.
template <class Sig>
std::function<Sig> PublishedMethod(TPersistent& Instance, std::string_view Name) {
    const TClassInfo* Class = ClassInfoOf(Instance);
    const auto* Method =
        dynamic_cast<const TTypedMethod<Sig>*>(Class != nullptr ? Class->FindMethod(Name) : nullptr);
    if (Method == nullptr) return {};
    return BindMethod(&Instance, *Method);
}

// The class registry: component classes a stream may name besides the
// classes of a form's fields. The class must be declared with a factory.
void RegisterClass(std::string_view ClassName);
void UnRegisterClass(std::string_view ClassName);
const TClassInfo* GetClass(std::string_view ClassName);

namespace published_detail {
template <class Sig>
struct FunctionSignature;
template <class Sig>
struct FunctionSignature<std::function<Sig>> {
    using Type = Sig;
};
} // namespace published_detail

template <class T>
class TDeclare {
public:
    TDeclare(const char* Name, const char* ParentName)
        : FInfo(std::make_unique<TClassInfo>(Name, ParentName)) {}
    TDeclare(const TDeclare&) = delete;
    TDeclare& operator=(const TDeclare&) = delete;
    ~TDeclare() { RegisterClassInfo(std::move(FInfo)); }

    // Ordinal properties; V is the type the getter returns and the setter takes.
    template <class V, class G, class S>
    TDeclare& Ordinal(const char* Name, const TTypeInfo& Type, G Get, S Set) {
        TPropInfo P = Make(Name, Type.Kind, &Type);
        P.GetOrd = [Get](TPersistent& O) { return static_cast<std::int64_t>(std::invoke(Get, Self(O))); };
        P.SetOrd = [Set](TPersistent& O, std::int64_t Value) {
            std::invoke(Set, Self(O), static_cast<V>(Value));
        };
        return Add(std::move(P));
    }
    template <class G, class S>
    TDeclare& Bool(const char* Name, G Get, S Set) {
        return Ordinal<bool>(Name, TypeBoolean, Get, Set);
    }
    template <class G, class S>
    TDeclare& Int(const char* Name, G Get, S Set) {
        return Ordinal<int>(Name, TypeInteger, Get, Set);
    }
    template <class E, class G, class S>
    TDeclare& Enum(const char* Name, const TTypeInfo& Type, G Get, S Set) {
        return Ordinal<E>(Name, Type, Get, Set);
    }
    // A TColor, travelling as the signed 32-bit form of its bits.
    template <class G, class S>
    TDeclare& Color(const char* Name, G Get, S Set, const TTypeInfo& Type = TypeColor) {
        TPropInfo P = Make(Name, tkInteger, &Type);
        P.GetOrd = [Get](TPersistent& O) {
            return static_cast<std::int64_t>(static_cast<std::int32_t>(std::invoke(Get, Self(O))));
        };
        P.SetOrd = [Set](TPersistent& O, std::int64_t Value) {
            std::invoke(Set, Self(O), static_cast<std::uint32_t>(static_cast<std::int32_t>(Value)));
        };
        return Add(std::move(P));
    }
    template <class G, class S>
    TDeclare& Float(const char* Name, G Get, S Set, const TTypeInfo& Type = TypeDouble) {
        TPropInfo P = Make(Name, tkFloat, &Type);
        P.GetFloat = [Get](TPersistent& O) { return static_cast<double>(std::invoke(Get, Self(O))); };
        P.SetFloat = [Set](TPersistent& O, double Value) { std::invoke(Set, Self(O), Value); };
        return Add(std::move(P));
    }
    template <class G, class S>
    TDeclare& String(const char* Name, G Get, S Set) {
        TPropInfo P = Make(Name, tkString, &TypeString);
        P.GetStr = [Get](TPersistent& O) { return std::string(std::invoke(Get, Self(O))); };
        P.SetStr = [Set](TPersistent& O, const std::string& Value) { std::invoke(Set, Self(O), Value); };
        return Add(std::move(P));
    }
    // A sub-object. Peek, when given, answers without making a lazily made object.
    template <class G>
    TDeclare& Object(const char* Name, G Get) {
        TPropInfo P = Make(Name, tkClass, nullptr);
        P.GetObject = [Get](TPersistent& O) -> TPersistent* { return std::invoke(Get, Self(O)); };
        return Add(std::move(P));
    }
    template <class G, class K>
    TDeclare& Object(const char* Name, G Get, K Peek) {
        Object(Name, Get);
        Last().PeekObject = [Peek](TPersistent& O) -> TPersistent* {
            return const_cast<TPersistent*>(static_cast<const TPersistent*>(std::invoke(Peek, Self(O))));
        };
        return *this;
    }
    // A reference to another component of class C.
    template <class C, class G, class S>
    TDeclare& Reference(const char* Name, G Get, S Set) {
        TPropInfo P = Make(Name, tkClass, nullptr);
        P.Role = orReference;
        P.GetObject = [Get](TPersistent& O) -> TPersistent* { return std::invoke(Get, Self(O)); };
        P.SetObject = [Set](TPersistent& O, TPersistent* Value) {
            std::invoke(Set, Self(O), dynamic_cast<C*>(Value));
        };
        return Add(std::move(P));
    }
    TDeclare& Collection(const char* Name, TCollectionAccess Access) {
        TPropInfo P = Make(Name, tkClass, nullptr);
        P.Role = orCollection;
        P.Collection = std::move(Access);
        return Add(std::move(P));
    }
    // An event held in a public member of type std::function<Sig>.
    template <class Sig, class C>
    TDeclare& Event(const char* Name, std::function<Sig> C::*Member) {
        return EventAccess<Sig>(
            Name, [Member](T& O) -> const std::function<Sig>& { return O.*Member; },
            [Member](T& O, std::function<Sig> Value) { O.*Member = std::move(Value); });
    }
    // An event behind a getter and a setter.
    template <class Sig, class G, class S>
    TDeclare& EventAccess(const char* Name, G Get, S Set) {
        TPropInfo P = Make(Name, tkMethod, nullptr);
        P.Signature = typeid(std::function<Sig>);
        P.MethodName = [Get](TPersistent& O) -> std::string {
            const std::function<Sig>& Handler = std::invoke(Get, Self(O));
            if (const auto* Bound = Handler.template target<TBoundMethod<Sig>>()) return Bound->Method->Name;
            return {};
        };
        P.SetMethod = [Set](TPersistent& O, TPersistent* Instance, const TMethodInfo* Method) {
            if (Method == nullptr) {
                std::invoke(Set, Self(O), std::function<Sig>());
                return true;
            }
            const auto* Typed = dynamic_cast<const TTypedMethod<Sig>*>(Method);
            if (Typed == nullptr || Instance == nullptr) return false;
            std::invoke(Set, Self(O), BindMethod(Instance, *Typed));
            return true;
        };
        return Add(std::move(P));
    }

    // The value not stored (ordinal, float or string alike).
    template <class V>
    TDeclare& Default(V Value) {
        TPropInfo& P = Last();
        if constexpr (std::is_floating_point_v<V>) {
            P.FloatDefault = static_cast<double>(Value);
        } else if constexpr (std::is_convertible_v<V, std::string>) {
            P.StrDefault = std::string(Value);
        } else if (P.Type == &TypeColor) {
            P.OrdDefault = static_cast<std::int32_t>(static_cast<std::uint32_t>(Value));
        } else {
            P.OrdDefault = static_cast<std::int64_t>(Value);
        }
        return *this;
    }
    // Stored whenever the Stored rule allows, whatever the value.
    TDeclare& NoDefault() {
        TPropInfo& P = Last();
        P.OrdDefault.reset();
        P.FloatDefault.reset();
        P.StrDefault.reset();
        return *this;
    }
    // Rule: a member function or a callable taking T&, true when stored.
    template <class F>
    TDeclare& Stored(F Rule) {
        Last().StoredRule = [Rule](TPersistent& O) { return static_cast<bool>(std::invoke(Rule, Self(O))); };
        return *this;
    }
    // Never stored (readable from a stream all the same).
    TDeclare& NotStored() {
        Last().StoredRule = [](TPersistent&) { return false; };
        return *this;
    }

    TDeclare& DefineProperty(const char* Name, std::function<void(TReader&, T&)> Read,
                             std::function<void(TWriter&, T&)> Write, std::function<bool(T&)> HasData = {}) {
        TDefinedProperty D;
        D.Name = Name;
        if (Read) D.Read = [Read](TReader& R, TPersistent& O) { Read(R, Self(O)); };
        if (Write) D.Write = [Write](TWriter& W, TPersistent& O) { Write(W, Self(O)); };
        if (HasData) D.HasData = [HasData](TPersistent& O) { return HasData(Self(O)); };
        FInfo->OwnDefined.push_back(std::move(D));
        return *this;
    }
    // A custom property whose value is a block of bytes (tag 10).
    TDeclare& DefineBinaryProperty(const char* Name, std::function<void(TStream&, T&)> Read,
                                   std::function<void(TStream&, T&)> Write,
                                   std::function<bool(T&)> HasData = {});

    template <class C>
    TDeclare& Field(const char* Name, const char* ClassName, C* T::*Member) {
        TFieldInfo F;
        F.Name = Name;
        F.ClassName = ClassName;
        F.Create = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
        F.Set = [Member](TPersistent& O, TComponent* Value) { Self(O).*Member = dynamic_cast<C*>(Value); };
        F.Get = [Member](TPersistent& O) -> TComponent* { return Self(O).*Member; };
        FInfo->OwnFields.push_back(std::move(F));
        return *this;
    }
    // A published method fitting the event type Event (a std::function type).
    template <class Event, class M>
    TDeclare& Method(const char* Name, M Member) {
        using Sig = typename published_detail::FunctionSignature<Event>::Type;
        FInfo->OwnMethods.push_back(MakeMethod<Sig>(Name, Member));
        return *this;
    }
    // A component class the reader can make by name: new T(Owner).
    TDeclare& Creatable() {
        FInfo->Create = [](TComponent* Owner) -> TComponent* { return new T(Owner); };
        return *this;
    }

private:
    static T& Self(TPersistent& O) { return static_cast<T&>(O); }
    static TPropInfo Make(const char* Name, TTypeKind Kind, const TTypeInfo* Type) {
        TPropInfo P;
        P.Name = Name;
        P.Kind = Kind;
        P.Type = Type;
        return P;
    }
    TDeclare& Add(TPropInfo P) {
        FInfo->OwnProperties.push_back(std::move(P));
        return *this;
    }
    TPropInfo& Last() { return FInfo->OwnProperties.back(); }

    template <class Sig>
    struct MethodMaker;
    template <class R, class... A>
    struct MethodMaker<R(A...)> {
        template <class M>
        static std::shared_ptr<TMethodInfo> Make(const char* Name, M Member) {
            return std::make_shared<TTypedMethod<R(A...)>>(
                Name, [Member](TPersistent& Instance, A... Args) -> R {
                    return std::invoke(Member, Self(Instance), std::forward<A>(Args)...);
                });
        }
    };
    template <class Sig, class M>
    static std::shared_ptr<TMethodInfo> MakeMethod(const char* Name, M Member) {
        return MethodMaker<Sig>::Make(Name, Member);
    }

    std::unique_ptr<TClassInfo> FInfo;
};

// The binary form of DefineBinaryProperty, kept out of the template.
TDefinedProperty MakeBinaryProperty(const char* Name, std::function<void(TStream&, TPersistent&)> Read,
                                    std::function<void(TStream&, TPersistent&)> Write,
                                    std::function<bool(TPersistent&)> HasData);

template <class T>
TDeclare<T>& TDeclare<T>::DefineBinaryProperty(const char* Name, std::function<void(TStream&, T&)> Read,
                                               std::function<void(TStream&, T&)> Write,
                                               std::function<bool(T&)> HasData) {
    std::function<void(TStream&, TPersistent&)> R, W;
    std::function<bool(TPersistent&)> H;
    if (Read) R = [Read](TStream& S, TPersistent& O) { Read(S, Self(O)); };
    if (Write) W = [Write](TStream& S, TPersistent& O) { Write(S, Self(O)); };
    if (HasData) H = [HasData](TPersistent& O) { return HasData(Self(O)); };
    FInfo->OwnDefined.push_back(MakeBinaryProperty(Name, std::move(R), std::move(W), std::move(H)));
    return *this;
}

} // namespace vur
