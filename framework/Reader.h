// TReader: applies a component stream to components. It reads the root
// record into an existing component (a form being constructed) or into one
// it makes by class name, creates the child components and gives them their
// parent and name, sets properties through the published-property registry,
// binds events to the root's published methods, calls Loaded on everything
// it read once the whole tree is read, and then assigns the references
// between components.
//
// Whatever the bytes, reading stays inside the stream, allocates no more than
// the stream's remaining length allows, nests no deeper than MaxFilerNesting
// and fails with EReadError (EClassNotFound for an unknown class). A child
// that fails half way is destroyed together with everything its record made.
#pragma once

#include "framework/Classes.h"
#include "framework/Filer.h"
#include "framework/Published.h"
#include "framework/Streams.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vur {

class Exception;

// Asked when reading a property or making a child fails; setting Handled
// goes on with the next property or record instead of raising.
using TReaderError = std::function<void(TReader& Reader, const std::string& Message, bool& Handled)>;

class TReader {
public:
    explicit TReader(TStream& Stream);
    TReader(const TReader&) = delete;
    TReader& operator=(const TReader&) = delete;
    // Leaves the stream just after what was read.
    ~TReader();

    // The signature and the root record. Root none: the root is made from
    // its registered class, without owner, and the caller owns it. An
    // existing Root takes the stored name (made unique among its owner's
    // components). Raises EReadError "Invalid stream format" for a bad signature.
    TComponent* ReadRootComponent(TComponent* Root);
    // A component's properties, then its children (TComponent::ReadState).
    void ReadData(TComponent& Instance);
    // Properties up to the end of their list (a collection item, a stored item).
    void ReadProperties(TPersistent& Instance);
    // One property: name, then value; errors come wrapped as "Error reading
    // %s%s%s: %s" (component, ".", property name, message).
    void ReadProperty(TPersistent& Instance);

    // ---- values, for custom stored properties
    TValueType NextValue();
    TValueType ReadValue();
    void SkipValue();
    bool EndOfList() { return NextValue() == vaNull; }
    void ReadListBegin();
    void ReadListEnd();
    // Tags 2 to 4.
    std::int32_t ReadInteger();
    // Tags 2 to 4 and 19.
    std::int64_t ReadInt64();
    // Tag 5 or an integer; ReadSingle, ReadCurrency and ReadDate also take their own tags.
    double ReadFloat();
    double ReadSingle();
    double ReadCurrency();
    double ReadDate();
    // Tags 6 and 12 as they are, 18 and 20 converted to 8-bit text.
    std::string ReadString();
    // Tag 7, and the names of tags 8, 9 and 13 ("False", "True", "nil").
    std::string ReadIdent();
    bool ReadBoolean();
    char ReadChar();
    // Tag 10.
    std::vector<std::uint8_t> ReadBinary();
    // Tag 10, its bytes handed to Parse as a stream of their own (a view of
    // the reader's bytes when it reads from memory, no copy); the reader goes
    // on after them however many Parse took.
    void ReadBinary(const std::function<void(TCustomMemoryStream& Value)>& Parse);
    // Tag 18 as its UTF-16 code units, tag 20 as its bytes.
    std::u16string ReadWideString();
    std::string ReadUTF8String();

    // ---- the record structure, for tools that walk a stream
    // The 4-byte signature; EReadError "Invalid stream format" when it is not there.
    void ReadSignature();
    // A record's optional prefix: its flags (0 without one) and child position (-1 without one).
    void ReadPrefix(std::uint8_t& Flags, int& ChildPos);
    // A short string: one length byte, then the characters.
    std::string ReadStr();

    TComponent* GetRoot() const { return FRoot; }
    // The owner and parent new children get.
    TComponent* GetOwner() const { return FOwner; }
    TComponent* GetParent() const { return FParent; }

    TReaderError OnError;

private:
    friend class TReaderNesting;
    struct TFixup {
        TPersistent* Instance;
        const TPropInfo* Property;
        std::string Name;
        TComponent* Component;
    };

    // ---- bytes
    std::int64_t Position() const { return FBufferStart + static_cast<std::int64_t>(FBufferPos); }
    std::int64_t Remaining() const { return FStreamEnd - Position(); }
    void SeekTo(std::int64_t Target);
    void Read(void* Buffer, std::size_t Count);
    std::uint8_t ReadByte();
    // Count bytes must still be in the stream.
    void CheckAvailable(std::uint64_t Count) const;
    template <class T>
    T ReadLittle();

    // ---- records
    TComponent* ReadComponent();
    void SkipComponentRest();
    void SkipComponent();
    // Makes the named class: a class of the root's published fields, else a registered one.
    TComponent* CreateComponent(const std::string& ClassName);
    // Destroys what a failed record made (latest first) and forgets it.
    void DiscardFrom(std::size_t FirstMade);

    // ---- properties
    void ReadPropertyValue(TPersistent& Instance, const std::string& Path);
    void ReadPropValue(TPersistent& Instance, const TPropInfo& Property);
    std::int64_t ReadSet(const TTypeInfo& Type);
    void ReadCollection(TPersistent& Owner, const TPropInfo& Property);
    void ResolveFixups();
    bool HandleError(const std::string& Message);
    // Wraps E for the property at Path, leaves the stream after its value
    // and asks the error handler; raises unless the handler took it.
    void HandlePropertyError(const Exception& E, const std::string& Path, std::int64_t ValueStart,
                             const TPersistent& Instance);
    std::string ComponentText(const TPersistent& Instance) const;

    TStream& FStream;
    std::vector<std::uint8_t> FBuffer;
    std::size_t FBufferPos = 0;
    std::size_t FBufferEnd = 0;
    std::int64_t FBufferStart = 0;
    std::int64_t FStreamEnd = 0;
    int FNesting = 0;

    TComponent* FRoot = nullptr;
    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    // The component whose record is being read (named in error messages).
    TComponent* FComponent = nullptr;
    // Components read, in order, and whether the reader made them.
    std::vector<TComponent*> FLoaded;
    std::vector<TComponent*> FMade;
    std::vector<TFixup> FFixups;
};

// The stream's root record read into Instance.
void ReadComponentFromStream(TStream& Stream, TComponent& Instance);
void ReadComponentFromFile(const std::string& FileName, TComponent& Instance);
// The registered resource of that name read into Instance; EResNotFound
// "Resource %s not found" when there is none.
void ReadComponentRes(const std::string& ResName, TComponent& Instance);

} // namespace vur
