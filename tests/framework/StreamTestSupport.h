// Components for the stream tests: a root with published fields and a
// method, and things of every property kind that may hold other things.
// Everything they go through is noted in a log.
#pragma once

#include "framework/Classes.h"
#include "framework/Published.h"
#include "framework/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vur::test {

// What constructors, setters, Loaded and destructors did, in order.
std::vector<std::string>& StreamLog();

enum TKind : std::uint8_t { kdNone, kdSome, kdAll };

class TPart : public TPersistent {
public:
    std::string ClassName() const override { return "TTestPart"; }
    int Size = 0;
    std::string Label;
};

class TThing : public TComponent {
public:
    explicit TThing(TComponent* AOwner);
    ~TThing() override;
    std::string ClassName() const override { return "TTestThing"; }

    void SetCount(int Value);
    void Loaded() override;

    // A thing read inside another thing is its kid.
    bool HasParent() const override { return Parent != nullptr; }
    TComponent* GetParentComponent() const override { return Parent; }
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

    int Count = 0;
    double Ratio = 0;
    double Light = 0;
    double Money = 0;
    double When = 0;
    std::string Text;
    std::uint8_t Styles = 0;
    TKind Kind = kdNone;
    bool Flag = false;
    std::int64_t Big = 0;
    TColor Color = clBlack;
    char Letter = 'a';
    TPart Part;
    std::vector<std::unique_ptr<TPart>> Parts;
    TThing* Buddy = nullptr;
    TNotifyEvent OnPing;
    std::vector<std::string> Notes;
    TThing* Parent = nullptr;
    std::vector<TThing*> Kids;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
};

// A thing that cannot be named "Bad".
class TPickyThing : public TThing {
public:
    using TThing::TThing;
    std::string ClassName() const override { return "TTestPickyThing"; }
    void SetName(const std::string& NewName) override;
};

// The root: published fields First and Second, and the method Ping.
class TTestRoot : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TTestRoot"; }
    void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
    void Ping(TPersistent* Sender);

    TThing* First = nullptr;
    TThing* Second = nullptr;
    int Pings = 0;
    TPersistent* LastSender = nullptr;
};

// Declares the classes above, once.
void DeclareTestClasses();

// A stream built byte by byte.
struct TBytes {
    std::vector<std::uint8_t> Data;
    TBytes& Byte(int Value);
    TBytes& Bytes(std::initializer_list<int> Values);
    TBytes& Short(std::string_view Text);
    TBytes& Signature();
    // Class name and name of a record.
    TBytes& Record(std::string_view ClassName, std::string_view Name);
    TBytes& Property(std::string_view Name) { return Short(Name); }
    TBytes& Int8(int Value) { return Bytes({2, Value & 0xFF}); }
    TBytes& String(std::string_view Text) { return Byte(6).Short(Text); }
    TBytes& Ident(std::string_view Text) { return Byte(7).Short(Text); }
    TBytes& End() { return Byte(0); }
};

} // namespace vur::test
