#include "script/xml/XMLReader.h"

#include "script/xml/XMLItem.h"
#include "ui/core/Exceptions.h"
#include "ui/core/Stream.h"
#include "ui/core/TextCase.h"

namespace {

[[noreturn]] void RaiseInvalidFormat() { throw Exception("Invalid file format"); }

bool EndsWithSlash(const std::string& text) { return !text.empty() && text.back() == '/'; }

}  // namespace

TscXMLReader::TscXMLReader(TStream& stream)
    : stream_(stream), size_(stream.Size()), position_(stream.Position()) {}

TscXMLReader::~TscXMLReader() {
    try {
        stream_.SetPosition(position_);
    } catch (...) {
        // A stream that cannot seek keeps its position; nothing to give back.
    }
}

bool TscXMLReader::NextByte(char& c) {
    if (position_ >= size_) return false;
    if (bufferIndex_ >= bufferFill_) {
        bufferFill_ = stream_.Read(buffer_.data(), static_cast<std::int64_t>(buffer_.size()));
        bufferIndex_ = 0;
        if (bufferFill_ <= 0) {
            size_ = position_;  // the stream ended before its size said
            return false;
        }
    }
    c = buffer_[static_cast<std::size_t>(bufferIndex_++)];
    ++position_;
    return true;
}

void TscXMLReader::SkipComment() {
    int dashes = 0;
    char c = 0;
    while (NextByte(c)) {
        if (c == '>' && dashes >= 2) return;
        dashes = (c == '-' && dashes < 2) ? dashes + 1 : 0;
    }
    RaiseInvalidFormat();
}

void TscXMLReader::ReadTag(std::string& name, std::string& attributes) {
    name.clear();
    attributes.clear();
    std::string tag;
    char c = 0;
    for (;;) {
        do {
            if (!NextByte(c)) return;
        } while (c != '<');
        tag.clear();
        bool comment = false;
        for (;;) {
            if (!NextByte(c)) RaiseInvalidFormat();
            if (c == '>') break;
            if (c == '<') RaiseInvalidFormat();
            tag += c;
            if (tag.size() == 3 && tag == "!--") {
                comment = true;
                break;
            }
        }
        if (!comment) break;
        SkipComment();
    }
    if (!tag.empty() && tag.back() == ' ') tag.pop_back();
    const std::size_t blank = tag.find(' ');
    if (blank == std::string::npos) {
        name = std::move(tag);
    } else {
        name = tag.substr(0, blank);
        attributes = tag.substr(blank + 1);
    }
}

void TscXMLReader::ReadHeader() {
    std::string name, attributes;
    ReadTag(name, attributes);
    if (name.rfind("?xml", 0) != 0) RaiseInvalidFormat();
}

bool TscXMLReader::ReadRootItem(TscXMLItem& item) { return ReadElement(item, 1); }

bool TscXMLReader::ReadElement(TscXMLItem& item, int depth) {
    std::string name, attributes;
    ReadTag(name, attributes);
    lastTag_ = name;
    if (name.empty() || name[0] == '/') return false;
    if (depth > kMaxXMLDepth)
        throw Exception("Слишком глубокая вложенность элементов XML (больше " + std::to_string(kMaxXMLDepth) + ")");
    if (EndsWithSlash(name)) {
        name.pop_back();
        item.SetName(std::move(name));
        item.SetText(std::move(attributes));
        return true;
    }
    item.SetName(name);
    if (EndsWithSlash(attributes)) {
        attributes.pop_back();
        item.SetText(std::move(attributes));
        return true;
    }
    item.SetText(std::move(attributes));
    for (;;) {
        TscXMLItem* child = item.Add();
        if (!ReadElement(*child, depth + 1)) {
            delete child;
            break;
        }
    }
    if (!lastTag_.empty() && !AnsiSameText(lastTag_, "/" + name)) RaiseInvalidFormat();
    return true;
}
