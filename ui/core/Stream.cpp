#include "ui/core/Stream.h"

#include "ui/core/Exceptions.h"
#include "ui/core/Reader.h"
#include "ui/core/Writer.h"

#include <algorithm>
#include <vector>

std::int64_t TStream::Size() {
    std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
    std::int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::SetSize(std::int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count > 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count > 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 0xF000)) + 1);
    std::int64_t left = count;
    while (left > 0) {
        std::int64_t chunk = std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size()));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        left -= chunk;
    }
    return count;
}

void TStream::WriteComponent(TComponent* instance) {
    TWriter writer(*this);
    writer.WriteRootComponent(instance);
}

TComponent* TStream::ReadComponent(TComponent* instance) {
    TReader reader(*this);
    return reader.ReadRootComponent(instance);
}
