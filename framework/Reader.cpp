#include "framework/Reader.h"

#include "framework/Exceptions.h"
#include "framework/Resources.h"
#include "platform/gdi/CodePage.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace vur {

namespace {
constexpr std::size_t BufferSize = 4096;

// A property error already wrapped with its component and property names by
// the reader named; the properties around it in that reader pass it on as it is.
class EPropertyReadError : public EReadError {
public:
    EPropertyReadError(const std::string& Message, const TReader* AOrigin)
        : EReadError(Message), Origin(AOrigin) {}
    const TReader* Origin;
};

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

std::vector<std::string_view> SplitPath(std::string_view Path) {
    std::vector<std::string_view> Parts;
    for (;;) {
        const std::size_t Dot = Path.find('.');
        Parts.push_back(Path.substr(0, Dot));
        if (Dot == std::string_view::npos) return Parts;
        Path.remove_prefix(Dot + 1);
    }
}
} // namespace

// Counts one level of nesting for as long as it lives.
class TReaderNesting {
public:
    explicit TReaderNesting(TReader& Reader) : FReader(Reader) {
        CheckFilerNesting(FReader.FNesting + 1);
        ++FReader.FNesting;
    }
    ~TReaderNesting() { --FReader.FNesting; }
    TReaderNesting(const TReaderNesting&) = delete;
    TReaderNesting& operator=(const TReaderNesting&) = delete;

private:
    TReader& FReader;
};

TReader::TReader(TStream& Stream) : FStream(Stream), FBuffer(BufferSize) {
    FBufferStart = Stream.GetPosition();
    FStreamEnd = std::max(FBufferStart, Stream.GetSize());
}

TReader::~TReader() {
    try {
        FStream.SetPosition(Position());
    } catch (...) {
        // A stream that cannot seek back keeps its position; nothing to report from here.
    }
}

// ---- bytes

void TReader::SeekTo(std::int64_t Target) {
    if (Target >= FBufferStart && Target <= FBufferStart + static_cast<std::int64_t>(FBufferEnd)) {
        FBufferPos = static_cast<std::size_t>(Target - FBufferStart);
        return;
    }
    FStream.SetPosition(Target);
    FBufferStart = Target;
    FBufferPos = FBufferEnd = 0;
}

void TReader::Read(void* Buffer, std::size_t Count) {
    auto* Out = static_cast<std::uint8_t*>(Buffer);
    while (Count > 0) {
        if (FBufferPos == FBufferEnd) {
            FBufferStart += static_cast<std::int64_t>(FBufferEnd);
            FBufferPos = FBufferEnd = 0;
            FStream.SetPosition(FBufferStart);
            // Large blocks go straight to their place.
            if (Count >= BufferSize) {
                FStream.ReadBuffer(Out, Count);
                FBufferStart += static_cast<std::int64_t>(Count);
                return;
            }
            FBufferEnd = FStream.Read(FBuffer.data(), FBuffer.size());
            if (FBufferEnd == 0) throw EReadError("Stream read error");
        }
        const std::size_t N = std::min(Count, FBufferEnd - FBufferPos);
        std::memcpy(Out, FBuffer.data() + FBufferPos, N);
        FBufferPos += N;
        Out += N;
        Count -= N;
    }
}

std::uint8_t TReader::ReadByte() {
    if (FBufferPos < FBufferEnd) return FBuffer[FBufferPos++];
    std::uint8_t B;
    Read(&B, 1);
    return B;
}

template <class T>
T TReader::ReadLittle() {
    std::uint8_t Bytes[sizeof(T)];
    Read(Bytes, sizeof(T));
    std::make_unsigned_t<T> U = 0;
    for (std::size_t I = sizeof(T); I-- > 0;) U = static_cast<decltype(U)>((U << 8) | Bytes[I]);
    return static_cast<T>(U);
}

void TReader::CheckAvailable(std::uint64_t Count) const {
    if (Count > static_cast<std::uint64_t>(std::max<std::int64_t>(0, Remaining())))
        throw EReadError("Stream read error: a value of " + std::to_string(Count) +
                         " bytes runs past the end of the stream");
}

std::string TReader::ReadStr() {
    const std::uint8_t Length = ReadByte();
    std::string S(Length, '\0');
    Read(S.data(), Length);
    return S;
}

