#include "framework/Streams.h"

#include "framework/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

namespace vur {

namespace {
std::int64_t SeekTarget(std::int64_t Offset, TSeekOrigin Origin, std::int64_t Position, std::int64_t Size) {
    const std::int64_t Base = Origin == soBeginning ? 0 : Origin == soCurrent ? Position : Size;
    if ((Offset > 0 && Base > std::numeric_limits<std::int64_t>::max() - Offset) || Base + Offset < 0)
        throw EStreamError("Seek to an invalid position");
    return Base + Offset;
}
} // namespace

std::int64_t TStream::GetSize() {
    const std::int64_t Position = GetPosition();
    const std::int64_t Size = Seek(0, soEnd);
    Seek(Position, soBeginning);
    return Size;
}

std::int64_t TStream::Remaining() { return std::max<std::int64_t>(0, GetSize() - GetPosition()); }

void TStream::ReadBuffer(void* Buffer, std::size_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::size_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

std::span<const std::uint8_t> TStream::ReadView(std::size_t Count, std::vector<std::uint8_t>& Spare) {
    // Checked before the allocation: a length read from a stream may be hostile.
    if (static_cast<std::uint64_t>(Count) > static_cast<std::uint64_t>(Remaining()))
        throw EReadError("Stream read error");
    Spare.resize(Count);
    ReadBuffer(Spare.data(), Count);
    return Spare;
}

std::int64_t TStream::CopyFrom(TStream& Source, std::int64_t Count) {
    if (Count == 0) {
        Source.SetPosition(0);
        Count = Source.GetSize();
    }
    std::uint8_t Chunk[16384];
    std::int64_t Left = Count;
    while (Left > 0) {
        const auto N = static_cast<std::size_t>(std::min<std::int64_t>(Left, sizeof Chunk));
        Source.ReadBuffer(Chunk, N);
        WriteBuffer(Chunk, N);
        Left -= static_cast<std::int64_t>(N);
    }
    return Count;
}

std::size_t TCustomMemoryStream::Read(void* Buffer, std::size_t Count) {
    if (FPosition >= FView.size()) return 0;
    const std::size_t N = std::min(Count, FView.size() - FPosition);
    std::memcpy(Buffer, FView.data() + FPosition, N);
    FPosition += N;
    return N;
}

std::span<const std::uint8_t> TCustomMemoryStream::ReadView(std::size_t Count, std::vector<std::uint8_t>&) {
    if (FPosition > FView.size() || Count > FView.size() - FPosition) throw EReadError("Stream read error");
    const std::span<const std::uint8_t> View = FView.subspan(FPosition, Count);
    FPosition += Count;
    return View;
}

std::size_t TCustomMemoryStream::Write(const void*, std::size_t) {
    throw EStreamError("Cannot write to a read-only stream");
}

std::int64_t TCustomMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    const std::int64_t Target = SeekTarget(Offset, Origin, static_cast<std::int64_t>(FPosition),
                                           static_cast<std::int64_t>(FView.size()));
    FPosition = static_cast<std::size_t>(Target);
    return Target;
}

std::size_t TMemoryStream::Write(const void* Buffer, std::size_t Count) {
    if (Count == 0) return 0;
    const std::size_t End = Position() + Count;
    if (End > FData.size()) {
        FData.resize(End);
        SetView(FData);
    }
    std::memcpy(FData.data() + Position(), Buffer, Count);
    SetPositionRaw(End);
    return Count;
}

void TMemoryStream::SetSize(std::int64_t Value) {
    if (Value < 0) throw EStreamError("Seek to an invalid position");
    FData.resize(static_cast<std::size_t>(Value));
    SetView(FData);
    if (Position() > FData.size()) SetPositionRaw(FData.size());
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    SetView(FData);
    SetPositionRaw(0);
}

void TMemoryStream::LoadFromStream(TStream& Stream) {
    Stream.SetPosition(0);
    const std::int64_t Size = Stream.GetSize();
    SetSize(Size);
    Stream.ReadBuffer(FData.data(), FData.size());
    SetPositionRaw(0);
}

void TMemoryStream::SaveToStream(TStream& Stream) const { Stream.WriteBuffer(FData.data(), FData.size()); }

void TMemoryStream::LoadFromFile(const std::string& FileName) {
    TFileStream File(FileName, fmOpenRead);
    LoadFromStream(File);
}

void TMemoryStream::SaveToFile(const std::string& FileName) const {
    TFileStream File(FileName, fmCreate);
    SaveToStream(File);
}

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : FFileName(FileName) {
    if (Mode == fmCreate) {
        FFile = std::fopen(FileName.c_str(), "w+b");
        if (FFile == nullptr)
            throw EFCreateError("Cannot create file \"" + FileName + "\". " + std::strerror(errno));
        return;
    }
    // Opening a pipe or a device would wait for a writer, or never end.
    std::error_code Error;
    if (!std::filesystem::is_regular_file(FileName, Error))
        throw EFOpenError("Cannot open file \"" + FileName + "\". " +
                          (Error ? Error.message() : std::string("Not a regular file")));
    FFile = std::fopen(FileName.c_str(), Mode == fmOpenRead ? "rb" : "r+b");
    if (FFile == nullptr) throw EFOpenError("Cannot open file \"" + FileName + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream() {
    if (FFile != nullptr) std::fclose(FFile);
}

std::size_t TFileStream::Read(void* Buffer, std::size_t Count) { return std::fread(Buffer, 1, Count, FFile); }

std::size_t TFileStream::Write(const void* Buffer, std::size_t Count) {
    return std::fwrite(Buffer, 1, Count, FFile);
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    const int Whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    if (fseeko(FFile, static_cast<off_t>(Offset), Whence) != 0)
        throw EStreamError("Seek to an invalid position");
    return static_cast<std::int64_t>(ftello(FFile));
}

} // namespace vur
