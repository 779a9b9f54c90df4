#pragma once
// Streams of bytes with a position: the abstract base whose buffer reads
// and writes raise on a short transfer, and which reads and writes
// components in the form-data format.

#include "ui/core/Object.h"

#include <cstdint>

class TComponent;

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    // The count moved, which may be short at the end of the data.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // The new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual std::int64_t Size();
    // Raises EStreamError when the stream cannot change its size.
    virtual void SetSize(std::int64_t size);

    // Raise EReadError "Stream read error" / EWriteError "Stream write error"
    // when fewer bytes than asked move.
    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // `count` bytes from the source's position; 0 copies the whole source
    // from its start. Gives the count copied.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);

    // The component's published and defined properties and its children.
    void WriteComponent(TComponent* instance);
    // Reads into `instance`, or into a new component of the stored class
    // when `instance` is nullptr (the caller owns it).
    TComponent* ReadComponent(TComponent* instance);
};