// ---- values

TValueType TReader::NextValue() {
    const TValueType Value = ReadValue();
    SeekTo(Position() - 1);
    return Value;
}

TValueType TReader::ReadValue() { return static_cast<TValueType>(ReadByte()); }

void TReader::ReadListBegin() {
    if (ReadValue() != vaList) InvalidValue();
}

void TReader::ReadListEnd() {
    if (ReadValue() != vaNull) InvalidValue();
}

std::int32_t TReader::ReadInteger() {
    switch (ReadValue()) {
    case vaInt8:
        return ReadLittle<std::int8_t>();
    case vaInt16:
        return ReadLittle<std::int16_t>();
    case vaInt32:
        return ReadLittle<std::int32_t>();
    default:
        InvalidValue();
    }
}

std::int64_t TReader::ReadInt64() {
    if (NextValue() == vaInt64) {
        ReadValue();
        return ReadLittle<std::int64_t>();
    }
    return ReadInteger();
}

double TReader::ReadFloat() {
    switch (NextValue()) {
    case vaExtended: {
        ReadValue();
        TExtended80 Bytes;
        Read(Bytes.data(), Bytes.size());
        return ExtendedToDouble(Bytes);
    }
    case vaInt64:
        return static_cast<double>(ReadInt64());
    default:
        return ReadInteger();
    }
}

double TReader::ReadSingle() {
    if (NextValue() != vaSingle) return ReadFloat();
    ReadValue();
    return std::bit_cast<float>(ReadLittle<std::uint32_t>());
}

double TReader::ReadCurrency() {
    if (NextValue() != vaCurrency) return ReadFloat();
    ReadValue();
    return static_cast<double>(ReadLittle<std::int64_t>()) / 10000.0;
}

double TReader::ReadDate() {
    if (NextValue() != vaDate) return ReadFloat();
    ReadValue();
    return std::bit_cast<double>(ReadLittle<std::uint64_t>());
}

std::string TReader::ReadString() {
    switch (ReadValue()) {
    case vaString:
        return ReadStr();
    case vaLString: {
        const auto Length = ReadLittle<std::uint32_t>();
        CheckAvailable(Length);
        std::string S(Length, '\0');
        Read(S.data(), S.size());
        return S;
    }
    case vaWString:
    case vaUTF8String:
        SeekTo(Position() - 1);
        break;
    default:
        InvalidValue();
    }
    if (NextValue() == vaUTF8String) return gdi::Utf8ToCodePage1252(ReadUTF8String());
    std::string S;
    const std::u16string Units = ReadWideString();
    S.reserve(Units.size());
    for (std::size_t I = 0; I < Units.size(); ++I) {
        char32_t Unit = Units[I];
        if (Unit >= 0xD800 && Unit < 0xDC00 && I + 1 < Units.size() && Units[I + 1] >= 0xDC00 &&
            Units[I + 1] < 0xE000) {
            Unit = 0x10000 + ((Unit - 0xD800) << 10) + (Units[I + 1] - 0xDC00);
            ++I;
        }
        S += static_cast<char>(gdi::UnicodeToCodePage1252(Unit));
    }
    return S;
}

std::u16string TReader::ReadWideString() {
    if (ReadValue() != vaWString) InvalidValue();
    const auto Length = ReadLittle<std::uint32_t>();
    CheckAvailable(std::uint64_t{Length} * 2);
    std::u16string Units(Length, u'\0');
    for (char16_t& Unit : Units) Unit = ReadLittle<std::uint16_t>();
    return Units;
}

std::string TReader::ReadUTF8String() {
    if (ReadValue() != vaUTF8String) InvalidValue();
    const auto Length = ReadLittle<std::uint32_t>();
    CheckAvailable(Length);
    std::string Bytes(Length, '\0');
    Read(Bytes.data(), Bytes.size());
    return Bytes;
}

std::string TReader::ReadIdent() {
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    default:
        InvalidValue();
    }
}

bool TReader::ReadBoolean() {
    switch (ReadValue()) {
    case vaFalse:
        return false;
    case vaTrue:
        return true;
    default:
        InvalidValue();
    }
}

