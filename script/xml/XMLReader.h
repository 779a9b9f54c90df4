#pragma once
// Reads the script XML form from a stream through a buffer of its own.
// Text between tags is dropped; comments are skipped. When freed, it leaves
// the stream just after the last byte it consumed.

#include <array>
#include <cstdint>
#include <string>

class TStream;
class TscXMLItem;

// Deeper documents are refused: reading, copying and freeing a tree recurse
// once a level, and the engine's own documents stay far below this.
inline constexpr int kMaxXMLDepth = 2048;

class TscXMLReader {
public:
    explicit TscXMLReader(TStream& stream);
    ~TscXMLReader();
    TscXMLReader(const TscXMLReader&) = delete;
    TscXMLReader& operator=(const TscXMLReader&) = delete;

    // The first tag must begin with "?xml".
    void ReadHeader();
    // One element with its children into `item`; false when the tag read
    // closes an outer element or the data ended ("end" of a list).
    bool ReadRootItem(TscXMLItem& item);

private:
    bool ReadElement(TscXMLItem& item, int depth);
    // Name and attribute text of the next tag; both empty at the end of the data.
    void ReadTag(std::string& name, std::string& attributes);
    void SkipComment();
    bool NextByte(char& c);

    TStream& stream_;
    std::int64_t size_;
    std::int64_t position_;  // of the next byte to consume
    std::array<char, 4096> buffer_{};
    std::int64_t bufferFill_ = 0;
    std::int64_t bufferIndex_ = 0;
    std::string lastTag_;
};
