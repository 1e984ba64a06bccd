// TWriter: stores components as a component stream, the form TReader reads.
// A component is written as its class name, its name, the published
// properties its class stores (those that differ from their defaults and
// pass their stored rule; sub-objects as dotted paths), its custom stored
// properties, and then its children in their order. Integers take the
// smallest tag that holds them.
#pragma once

#include "framework/Classes.h"
#include "framework/Filer.h"
#include "framework/Published.h"
#include "framework/Streams.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vur {

class TWriter {
public:
    explicit TWriter(TStream& Stream);
    TWriter(const TWriter&) = delete;
    TWriter& operator=(const TWriter&) = delete;
    // Writes out what is still buffered.
    ~TWriter();

    // The 4 bytes a component stream starts with.
    void WriteSignature();
    // The signature, then Root's record with everything stored inside it.
    void WriteDescendent(TComponent& Root);
    void WriteComponent(TComponent& Component);
    // The stored published properties, then the custom ones.
    void WriteProperties(TPersistent& Instance);

    // ---- values, for custom stored properties
    void WriteValue(TValueType Value);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    void WriteInteger(std::int64_t Value);
    void WriteFloat(double Value);
    void WriteSingle(float Value);
    // Value x 10000, rounded; EWriteError beyond the 64-bit range.
    void WriteCurrency(double Value);
    void WriteDate(double Value);
    void WriteString(std::string_view Value);
    // "False", "True" and "nil" become their own tags.
    void WriteIdent(std::string_view Value);
    void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
    void WriteBinary(std::span<const std::uint8_t> Bytes);
    // Tag 10 with the bytes Fill writes to the stream at its position, with
    // no copy in between; their length is filled in afterwards.
    void WriteBinary(const std::function<void(TStream& Value)>& Fill);
    // Tag 18 with UTF-16 code units, tag 20 with UTF-8 bytes.
    void WriteWideString(std::u16string_view Units);
    void WriteUTF8String(std::string_view Bytes);
    // A short string; EWriteError when longer than 255 characters.
    void WriteStr(std::string_view Value);

    TComponent* GetRoot() const { return FRoot; }
    // Sends the buffered bytes to the stream.
    void FlushBuffer();

private:
    void Write(const void* Bytes, std::size_t Count);
    template <class T>
    void WriteLittle(T Value);
    void WritePropName(std::string_view Name);
    void WriteProperty(TPersistent& Instance, const TPropInfo& Property);
    std::string ReferenceName(const TComponent& Component) const;

    TStream& FStream;
    std::vector<std::uint8_t> FBuffer;
    TComponent* FRoot = nullptr;
    // "Font." while the font of a component is written.
    std::string FPropPath;
};

void WriteComponentToStream(TStream& Stream, TComponent& Instance);
void WriteComponentToFile(const std::string& FileName, TComponent& Instance);

} // namespace vur
