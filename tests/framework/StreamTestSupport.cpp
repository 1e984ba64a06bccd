#include "tests/framework/StreamTestSupport.h"

#include "framework/Exceptions.h"
#include "framework/Reader.h"
#include "framework/Writer.h"

#include <algorithm>

namespace vur::test {

std::vector<std::string>& StreamLog() {
    static std::vector<std::string> Log;
    return Log;
}

TThing::TThing(TComponent* AOwner) : TComponent(AOwner) { StreamLog().push_back("create"); }

TThing::~TThing() {
    StreamLog().push_back("destroy " + GetName());
    if (Parent != nullptr) std::erase(Parent->Kids, this);
    for (TThing* Kid : Kids) Kid->Parent = nullptr;
}

void TThing::SetCount(int Value) {
    StreamLog().push_back("count " + std::to_string(Value));
    Count = Value;
}

void TThing::Loaded() {
    StreamLog().push_back("loaded " + GetName() + (HasState(csLoading) ? "" : " (not loading)"));
    TComponent::Loaded();
}

void TThing::SetParentComponent(TComponent* Value) {
    Parent = dynamic_cast<TThing*>(Value);
    if (Parent != nullptr) Parent->Kids.push_back(this);
}

void TThing::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    for (TThing* Kid : Kids)
        if (Kid->GetOwner() == Root) Proc(Kid);
}

void TThing::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Buddy) Buddy = nullptr;
}

void TPickyThing::SetName(const std::string& NewName) {
    if (NewName == "Bad") throw EComponentError("No thing is called Bad");
    TThing::SetName(NewName);
}

void TTestRoot::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
    if (Root != this) return;
    for (int Index = 0; Index < ComponentCount(); ++Index)
        if (!Components(Index)->HasParent()) Proc(Components(Index));
}

void TTestRoot::Ping(TPersistent* Sender) {
    ++Pings;
    LastSender = Sender;
}

namespace {
constexpr const char* KindNames[] = {"kdNone", "kdSome", "kdAll"};
constexpr TTypeInfo TypeKind = EnumTypeInfo("TKind", KindNames);
constexpr const char* StyleNames[] = {"stBold", "stWide", "stTall"};
constexpr TTypeInfo StyleElement = EnumTypeInfo("TStyle", StyleNames);
constexpr TTypeInfo TypeStyles = SetTypeInfo("TStyles", &StyleElement);

TPart* PartAt(TPersistent& Owner, int Index) {
    return static_cast<TThing&>(Owner).Parts[static_cast<std::size_t>(Index)].get();
}
} // namespace

void DeclareTestClasses() {
    static const bool Declared = [] {
        TDeclare<TPart>("TTestPart", "TPersistent")
            .Int(
                "Size", [](TPart& P) { return P.Size; }, [](TPart& P, int V) { P.Size = V; })
            .Default(0)
            .String(
                "Label", [](TPart& P) { return P.Label; },
                [](TPart& P, const std::string& V) { P.Label = V; });
        using T = TThing;
        TDeclare<T>("TTestThing", "TComponent")
            .Int(
                "Count", [](T& O) { return O.Count; }, &T::SetCount)
            .Default(0)
            .Float(
                "Ratio", [](T& O) { return O.Ratio; }, [](T& O, double V) { O.Ratio = V; })
            .Float(
                "Light", [](T& O) { return O.Light; }, [](T& O, double V) { O.Light = V; }, TypeSingle)
            .Float(
                "Money", [](T& O) { return O.Money; }, [](T& O, double V) { O.Money = V; }, TypeCurrency)
            .Float(
                "When", [](T& O) { return O.When; }, [](T& O, double V) { O.When = V; }, TypeDateTime)
            .String(
                "Text", [](T& O) { return O.Text; }, [](T& O, const std::string& V) { O.Text = V; })
            .Ordinal<std::uint8_t>(
                "Styles", TypeStyles, [](T& O) { return O.Styles; },
                [](T& O, std::uint8_t V) { O.Styles = V; })
            .Default(0)
            .Enum<TKind>(
                "Kind", TypeKind, [](T& O) { return O.Kind; }, [](T& O, TKind V) { O.Kind = V; })
            .Default(kdNone)
            .Bool(
                "Flag", [](T& O) { return O.Flag; }, [](T& O, bool V) { O.Flag = V; })
            .Default(false)
            .Ordinal<std::int64_t>(
                "Big", TypeInt64, [](T& O) { return O.Big; }, [](T& O, std::int64_t V) { O.Big = V; })
            .Default(0)
            .Color(
                "Color", [](T& O) { return O.Color; }, [](T& O, TColor V) { O.Color = V; })
            .Default(clBlack)
            .Ordinal<char>(
                "Letter", TypeChar, [](T& O) { return O.Letter; }, [](T& O, char V) { O.Letter = V; })
            .Default('a')
            .Object("Part", [](T& O) { return &O.Part; })
            .Collection(
                "Parts",
                TCollectionAccess{
                    .Count = [](TPersistent& O) { return static_cast<int>(static_cast<T&>(O).Parts.size()); },
                    .Item = [](TPersistent& O, int Index) -> TPersistent* { return PartAt(O, Index); },
                    .Clear = [](TPersistent& O) { static_cast<T&>(O).Parts.clear(); },
                    .Add = [](TPersistent& O) -> TPersistent* {
                        return static_cast<T&>(O).Parts.emplace_back(std::make_unique<TPart>()).get();
                    },
                })
            .Reference<TThing>(
                "Buddy", [](T& O) { return O.Buddy; },
                [](T& O, TThing* V) {
                    O.Buddy = V;
                    if (V != nullptr) V->FreeNotification(&O);
                })
            .Event("OnPing", &T::OnPing)
            .DefineProperty(
                "Notes",
                [](TReader& R, T& O) {
                    R.ReadListBegin();
                    O.Notes.clear();
                    while (!R.EndOfList()) O.Notes.push_back(R.ReadString());
                    R.ReadListEnd();
                },
                [](TWriter& W, T& O) {
                    W.WriteListBegin();
                    for (const std::string& Note : O.Notes) W.WriteString(Note);
                    W.WriteListEnd();
                },
                [](T& O) { return !O.Notes.empty(); })
            .Creatable();
        TDeclare<TPickyThing>("TTestPickyThing", "TTestThing").Creatable();
        TDeclare<TTestRoot>("TTestRoot", "TComponent")
            .Field("First", "TTestThing", &TTestRoot::First)
            .Field("Second", "TTestThing", &TTestRoot::Second)
            .Method<TNotifyEvent>("Ping", &TTestRoot::Ping)
            .Creatable();
        RegisterClass("TTestPickyThing");
        return true;
    }();
    (void)Declared;
}

TBytes& TBytes::Byte(int Value) {
    Data.push_back(static_cast<std::uint8_t>(Value));
    return *this;
}

TBytes& TBytes::Bytes(std::initializer_list<int> Values) {
    for (const int Value : Values) Byte(Value);
    return *this;
}

TBytes& TBytes::Short(std::string_view Text) {
    Byte(static_cast<int>(Text.size()));
    for (const char C : Text) Byte(static_cast<unsigned char>(C));
    return *this;
}

TBytes& TBytes::Signature() { return Bytes({'T', 'P', 'F', '0'}); }

TBytes& TBytes::Record(std::string_view ClassName, std::string_view Name) {
    return Short(ClassName).Short(Name);
}

} // namespace vur::test