char TReader::ReadChar() {
    const std::string S = ReadString();
    if (S.size() != 1) InvalidValue();
    return S[0];
}

std::vector<std::uint8_t> TReader::ReadBinary() {
    std::vector<std::uint8_t> Bytes;
    ReadBinary(
        [&Bytes](TCustomMemoryStream& Value) { Bytes.assign(Value.Bytes().begin(), Value.Bytes().end()); });
    return Bytes;
}

void TReader::ReadBinary(const std::function<void(TCustomMemoryStream& Value)>& Parse) {
    if (ReadValue() != vaBinary) InvalidValue();
    const auto Length = ReadLittle<std::uint32_t>();
    CheckAvailable(Length);
    const std::int64_t Start = Position();
    // The stream is read from the value on; the buffer starts again after it.
    FStream.SetPosition(Start);
    FBufferStart = Start + Length;
    FBufferPos = FBufferEnd = 0;
    std::vector<std::uint8_t> Spare;
    TCustomMemoryStream Value(FStream.ReadView(Length, Spare));
    Parse(Value);
}

void TReader::SkipValue() {
    TReaderNesting Nesting(*this);
    const auto SkipBytes = [this](std::uint64_t Count) {
        CheckAvailable(Count);
        SeekTo(Position() + static_cast<std::int64_t>(Count));
    };
    switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        while (!EndOfList()) SkipValue();
        ReadListEnd();
        break;
    case vaInt8:
        SkipBytes(1);
        break;
    case vaInt16:
        SkipBytes(2);
        break;
    case vaInt32:
    case vaSingle:
        SkipBytes(4);
        break;
    case vaExtended:
        SkipBytes(10);
        break;
    case vaString:
    case vaIdent:
        SkipBytes(ReadByte());
        break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        SkipBytes(ReadLittle<std::uint32_t>());
        break;
    case vaWString:
        SkipBytes(std::uint64_t{ReadLittle<std::uint32_t>()} * 2);
        break;
    case vaSet:
        while (ReadByte() != 0) {
            SeekTo(Position() - 1);
            ReadStr();
        }
        break;
    case vaCollection:
        while (!EndOfList()) {
            if (NextValue() == vaInt8 || NextValue() == vaInt16 || NextValue() == vaInt32) ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        break;
    case vaCurrency:
    case vaDate:
    case vaInt64:
        SkipBytes(8);
        break;
    default:
        throw EReadError("Invalid stream format");
    }
}

// ---- records

void TReader::ReadSignature() {
    std::uint8_t Signature[4];
    if (Remaining() < 4) throw EReadError("Invalid stream format");
    Read(Signature, 4);
    if (!std::equal(std::begin(Signature), std::end(Signature), FilerSignature.begin()))
        throw EReadError("Invalid stream format");
}

void TReader::ReadPrefix(std::uint8_t& Flags, int& ChildPos) {
    Flags = 0;
    ChildPos = -1;
    const std::uint8_t First = ReadByte();
    if ((First & FilerPrefixMark) != FilerPrefixMark) {
        SeekTo(Position() - 1);
        return;
    }
    Flags = First & 0x0F;
    if ((Flags & ffChildPos) != 0) ChildPos = ReadInteger();
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    ReadSignature();
    std::uint8_t Flags;
    int ChildPos;
    ReadPrefix(Flags, ChildPos);
    const std::string ClassName = ReadStr();
    const std::string Name = ReadStr();
    std::unique_ptr<TComponent> Made;
    if (Root == nullptr) {
        const TClassInfo* Class = GetClass(ClassName);
        if (Class == nullptr) throw EClassNotFound("Class " + ClassName + " not found");
        Made.reset(Class->Create(nullptr));
        Root = Made.get();
        Root->SetName(Name);
    } else {
        // Another component of the owner may already have the stored name.
        std::string Unique = Name;
        const TComponent* Owner = Root->GetOwner();
        for (int Suffix = 1; Owner != nullptr && !Unique.empty(); ++Suffix) {
            const TComponent* Other = Owner->FindComponent(Unique);
            if (Other == nullptr || Other == Root) break;
            Unique = Name + "_" + std::to_string(Suffix);
        }
        Root->SetName(Unique);
    }
    FRoot = FOwner = FParent = Root;
    FComponent = Root;
    Root->SetComponentState(csLoading, true);
    Root->SetComponentState(csReading, true);
    FLoaded = {Root};
    FMade.clear();
    FFixups.clear();
    Root->ReadState(*this);
    Root->SetComponentState(csReading, false);
    const std::vector<TComponent*> Loaded = std::move(FLoaded);
    FLoaded.clear();
    FMade.clear();
    for (TComponent* Component : Loaded) Component->Loaded();
    ResolveFixups();
    Made.release();
    return Root;
}

