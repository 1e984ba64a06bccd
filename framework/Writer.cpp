#include "framework/Writer.h"

#include "framework/Exceptions.h"

#include <bit>
#include <cmath>
#include <limits>

namespace vur {

namespace {
constexpr std::size_t FlushAt = 65536;
} // namespace

TWriter::TWriter(TStream& Stream) : FStream(Stream) { FBuffer.reserve(FlushAt); }

TWriter::~TWriter() {
    try {
        FlushBuffer();
    } catch (...) {
        // A destructor cannot report it; callers that care flush first.
    }
}

void TWriter::FlushBuffer() {
    if (FBuffer.empty()) return;
    FStream.WriteBuffer(FBuffer.data(), FBuffer.size());
    FBuffer.clear();
}

void TWriter::Write(const void* Bytes, std::size_t Count) {
    const auto* P = static_cast<const std::uint8_t*>(Bytes);
    FBuffer.insert(FBuffer.end(), P, P + Count);
    if (FBuffer.size() >= FlushAt) FlushBuffer();
}

template <class T>
void TWriter::WriteLittle(T Value) {
    auto U = static_cast<std::make_unsigned_t<T>>(Value);
    std::uint8_t Bytes[sizeof(T)];
    for (std::size_t I = 0; I < sizeof(T); ++I) {
        Bytes[I] = static_cast<std::uint8_t>(U & 0xFF);
        U = static_cast<decltype(U)>(U >> 8);
    }
    Write(Bytes, sizeof(T));
}

void TWriter::WriteValue(TValueType Value) {
    const auto Byte = static_cast<std::uint8_t>(Value);
    Write(&Byte, 1);
}

void TWriter::WriteStr(std::string_view Value) {
    if (Value.size() > 255)
        throw EWriteError("Name too long for the stream (more than 255 characters): " +
                          std::string(Value.substr(0, 40)));
    const auto Length = static_cast<std::uint8_t>(Value.size());
    Write(&Length, 1);
    Write(Value.data(), Value.size());
}

void TWriter::WriteInteger(std::int64_t Value) {
    if (Value >= std::numeric_limits<std::int8_t>::min() &&
        Value <= std::numeric_limits<std::int8_t>::max()) {
        WriteValue(vaInt8);
        WriteLittle(static_cast<std::int8_t>(Value));
    } else if (Value >= std::numeric_limits<std::int16_t>::min() &&
               Value <= std::numeric_limits<std::int16_t>::max()) {
        WriteValue(vaInt16);
        WriteLittle(static_cast<std::int16_t>(Value));
    } else if (Value >= std::numeric_limits<std::int32_t>::min() &&
               Value <= std::numeric_limits<std::int32_t>::max()) {
        WriteValue(vaInt32);
        WriteLittle(static_cast<std::int32_t>(Value));
    } else {
        WriteValue(vaInt64);
        WriteLittle(Value);
    }
}

void TWriter::WriteFloat(double Value) {
    WriteValue(vaExtended);
    const TExtended80 Bytes = DoubleToExtended(Value);
    Write(Bytes.data(), Bytes.size());
}

void TWriter::WriteSingle(float Value) {
    WriteValue(vaSingle);
    WriteLittle(std::bit_cast<std::uint32_t>(Value));
}

void TWriter::WriteCurrency(double Value) {
    const double Scaled = std::nearbyint(Value * 10000.0);
    // 2^63 itself is out of range; the test is written so that NaN fails it too.
    if (!(Scaled >= -9223372036854775808.0 && Scaled < 9223372036854775808.0))
        throw EWriteError("Currency value out of range");
    WriteValue(vaCurrency);
    WriteLittle(static_cast<std::int64_t>(Scaled));
}

void TWriter::WriteDate(double Value) {
    WriteValue(vaDate);
    WriteLittle(std::bit_cast<std::uint64_t>(Value));
}

void TWriter::WriteString(std::string_view Value) {
    if (Value.size() <= 255) {
        WriteValue(vaString);
        WriteStr(Value);
        return;
    }
    if (Value.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("String too long for the stream");
    WriteValue(vaLString);
    WriteLittle(static_cast<std::uint32_t>(Value.size()));
    Write(Value.data(), Value.size());
}

void TWriter::WriteIdent(std::string_view Value) {
    if (SameName(Value, "False")) {
        WriteValue(vaFalse);
    } else if (SameName(Value, "True")) {
        WriteValue(vaTrue);
    } else if (SameName(Value, "nil")) {
        WriteValue(vaNil);
    } else {
        WriteValue(vaIdent);
        WriteStr(Value);
    }
}

void TWriter::WriteBinary(std::span<const std::uint8_t> Bytes) {
    if (Bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Binary value too long for the stream");
    WriteValue(vaBinary);
    WriteLittle(static_cast<std::uint32_t>(Bytes.size()));
    Write(Bytes.data(), Bytes.size());
}

void TWriter::WriteBinary(const std::function<void(TStream& Value)>& Fill) {
    WriteValue(vaBinary);
    FlushBuffer();
    const std::int64_t LengthAt = FStream.GetPosition();
    constexpr std::uint8_t Unknown[4] = {};
    FStream.WriteBuffer(Unknown, sizeof Unknown);
    Fill(FStream);
    const std::int64_t End = FStream.GetPosition();
    // Negative too if Fill went back before its start.
    const auto Length = static_cast<std::uint64_t>(End - LengthAt - 4);
    if (Length > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("Binary value too long for the stream");
    FStream.SetPosition(LengthAt);
    WriteLittle(static_cast<std::uint32_t>(Length));
    FlushBuffer();
    FStream.SetPosition(End);
}

void TWriter::WriteWideString(std::u16string_view Units) {
    if (Units.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("String too long for the stream");
    WriteValue(vaWString);
    WriteLittle(static_cast<std::uint32_t>(Units.size()));
    for (const char16_t Unit : Units) WriteLittle(static_cast<std::uint16_t>(Unit));
}

void TWriter::WriteUTF8String(std::string_view Bytes) {
    if (Bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw EWriteError("String too long for the stream");
    WriteValue(vaUTF8String);
    WriteLittle(static_cast<std::uint32_t>(Bytes.size()));
    Write(Bytes.data(), Bytes.size());
}

void TWriter::WritePropName(std::string_view Name) { WriteStr(FPropPath + std::string(Name)); }

void TWriter::WriteSignature() { Write(FilerSignature.data(), FilerSignature.size()); }

void TWriter::WriteDescendent(TComponent& Root) {
    WriteSignature();
    FRoot = &Root;
    WriteComponent(Root);
    FlushBuffer();
}

void TWriter::WriteComponent(TComponent& Component) {
    if (FRoot == nullptr) FRoot = &Component;
    Component.SetComponentState(csWriting, true);
    WriteStr(Component.ClassName());
    WriteStr(Component.GetName());
    WriteProperties(Component);
    WriteListEnd();
    Component.GetChildren([this](TComponent* Child) { WriteComponent(*Child); }, FRoot);
    WriteListEnd();
    Component.SetComponentState(csWriting, false);
}

void TWriter::WriteProperties(TPersistent& Instance) {
    const TClassInfo* Class = ClassInfoOf(Instance);
    if (Class == nullptr) return;
    for (const TPropInfo* Property : Class->Properties())
        if (Property->IsStored(Instance)) WriteProperty(Instance, *Property);
    for (const TDefinedProperty* Defined : Class->DefinedProperties()) {
        if (!Defined->Write || (Defined->HasData && !Defined->HasData(Instance))) continue;
        WritePropName(Defined->Name);
        const std::string Saved = std::move(FPropPath);
        FPropPath.clear();
        Defined->Write(*this, Instance);
        FPropPath = Saved;
    }
}

std::string TWriter::ReferenceName(const TComponent& Component) const {
    if (&Component == FRoot || Component.GetOwner() == FRoot || Component.GetOwner() == nullptr)
        return Component.GetName();
    return Component.GetOwner()->GetName() + "." + Component.GetName();
}

void TWriter::WriteProperty(TPersistent& Instance, const TPropInfo& Property) {
    switch (Property.Kind) {
    case tkInteger: {
        const std::int64_t Value = Property.GetOrd(Instance);
        WritePropName(Property.Name);
        if (const std::string_view Ident = IntToIdent(*Property.Type, Value); !Ident.empty())
            WriteIdent(Ident);
        else
            WriteInteger(Value);
        break;
    }
    case tkInt64:
        WritePropName(Property.Name);
        WriteInteger(Property.GetOrd(Instance));
        break;
    case tkChar: {
        WritePropName(Property.Name);
        const char C = static_cast<char>(Property.GetOrd(Instance));
        WriteString(std::string_view(&C, 1));
        break;
    }
    case tkEnumeration: {
        const std::int64_t Value = Property.GetOrd(Instance);
        const std::string_view Name = EnumNameOf(*Property.Type, Value);
        // A value outside the enumeration has no name to be read back by.
        if (Name.empty()) break;
        WritePropName(Property.Name);
        if (Property.Type == &TypeBoolean)
            WriteBoolean(Value != 0);
        else
            WriteIdent(Name);
        break;
    }
    case tkSet: {
        const std::int64_t Value = Property.GetOrd(Instance);
        WritePropName(Property.Name);
        WriteValue(vaSet);
        const auto& Names = Property.Type->ElementType->EnumNames;
        for (std::size_t I = 0; I < Names.size(); ++I)
            if ((Value >> I & 1) != 0) WriteStr(Names[I]);
        WriteStr("");
        break;
    }
    case tkFloat: {
        const double Value = Property.GetFloat(Instance);
        WritePropName(Property.Name);
        switch (Property.Type->FloatType) {
        case ftSingle:
            WriteSingle(static_cast<float>(Value));
            break;
        case ftCurr:
            WriteCurrency(Value);
            break;
        case ftDateTime:
            WriteDate(Value);
            break;
        default:
            WriteFloat(Value);
            break;
        }
        break;
    }
    case tkString:
        WritePropName(Property.Name);
        WriteString(Property.GetStr(Instance));
        break;
    case tkClass:
        switch (Property.Role) {
        case orSubObject: {
            TPersistent* Object =
                Property.PeekObject ? Property.PeekObject(Instance) : Property.GetObject(Instance);
            if (Object == nullptr) break;
            const std::string Saved = FPropPath;
            FPropPath += Property.Name + ".";
            WriteProperties(*Object);
            FPropPath = Saved;
            break;
        }
        case orReference: {
            const auto* Target = dynamic_cast<const TComponent*>(Property.GetObject(Instance));
            if (Target == nullptr || Target->GetName().empty()) break;
            WritePropName(Property.Name);
            WriteIdent(ReferenceName(*Target));
            break;
        }
        case orCollection: {
            const int Count = Property.Collection.Count(Instance);
            if (Count == 0) break;
            WritePropName(Property.Name);
            WriteValue(vaCollection);
            const std::string Saved = std::move(FPropPath);
            FPropPath.clear();
            for (int Index = 0; Index < Count; ++Index) {
                WriteListBegin();
                WriteProperties(*Property.Collection.Item(Instance, Index));
                WriteListEnd();
            }
            FPropPath = Saved;
            WriteListEnd();
            break;
        }
        }
        break;
    case tkMethod: {
        const std::string Name = Property.MethodName(Instance);
        if (Name.empty()) break;
        WritePropName(Property.Name);
        WriteIdent(Name);
        break;
    }
    }
}

void WriteComponentToStream(TStream& Stream, TComponent& Instance) {
    TWriter Writer(Stream);
    Writer.WriteDescendent(Instance);
}

void WriteComponentToFile(const std::string& FileName, TComponent& Instance) {
    TFileStream Stream(FileName, fmCreate);
    WriteComponentToStream(Stream, Instance);
}

} // namespace vur
