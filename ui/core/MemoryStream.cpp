#include "ui/core/MemoryStream.h"

#include "ui/core/Exceptions.h"
#include "ui/core/HandleStream.h"

#include <algorithm>
#include <cstring>

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    std::int64_t available = Size() - position_;
    std::int64_t n = std::clamp<std::int64_t>(count, 0, std::max<std::int64_t>(available, 0));
    if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    std::int64_t end = position_ + count;
    if (end > Size()) data_.resize(static_cast<std::size_t>(end));
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    std::int64_t base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? position_ : Size();
    position_ = std::max<std::int64_t>(base + offset, 0);
    return position_;
}

void TMemoryStream::SetSize(std::int64_t size) {
    data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)));
    position_ = std::min(position_, Size());
}

void TMemoryStream::Clear() {
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    std::int64_t size = stream.Size();
    SetSize(size);
    stream.ReadBuffer(data_.data(), size);
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& stream) { stream.WriteBuffer(data_.data(), Size()); }

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TStringStream::TStringStream(const std::string& data) {
    WriteString(data);
    SetPosition(0);
}

std::string TStringStream::ReadString(std::int64_t count) {
    std::string text(static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, Size() - Position())), '\0');
    Read(text.data(), static_cast<std::int64_t>(text.size()));
    return text;
}

void TStringStream::WriteString(const std::string& text) {
    Write(text.data(), static_cast<std::int64_t>(text.size()));
}