void TReader::ReadData(TComponent& Instance) {
    TComponent* const SavedComponent = FComponent;
    FComponent = &Instance;
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
    TComponent* const SavedOwner = FOwner;
    TComponent* const SavedParent = FParent;
    FParent = Instance.GetChildParent();
    if (FParent == nullptr) FParent = FRoot;
    FOwner = Instance.GetChildOwner();
    if (FOwner == nullptr) FOwner = FRoot;
    try {
        while (!EndOfList()) ReadComponent();
        ReadListEnd();
    } catch (...) {
        FOwner = SavedOwner;
        FParent = SavedParent;
        FComponent = SavedComponent;
        throw;
    }
    FOwner = SavedOwner;
    FParent = SavedParent;
    FComponent = SavedComponent;
}

TComponent* TReader::CreateComponent(const std::string& ClassName) {
    if (const TClassInfo* RootClass = ClassInfoOf(*FRoot))
        if (const TFieldInfo* Field = RootClass->FindFieldClass(ClassName)) return Field->Create(FOwner);
    const TClassInfo* Class = GetClass(ClassName);
    if (Class == nullptr) throw EClassNotFound("Class " + ClassName + " not found");
    return Class->Create(FOwner);
}

void TReader::DiscardFrom(std::size_t FirstMade) {
    std::vector<TComponent*> Doomed(FMade.begin() + static_cast<std::ptrdiff_t>(FirstMade), FMade.end());
    FMade.resize(FirstMade);
    std::erase_if(FLoaded, [&](TComponent* C) { return std::ranges::find(Doomed, C) != Doomed.end(); });
    std::erase_if(FFixups,
                  [&](const TFixup& F) { return std::ranges::find(Doomed, F.Component) != Doomed.end(); });
    // Latest first: a component goes before the one that holds it.
    for (auto It = Doomed.rbegin(); It != Doomed.rend(); ++It) delete *It;
}

TComponent* TReader::ReadComponent() {
    TReaderNesting Nesting(*this);
    std::uint8_t Flags;
    int ChildPos;
    ReadPrefix(Flags, ChildPos);
    const std::string ClassName = ReadStr();
    const std::string Name = ReadStr();
    const std::size_t FirstMade = FMade.size();
    TComponent* Result = nullptr;
    try {
        if ((Flags & ffInherited) != 0) {
            Result = FOwner->FindComponent(Name);
            if (Result == nullptr) throw EReadError("Ancestor for '" + Name + "' not found");
        } else {
            Result = CreateComponent(ClassName);
            FMade.push_back(Result);
            Result->SetComponentState(csLoading, true);
            Result->SetParentComponent(FParent);
            Result->SetName(Name);
            if ((Flags & ffChildPos) != 0 && FParent != nullptr) FParent->SetChildOrder(Result, ChildPos);
        }
    } catch (const Exception& E) {
        DiscardFrom(FirstMade);
        SkipComponentRest();
        if (!HandleError(E.Message())) throw;
        return nullptr;
    }
    Result->SetComponentState(csLoading, true);
    Result->SetComponentState(csReading, true);
    if (std::ranges::find(FLoaded, Result) == FLoaded.end()) FLoaded.push_back(Result);
    try {
        Result->ReadState(*this);
    } catch (...) {
        DiscardFrom(FirstMade);
        throw;
    }
    Result->SetComponentState(csReading, false);
    return Result;
}

void TReader::SkipComponentRest() {
    while (!EndOfList()) {
        ReadStr();
        SkipValue();
    }
    ReadListEnd();
    while (!EndOfList()) SkipComponent();
    ReadListEnd();
}

