// Byte streams: TStream is what the component reader and writer work on;
// memory streams hold their bytes in memory (a read-only view, or a buffer
// of their own that grows as it is written), file streams in a file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace vur {

enum TSeekOrigin : std::uint8_t { soBeginning, soCurrent, soEnd };

class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Up to Count bytes; returns how many moved (fewer at the end of the stream).
    virtual std::size_t Read(void* Buffer, std::size_t Count) = 0;
    virtual std::size_t Write(const void* Buffer, std::size_t Count) = 0;
    // The new position; a position before the start raises EStreamError.
    virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;
    virtual std::int64_t GetSize();
    std::int64_t GetPosition() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t Value) { Seek(Value, soBeginning); }
    // The bytes between the position and the end.
    std::int64_t Remaining();

    // All Count bytes or EReadError "Stream read error" (EWriteError
    // "Stream write error"); the position after a short read is unspecified.
    void ReadBuffer(void* Buffer, std::size_t Count);
    void WriteBuffer(const void* Buffer, std::size_t Count);
    // The next Count bytes, read into Spare, or EReadError "Stream read error"
    // when fewer remain. A memory stream hands out a view of its own bytes
    // instead, valid until it is written or destroyed.
    virtual std::span<const std::uint8_t> ReadView(std::size_t Count, std::vector<std::uint8_t>& Spare);
    // A hint that Count more bytes are about to be written: a memory stream
    // makes room for them at once instead of growing step by step.
    virtual void Expect(std::size_t) {}
    // Count bytes from Source's position on; 0 copies all of Source from its start.
    std::int64_t CopyFrom(TStream& Source, std::int64_t Count);
};

// A read-only stream over bytes someone else keeps alive.
class TCustomMemoryStream : public TStream {
public:
    TCustomMemoryStream() = default;
    explicit TCustomMemoryStream(std::span<const std::uint8_t> Bytes) : FView(Bytes) {}

    std::size_t Read(void* Buffer, std::size_t Count) override;
    // Raises EStreamError: the bytes are not this stream's to change.
    std::size_t Write(const void* Buffer, std::size_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t GetSize() override { return static_cast<std::int64_t>(FView.size()); }
    std::span<const std::uint8_t> ReadView(std::size_t Count, std::vector<std::uint8_t>& Spare) override;

    std::span<const std::uint8_t> Bytes() const { return FView; }

protected:
    void SetView(std::span<const std::uint8_t> Bytes) { FView = Bytes; }
    std::size_t Position() const { return FPosition; }
    void SetPositionRaw(std::size_t Value) { FPosition = Value; }

private:
    std::span<const std::uint8_t> FView;
    std::size_t FPosition = 0;
};

// A stream over a buffer of its own; writing past the end grows it.
class TMemoryStream : public TCustomMemoryStream {
public:
    TMemoryStream() = default;

    std::size_t Write(const void* Buffer, std::size_t Count) override;
    void Expect(std::size_t Count) override { FData.reserve(std::max(FData.size(), Position() + Count)); }
    void SetSize(std::int64_t Value);
    void Clear();
    const std::vector<std::uint8_t>& Data() const { return FData; }

    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

private:
    std::vector<std::uint8_t> FData;
};

enum TFileMode : std::uint8_t { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

// fmCreate makes a new empty file (or empties one) for writing and reading;
// the open modes need a regular file that exists. Failures raise
// EFCreateError "Cannot create file "%s". %s" or EFOpenError "Cannot open
// file "%s". %s" with the system's reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, TFileMode Mode);
    ~TFileStream() override;

    std::size_t Read(void* Buffer, std::size_t Count) override;
    std::size_t Write(const void* Buffer, std::size_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;

    const std::string& GetFileName() const { return FFileName; }

private:
    std::string FFileName;
    std::FILE* FFile = nullptr;
};

} // namespace vur