void TReader::SkipComponent() {
    TReaderNesting Nesting(*this);
    std::uint8_t Flags;
    int ChildPos;
    ReadPrefix(Flags, ChildPos);
    ReadStr();
    ReadStr();
    SkipComponentRest();
}

// ---- properties

std::string TReader::ComponentText(const TPersistent& Instance) const {
    const TPersistent& Named = FComponent != nullptr ? *FComponent : Instance;
    if (const auto* Component = dynamic_cast<const TComponent*>(&Named))
        if (!Component->GetName().empty()) return Component->GetName();
    return Named.ClassName();
}

bool TReader::HandleError(const std::string& Message) {
    bool Handled = false;
    if (OnError) OnError(*this, Message, Handled);
    return Handled;
}

void TReader::ReadProperties(TPersistent& Instance) {
    while (!EndOfList()) ReadProperty(Instance);
    ReadListEnd();
}

void TReader::ReadProperty(TPersistent& Instance) {
    const std::string Path = ReadStr();
    const std::int64_t ValueStart = Position();
    try {
        ReadPropertyValue(Instance, Path);
    } catch (const EPropertyReadError& E) {
        if (E.Origin == this) throw;
        HandlePropertyError(E, Path, ValueStart, Instance);
    } catch (const Exception& E) {
        HandlePropertyError(E, Path, ValueStart, Instance);
    }
}

void TReader::HandlePropertyError(const Exception& E, const std::string& Path, std::int64_t ValueStart,
                                  const TPersistent& Instance) {
    const std::string Message = "Error reading " + ComponentText(Instance) + "." + Path + ": " + E.Message();
    // Going on needs the stream just after the value that failed.
    try {
        SeekTo(ValueStart);
        SkipValue();
    } catch (const Exception&) {
        throw EPropertyReadError(Message, this);
    }
    if (!HandleError(Message)) throw EPropertyReadError(Message, this);
}

void TReader::ReadPropertyValue(TPersistent& Instance, const std::string& Path) {
    const std::vector<std::string_view> Parts = SplitPath(Path);
    TPersistent* Current = &Instance;
    for (std::size_t I = 0; I + 1 < Parts.size(); ++I) {
        const TClassInfo* Class = ClassInfoOf(*Current);
        const TPropInfo* Property = Class != nullptr ? Class->FindProperty(Parts[I]) : nullptr;
        if (Property == nullptr) throw EReadError("Property " + std::string(Parts[I]) + " does not exist");
        if (Property->Kind != tkClass || Property->Role != orSubObject)
            throw EReadError("Invalid property path");
        Current = Property->GetObject(*Current);
        if (Current == nullptr) throw EReadError("Invalid property path");
    }
    const std::string_view Last = Parts.back();
    const TClassInfo* Class = ClassInfoOf(*Current);
    if (Class != nullptr) {
        if (const TPropInfo* Property = Class->FindProperty(Last)) {
            ReadPropValue(*Current, *Property);
            return;
        }
        if (const TDefinedProperty* Defined = Class->FindDefined(Last); Defined != nullptr && Defined->Read) {
            Defined->Read(*this, *Current);
            return;
        }
    }
    SkipValue();
    throw EReadError("Property " + std::string(Last) + " does not exist");
}

std::int64_t TReader::ReadSet(const TTypeInfo& Type) {
    if (ReadValue() != vaSet) InvalidValue();
    std::int64_t Result = 0;
    for (;;) {
        const std::string Member = ReadStr();
        if (Member.empty()) return Result;
        // Names that are not members are left out.
        if (const auto Value = EnumValueOf(*Type.ElementType, Member)) Result |= std::int64_t{1} << *Value;
    }
}

void TReader::ReadPropValue(TPersistent& Instance, const TPropInfo& Property) {
    const auto SetOrdinal = [&](std::int64_t Value) {
        if (Value < Property.Type->MinValue || Value > Property.Type->MaxValue) InvalidValue();
        Property.SetOrd(Instance, Value);
    };
    switch (Property.Kind) {
    case tkInteger:
        if (NextValue() == vaIdent) {
            const auto Value = IdentToInt(*Property.Type, ReadIdent());
            if (!Value) InvalidValue();
            SetOrdinal(*Value);
        } else {
            SetOrdinal(ReadInteger());
        }
        break;
    case tkInt64:
        Property.SetOrd(Instance, ReadInt64());
        break;
    case tkChar:
        SetOrdinal(static_cast<unsigned char>(ReadChar()));
        break;
    case tkEnumeration: {
        const auto Value = EnumValueOf(*Property.Type, ReadIdent());
        if (!Value) InvalidValue();
        SetOrdinal(*Value);
        break;
    }
    case tkSet:
        SetOrdinal(ReadSet(*Property.Type));
        break;
    case tkFloat:
        switch (Property.Type->FloatType) {
        case ftSingle:
            Property.SetFloat(Instance, ReadSingle());
            break;
        case ftCurr:
            Property.SetFloat(Instance, ReadCurrency());
            break;
        case ftDateTime:
            Property.SetFloat(Instance, ReadDate());
            break;
        default:
            Property.SetFloat(Instance, ReadFloat());
            break;
        }
        break;
    case tkString:
        Property.SetStr(Instance, ReadString());
        break;
    case tkClass:
        switch (NextValue()) {
        case vaNil:
            ReadValue();
            if (!Property.SetObject) InvalidValue();
            Property.SetObject(Instance, nullptr);
            break;
        case vaCollection:
            if (Property.Role != orCollection) InvalidValue();
            ReadValue();
            ReadCollection(Instance, Property);
            break;
        case vaIdent:
            if (Property.Role != orReference) InvalidValue();
            FFixups.push_back(TFixup{&Instance, &Property, ReadIdent(), FComponent});
            break;
        default:
            InvalidValue();
        }
        break;
    case tkMethod: {
        if (NextValue() == vaNil) {
            ReadValue();
            Property.SetMethod(Instance, nullptr, nullptr);
            break;
        }
        const std::string Name = ReadIdent();
        const TClassInfo* RootClass = FRoot != nullptr ? ClassInfoOf(*FRoot) : nullptr;
        const TMethodInfo* Method = RootClass != nullptr ? RootClass->FindMethod(Name) : nullptr;
        if (Method == nullptr || !Property.SetMethod(Instance, FRoot, Method)) InvalidValue();
        break;
    }
    }
}

void TReader::ReadCollection(TPersistent& Owner, const TPropInfo& Property) {
    TReaderNesting Nesting(*this);
    Property.Collection.Clear(Owner);
    while (!EndOfList()) {
        const TValueType Next = NextValue();
        if (Next == vaInt8 || Next == vaInt16 || Next == vaInt32) ReadInteger();
        ReadListBegin();
        TPersistent* Item = Property.Collection.Add(Owner);
        while (!EndOfList()) ReadProperty(*Item);
        ReadListEnd();
    }
    ReadListEnd();
}

void TReader::ResolveFixups() {
    const std::vector<TFixup> Fixups = std::move(FFixups);
    FFixups.clear();
    for (const TFixup& Fixup : Fixups) {
        TComponent* Target = nullptr;
        const std::size_t Dot = Fixup.Name.find('.');
        if (Dot == std::string::npos) {
            Target = SameName(FRoot->GetName(), Fixup.Name) ? FRoot : FRoot->FindComponent(Fixup.Name);
        } else if (const TComponent* Around = FRoot->GetOwner()) {
            // Owner.Name: a component of another root beside this one.
            if (TComponent* Other = Around->FindComponent(Fixup.Name.substr(0, Dot)))
                Target = Other->FindComponent(Fixup.Name.substr(Dot + 1));
        }
        // A name that names nothing leaves the reference as it is.
        if (Target != nullptr) Fixup.Property->SetObject(*Fixup.Instance, Target);
    }
}

void ReadComponentFromStream(TStream& Stream, TComponent& Instance) {
    TReader Reader(Stream);
    Reader.ReadRootComponent(&Instance);
}

void ReadComponentFromFile(const std::string& FileName, TComponent& Instance) {
    TFileStream Stream(FileName, fmOpenRead);
    ReadComponentFromStream(Stream, Instance);
}

void ReadComponentRes(const std::string& ResName, TComponent& Instance) {
    TResourceStream Stream(ResName);
    ReadComponentFromStream(Stream, Instance);
}

} // namespace vur
